#include "demodescription.h"

#include "terrain.h"

#include <QMap>

namespace {

QByteArray latin(const QString &text) {
    return text.toLatin1();
}

// A record whose string k carries text and whose other strings are filler up to `count`.
DemoModRecord record(const QByteArray &name, int count, const QMap<int, QByteArray> &strings) {
    DemoModRecord result;
    result.name = name;
    result.secondName = name + "_def";
    for (int k = 0; k < count; ++k)
        result.strings.append(strings.value(k, QByteArray("-")));
    return result;
}

QByteArray lines(const QStringList &list) {
    return latin(list.join(QStringLiteral("\r\n")));
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

QVector<DemoCampaignMap> demoCampaignMaps() {
    QVector<DemoCampaignMap> maps;

    DemoCampaignMap marches;
    marches.id = 24;
    marches.displayName = QStringLiteral("The Veldmark Marches");
    marches.backgroundPicture = QStringLiteral("CmpMap24.pcx");
    const QStringList marchNames = {
        QStringLiteral("Greywater Fens"), QStringLiteral("Hollowmere"),
        QStringLiteral("Brannock Hills"), QStringLiteral("The Ashen Reach"),
        QStringLiteral("Tarq Crossing"),  QStringLiteral("Kestrel Coast")};
    for (int r = 0; r < marchNames.size(); ++r)
        marches.regions.append(maskRegion(24, r, marchNames[r]));
    maps.append(marches);

    DemoCampaignMap isles;
    isles.id = 3;
    isles.displayName = QStringLiteral("The Sundered Isles");
    isles.backgroundPicture = QStringLiteral("CmpMap03.pcx");
    isles.mapKind = 0;
    const QStringList isleNames = {QStringLiteral("Gull Rock"), QStringLiteral("Saltmarrow"),
                                   QStringLiteral("Thornholm"), QStringLiteral("Wreckers' Bay")};
    for (int r = 0; r < isleNames.size(); ++r)
        isles.regions.append(pieceRegion(3, r, isleNames[r]));
    maps.append(isles);

    DemoCampaignMap realm;
    realm.id = 25;
    realm.displayName = QStringLiteral("The Twelve Baronies");
    realm.backgroundPicture = QStringLiteral("CmpMap25.pcx");
    const QStringList baronies = {
        QStringLiteral("Aldermoor"),    QStringLiteral("Brightwell"), QStringLiteral("Corrin Vale"),
        QStringLiteral("Dunmarrow"),    QStringLiteral("Elderfield"), QStringLiteral("Fallowdeep"),
        QStringLiteral("Glimmerholt"),  QStringLiteral("Harrowgate"), QStringLiteral("Ironsedge"),
        QStringLiteral("Jarrow Downs"), QStringLiteral("Kilnmere"),   QStringLiteral("Lowmarch")};
    for (int r = 0; r < baronies.size(); ++r)
        realm.regions.append(maskRegion(25, r, baronies[r]));
    maps.append(realm);

    DemoCampaignMap pass;
    pass.id = 26;
    pass.displayName = QStringLiteral("Wyrmspine Pass");
    pass.backgroundPicture = QStringLiteral("CmpMap26.pcx");
    const QStringList passNames = {QStringLiteral("The Lower Gate"),
                                   QStringLiteral("Frostfang Ledge"),
                                   QStringLiteral("The Wyrm's Throat")};
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

QByteArray campaignMapScript(const DemoCampaignMap &map) {
    QStringList script;
    script << QStringLiteral("# %1").arg(map.displayName);
    script << QString::number(map.mapKind) << QString::number(map.regions.size());
    script << QStringLiteral("# region positions");
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
    return lines(script);
}

QVector<DemoModRecord> demoModRecords() {
    QVector<DemoModRecord> records;

    for (const DemoCampaignMap &map : demoCampaignMaps()) {
        records.append(record("campmap" + QByteArray::number(map.id), 9,
                              {{0, latin(map.displayName)},
                               {1, latin(map.backgroundPicture)},
                               {8, campaignMapScript(map)}}));
    }
    records.append(record("cmpbackground", 9, {{8, lines(demoCampaignBackgrounds())}}));
    records.append(
        record("cmpmoviepic", 9,
               {{8, "# one picture per campaign video\r\n" + lines(demoVideoPictures())}}));

    // The music list: names, quoted names, comments.
    const QStringList music = demoModMusicNames();
    QByteArray musicList = "# Tarq campaign music\r\n\"" + latin(music[0]) + "\"\r\n" +
                           latin(music[1]) + "\r\n\"Tarq \"\"Night\"\" Watch\"\r\n" +
                           "# the last one\r\n" + latin(music[3]) + "\r\n";
    records.append(record("music", 9, {{8, musicList}}));

    for (const QString &video : demoModVideoNames())
        records.append(record("video", 5, {{4, latin(video)}}));

    const char *heroes[] = {"Vadoz the Grey", "Irsa Tarqborn", "Malgrim", "Tessaly Fenwright"};
    for (int i = 0; i < 4; ++i)
        records.append(record("hero" + QByteArray::number(180 + i), 7, {{6, heroes[i]}}));

    // Creatures: 151 and 153 onwards are the mod's; 150 is excluded and only counted.
    const char *creatures[] = {"Marsh Wight", "Tarq Sentinel", "Tarq Warden",
                               "Bog Hag",     "Ember Drake",   "Ash Drake"};
    records.append(record("monst150", 4, {{3, "Unused Slot"}}));
    records.append(record("monst151", 4, {{3, creatures[0]}}));
    for (int i = 1; i < 6; ++i)
        records.append(record("monst" + QByteArray::number(152 + i), 4, {{3, creatures[i]}}));

    records.append(record("art150", 2, {{1, "Crown of the Marches"}}));
    records.append(record("art148", 2, {{1, "Tarq Signet"}}));
    records.append(record("secskill28", 2, {{1, "Fieldcraft"}}));

    // Two new town types (9 and 10): their dwellings and special buildings.
    const QStringList fenDwellings = {"Reed Hut",          "Bog Pool",       "Willow Grove",
                                      "Mire Den",          "Drowned Chapel", "Ember Pit",
                                      "Bone Spire",        "Upg. Reed Hut",  "Upg. Bog Pool",
                                      "Upg. Willow Grove", "Upg. Mire Den",  "Upg. Drowned Chapel",
                                      "Upg. Ember Pit",    "Upg. Bone Spire"};
    const QStringList forgeDwellings = {"Ash Barracks",     "Kiln",
                                        "Slag Pit",         "Anvil Hall",
                                        "Smoke Tower",      "Cinder Keep",
                                        "Drake Roost",      "Upg. Ash Barracks",
                                        "Upg. Kiln",        "Upg. Slag Pit",
                                        "Upg. Anvil Hall",  "Upg. Smoke Tower",
                                        "Upg. Cinder Keep", "Upg. Drake Roost"};
    records.append(record("casdwcost10", 8, {{7, lines(fenDwellings)}}));
    records.append(record("casdwcost11", 8, {{7, lines(forgeDwellings)}}));
    const QStringList fenSpecial = {"Fen Market", "Witch Lodge",   "Peat Store",   "Bog Beacon",
                                    "Mire Gate",  "Lantern Hall",  "Sunken Vault", "Stilt Walls",
                                    "Frog Idol",  "Hag's Cauldron"};
    const QStringList forgeSpecial = {"Forge Market", "Bellows",    "Ore Yard",  "Quench Pool",
                                      "Furnace",      "Smelter",    "Ash Vault", "Slag Walls",
                                      "Cinder Idol",  "Great Forge"};
    records.append(record("casspcost10", 8, {{7, lines(fenSpecial)}}));
    records.append(record("casspcost11", 8, {{7, lines(forgeSpecial)}}));
    records.append(record("firebrdhorde", 6, {{5, "Phoenix Eyrie"}}));

    // A record with a data block and numbers, as the game's own records have.
    DemoModRecord options = record("tarqoptions", 1, {{0, "Tarq 1.7.3"}});
    options.dataBlock = QByteArray("\x01\x07\x03\x00", 4);
    options.numbers = {1, 7, 3};
    records.append(options);
    return records;
}
