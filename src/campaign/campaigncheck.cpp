#include "campaign/campaigncheck.h"

#include "campaign/campaigncheckrun.h"
#include "campaign/campaignwriter.h"
#include "campaign/optiontexts.h"
#include "campaign/prerequisitegraph.h"

#include <algorithm>

namespace {

using S = CheckSeverity;

const QList<CheckDefinition> definitions = {
    {CheckId::PrerequisiteCycle, "prerequisite-cycle", S::Error,
     "Scenarios require each other in a circle, so none of them can be played."},
    {CheckId::PrerequisiteWithoutMap, "prerequisite-without-map", S::Error,
     "A scenario requires a scenario without map, which can never be won."},
    {CheckId::UnreachableScenario, "unreachable-scenario", S::Error,
     "No chain of won scenarios from a starting scenario reaches the scenario."},
    {CheckId::NoStartingScenario, "no-starting-scenario", S::Error,
     "No scenario can be played first: none has a map, or every one requires another."},
    {CheckId::RegionWithoutMap, "region-without-map", S::Warning,
     "A region of the campaign map has no scenario map and stays empty."},
    {CheckId::MapUnreadable, "map-unreadable", S::Error,
     "The header of an embedded map cannot be read."},
    {CheckId::MapNewerVersion, "map-newer-version", S::Error,
     "An embedded map was made for a newer version of Tarq than the campaign."},
    {CheckId::EmptyScenarioName, "empty-scenario-name", S::Warning,
     "The map of a scenario has no name."},
    {CheckId::TooManyOptions, "too-many-options", S::Error,
     "A scenario offers more than the 3 starting options the game shows."},
    {CheckId::BonusPlayerNotPlayable, "bonus-player-not-playable", S::Error,
     "The starting bonuses go to a player no human may play."},
    {CheckId::BonusHeroNotOnMap, "bonus-hero-not-on-map", S::Error,
     "A bonus names a hero the receiving player does not own on the map."},
    {CheckId::BonusGeneratedHeroMissing, "bonus-generated-hero-missing", S::Error,
     "A bonus goes to the generated hero of a player whose main town generates none."},
    {CheckId::BonusBuildingWithoutTown, "bonus-building-without-town", S::Error,
     "A building bonus goes to a player without a main town of a known type."},
    {CheckId::BonusBuildingNotAllowed, "bonus-building-not-allowed", S::Error,
     "A building bonus names a building the main town's type cannot have."},
    {CheckId::StartingHeroPlayerNotPlayable, "starting-hero-player-not-playable", S::Error,
     "A starting hero goes to a player no human may play."},
    {CheckId::StartingHeroNotAvailable, "starting-hero-not-available", S::Error,
     "A starting hero is neither on the map for its player nor available in the player's "
     "main town."},
    {CheckId::CrossoverPlayerNotPlayable, "crossover-player-not-playable", S::Error,
     "A crossover hero goes to a player no human may play."},
    {CheckId::CrossoverSourceNotPrerequisite, "crossover-source-not-prerequisite", S::Error,
     "A crossover hero comes from a scenario that is not won before this one."},
    {CheckId::CrossoverSourceUsedTwice, "crossover-source-used-twice", S::Warning,
     "Two crossover options bring the hero of the same scenario."},
    {CheckId::UnknownBonusType, "unknown-bonus-type", S::Error,
     "A starting bonus is of a type the game does not know."},
    {CheckId::UnknownSpell, "unknown-spell", S::Error,
     "A spell or scroll bonus names a spell outside the game's tables."},
    {CheckId::UnknownCreature, "unknown-creature", S::Error,
     "A creature bonus names a creature outside the game's tables."},
    {CheckId::UnknownArtifact, "unknown-artifact", S::Error,
     "An artifact bonus names an artifact outside the game's tables."},
    {CheckId::UnknownSecondarySkill, "unknown-secondary-skill", S::Error,
     "A secondary skill bonus names a skill or level outside the game's tables."},
    {CheckId::UnknownResource, "unknown-resource", S::Error,
     "A resource bonus names a resource outside the game's tables."},
    {CheckId::UnknownRegionColor, "unknown-region-color", S::Error,
     "A region colour is not one of the eight player colours."},
    {CheckId::UnknownVideo, "unknown-video", S::Error,
     "A prologue or epilogue page shows a video outside the game's tables."},
    {CheckId::UnknownMusic, "unknown-music", S::Error,
     "The campaign or a prologue or epilogue page plays music outside the game's tables."},
    {CheckId::KeptCreatureUnknown, "kept-creature-unknown", S::Warning,
     "Crossover heroes keep creatures numbered beyond the game's tables."},
    {CheckId::KeptArtifactUnknown, "kept-artifact-unknown", S::Warning,
     "Crossover heroes keep artifacts numbered beyond the game's tables."},
    {CheckId::EmptyCampaignName, "empty-campaign-name", S::Warning, "The campaign has no name."},
    {CheckId::TextTooLong, "text-too-long", S::Warning,
     "The campaign description or a region text is longer than the game shows."},
};

} // namespace

const QList<CheckDefinition> &campaignChecks() {
    return definitions;
}

const CheckDefinition &checkDefinition(CheckId check) {
    static_assert(int(CheckId::Count) > 0, "checks");
    Q_ASSERT(definitions.size() == int(CheckId::Count));
    Q_ASSERT(definitions.at(int(check)).check == check);
    return definitions.at(int(check));
}

CampaignCheckRun::CampaignCheckRun(const CmpCampaign &campaign, const GameCatalogue &catalogue)
    : campaign(campaign), catalogue(catalogue), graph(campaign) {
    for (int index = 0; index < scenarioCount(); ++index) {
        QBitArray &prerequisites = graph.scenarios[index].prerequisites;
        if (!campaign.withMap) // the chain the campaign is saved with
            prerequisites = chainPrerequisites(campaign, index, scenarioCount());
        else if (!isPlayed(index)) // what a scenario the game passes over requires leads nowhere
            prerequisites.fill(false);
    }
}

bool CampaignCheckRun::isPlayed(int index) const {
    const CmpScenario &played = scenario(index);
    return played.hasMap() || played.mapSize != 0 || !played.mapData.isEmpty();
}

QList<int> CampaignCheckRun::requiredBy(int from) {
    auto found = required.find(from);
    if (found == required.end())
        found = required.insert(from, requiredScenarios(graph, from));
    return *found;
}

QString CampaignCheckRun::label(int index) const {
    return scenarioRefText(campaign, campaign.campaignMap, index, catalogue);
}

void CampaignCheckRun::add(CheckId check, int scenario, CheckPage page, const QString &text) {
    findings.append(CheckFinding{check, scenario, page, text});
}

QList<CheckFinding> checkCampaign(const CmpCampaign &campaign, const GameCatalogue &catalogue) {
    CampaignCheckRun run(campaign, catalogue);
    checkPrerequisites(run);
    checkMaps(run);
    checkStartOptions(run);
    checkBonusRanges(run);
    checkCatalogueRanges(run);
    checkTexts(run);
    std::stable_sort(
        run.findings.begin(), run.findings.end(),
        [](const CheckFinding &a, const CheckFinding &b) { return a.scenario < b.scenario; });
    return run.findings;
}

int errorCount(const QList<CheckFinding> &findings) {
    return int(std::count_if(findings.begin(), findings.end(), [](const CheckFinding &finding) {
        return finding.severity() == CheckSeverity::Error;
    }));
}

const char *severityName(CheckSeverity severity) {
    return severity == CheckSeverity::Error ? "error" : "warning";
}

const char *pageName(CheckPage page) {
    switch (page) {
    case CheckPage::Campaign:
        return "campaign";
    case CheckPage::General:
        return "general";
    case CheckPage::Prologue:
        return "prologue";
    case CheckPage::Epilogue:
        return "epilogue";
    case CheckPage::Crossover:
        return "crossover";
    case CheckPage::StartingOptions:
        return "starting-options";
    }
    return "";
}
