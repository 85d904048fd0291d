// The campaign check of the starting options: every rule that the starting-options pages keep
// against the scenario's map (startoptionrules.h), the number of choices the game shows, and
// where crossover heroes come from.

#include "campaign/campaigncheckrun.h"
#include "campaign/campaignlimits.h"
#include "campaign/optiontexts.h"
#include "campaign/startoptionrules.h"

#include <QCoreApplication>
#include <QSet>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignCheck)
};

void checkCount(CampaignCheckRun &run, int index, int count) {
    if (count > maxStartOptions)
        run.add(CheckId::TooManyOptions, index, CheckPage::StartingOptions,
                Texts::tr("The scenario offers %1 starting options; the game shows at most %2.")
                    .arg(count)
                    .arg(maxStartOptions));
}

void checkBonuses(CampaignCheckRun &run, int index, const StartingBonusSet &set) {
    const CmpScenario &scenario = run.scenario(index);
    checkCount(run, index, set.bonuses.size());
    if (set.bonuses.isEmpty() || !scenario.hasMap())
        return;
    const QString player = playerText(set.player, run.catalogue);
    if (!isHumanPlayable(scenario, set.player)) {
        run.add(CheckId::BonusPlayerNotPlayable, index, CheckPage::StartingOptions,
                Texts::tr("The starting bonuses go to %1, whom no human may play on this map.")
                    .arg(player));
        return;
    }
    for (const CmpBonus &bonus : set.bonuses) {
        const QString bonusName = bonusText(scenario, set.player, bonus, run.catalogue);
        switch (bonusFault(scenario, set.player, bonus)) {
        case StartOptionFault::HeroNotOnMap:
            run.add(CheckId::BonusHeroNotOnMap, index, CheckPage::StartingOptions,
                    Texts::tr("%1: %2 does not own this hero on the map.").arg(bonusName, player));
            break;
        case StartOptionFault::NoGeneratedHero:
            run.add(CheckId::BonusGeneratedHeroMissing, index, CheckPage::StartingOptions,
                    Texts::tr("%1: the main town of %2 generates no hero.").arg(bonusName, player));
            break;
        case StartOptionFault::NoMainTown:
            run.add(CheckId::BonusBuildingWithoutTown, index, CheckPage::StartingOptions,
                    Texts::tr("A bonus builds building %1, but %2 has no main town of a known "
                              "type.")
                        .arg(bonus.record<BonusBuilding>().building)
                        .arg(player));
            break;
        case StartOptionFault::BuildingNotAllowed:
            run.add(CheckId::BonusBuildingNotAllowed, index, CheckPage::StartingOptions,
                    Texts::tr("A bonus builds building %1, which a main town of type %2 (that "
                              "of %3) cannot have.")
                        .arg(bonus.record<BonusBuilding>().building)
                        .arg(scenarioPlayer(scenario, set.player)->mainTownType)
                        .arg(player));
            break;
        default: // the player was checked above
            break;
        }
    }
}

void checkStartingHeroes(CampaignCheckRun &run, int index, const StartingHeroSet &set) {
    const CmpScenario &scenario = run.scenario(index);
    checkCount(run, index, set.heroes.size());
    for (const StartingHero &entry : set.heroes) {
        const QString hero = heroText(scenario, entry.player, entry.hero, false, run.catalogue);
        const QString player = playerText(entry.player, run.catalogue);
        switch (startingHeroFault(scenario, entry, run.catalogue)) {
        case StartOptionFault::NotHumanPlayable:
            run.add(CheckId::StartingHeroPlayerNotPlayable, index, CheckPage::StartingOptions,
                    Texts::tr("The starting hero %1 goes to %2, whom no human may play on this "
                              "map.")
                        .arg(hero, player));
            break;
        case StartOptionFault::NoGeneratedHero:
            run.add(CheckId::StartingHeroNotAvailable, index, CheckPage::StartingOptions,
                    Texts::tr("The starting hero %1: %2 does not own this hero on the map and has "
                              "no main town that generates a hero.")
                        .arg(hero, player));
            break;
        case StartOptionFault::HeroUnavailable:
            run.add(CheckId::StartingHeroNotAvailable, index, CheckPage::StartingOptions,
                    Texts::tr("The starting hero %1 of %2: the map keeps this hero out of the "
                              "game.")
                        .arg(hero, player));
            break;
        default:
            break;
        }
    }
}

void checkCrossovers(CampaignCheckRun &run, int index, const HeroCrossoverSet &set) {
    const CmpScenario &scenario = run.scenario(index);
    checkCount(run, index, set.crossovers.size());
    // Heroes come over from scenarios won before this one, directly or through others.
    const QList<int> sources = run.requiredBy(index);
    QSet<int> offered;
    for (const CmpHeroCrossover &entry : set.crossovers) {
        const QString source = run.label(entry.scenario);
        switch (crossoverFault(scenario, entry, &sources)) {
        case StartOptionFault::NotHumanPlayable:
            run.add(CheckId::CrossoverPlayerNotPlayable, index, CheckPage::StartingOptions,
                    Texts::tr("The hero from %1 goes to %2, whom no human may play on this map.")
                        .arg(source, playerText(entry.player, run.catalogue)));
            break;
        case StartOptionFault::SourceNotRequired:
            run.add(CheckId::CrossoverSourceNotPrerequisite, index, CheckPage::StartingOptions,
                    Texts::tr("The hero from %1 cannot come over: that scenario is not won "
                              "before this one.")
                        .arg(source));
            break;
        default:
            break;
        }
        if (offered.contains(entry.scenario))
            run.add(CheckId::CrossoverSourceUsedTwice, index, CheckPage::StartingOptions,
                    Texts::tr("The hero from %1 is offered more than once.").arg(source));
        offered.insert(entry.scenario);
    }
}

} // namespace

void checkStartOptions(CampaignCheckRun &run) {
    for (int index = 0; index < run.scenarioCount(); ++index) {
        const CmpStartOptionsRef &options = run.scenario(index).startOptions;
        if (!run.isPlayed(index) || !options)
            continue;
        switch (options->kind) {
        case BonusChoice:
            checkBonuses(run, index, options->bonusSet());
            break;
        case StartingHeroChoice:
            checkStartingHeroes(run, index, options->heroSet());
            break;
        case CrossoverChoice:
            checkCrossovers(run, index, options->crossoverSet());
            break;
        default:
            break;
        }
    }
}
