// The sample maps of the demo game: every map format and mod subversion, human and computer
// players, main towns of every type, and the maps an editor must refuse.

#include "maps.h"

#include "bytewriter.h"

#include <initializer_list>

namespace {

QByteArray text(const Wording &wording, DemoLanguage language) {
    return encodeDemoText(wording.in(language), language);
}

DemoMapPlayer human(uint8_t townType, bool generateHero, QList<DemoMapHero> heroes = {}) {
    DemoMapPlayer player;
    player.human = true;
    player.computer = true;
    player.aiTactic = 1;
    player.mainTown = 1;
    player.townType = townType;
    player.generateHero = generateHero;
    player.allowedTowns = uint16_t(1u << (townType == 255 ? 0 : townType));
    player.heroes = heroes;
    return player;
}

DemoMapPlayer computer(uint8_t townType, QList<DemoMapHero> heroes = {}) {
    DemoMapPlayer player = human(townType, true, heroes);
    player.human = false;
    player.aiTactic = 2;
    return player;
}

DemoMapPlayer townless(bool isHuman, QList<DemoMapHero> heroes) {
    DemoMapPlayer player;
    player.human = isHuman;
    player.computer = true;
    player.aiTactic = 3;
    player.heroes = heroes;
    return player;
}

// Places the main towns on a diagonal and gives the first hero of each player the main hero.
void placeTowns(DemoMap &map) {
    for (int p = 0; p < 8; ++p) {
        DemoMapPlayer &player = map.players[p];
        player.townX = uint8_t(4 + p * (map.size - 8) / 8);
        player.townY = uint8_t(map.size - 5 - p * (map.size - 8) / 8);
        if (!player.heroes.isEmpty()) {
            player.mainHero = player.heroes.first().id;
            player.mainHeroPortrait = player.heroes.first().id;
            player.mainHeroName = player.heroes.first().name;
            player.placeholders = 0;
        }
    }
}

QByteArray bytesOf(std::initializer_list<uint8_t> values) {
    QByteArray result;
    for (uint8_t value : values)
        result.append(char(value));
    return result;
}

QByteArray victory(uint8_t type, const QByteArray &fields) {
    ByteWriter out;
    out.u8(type);
    out.u8(1); // normal victory still allowed
    out.u8(0); // not for the computer
    out.raw(fields);
    return out.data();
}

QByteArray position(uint8_t x, uint8_t y, uint8_t level) {
    return bytesOf({uint8_t(x), uint8_t(y), uint8_t(level)});
}

QByteArray loss(uint8_t type, const QByteArray &fields) {
    return QByteArray(1, char(type)) + fields;
}

QByteArray u16Bytes(uint16_t value) {
    ByteWriter out;
    out.u16(value);
    return out.data();
}

QByteArray u32Bytes(uint32_t value) {
    ByteWriter out;
    out.u32(value);
    return out.data();
}

DemoMap greywaterFens(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("GreywaterFens.y6m");
    map.format = 28;
    map.size = 72;
    map.name = text({"Greywater Fens", "Сероводные топи"}, language);
    map.description = text({"Mist lies heavy on the fens. Drive the marsh lords from Greywater "
                            "before the autumn floods cut the causeways.",
                            "Над топями лежит густой туман. Изгоните болотных владык из Сероводья, "
                            "пока осенние паводки не отрезали гати."},
                           language);
    map.levelLimit = 20;
    map.players[0] = human(0, true, {{0, ""}, {5, text({"Sir Aldric", "Сэр Алдрик"}, language)}});
    map.players[1] = human(1, false, {{17, ""}});
    map.players[2] = computer(2, {{33, text({"Mirela the Grey", "Мирела Серая"}, language)}});
    map.players[3] = townless(false, {{50, ""}});
    map.victoryCondition = victory(3, position(20, 30, 0) + bytesOf({uint8_t(2), uint8_t(3)}));
    map.lossCondition = loss(2, u16Bytes(90));
    map.teamCount = 2;
    const uint8_t teams[8] = {0, 0, 1, 1, 0, 0, 0, 0};
    std::copy(teams, teams + 8, map.teams);
    map.placeholderHeroes = bytesOf({uint8_t(2), uint8_t(7)});
    map.customHeroes = {{5, 5, text({"Sir Aldric", "Сэр Алдрик"}, language), 0x01}};
    placeTowns(map);
    return map;
}

DemoMap hollowmereCrossing(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("HollowmereCrossing.y6m");
    map.compressed = false;
    map.format = 21;
    map.size = 36;
    map.name = text({"Hollowmere Crossing", "Переправа у Пустоозерья"}, language);
    map.description = text({"Hold the old ford at Hollowmere for three months.",
                            "Удерживайте старый брод у Пустоозерья три месяца."},
                           language);
    map.difficulty = 2;
    map.levelLimit = 12;
    map.players[0] = human(3, true, {{48, ""}});
    map.players[1] = human(4, false);
    map.players[5] = computer(5, {{80, text({"Vorn Ashgrip", "Ворн Пеплорук"}, language)}});
    map.victoryCondition = victory(0, u16Bytes(128));
    map.lossCondition = loss(0, position(10, 12, 0));
    placeTowns(map);
    return map;
}

DemoMap oldBorder(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("OldBorder.y6m");
    map.format = 14;
    map.size = 36;
    map.name = text({"The Old Border", "Старая граница"}, language);
    map.description = text({"A map from the first war, when the border forts still stood.",
                            "Карта времён первой войны, когда пограничные форты ещё стояли."},
                           language);
    map.difficulty = 0;
    map.players[0] = human(0, false);
    map.players[0].extraByte = 0x01; // the allowed towns of this format, one byte
    map.players[1] = computer(1);
    map.players[1].extraByte = 0x02;
    map.victoryCondition = victory(1, QByteArray(1, char(12)) + u32Bytes(40));
    map.allowedHeroes = {0, 1, 2, 3, 16, 17, 18, 19, 32, 33};
    placeTowns(map);
    return map;
}

DemoMap brannockHills(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("BrannockHills.y6m");
    map.format = 30;
    map.size = 108;
    map.twoLevels = true;
    map.name = text({"Brannock Hills", "Холмы Браннока"}, language);
    map.description = text({"The hill clans have found the old mines under Brannock. Reach the "
                            "deep halls before the warlocks do.",
                            "Горные кланы нашли старые шахты под Бранноком. Доберитесь до "
                            "глубинных чертогов раньше чернокнижников."},
                           language);
    map.difficulty = 3;
    map.players[0] = human(6, true, {{96, ""}});
    map.players[1] = human(
        7, true, {{112, text({"Kara Windborne", "Кара Ветророждённая"}, language)}, {113, ""}});
    map.players[2] = townless(false, {{64, ""}});
    map.players[2].mainTown = 2; // a town byte the game writes for a town it does not place
    map.victoryCondition = victory(12, u32Bytes(120));
    map.lossCondition = loss(1, position(50, 50, 1));
    map.customHeroes = {{96, 96, text({"Old Brannock", "Старый Браннок"}, language), 0x03},
                        {140, 140, text({"The Hermit", "Отшельник"}, language), 0x01}};
    QList<int> allowed;
    for (int hero = 0; hero < 160; ++hero)
        if (hero != 140) // only as a custom hero
            allowed.append(hero);
    map.allowedHeroes = allowed;
    placeTowns(map);
    return map;
}

// The mod's own format with every town type 0 to 7 and a hero list per player.
DemoMap tarqCrossing(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("TarqCrossing.y6m");
    map.format = 32;
    map.subversion = 8;
    map.size = 72;
    map.name = text({"Tarq Crossing", "Тарков перекрёсток"}, language);
    map.description = text({"Eight lords meet where the old roads cross. Only one will leave "
                            "with the crown of the Marches.",
                            "Восемь владык сходятся там, где пересекаются старые дороги. Лишь "
                            "один уйдёт с короной Марок."},
                           language);
    map.difficulty = 2;
    map.levelLimit = 30;
    map.players[0] = human(0, true, {{1, ""}, {2, text({"Lady Wren", "Леди Рен"}, language)}});
    map.players[1] = human(1, false, {{18, text({"Bram Oakhand", "Брам Дубовая Рука"}, language)}});
    map.players[2] = human(2, true);
    map.players[3] = human(3, false);
    map.players[4] = computer(4, {{70, ""}});
    map.players[5] = computer(5, {{85, text({"Sulla", "Сулла"}, language)}});
    map.players[6] = computer(6);
    map.players[6].generateHero = false;
    map.players[7] = computer(7, {{120, ""}, {121, ""}});
    map.victoryCondition = victory(10, QByteArray(1, char(5)) + position(36, 36, 0));
    map.lossCondition = loss(0, position(8, 60, 0));
    map.teamCount = 4;
    const uint8_t teams[8] = {0, 1, 2, 3, 0, 1, 2, 3};
    std::copy(teams, teams + 8, map.teams);
    QList<int> allowed;
    for (int hero = 0; hero < 170; ++hero)
        if (hero != 160 && hero != 161)
            allowed.append(hero);
    map.allowedHeroes = allowed;
    map.placeholderHeroes = bytesOf({uint8_t(1), uint8_t(4), uint8_t(9)});
    map.customHeroes = {{160, 160, text({"Tarq the Founder", "Тарк Основатель"}, language), 0x07},
                        {161, 161, text({"Iselde", "Изельда"}, language), 0xff}};
    placeTowns(map);
    return map;
}

// The remaining town types, 8 to 10 and random, in the first mod subversion.
DemoMap kestrelCoast(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("KestrelCoast.y6m");
    map.format = 32;
    map.subversion = 0;
    map.size = 72;
    map.name = text({"Kestrel Coast", "Берег Пустельги"}, language);
    map.description = text({"Sea raiders land along the Kestrel Coast every spring.",
                            "Каждую весну морские разбойники высаживаются на Берегу Пустельги."},
                           language);
    map.players[0] = human(8, true, {{130, text({"Captain Ysolde", "Капитан Изольда"}, language)}});
    map.players[1] = human(9, true);
    map.players[2] = computer(10, {{150, ""}});
    map.players[3] = human(255, false, {{3, ""}});
    map.players[3].randomTown = true;
    map.victoryCondition = victory(8, QByteArray());
    placeTowns(map);
    return map;
}

DemoMap ashenReach(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("AshenReach.y6m");
    map.format = 32;
    map.subversion = 8;
    map.size = 108;
    map.name = text({"The Ashen Reach", "Пепельный край"}, language);
    map.description = text({"Where the fire mountains burned the forests, the ash lords build "
                            "their towers. Break their hold before the next eruption.",
                            "Там, где огненные горы выжгли леса, пепельные лорды возводят свои "
                            "башни. Сломите их власть до следующего извержения."},
                           language);
    map.difficulty = 4;
    map.levelLimit = 25;
    map.players[0] =
        human(9, true, {{140, ""}, {141, text({"Ember", "Уголёк"}, language)}, {142, ""}});
    map.players[1] = human(10, true, {{150, text({"Warden Hale", "Страж Хейл"}, language)}});
    map.players[2] = computer(3, {{52, ""}});
    map.players[3] = computer(2, {{36, text({"Ashlord Veyne", "Пепельный лорд Вейн"}, language)}});
    map.players[4] = townless(true, {{9, text({"Scout Pim", "Разведчик Пим"}, language)}});
    map.victoryCondition = victory(5, position(54, 54, 0));
    map.lossCondition = loss(255, QByteArray());
    map.teamCount = 2;
    const uint8_t teams[8] = {0, 0, 1, 1, 0, 1, 1, 1};
    std::copy(teams, teams + 8, map.teams);
    map.customHeroes = {{141, 141, text({"Ember", "Уголёк"}, language), 0x01}};
    placeTowns(map);
    return map;
}

DemoMap modSubversion(const QString &fileName, uint32_t subversion, bool compressed,
                      const QByteArray &name, const QByteArray &description) {
    DemoMap map;
    map.fileName = fileName;
    map.format = 32;
    map.subversion = subversion;
    map.compressed = compressed;
    map.size = 36;
    map.name = name;
    map.description = description;
    map.players[0] = human(uint8_t(subversion % 11), true, {{uint8_t(subversion * 10), ""}});
    map.players[1] = computer(uint8_t((subversion + 3) % 11));
    map.victoryCondition = victory(2, QByteArray(1, char(6)) + u32Bytes(50000));
    map.lossCondition = loss(2, u16Bytes(60));
    placeTowns(map);
    return map;
}

DemoMap versioned(const QString &fileName, uint32_t minor, uint32_t patch, bool forbid,
                  const QByteArray &name, int expectedImport, DemoLanguage language) {
    DemoMap map = modSubversion(fileName, 8, true, name,
                                text({"Saved by another version of the mod's map editor.",
                                      "Сохранено другой версией редактора карт модификации."},
                                     language));
    map.versionMinor = minor;
    map.versionPatch = patch;
    map.forbidNewer = forbid;
    map.expectedImport = expectedImport;
    return map;
}

DemoMap emptyWastes(DemoLanguage language) {
    DemoMap map;
    map.fileName = QStringLiteral("EmptyWastes.y6m");
    map.format = 28;
    map.hasPlayers = false;
    map.name = text({"The Empty Wastes", "Пустые земли"}, language);
    map.description = text({"Nobody lives here.", "Здесь никто не живёт."}, language);
    map.expectedImport = -1;
    return map;
}

} // namespace

QVector<DemoMap> demoMaps(DemoLanguage language) {
    const auto say = [language](const char *english, const char *russian) {
        return text({english, russian}, language);
    };
    return {
        greywaterFens(language),
        hollowmereCrossing(language),
        oldBorder(language),
        brannockHills(language),
        tarqCrossing(language),
        kestrelCoast(language),
        ashenReach(language),
        modSubversion(QStringLiteral("Saltmarrow.y6m"), 1, false, say("Saltmarrow", "Солемор"),
                      say("Salt pans and smugglers.", "Соляные промыслы и контрабандисты.")),
        modSubversion(QStringLiteral("GullRock.y6m"), 2, true, say("Gull Rock", "Чаячья скала"),
                      say("A lighthouse, a garrison and too many gulls.",
                          "Маяк, гарнизон и слишком много чаек.")),
        modSubversion(QStringLiteral("Thornholm.y6m"), 4, true, say("Thornholm", "Тернхольм"),
                      say("The briar keep has not opened its gates in forty years.",
                          "Терновая крепость не открывала ворот сорок лет.")),
        modSubversion(QStringLiteral("WreckersBay.y6m"), 7, false,
                      say("Wreckers' Bay", "Бухта грабителей"),
                      say("False lights burn on the cliffs at night.",
                          "По ночам на утёсах горят ложные огни.")),
        versioned(QStringLiteral("OldMarches.y6m"), 7, 2, false,
                  say("The Old Marches", "Старые Марки"), 1, language),
        versioned(QStringLiteral("SealedVault.y6m"), 7, 2, true,
                  say("The Sealed Vault", "Запечатанное хранилище"), -3, language),
        versioned(QStringLiteral("LockedKeep.y6m"), 7, 3, true,
                  say("The Locked Keep", "Запертая крепость"), 1, language),
        versioned(QStringLiteral("FutureFrontier.y6m"), 7, 4, false,
                  say("The Future Frontier", "Будущий рубеж"), -2, language),
        emptyWastes(language),
    };
}
