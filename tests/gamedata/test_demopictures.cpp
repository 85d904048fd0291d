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

// The demo game's pictures, read back through the archives and the decoders: every picture the
// catalogue names is there, in the size and layout the region code relies on.
class TestDemoPictures : public QObject {
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
        QCOMPARE(catalogue.campaignMaps.keys(), (QList<int>{3, 24, 25, 26}));
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
};

QTEST_GUILESS_MAIN(TestDemoPictures)
#include "test_demopictures.moc"
