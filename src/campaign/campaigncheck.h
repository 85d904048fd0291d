#pragma once

#include "gamedata/gamecatalogue.h"

#include <QList>
#include <QString>

struct CmpCampaign;

// The campaign check: what would keep the game from playing a campaign as its author meant it,
// found before the game finds it. It brings together the rules the editor already keeps while
// editing (the prerequisite graph, the start-option rules, the catalogue's tables and the
// editor's text limits) and applies them to the whole campaign at once.

// Error: the game cannot play the campaign as meant. Warning: suspicious, but playable.
enum class CheckSeverity { Error, Warning };

// Where a finding can be mended: the campaign properties, or a tab of the scenario properties
// window (the values are the window's tab order).
enum class CheckPage { Campaign = -1, General, Prologue, Epilogue, Crossover, StartingOptions };

// Every check, in the order of the table in campaigncheck.cpp.
enum class CheckId {
    PrerequisiteCycle,
    PrerequisiteWithoutMap,
    UnreachableScenario,
    NoStartingScenario,
    RegionWithoutMap,
    MapUnreadable,
    MapNewerVersion,
    EmptyScenarioName,
    TooManyOptions,
    BonusPlayerNotPlayable,
    BonusHeroNotOnMap,
    BonusGeneratedHeroMissing,
    BonusBuildingWithoutTown,
    BonusBuildingNotAllowed,
    StartingHeroPlayerNotPlayable,
    StartingHeroNotAvailable,
    CrossoverPlayerNotPlayable,
    CrossoverSourceNotPrerequisite,
    CrossoverSourceUsedTwice,
    UnknownBonusType,
    UnknownSpell,
    UnknownCreature,
    UnknownArtifact,
    UnknownSecondarySkill,
    UnknownResource,
    UnknownRegionColor,
    UnknownVideo,
    UnknownMusic,
    KeptCreatureUnknown,
    KeptArtifactUnknown,
    EmptyCampaignName,
    TextTooLong,
    Count
};

// A check as the command line lists it: its stable id, its severity and what it looks for.
struct CheckDefinition {
    CheckId check;
    const char *id;
    CheckSeverity severity;
    const char *summary; // English, for the command line's help
};

// Every check, in CheckId order.
const QList<CheckDefinition> &campaignChecks();
const CheckDefinition &checkDefinition(CheckId check);

struct CheckFinding {
    CheckId check = CheckId::Count;
    int scenario = -1; // -1: the campaign as a whole
    CheckPage page = CheckPage::Campaign;
    QString text; // translated

    QString id() const { return QLatin1String(checkDefinition(check).id); }
    CheckSeverity severity() const { return checkDefinition(check).severity; }
};

// Every finding of the campaign, campaign-wide ones first, then by scenario. Reads the
// campaign only; an embedded map without a summary (a file loaded with its unreadable maps
// kept) is read again to tell why.
QList<CheckFinding> checkCampaign(const CmpCampaign &campaign,
                                  const GameCatalogue &catalogue = gameCatalogue());

int errorCount(const QList<CheckFinding> &findings);

// "error" or "warning"; the page as a word ("campaign", "general", "prologue", "epilogue",
// "crossover", "starting-options"), for the command line.
const char *severityName(CheckSeverity severity);
const char *pageName(CheckPage page);
