#include "demogamefixture.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamepictures.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/moddatafile.h"
#include "gamedata/tstream.h"
#include "messagerecorder.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

// The catalogue of the demo game and its pictures, read back through the archives and the
// decoders: every picture the catalogue names is there, in the size and layout the region code
// relies on.
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
        MessageRecorder recorder;
        QTextCodec *codec = QTextCodec::codecForName("Windows-1252");
        catalogue = buildGameCatalogue(archives, readModDataFile(*stream), codec, codec);
        QVERIFY(recorder.messages.isEmpty());
    }

    void names_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const GameCatalogue &c = catalogue;
        const auto &towns = c.townBuildingNames;
        QTest::newRow("mod creature") << c.creatureNames.value(151) << "Marsh Wight";
        QTest::newRow("creature count") << QString::number(c.creatureCount) << "157";
        QTest::newRow("artifacts") << QString::number(c.artifactCount) << "149";
        QTest::newRow("hero with accented letters") << c.heroNames.value(71) << "Þórvald";
        QTest::newRow("mod hero") << c.heroNames.value(180) << "Vadoz the Grey";
        QTest::newRow("spells") << QString::number(c.spellNames.size()) +
                                       QString::number(c.spellNames.contains(57))
                                << "690";
        // The language archive outranks the game's archive.
        QTest::newRow("colour") << c.playerColorNames.join(',').left(8) << "Crimson,";
        QTest::newRow("mod video") << c.videoNames.value(24) << "TARQRISE";
        QTest::newRow("neutral dwelling") << towns.value(-1).value(22) << "Level 7 Dwelling";
        QTest::newRow("horde") << towns.value(8).value(19) << "Phoenix Eyrie";
        QTest::newRow("mod dwelling") << towns.value(9).value(22) << "Reed Hut";
        QTest::newRow("regions") << QString::number(c.campaignMaps.value(24).regionCount) << "6";
    }
    void names() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void backgroundsInBothTrueColourLayouts() {
        int p32f = 0;
        QStringList names = catalogue.campaignBackgrounds.values();
        for (const CampaignMapDef &map : catalogue.campaignMaps)
            names << map.backgroundPicture;
        QCOMPARE(names.size(), 7);
        for (const QString &name : names) {
            const auto bytes = archives.find(name);
            QVERIFY2(bytes, qPrintable(name));
            p32f += bytes->startsWith("P32F") ? 1 : 0;
            QCOMPARE(decodeTrueColorPicture(*bytes).size(), QSize(456, 600));
        }
        QVERIFY(p32f >= 1 && p32f < names.size());
        QCOMPARE(transparent(QStringLiteral("cmpdash.pcx")).size(), QSize(456, 600));
        QVERIFY(catalogue.videoPictures.size() >= catalogue.videoNames.size());
        for (const QString &name : catalogue.videoPictures)
            QVERIFY2(!trueColour(name).isNull(), qPrintable(name));
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
                QVERIFY2(!fill.isNull(), qPrintable(region.name));
                QVERIFY(border.size() == fill.size() && glow.size() == fill.size());
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
                QVERIFY(inside > 500 && inside < fill.width() * fill.height());
                QVERIFY(edge > 0 && edge < inside);
            }
            QVERIFY2(overWater * 20 < overLand, qPrintable(map.displayName));
        }
    }
};

QTEST_GUILESS_MAIN(TestDemoCatalogue)
#include "test_democatalogue.moc"
