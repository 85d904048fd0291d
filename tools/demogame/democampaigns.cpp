#include "democampaigns.h"

#include "bytewriter.h"
#include "demodescription.h"
#include "maps.h"

#include <functional>

namespace DemoStartOptions {

namespace {
QByteArray bonus(int type, const std::function<void(ByteWriter &)> &fields) {
    ByteWriter out;
    out.u8(uint8_t(type));
    fields(out);
    return out.data();
}
} // namespace

QByteArray spell(int hero, int spell) {
    return bonus(0, [&](ByteWriter &out) {
        out.u16(uint16_t(hero));
        out.u8(uint8_t(spell));
    });
}

QByteArray creature(int hero, int creature, int count) {
    return bonus(1, [&](ByteWriter &out) {
        out.u16(uint16_t(hero));
        out.u16(uint16_t(creature));
        out.u16(uint16_t(count));
    });
}

QByteArray building(int building) {
    return bonus(2, [&](ByteWriter &out) { out.u8(uint8_t(building)); });
}

QByteArray artifact(int hero, int artifact) {
    return bonus(3, [&](ByteWriter &out) {
        out.u16(uint16_t(hero));
        out.u16(uint16_t(artifact));
    });
}

QByteArray scroll(int hero, int spell) {
    return bonus(4, [&](ByteWriter &out) {
        out.u16(uint16_t(hero));
        out.u8(uint8_t(spell));
    });
}

QByteArray primarySkill(int hero, int attack, int defence, int spellPower, int knowledge) {
    return bonus(5, [&](ByteWriter &out) {
        out.u16(uint16_t(hero));
        out.u8(uint8_t(attack));
        out.u8(uint8_t(defence));
        out.u8(uint8_t(spellPower));
        out.u8(uint8_t(knowledge));
    });
}

QByteArray secondarySkill(int hero, int skill, int level) {
    return bonus(6, [&](ByteWriter &out) {
        out.u16(uint16_t(hero));
        out.u8(uint8_t(skill));
        out.u8(uint8_t(level));
    });
}

QByteArray resource(int resource, int amount) {
    return bonus(7, [&](ByteWriter &out) {
        out.u8(uint8_t(resource));
        out.i32(amount);
    });
}

QByteArray bonuses(int player, const QVector<QByteArray> &bonuses) {
    ByteWriter out;
    out.u8(1);
    out.u8(uint8_t(player));
    out.u8(uint8_t(bonuses.size()));
    for (const QByteArray &bonus : bonuses)
        out.raw(bonus);
    return out.data();
}

QByteArray crossovers(const QVector<QPair<int, int>> &entries) {
    ByteWriter out;
    out.u8(2);
    out.u8(uint8_t(entries.size()));
    for (const auto &entry : entries) {
        out.u8(uint8_t(entry.first));
        out.u8(uint8_t(entry.second));
    }
    return out.data();
}

QByteArray startingHeroes(const QVector<QPair<int, int>> &entries) {
    ByteWriter out;
    out.u8(3);
    out.u8(uint8_t(entries.size()));
    for (const auto &entry : entries) {
        out.u8(uint8_t(entry.first));
        out.u16(uint16_t(entry.second));
    }
    return out.data();
}

} // namespace DemoStartOptions

namespace {

using namespace DemoStartOptions;

constexpr int GeneratedHero = 65534;
constexpr int MostPowerfulHero = 65533;

// The catalogue's music list holds the music table's rows, then the mod's names from key 49.
constexpr int ModMusic = 49;

// The campaign video list holds the video table's rows, then the mod's videos.
int modVideo(int index) {
    return demoVideoTableNames().size() + index;
}

// A sample map of the demo game, embedded as its file is stored.
DemoEmbeddedMap embedded(const QString &fileName, DemoLanguage language) {
    return DemoEmbeddedMap{fileName, demoMapFile(fileName, language)};
}

// The texts of a sample campaign in the language of the demo game.
struct CampaignWords : DemoWords {
    // A sample map in the same language.
    DemoEmbeddedMap map(const QString &fileName) const { return embedded(fileName, language); }
};

DemoPage page(int video, int music, const QString &text) {
    DemoPage result;
    result.video = video;
    result.music = music;
    result.text = text;
    return result;
}

DemoScenario scenario(const QString &regionText, int regionColor, int difficulty) {
    DemoScenario result;
    result.regionText = regionText;
    result.regionColor = regionColor;
    result.difficulty = difficulty;
    return result;
}

// Main sample: a campaign on the Marches map, one scenario per region, every kind of option.
DemoCampaign marches(const CampaignWords &say) {
    DemoCampaign campaign;
    campaign.fileName = QStringLiteral("Marches.y6c");
    campaign.campaignMap = 24;
    campaign.name = say("The Marches", "Марки Вельдмарка");
    campaign.description =
        say("Six regions of the Veldmark Marches \u2014 from the Greywater Fens to the Kestrel "
            "Coast.\r\nWin them all.",
            "Шесть регионов Марок Вельдмарка \u2014 от Сероводных топей до Берега "
            "Пустельги.\r\nЗавоюйте их все.");
    campaign.difficultySelectable = true;
    campaign.music = ModMusic;

    DemoScenario fens =
        scenario(say("The fens, where it all begins.", "Топи, где всё начинается."), 0, 1);
    fens.map = say.map(QStringLiteral("GreywaterFens.y6m"));
    fens.prologues[0] =
        page(0, 0, say("Mist lies on the Greywater Fens.", "Туман лежит над Сероводными топями."));
    fens.epilogues[0] = page(3, 3, say("The fens are ours.", "Топи наши."));
    fens.startOptions =
        bonuses(0, {spell(5, 15), creature(MostPowerfulHero, 151, 12), building(7)});

    DemoScenario hollowmere =
        scenario(say("Hollowmere: the drowned town.", "Пустоозерье: затонувший город."), 1, 2);
    // Stored uncompressed.
    hollowmere.map = say.map(QStringLiteral("HollowmereCrossing.y6m"));
    hollowmere.prerequisites = {0};
    hollowmere.prologues[0] = page(1, 1, say("Page one of three.", "Страница первая из трёх."));
    hollowmere.prologues[1] = page(modVideo(0), ModMusic + 1,
                                   say("Page two: Tarq rises.", "Страница вторая: Тарк восстаёт."));
    hollowmere.prologues[2] = page(5, 5, QString());
    hollowmere.epilogues[0] = page(2, 2, say("The mere is still.", "Озеро спокойно."));
    hollowmere.epilogues[1] = page(modVideo(1), ModMusic + 3, say("Homeward.", "Домой."));
    hollowmere.heroKeeps = 0x1f;
    hollowmere.artifactsKept = {0, 7, 148};
    hollowmere.creaturesKept = {0, 13, 151, 156};
    hollowmere.startOptions = bonuses(0, {artifact(GeneratedHero, 148), scroll(48, 20),
                                          primarySkill(MostPowerfulHero, 2, 1, 0, 3)});

    DemoScenario hills = scenario(say("Brannock Hills", "Холмы Браннока"), 2, 0);
    hills.map = say.map(QStringLiteral("BrannockHills.y6m"));
    hills.prerequisites = {0};
    hills.prologues[2] =
        page(7, 7, say("Only the third page is set.", "Задана только третья страница."));
    hills.heroKeeps = 0x05;
    hills.startOptions =
        bonuses(0, {secondarySkill(96, 28, 3), resource(6, 2500), resource(0, -500)});

    DemoScenario reach = scenario(say("The Ashen Reach", "Пепельный край"), 3, 3);
    reach.map = say.map(QStringLiteral("AshenReach.y6m"));
    reach.prerequisites = {1, 2};
    reach.epilogues[2] = page(4, 4, say("Ash and embers.", "Пепел и тлеющие угли."));
    reach.heroKeeps = 0;
    reach.artifactsKept = {1, 2, 3};
    reach.startOptions = crossovers({{0, 1}, {1, 2}, {0, 2}});

    DemoScenario crossing = scenario(say("Tarq Crossing", "Тарков перекрёсток"), 4, 4);
    crossing.map = say.map(QStringLiteral("TarqCrossing.y6m"));
    crossing.prerequisites = {3};
    crossing.startOptions = startingHeroes({{0, 1}, {0, 2}, {1, 18}});

    DemoScenario coast =
        scenario(say("Kestrel Coast: no map yet.", "Берег Пустельги: карты пока нет."), 7, 1);
    coast.prerequisites = {4};
    coast.prologues[0] = page(0, 0, say("To be written.", "Ещё не написано."));

    campaign.scenarios = {fens, hollowmere, hills, reach, crossing, coast};
    return campaign;
}

// A campaign without a map: a chain over a background picture. The prerequisites are the chain
// the editor derives when saving: each scenario with a map requires the previous one with a map.
DemoCampaign chain(const CampaignWords &say) {
    DemoCampaign campaign;
    campaign.fileName = QStringLiteral("Chain.y6c");
    campaign.withMap = false;
    campaign.background = 1;
    campaign.scenarioCount = 4;
    campaign.campaignMap = 24;
    campaign.name = say("The Long Road", "Долгий путь");
    campaign.description =
        say("Four scenarios, one after another.", "Четыре сценария, один за другим.");
    campaign.music = 6;

    DemoScenario first = scenario(QString(), 2, 1);
    first.map = say.map(QStringLiteral("OldBorder.y6m"));
    first.prologues[0] = page(4, 6, say("The road starts here.", "Здесь начинается дорога."));
    first.startOptions = bonuses(0, {resource(2, 10)});

    DemoScenario empty = scenario(QString(), 2, 1);
    empty.epilogues[0] = page(0, 0, QString());

    DemoScenario raw = scenario(QString(), 2, 2);
    raw.map = say.map(QStringLiteral("Saltmarrow.y6m")); // stored uncompressed
    raw.prerequisites = {0};
    raw.startOptions = crossovers({{0, 0}});

    DemoScenario last = scenario(QString(), 2, 1);
    last.map = say.map(QStringLiteral("GullRock.y6m"));
    last.prerequisites = {2};
    last.epilogues[2] = page(3, 3, say("The end of the road.", "Конец пути."));
    last.startOptions = startingHeroes({{0, 20}});

    campaign.scenarios = {first, empty, raw, last};
    return campaign;
}

// A campaign on the map of twelve regions: prerequisite sets of two bytes. The empty baronies
// keep the chain they were given; the game passes over them, and the scenarios with maps require
// only scenarios with maps, as the editor offers them.
DemoCampaign baronies(const CampaignWords &say) {
    DemoCampaign campaign;
    campaign.fileName = QStringLiteral("Baronies.y6c");
    campaign.campaignMap = 25;
    campaign.forbidNewerVersions = true;
    campaign.name = say("The Twelve Baronies", "Двенадцать баронств");
    campaign.description = say("Twelve baronies, four of them ready to play.",
                               "Двенадцать баронств, четыре из них готовы к игре.");
    campaign.music = ModMusic + 2;
    const QVector<DemoRegion> regions = demoCampaignRegions(campaign.campaignMap, say.language);
    for (int r = 0; r < regions.size(); ++r) {
        DemoScenario barony = scenario(regions[r].name, r % 8, r % 5);
        if (r > 0)
            barony.prerequisites = {r - 1};
        campaign.scenarios.append(barony);
    }
    campaign.scenarios[0].map = say.map(QStringLiteral("Thornholm.y6m"));
    campaign.scenarios[5].map = say.map(QStringLiteral("WreckersBay.y6m"));
    campaign.scenarios[5].prerequisites = {0};
    campaign.scenarios[9].map = say.map(QStringLiteral("OldMarches.y6m"));
    campaign.scenarios[9].prerequisites = {0, 5};
    campaign.scenarios[11].map = say.map(QStringLiteral("LockedKeep.y6m"));
    campaign.scenarios[11].prerequisites = {9};
    campaign.scenarios[11].startOptions =
        bonuses(0, {building(7), creature(MostPowerfulHero, 121, 3)});
    campaign.scenarios[11].epilogues[1] =
        page(9, 9, say("The baronies kneel.", "Баронства преклоняют колени."));
    return campaign;
}

// The content of the older-format samples: only what format 5 can hold (one page slot each,
// creature ids below 145 and artifact ids below 129), so that every format reads the same.
DemoCampaign oldFormatContent(const CampaignWords &say) {
    DemoCampaign campaign;
    campaign.campaignMap = 26;
    campaign.name = say("Wyrmspine Pass", "Перевал Змиева Хребта");
    campaign.description = say("An older campaign.", "Кампания старого формата.");
    campaign.music = 2;

    DemoScenario gate = scenario(say("The gate", "Врата"), 5, 1);
    gate.map = say.map(QStringLiteral("GreywaterFens.y6m"));
    gate.prologues[0] = page(6, 8, say("Snow on the pass.", "Снег на перевале."));
    gate.creaturesKept = {0, 144};
    gate.artifactsKept = {10, 128};
    gate.startOptions = bonuses(0, {artifact(5, 128), resource(3, 7)});

    DemoScenario ledge = scenario(say("The ledge", "Уступ"), 6, 2);
    ledge.map = say.map(QStringLiteral("HollowmereCrossing.y6m"));
    ledge.prerequisites = {0};
    ledge.epilogues[0] = page(2, 0, say("Frost bites.", "Мороз кусается."));
    ledge.heroKeeps = 0x1f;
    ledge.startOptions = crossovers({{0, 0}});

    DemoScenario throat = scenario(say("The throat", "Глотка"), 0, 4);
    throat.prerequisites = {0, 1};

    campaign.scenarios = {gate, ledge, throat};
    return campaign;
}

DemoCampaign inFormat(DemoCampaign campaign, const QString &fileName, int version, int subversion) {
    campaign.fileName = fileName;
    campaign.version = version;
    campaign.subversion = subversion;
    return campaign;
}

} // namespace

QVector<DemoRegion> demoCampaignRegions(int campaignMap, DemoLanguage language) {
    for (const DemoCampaignMap &map : demoCampaignMaps(language)) {
        if (map.id == campaignMap)
            return map.regions;
    }
    return {};
}

QVector<DemoCampaign> demoCampaigns(const DemoOptions &options) {
    const CampaignWords say{{options.language}};
    const DemoCampaign old = oldFormatContent(say);
    return {marches(say),
            chain(say),
            baronies(say),
            inFormat(old, QStringLiteral("Format5.y6c"), 5, 0),
            inFormat(old, QStringLiteral("Format6.y6c"), 6, 0),
            inFormat(old, QStringLiteral("Format10Sub0.y6c"), 10, 0),
            inFormat(old, QStringLiteral("Format10Sub1.y6c"), 10, 1),
            inFormat(old, QStringLiteral("Format10Sub2.y6c"), 10, 2),
            brokenCampaign(options.language)};
}
