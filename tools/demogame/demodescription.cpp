#include "demodescription.h"

#include "terrain.h"

#include <QMap>

const Wording upgradedBuildingName = {"Upg. %1", "Улучш. %1"};

namespace {

// A record whose string k carries text and whose other strings are filler up to `count`.
DemoModRecord record(const QByteArray &name, int count, const QMap<int, QByteArray> &strings) {
    DemoModRecord result;
    result.name = name;
    result.secondName = name + "_def";
    for (int k = 0; k < count; ++k)
        result.strings.append(strings.value(k, QByteArray("-")));
    return result;
}

QByteArray lines(const QStringList &list, DemoLanguage language) {
    return encodeDemoText(list.join(QStringLiteral("\r\n")), language);
}

QStringList wordList(const QVector<Wording> &words, DemoLanguage language) {
    QStringList list;
    for (const Wording &word : words)
        list.append(word.in(language));
    return list;
}

// Seven dwellings, then the same seven upgraded.
QStringList dwellingList(const QVector<Wording> &dwellings, DemoLanguage language) {
    QStringList list = wordList(dwellings, language);
    const QString upgraded = upgradedBuildingName.in(language);
    for (const Wording &dwelling : dwellings)
        list.append(upgraded.arg(dwelling.in(language)));
    return list;
}

// A region's pictures start at the top left corner of its part of the drawn land.
QPoint regionPosition(int mapId, int index) {
    return demoTerrain(mapId).regionRects.value(index).topLeft();
}

DemoRegion maskRegion(int mapId, int index, const QString &name) {
    DemoRegion region;
    region.name = name;
    region.position = regionPosition(mapId, index);
    const QString stem = QStringLiteral("C%1R%2").arg(mapId).arg(index, 2, 10, QLatin1Char('0'));
    region.pictures = QStringList{stem + QStringLiteral("F.pcx"), stem + QStringLiteral("B.pcx"),
                                  stem + QStringLiteral("G.pcx")};
    return region;
}

DemoRegion pieceRegion(int mapId, int index, const QString &name) {
    DemoRegion region;
    region.name = name;
    region.position = regionPosition(mapId, index);
    for (int state = 0; state < 3; ++state) {
        QStringList byColour;
        for (int colour = 0; colour < 8; ++colour)
            byColour.append(
                QStringLiteral("P%1R%2S%3C%4.pcx").arg(mapId).arg(index).arg(state).arg(colour));
        region.pieceLists.append(byColour);
    }
    return region;
}

} // namespace

QVector<DemoCampaignMap> demoCampaignMaps(DemoLanguage language) {
    QVector<DemoCampaignMap> maps;

    DemoCampaignMap marches;
    marches.id = 24;
    marches.displayName = Wording{"The Veldmark Marches", "Марки Вельдмарка"}.in(language);
    marches.backgroundPicture = QStringLiteral("CmpMap24.pcx");
    const QStringList marchNames = wordList({{"Greywater Fens", "Сероводные топи"},
                                             {"Hollowmere", "Пустоозерье"},
                                             {"Brannock Hills", "Холмы Браннока"},
                                             {"The Ashen Reach", "Пепельный край"},
                                             {"Tarq Crossing", "Тарков перекрёсток"},
                                             {"Kestrel Coast", "Берег Пустельги"}},
                                            language);
    for (int r = 0; r < marchNames.size(); ++r)
        marches.regions.append(maskRegion(24, r, marchNames[r]));
    maps.append(marches);

    DemoCampaignMap isles;
    isles.id = 3;
    isles.displayName = Wording{"The Sundered Isles", "Расколотые острова"}.in(language);
    isles.backgroundPicture = QStringLiteral("CmpMap03.pcx");
    isles.mapKind = 0;
    const QStringList isleNames = wordList({{"Gull Rock", "Чаячья скала"},
                                            {"Saltmarrow", "Солемор"},
                                            {"Thornholm", "Тернхольм"},
                                            {"Wreckers' Bay", "Бухта грабителей"}},
                                           language);
    for (int r = 0; r < isleNames.size(); ++r)
        isles.regions.append(pieceRegion(3, r, isleNames[r]));
    maps.append(isles);

    DemoCampaignMap realm;
    realm.id = 25;
    realm.displayName = Wording{"The Twelve Baronies", "Двенадцать баронств"}.in(language);
    realm.backgroundPicture = QStringLiteral("CmpMap25.pcx");
    const QStringList baronies = wordList({{"Aldermoor", "Ольховая Топь"},
                                           {"Brightwell", "Светлый Ключ"},
                                           {"Corrin Vale", "Долина Коррин"},
                                           {"Dunmarrow", "Данмарроу"},
                                           {"Elderfield", "Старополье"},
                                           {"Fallowdeep", "Глубокая Залежь"},
                                           {"Glimmerholt", "Мерцающий Бор"},
                                           {"Harrowgate", "Скорбные Врата"},
                                           {"Ironsedge", "Железный Край"},
                                           {"Jarrow Downs", "Холмы Джарроу"},
                                           {"Kilnmere", "Печное Озеро"},
                                           {"Lowmarch", "Нижняя Марка"}},
                                          language);
    for (int r = 0; r < baronies.size(); ++r)
        realm.regions.append(maskRegion(25, r, baronies[r]));
    maps.append(realm);

    DemoCampaignMap pass;
    pass.id = 26;
    pass.displayName = Wording{"Wyrmspine Pass", "Перевал Змиева Хребта"}.in(language);
    pass.backgroundPicture = QStringLiteral("CmpMap26.pcx");
    const QStringList passNames = wordList({{"The Lower Gate", "Нижние врата"},
                                            {"Frostfang Ledge", "Уступ Ледяного Клыка"},
                                            {"The Wyrm's Throat", "Глотка Змия"}},
                                           language);
    for (int r = 0; r < passNames.size(); ++r)
        pass.regions.append(maskRegion(26, r, passNames[r]));
    maps.append(pass);
    return maps;
}

QStringList demoCampaignBackgrounds() {
    return {QStringLiteral("CmpBack1.pcx"), QStringLiteral("CmpBack2.pcx"),
            QStringLiteral("CmpBack3.pcx")};
}

QStringList demoMusicTableNames() {
    return {QStringLiteral("cmp_dawn"),      QStringLiteral("cmp_march"),
            QStringLiteral("cmp_lament"),    QStringLiteral("cmp_victory"),
            QStringLiteral("cmp_siege"),     QStringLiteral("cmp_forest"),
            QStringLiteral("cmp_sea"),       QStringLiteral("cmp_mountain"),
            QStringLiteral("cmp_swamp"),     QStringLiteral("cmp_desert"),
            QStringLiteral("cmp_necropol"),  QStringLiteral("cmp_tower"),
            QStringLiteral("cmp_stronghld"), QStringLiteral("cmp_fortress"),
            QStringLiteral("cmp_dungeon"),   QStringLiteral("cmp_inferno")};
}

QStringList demoModMusicNames() {
    return {QStringLiteral("Tarq Frontier"), QStringLiteral("tarq_embers"),
            QStringLiteral("Tarq \"Night\" Watch"), QStringLiteral("tarq_homecoming")};
}

QStringList demoVideoTableNames() {
    QStringList names = {QStringLiteral("INTRO"),    QStringLiteral("GOODEND"),
                         QStringLiteral("EVILEND"),  QStringLiteral("BURNING"),
                         QStringLiteral("RIVER"),    QStringLiteral("SIEGE"),
                         QStringLiteral("CORONATE"), QStringLiteral("BETRAYAL")};
    for (int i = names.size(); i < 24; ++i)
        names.append(QStringLiteral("CMPVID%1").arg(i, 2, 10, QLatin1Char('0')));
    return names;
}

QStringList demoModVideoNames() {
    return {QStringLiteral("TARQRISE"), QStringLiteral("TARQFALL")};
}

QStringList demoVideoPictures() {
    QStringList pictures;
    const int count = demoVideoTableNames().size() + demoModVideoNames().size();
    for (int i = 0; i < count; ++i)
        pictures.append(QStringLiteral("VidPic%1.pcx").arg(i, 2, 10, QLatin1Char('0')));
    return pictures;
}

QByteArray campaignMapScript(const DemoCampaignMap &map, DemoLanguage language) {
    QStringList script;
    script << QStringLiteral("# %1").arg(map.displayName);
    script << QString::number(map.mapKind) << QString::number(map.regions.size());
    script << QStringLiteral("# ") + Wording{"region positions", "положение регионов"}.in(language);
    for (const DemoRegion &region : map.regions)
        script << QStringLiteral("%1 %2").arg(region.position.x()).arg(region.position.y());
    for (const DemoRegion &region : map.regions) {
        script << region.name;
        if (map.mapKind == 0) {
            for (const QStringList &list : region.pieceLists)
                script << list.join(QLatin1Char(' '));
        } else {
            // The fill, border and glow masks, in this order.
            script << region.pictures.value(0) << region.pictures.value(1)
                   << region.pictures.value(2);
        }
    }
    return lines(script, language);
}

QVector<DemoModRecord> demoModRecords(DemoLanguage language) {
    const auto encoded = [language](const Wording &text) {
        return encodeDemoText(text.in(language), language);
    };
    QVector<DemoModRecord> records;

    for (const DemoCampaignMap &map : demoCampaignMaps(language)) {
        records.append(record("campmap" + QByteArray::number(map.id), 9,
                              {{0, encodeDemoText(map.displayName, language)},
                               {1, encodeDemoText(map.backgroundPicture, language)},
                               {8, campaignMapScript(map, language)}}));
    }
    records.append(record("cmpbackground", 9, {{8, lines(demoCampaignBackgrounds(), language)}}));
    // Comments are written in the game's language, like every other text of the mod.
    const auto comment = [&](const char *english, const char *russian) {
        return "# " + encoded({english, russian}) + "\r\n";
    };
    records.append(record("cmpmoviepic", 9,
                          {{8, comment("one picture per campaign video",
                                       "по одной картинке на каждое видео кампании") +
                                   lines(demoVideoPictures(), language)}}));

    // The music list: names, quoted names, comments. Music names are file names.
    const QStringList music = demoModMusicNames();
    QByteArray musicList = comment("Tarq campaign music", "музыка кампаний Тарка") + "\"" +
                           music[0].toLatin1() + "\"\r\n" + music[1].toLatin1() +
                           "\r\n\"Tarq \"\"Night\"\" Watch\"\r\n" +
                           comment("the last one", "последняя") + music[3].toLatin1() + "\r\n";
    records.append(record("music", 9, {{8, musicList}}));

    for (const QString &video : demoModVideoNames())
        records.append(record("video", 5, {{4, video.toLatin1()}}));

    const Wording heroes[] = {{"Vadoz the Grey", "Вадоз Серый"},
                              {"Irsa Tarqborn", "Ирса Тарковна"},
                              {"Malgrim", "Малгрим"},
                              {"Tessaly Fenwright", "Тессали Фенрайт"}};
    for (int i = 0; i < 4; ++i)
        records.append(record("hero" + QByteArray::number(180 + i), 7, {{6, encoded(heroes[i])}}));

    // Creatures: 151 and 153 onwards are the mod's; 150 is excluded and only counted.
    const Wording creatures[] = {
        {"Marsh Wight", "Болотная нежить"}, {"Tarq Sentinel", "Страж Тарка"},
        {"Tarq Warden", "Хранитель Тарка"}, {"Bog Hag", "Болотная карга"},
        {"Ember Drake", "Угольный дракон"}, {"Ash Drake", "Пепельный дракон"}};
    records.append(record("monst150", 4, {{3, encoded({"Unused Slot", "Пустое место"})}}));
    records.append(record("monst151", 4, {{3, encoded(creatures[0])}}));
    for (int i = 1; i < 6; ++i)
        records.append(
            record("monst" + QByteArray::number(152 + i), 4, {{3, encoded(creatures[i])}}));

    records.append(record("art150", 2, {{1, encoded({"Crown of the Marches", "Корона Марок"})}}));
    records.append(record("art148", 2, {{1, encoded({"Tarq Signet", "Печать Тарка"})}}));
    records.append(record("secskill28", 2, {{1, encoded({"Fieldcraft", "Полевое дело"})}}));

    // Two new town types (9 and 10): their dwellings and special buildings.
    const QStringList fenDwellings = dwellingList({{"Reed Hut", "Тростниковая хижина"},
                                                   {"Bog Pool", "Болотный омут"},
                                                   {"Willow Grove", "Ивовая роща"},
                                                   {"Mire Den", "Логово трясины"},
                                                   {"Drowned Chapel", "Затонувшая часовня"},
                                                   {"Ember Pit", "Угольная яма"},
                                                   {"Bone Spire", "Костяной шпиль"}},
                                                  language);
    const QStringList forgeDwellings = dwellingList({{"Ash Barracks", "Пепельные казармы"},
                                                     {"Kiln", "Обжиговая печь"},
                                                     {"Slag Pit", "Шлаковая яма"},
                                                     {"Anvil Hall", "Зал наковален"},
                                                     {"Smoke Tower", "Дымная башня"},
                                                     {"Cinder Keep", "Угольная твердыня"},
                                                     {"Drake Roost", "Драконий насест"}},
                                                    language);
    records.append(record("casdwcost10", 8, {{7, lines(fenDwellings, language)}}));
    records.append(record("casdwcost11", 8, {{7, lines(forgeDwellings, language)}}));
    const QStringList fenSpecial = wordList({{"Fen Market", "Болотный рынок"},
                                             {"Witch Lodge", "Хижина ведьмы"},
                                             {"Peat Store", "Торфяной склад"},
                                             {"Bog Beacon", "Болотный маяк"},
                                             {"Mire Gate", "Врата трясины"},
                                             {"Lantern Hall", "Зал фонарей"},
                                             {"Sunken Vault", "Затонувшее хранилище"},
                                             {"Stilt Walls", "Стены на сваях"},
                                             {"Frog Idol", "Лягушачий идол"},
                                             {"Hag's Cauldron", "Котёл карги"}},
                                            language);
    const QStringList forgeSpecial = wordList({{"Forge Market", "Кузнечный рынок"},
                                               {"Bellows", "Меха"},
                                               {"Ore Yard", "Рудный двор"},
                                               {"Quench Pool", "Закалочный чан"},
                                               {"Furnace", "Горн"},
                                               {"Smelter", "Плавильня"},
                                               {"Ash Vault", "Пепельное хранилище"},
                                               {"Slag Walls", "Шлаковые стены"},
                                               {"Cinder Idol", "Угольный идол"},
                                               {"Great Forge", "Великая кузня"}},
                                              language);
    records.append(record("casspcost10", 8, {{7, lines(fenSpecial, language)}}));
    records.append(record("casspcost11", 8, {{7, lines(forgeSpecial, language)}}));
    records.append(
        record("firebrdhorde", 6, {{5, encoded({"Phoenix Eyrie", "Гнездовье фениксов"})}}));

    // A record with a data block and numbers, as the game's own records have.
    DemoModRecord options = record("tarqoptions", 1, {{0, "Tarq 1.7.3"}});
    options.dataBlock = QByteArray("\x01\x07\x03\x00", 4);
    options.numbers = {1, 7, 3};
    records.append(options);
    return records;
}
