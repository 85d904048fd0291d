#include "campaign/cmpscenario.h"

#include "gamedata/gamecatalogue.h"

CmpScenario::CmpScenario() : CmpScenario(gameCatalogue()) {}

CmpScenario::CmpScenario(const GameCatalogue &catalogue)
    : prerequisites(defaultPrerequisiteCount), heroKeeps(HeroKeepCount),
      artifactsKept(qMax(0, catalogue.artifactCount)),
      creaturesKept(qMax(0, catalogue.creatureCount)) {
    // Crossover heroes keep everything but their artifacts unless the author says otherwise.
    heroKeeps.setBit(KeepExperience);
    heroKeeps.setBit(KeepPrimarySkills);
    heroKeeps.setBit(KeepSecondarySkills);
    heroKeeps.setBit(KeepSpells);
}

void resetScenario(CmpScenario &scenario) {
    resetScenario(scenario, gameCatalogue());
}

void resetScenario(CmpScenario &scenario, const GameCatalogue &catalogue) {
    const uint8_t difficulty = scenario.difficulty;
    scenario = CmpScenario(catalogue);
    scenario.difficulty = difficulty;
}

const MapPlayer *scenarioPlayer(const CmpScenario &scenario, int player) {
    if (!scenario.mapHeader || player < 0 || player >= MapHeader::playerCount)
        return nullptr;
    return &scenario.mapHeader->players[size_t(player)];
}

bool isHumanPlayable(const CmpScenario &scenario, int player) {
    const MapPlayer *entry = scenarioPlayer(scenario, player);
    return entry && entry->canHumanPlay;
}
