#include "demogamefixture.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamepictures.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/moddatafile.h"
#include "gamedata/tstream.h"
#include "messagerecorder.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

// The catalogue of the demo game and its pictures, read back through the archives and the
// decoders (every picture the catalogue names is there, in the size and layout the region code
// relies on), and the editor's refusal to start without a table.
class TestDemoCatalogue : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    LodArchiveSet archives;
    GameCatalogue catalogue;

    QImage transparent(const QString &name) {
        const auto bytes = archives.find(name);
        return bytes ? decodeTransparentPictureBytes(*bytes) : QImage();
    }
    QImage trueColour(const QString &name) {
        const auto bytes = archives.find(name);
        return bytes ? decodeTrueColorPicture(*bytes) : QImage();
    }
    static bool opaque(const QImage &image, int x, int y) { return qAlpha(image.pixel(x, y)); }

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(makeDemoGame(folder.path(), {}, &error), qPrintable(error));
        archives.load(folder.filePath("Data"));
        auto stream = openFileStream(folder.filePath("tarq.dat"), TFileStream::ReadOnly);
        QVERIFY(stream);
        const ModRecordList records = readModDataFile(*stream);
        QVERIFY(!records.isEmpty());
        MessageRecorder recorder;
        QTextCodec *codec = QTextCodec::codecForName("Windows-1252");
        catalogue = buildGameCatalogue(archives, records, codec, codec);
        QVERIFY(recorder.messages.isEmpty());
    }

    void archivesHoldPackedEntriesAndSkipSprites() {
        QStringList names;
        int packed = 0;
        for (const LodArchive &archive : archives.archives()) {
            names << QFileInfo(archive.path).baseName();
            for (const QString &key : archive.directory.keys())
                packed += archive.directory.value(key).packedSize > 0;
        }
        for (const char *name : {"Y6bitmap", "Y6sprite", "Tarq", "Tarq_lng"})
            QVERIFY2(names.contains(name), name);
        QVERIFY(packed > 0);
        QVERIFY(!archives.find("HOTRAITS.def"));
        QVERIFY(archives.find("hotraits.txt"));
    }

    void creaturesAndArtifacts() {
        for (int id = 0; id < 150; ++id) {
            const bool excluded =
                QList<int>{122, 124, 126, 128, 145, 146, 147, 148, 149}.contains(id);
            QCOMPARE(catalogue.creatureNames.value(id).isEmpty(), excluded);
        }
        QCOMPARE(catalogue.creatureNames.value(0), QString("Footman"));
        QCOMPARE(catalogue.creatureNames.value(151), QString("Marsh Wight"));
        QVERIFY(!catalogue.creatureNames.contains(150));
        QCOMPARE(catalogue.creatureCount, 157);
        QCOMPARE(catalogue.artifactCount, 149);
        QCOMPARE(catalogue.artifactNames.size(), 149);
        QCOMPARE(catalogue.artifactNames.value(0), QString("Spellbook"));
        QCOMPARE(catalogue.artifactNames.value(150), QString("Crown of the Marches"));
    }

    void heroesSkillsSpells() {
        QCOMPARE(catalogue.heroNames.size(), 184);
        QCOMPARE(catalogue.heroNames.value(7), QString("Aurélie"));
        QCOMPARE(catalogue.heroNames.value(71), QString("Þórvald"));
        QCOMPARE(catalogue.heroNames.value(180), QString("Vadoz the Grey"));
        QCOMPARE(catalogue.secondarySkillNames.size(), 29);
        QCOMPARE(catalogue.secondarySkillNames.value(28), QString("Fieldcraft"));
        QCOMPARE(catalogue.spellNames.size(), 69);
        QCOMPARE(catalogue.spellNames.firstKey(), 0);
        QCOMPARE(catalogue.spellNames.lastKey(), 69);
        QVERIFY(!catalogue.spellNames.contains(57));
        QCOMPARE(catalogue.spellNames.value(10), QString("Quicksand Trap"));
        QCOMPARE(catalogue.primarySkillNames.size(), 4);
    }

    void resourcesColoursTexts() {
        QCOMPARE(catalogue.resourceNames.size(), 7);
        QCOMPARE(catalogue.resourceNames.value(6), QString("Gold"));
        // The language archive outranks the game's archive.
        QCOMPARE(catalogue.playerColorNames.size(), 8);
        QCOMPARE(catalogue.playerColorNames.first(), QString("Crimson"));
        QCOMPARE(catalogue.generalTexts.value(27), QString("Timber and Ore"));
        QVERIFY(!catalogue.generalTexts.value(28).isEmpty());
        QCOMPARE(catalogue.editorTextTable.value(0).value(0), QString("Veldmark Campaign Editor"));
        QVERIFY(catalogue.editorTextTable.value(1).value(0).contains(QChar(0xa9)));
        QVERIFY(catalogue.editorTextTable.value(7).value(0).startsWith("Made for"));
        QCOMPARE(catalogue.editorTextTable.value(25).value(0), QString("Easy"));
        QCOMPARE(catalogue.editorTextTable.value(29).value(0), QString("Impossible"));
        QVERIFY(catalogue.editorTextTable.value(55).value(0).contains("difficulty"));
        QCOMPARE(catalogue.commandHintTable.value(0).value(0), QString("Ready"));
        QCOMPARE(catalogue.commandHintTable.value(9).value(1), QString("Recent file"));
        QCOMPARE(catalogue.commandHintTable.value(16).value(1), QString("Refresh Scenario Maps"));
        QCOMPARE(catalogue.commandHintTable.value(21).value(1), QString("Import Texts"));
    }

    void campaignData() {
        QCOMPARE(catalogue.musicNames.value(0), QString("cmp_dawn"));
        QCOMPARE(catalogue.musicNames.value(15), QString("cmp_inferno"));
        QVERIFY(!catalogue.musicNames.contains(16));
        QCOMPARE(catalogue.musicNames.value(49), QString("Tarq Frontier"));
        QCOMPARE(catalogue.musicNames.value(51), QString("Tarq \"Night\" Watch"));
        QCOMPARE(catalogue.musicNames.lastKey(), 52);
        QCOMPARE(catalogue.videoNames.size(), 26);
        QCOMPARE(catalogue.videoNames.value(24), QString("TARQRISE"));
        QCOMPARE(catalogue.videoPictures.size(), 26);
        QCOMPARE(catalogue.campaignMaps.keys(), (QList<int>{3, 24, 25, 26}));
        QCOMPARE(catalogue.campaignMaps.value(24).regionCount, 6);
        QVERIFY(catalogue.campaignMaps.value(24).picturesGiven);
        QCOMPARE(catalogue.campaignMaps.value(3).regions.value(1).pieceLists[2].size(), 8);
        QCOMPARE(catalogue.campaignBackgrounds.size(), 3);
    }

    void townBuildings() {
        const auto &towns = catalogue.townBuildingNames;
        QCOMPARE(towns.firstKey(), -1);
        QCOMPARE(towns.lastKey(), 10);
        QCOMPARE(towns.value(0).value(22), QString("Drill Yard"));
        QCOMPARE(towns.value(0).value(40), QString("Upg. Sanctuary of Light"));
        QCOMPARE(towns.value(-1).value(22), QString("Level 7 Dwelling"));
        QCOMPARE(towns.value(8).value(19), QString("Phoenix Eyrie"));
        QCOMPARE(towns.value(9).value(22), QString("Reed Hut"));
        QCOMPARE(towns.value(9).value(17), QString("Hag's Cauldron"));
        QCOMPARE(towns.value(10).value(16), QString("Quench Pool"));
        QCOMPARE(towns.value(0).value(0), QString("Village Hall"));
        QCOMPARE(towns.value(0).value(11), QString("Arcane Circle, Level 1"));
    }

    void backgroundsInBothTrueColourLayouts() {
        int p32f = 0;
        QStringList names;
        for (const CampaignMapDef &map : catalogue.campaignMaps)
            names << map.backgroundPicture;
        names << catalogue.campaignBackgrounds.values();
        QCOMPARE(names.size(), 7);
        for (const QString &name : names) {
            const auto bytes = archives.find(name);
            QVERIFY2(bytes, qPrintable(name));
            p32f += bytes->startsWith("P32F") ? 1 : 0;
            QCOMPARE(decodeTrueColorPicture(*bytes).size(), QSize(456, 600));
        }
        QVERIFY(p32f >= 1);
        QVERIFY(p32f < names.size());
    }

    void regionMasksTileTheLand() {
        for (int id : {24, 25, 26}) {
            const CampaignMapDef map = catalogue.campaignMaps.value(id);
            QVERIFY(map.picturesGiven);
            QVector<int> owner(456 * 600, -1);
            const QImage background = trueColour(map.backgroundPicture);
            int overLand = 0, overWater = 0;
            for (int r = 0; r < map.regionCount; ++r) {
                const CampaignRegionDef &region = map.regions[r];
                const QImage fill = transparent(region.picture3);
                const QImage border = transparent(region.picture1);
                const QImage glow = transparent(region.picture2);
                QVERIFY2(!fill.isNull() && !border.isNull() && !glow.isNull(),
                         qPrintable(region.name));
                QCOMPARE(border.size(), fill.size());
                QCOMPARE(glow.size(), fill.size());
                QVERIFY(
                    QRect(0, 0, 456, 600).contains(QRect(QPoint(region.x, region.y), fill.size())));
                int inside = 0, edge = 0;
                for (int y = 0; y < fill.height(); ++y)
                    for (int x = 0; x < fill.width(); ++x) {
                        if (!opaque(fill, x, y)) {
                            QVERIFY(!opaque(border, x, y) && !opaque(glow, x, y));
                            continue;
                        }
                        ++inside;
                        edge += opaque(border, x, y) ? 1 : 0;
                        // The background is drawn the right way up under the regions: land
                        // (warm colours) under the shapes, not sea (blue).
                        const QRgb under = background.pixel(region.x + x, region.y + y);
                        (qRed(under) > qBlue(under) ? overLand : overWater) += 1;
                        int &cell = owner[(region.y + y) * 456 + region.x + x];
                        QCOMPARE(cell, -1); // no two regions share a pixel
                        cell = r;
                    }
                // A shape, not a box: its picture also holds see-through pixels.
                QVERIFY(inside > 500);
                QVERIFY(inside < fill.width() * fill.height());
                QVERIFY(edge > 0 && edge < inside);
            }
            QVERIFY2(overWater * 20 < overLand, qPrintable(map.displayName));
        }
    }

    void readyMadePieces() {
        const CampaignMapDef isles = catalogue.campaignMaps.value(3);
        QVERIFY(!isles.picturesGiven);
        QVERIFY(isles.regionCount >= 2);
        for (const CampaignRegionDef &region : isles.regions) {
            QSize size;
            for (int state = 0; state < 3; ++state) {
                QCOMPARE(region.pieceLists[state].size(), 8);
                for (const QString &name : region.pieceLists[state]) {
                    const QImage piece = transparent(name);
                    QVERIFY2(!piece.isNull(), qPrintable(name));
                    if (size.isEmpty())
                        size = piece.size();
                    QCOMPARE(piece.size(), size);
                }
            }
            // The selected red piece differs from the empty blue one.
            QVERIFY(transparent(region.pieceLists[1][0]) != transparent(region.pieceLists[2][1]));
        }
    }

    void dashAndVideoPictures() {
        const QImage dash = transparent(QStringLiteral("cmpdash.pcx"));
        QCOMPARE(dash.size(), QSize(456, 600));
        QVERIFY(catalogue.videoPictures.size() >= catalogue.videoNames.size());
        for (const QString &name : catalogue.videoPictures)
            QVERIFY2(!trueColour(name).isNull(), qPrintable(name));
    }

    // The real program, started on a demo game whose archives lack the colour table.
    void missingTableEndsTheEditor() {
        QTemporaryDir game;
        QVERIFY(makeDemoGame(game.path()));
        QDirIterator archives(game.filePath("Data"), {"*.lod"}, QDir::Files);
        while (archives.hasNext()) {
            QFile file(archives.next());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            bytes.replace(QByteArray("PlColors.txt\0", 13), QByteArray("PlColors.def\0", 13));
            file.seek(0);
            file.write(bytes);
        }
        const ProcessResult result = runEditor({"--game", game.path()});
        QVERIFY(!result.crashed);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.standardError.contains(
                     "critical|Error|Can't find PlColors.txt file in lod file"),
                 result.standardError.constData());
    }
};

QTEST_GUILESS_MAIN(TestDemoCatalogue)
#include "test_democatalogue.moc"
