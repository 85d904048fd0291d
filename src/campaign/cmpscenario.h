#pragma once

#include "campaign/cmpprologue.h"
#include "campaign/cmpscenariostartoptions.h"
#include "campaign/mapheader.h"

#include <QBitArray>
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

struct GameCatalogue;

// What crossover heroes keep, by bit of `heroKeeps`.
enum HeroKeep {
    KeepExperience = 0,
    KeepPrimarySkills = 1,
    KeepSecondarySkills = 2,
    KeepSpells = 3,
    KeepArtifacts = 4,
    HeroKeepCount = 5
};

constexpr int pageSlotCount = 3;
// Length of the prerequisites of a scenario not yet placed into a campaign.
constexpr int defaultPrerequisiteCount = 12;

// One scenario of a campaign: the embedded map and the campaign-level settings around it.
struct CmpScenario {
    // A new scenario, its kept artifacts and creatures sized to the given catalogue.
    CmpScenario();
    explicit CmpScenario(const GameCatalogue &catalogue);

    QString mapName; // file name of the embedded map as imported; empty without a map
    uint32_t mapSize = 0;
    QBitArray prerequisites; // bit i set = scenario i must be completed first
    uint8_t regionColor = 2;
    uint8_t difficulty = 1;
    QString regionText;
    std::array<CmpPrologueRef, pageSlotCount> prologues;
    std::array<CmpPrologueRef, pageSlotCount> epilogues;
    QBitArray heroKeeps;
    QBitArray artifactsKept;
    QBitArray creaturesKept;
    CmpStartOptionsRef startOptions;
    MapHeaderRef mapHeader; // present exactly when the scenario has a map
    QByteArray mapData;     // the map file as imported, normally gzip-compressed

    bool hasMap() const { return !mapHeader.isNull(); }
};

// Returns the scenario to its constructed state, except its difficulty.
void resetScenario(CmpScenario &scenario);
void resetScenario(CmpScenario &scenario, const GameCatalogue &catalogue);

// Player p of the scenario's map, or null when the scenario has no map or p is not 0 to 7.
const MapPlayer *scenarioPlayer(const CmpScenario &scenario, int player);
// Whether player p of the scenario's map may be played by a human.
bool isHumanPlayable(const CmpScenario &scenario, int player);
