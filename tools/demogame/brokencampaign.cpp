// Broken.y6c: a campaign that the game cannot play as meant, with one fault of every kind the
// editor's campaign check reports as an error, each exactly once. The editor refuses to open it
// (two of its maps cannot be read); the command line's check reads it.

#include "democampaigns.h"
#include "maps.h"

namespace {

using namespace DemoStartOptions;

constexpr int MostPowerfulHero = 65533;
constexpr int GeneratedHero = 65534;
// Numbers outside every table of the demo game.
constexpr int NoCreature = 999;
constexpr int NoArtifact = 999;
constexpr int NoSpell = 250;
constexpr int NoSkill = 99;
constexpr int NoResource = 100;
constexpr int NoBonusType = 9;
constexpr int NoVideo = 200;
constexpr int NoMusic = 250;
constexpr int NoColor = 9;

DemoEmbeddedMap embedded(const QString &fileName, DemoLanguage language) {
    return DemoEmbeddedMap{fileName, demoMapFile(fileName, language)};
}

DemoScenario played(const QString &map, QVector<int> prerequisites, DemoLanguage language) {
    DemoScenario scenario;
    scenario.map = embedded(map, language);
    scenario.prerequisites = std::move(prerequisites);
    return scenario;
}

} // namespace

DemoCampaign brokenCampaign(DemoLanguage language) {
    const DemoWords say{language};
    DemoCampaign campaign;
    campaign.fileName = QStringLiteral("Broken.y6c");
    campaign.campaignMap = 25;
    campaign.name = say("Broken Baronies", "Сломанные баронства");
    campaign.description = say("Every fault the campaign check knows, once.",
                               "Каждая ошибка, известная проверке кампании, по одному разу.");
    campaign.music = 6;
    campaign.scenarios.resize(demoCampaignRegions(campaign.campaignMap, language).size());
    QVector<DemoScenario> &s = campaign.scenarios;

    // Scenarios 0 to 6 require each other in a ring, so no scenario can be played first.
    s[0] = played(QStringLiteral("GreywaterFens.y6m"), {6}, language);
    s[0].regionColor = NoColor;
    s[0].prologues[0] = DemoPage{NoVideo, 0, say("No such video.", "Нет такого видео.")};
    s[0].epilogues[0] = DemoPage{0, NoMusic, say("No such music.", "Нет такой музыки.")};
    // Player 0 has a main town of type 0 and owns heroes 0 and 5.
    s[0].startOptions =
        bonuses(0, {spell(17, 15), building(10), creature(MostPowerfulHero, NoCreature, 5)});

    // Player 1 owns hero 18; its main town generates no hero.
    s[1] = played(QStringLiteral("TarqCrossing.y6m"), {0}, language);
    s[1].startOptions =
        bonuses(1, {spell(GeneratedHero, 15), artifact(MostPowerfulHero, NoArtifact),
                    scroll(MostPowerfulHero, NoSpell)});

    // Player 3 has a main town of a random type.
    s[2] = played(QStringLiteral("KestrelCoast.y6m"), {1}, language);
    s[2].startOptions = bonuses(
        3, {building(7), secondarySkill(MostPowerfulHero, NoSkill, 3), resource(NoResource, 5)});

    // Player 2 is not on the map; four bonuses where the game shows three.
    s[3] = played(QStringLiteral("HollowmereCrossing.y6m"), {2}, language);
    s[3].startOptions = bonuses(
        2, {resource(0, 100), QByteArray(1, char(NoBonusType)), resource(1, 5), resource(2, 5)});

    // Player 4 is a computer player; player 3 neither owns a hero nor generates one.
    s[4] = played(QStringLiteral("TarqCrossing.y6m"), {3}, language);
    s[4].startOptions = startingHeroes({{4, 70}, {3, 100}, {0, 1}});

    // Player 2 is a computer player; scenario 10 is not won before; scenario 0 comes twice.
    s[5] = played(QStringLiteral("BrannockHills.y6m"), {4}, language);
    s[5].startOptions = crossovers({{2, 0}, {0, 10}, {1, 0}});

    s[6] = played(QStringLiteral("FutureFrontier.y6m"), {5}, language);

    // A map cut short, behind a scenario that can never be won.
    s[7].map =
        DemoEmbeddedMap{QStringLiteral("Damaged.y6m"),
                        demoMapFile(QStringLiteral("GreywaterFens.y6m"), language).left(300)};
    s[7].prerequisites = {10};

    // Scenario 11 has no map.
    s[10] = played(QStringLiteral("OldMarches.y6m"), {11}, language);
    return campaign;
}
