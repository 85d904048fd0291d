#include "campaign/startoptionrules.h"

#include "campaign/cmpbonus.h"
#include "campaign/cmpherocrossover.h"
#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/optiontexts.h"
#include "campaign/startinghero.h"

namespace {

constexpr uint8_t noTownType = 255;

} // namespace

bool isBuildingAllowed(uint8_t building, uint8_t townType) {
    switch (building) {
    case 16:
    case 18:
    case 19:
    case 20:
    case 21:
    case 24:
    case 27:
    case 30:
    case 33:
    case 36:
        return false;
    case 10:
        return townType == 2 || townType == 5 || townType == 8 || townType == 10;
    case 14:
        return townType != 6 && townType != 7;
    case 15:
        return townType != 0 && townType != 6 && townType != 7 && townType != 9;
    default:
        return true;
    }
}

StartOptionFault bonusFault(const CmpScenario &scenario, int player, const CmpBonus &bonus) {
    if (!scenario.mapHeader || bonus.type >= BonusTypeCount || bonus.type == ResourceBonus)
        return StartOptionFault::None;
    const MapPlayer *owner = scenarioPlayer(scenario, player);
    if (!owner)
        return StartOptionFault::NoSuchPlayer;
    if (bonus.type == BuildingBonus) {
        const auto building = bonus.record<BonusBuilding>();
        if (!owner->ownsMainTown() || owner->mainTownType == noTownType)
            return StartOptionFault::NoMainTown;
        return isBuildingAllowed(building.building, owner->mainTownType)
                   ? StartOptionFault::None
                   : StartOptionFault::BuildingNotAllowed;
    }
    const uint16_t hero = bonusHero(bonus);
    if (hero == MostPowerfulHero)
        return StartOptionFault::None;
    if (hero == GeneratedHero)
        return owner->generatesHero() ? StartOptionFault::None : StartOptionFault::NoGeneratedHero;
    return !isReservedHero(hero) && owner->ownsHero(hero) ? StartOptionFault::None
                                                          : StartOptionFault::HeroNotOnMap;
}

StartOptionFault startingHeroFault(const CmpScenario &scenario, const StartingHero &entry,
                                   const GameCatalogue &catalogue) {
    if (!scenario.mapHeader)
        return StartOptionFault::None;
    if (!isHumanPlayable(scenario, entry.player))
        return StartOptionFault::NotHumanPlayable;
    const MapPlayer &owner = scenario.mapHeader->players[entry.player];
    if (!isReservedHero(entry.hero) && owner.ownsHero(entry.hero))
        return StartOptionFault::None;
    if (!owner.generatesHero())
        return StartOptionFault::NoGeneratedHero;
    return isHeroUnavailable(unavailableHeroes(scenario, catalogue), entry.hero)
               ? StartOptionFault::HeroUnavailable
               : StartOptionFault::None;
}

StartOptionFault crossoverFault(const CmpScenario &scenario, const CmpHeroCrossover &entry,
                                const QList<int> *sources) {
    if (sources && !sources->contains(entry.scenario))
        return StartOptionFault::SourceNotRequired;
    return !scenario.mapHeader || isHumanPlayable(scenario, entry.player)
               ? StartOptionFault::None
               : StartOptionFault::NotHumanPlayable;
}

bool isPlayerFreeForStartingHero(const CmpScenario &scenario, const QList<uint16_t> &takenHeroes,
                                 int player) {
    if (!isHumanPlayable(scenario, player))
        return false;
    const MapPlayer &owner = scenario.mapHeader->players[size_t(player)];
    for (const MapHero &hero : owner.heroes)
        if (!takenHeroes.contains(hero.id))
            return true;
    return owner.generateHeroAtMainTown;
}

bool isPlayerFreeForStartingHero(const CmpScenario &scenario, int player) {
    return isPlayerFreeForStartingHero(scenario, QList<uint16_t>(), player);
}
