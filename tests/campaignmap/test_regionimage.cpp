#include "campaignmap/campaignmappreview.h"
#include "campaignmap/regionimage.h"
#include "campaignmap/regionpicture.h"
#include "campaignmap/regionstate.h"
#include "messagerecorder.h"
#include "regionpicturefixture.h"

#include <QLabel>
#include <QtTest>

namespace {

constexpr int maskMap = 7;
constexpr int pieceMap = 8;
const QRgb opaqueWhite = qRgb(255, 255, 255);

// The dash picture: its red grows with the column and the row, so that every map position
// has a value of its own.
QRgb dashAt(int x, int y) {
    return qRgb(x * 16 + y, 40, 40);
}

QByteArray dashPicture() {
    QVector<QRgb> pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            pixels.append(dashAt(x, y));
    return palettedPicture(12, 8, pixels);
}

} // namespace

class TestRegionImage : public QObject {
    Q_OBJECT

    PictureEntries pictures;

    // One-pixel masks for region A of the mask map.
    void setMasks(QRgb fill, QRgb border, QRgb glow) {
        pictures.entries[QStringLiteral("AF.pcx")] = plainPicture(1, 1, fill);
        pictures.entries[QStringLiteral("AB.pcx")] = plainPicture(1, 1, border);
        pictures.entries[QStringLiteral("AG.pcx")] = plainPicture(1, 1, glow);
    }

private slots:
    void initTestCase() {
        GameCatalogue catalogue;
        catalogue.campaignMaps[maskMap] = campaignMapOf(
            {maskRegion(QStringLiteral("A"), 3, 2), maskRegion(QStringLiteral("W"), 5, 1)}, true,
            QStringLiteral("Back.pcx"));
        catalogue.campaignMaps[pieceMap] =
            campaignMapOf({pieceRegion(QStringLiteral("P"), 10, 20)}, false, QString());
        setGameCatalogue(catalogue);
    }
    void init() {
        pictures = PictureEntries();
        pictures.entries[QStringLiteral("cmpdash.pcx")] = dashPicture();
        pictures.install();
        clearImageCache();
    }
    void cleanup() { setPictureEntryFetcher({}); }

    void composedPixel_data();
    void composedPixel();
    void emptyRegionTakesDashAlphaAtMapPosition();
    void missingPicturesAreReportedOnce_data();
    void missingPicturesAreReportedOnce();
    void kind1PicturesComposedOncePerKey();
    void kind0PiecesDecodedEachTime();
    void previewDrawsRegionsSelectedInDefaultColour();
};

void TestRegionImage::composedPixel_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<QRgb>("border");
    QTest::addColumn<QRgb>("glow");
    QTest::addColumn<QRgb>("expected");

    const QRgb grey = qRgb(100, 7, 9); // only the red of a mask counts
    QTest::newRow("selected, glow 255 keeps the colour")
        << int(RegionSelected) << 0 << opaqueWhite << seeThrough << qRgb(255, 0, 0)
        << qRgba(255, 0, 0, 175);
    QTest::newRow("selected, glow 0 gives white")
        << int(RegionSelected) << 0 << opaqueWhite << seeThrough << qRgb(0, 0, 0)
        << qRgba(255, 255, 255, 175);
    // 255 + floor((v - 255) * 100 / 256): rounding down, not towards zero.
    QTest::newRow("selected, glow 100 rounds down")
        << int(RegionSelected) << 2 << opaqueWhite << seeThrough << grey
        << qRgba(230, 209, 188, 175);
    QTest::newRow("selected without glow or border is the plain colour")
        << int(RegionSelected) << 5 << opaqueWhite << seeThrough << seeThrough
        << qRgba(175, 16, 196, 175);
    QTest::newRow("selected, glow then border 128")
        << int(RegionSelected) << 4 << opaqueWhite << qRgb(128, 0, 0) << qRgb(255, 0, 0)
        << qRgba(123, 65, 15, 175);
    QTest::newRow("has map, glow 0 halves") << int(RegionHasMap) << 0 << opaqueWhite << seeThrough
                                            << qRgb(0, 0, 0) << qRgba(126, 0, 0, 175);
    QTest::newRow("has map, glow 255") << int(RegionHasMap) << 1 << opaqueWhite << seeThrough
                                       << qRgb(255, 0, 0) << qRgba(79, 129, 254, 175);
    QTest::newRow("has map, border 0 gives black")
        << int(RegionHasMap) << 3 << opaqueWhite << qRgb(0, 0, 0) << seeThrough
        << qRgba(0, 0, 0, 175);
    QTest::newRow("empty without glow") << int(RegionEmpty) << 6 << opaqueWhite << seeThrough
                                        << seeThrough << qRgba(47, 189, 179, 121);
    QTest::newRow("empty, border 0 gives black, alpha stays")
        << int(RegionEmpty) << 7 << opaqueWhite << qRgb(0, 0, 0) << seeThrough
        << qRgba(0, 0, 0, 121);
    QTest::newRow("empty, border 200") << int(RegionEmpty) << 7 << opaqueWhite << qRgb(200, 0, 0)
                                       << seeThrough << qRgba(172, 99, 103, 121);
    QTest::newRow("colour above 7 is black") << int(RegionSelected) << 9 << opaqueWhite
                                             << seeThrough << seeThrough << qRgba(0, 0, 0, 175);
    for (int state : {RegionHasMap, RegionSelected, RegionEmpty})
        QTest::addRow("transparent fill stays transparent, state %d", state)
            << state << 1 << seeThrough << qRgb(90, 0, 0) << qRgb(30, 0, 0) << QRgb(0);
}

void TestRegionImage::composedPixel() {
    QFETCH(int, state);
    QFETCH(int, colour);
    QFETCH(QRgb, fill);
    QFETCH(QRgb, border);
    QFETCH(QRgb, glow);
    QFETCH(QRgb, expected);
    setMasks(fill, border, glow);
    const QImage image = composeRegionImage(colour, maskMap, 0, state, QStringLiteral("AF.pcx"),
                                            QStringLiteral("AB.pcx"), QStringLiteral("AG.pcx"));
    QCOMPARE(image.size(), QSize(1, 1));
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    QCOMPARE(QString::number(image.pixel(0, 0), 16), QString::number(expected, 16));
}

// Region A lies at (3, 2) and region W at (5, 1): under the glow, each fill pixel takes the
// dash picture's red at its map position, so the pattern runs on across neighbouring regions.
void TestRegionImage::emptyRegionTakesDashAlphaAtMapPosition() {
    const QRgb fillPixel = opaqueWhite;
    // Row 0 glows everywhere, row 1 nowhere; the last fill pixel is see-through.
    QVector<QRgb> fill(8, fillPixel);
    fill[7] = seeThrough;
    QVector<QRgb> glow{qRgb(9, 0, 0), qRgb(9, 0, 0), qRgb(9, 0, 0), qRgb(9, 0, 0),
                       seeThrough,    seeThrough,    seeThrough,    seeThrough};
    for (const QString &stem : {QStringLiteral("A"), QStringLiteral("W")}) {
        pictures.entries[stem + "F.pcx"] = palettedPicture(4, 2, fill);
        pictures.entries[stem + "B.pcx"] = plainPicture(4, 2, seeThrough);
        pictures.entries[stem + "G.pcx"] = palettedPicture(4, 2, glow);
    }
    const QImage a = composeRegionImage(3, maskMap, 0, RegionEmpty, "AF.pcx", "AB.pcx", "AG.pcx");
    const QImage w = composeRegionImage(3, maskMap, 1, RegionEmpty, "WF.pcx", "WB.pcx", "WG.pcx");
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(a.pixel(k, 0), qRgba(42, 173, 9, qRed(dashAt(3 + k, 2))));
        QCOMPARE(w.pixel(k, 0), qRgba(42, 173, 9, qRed(dashAt(5 + k, 1))));
    }
    for (int k = 0; k < 3; ++k)
        QCOMPARE(a.pixel(k, 1), qRgba(42, 173, 9, 121));
    QCOMPARE(a.pixel(3, 1), 0u);
}

void TestRegionImage::missingPicturesAreReportedOnce_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("missing");
    QTest::newRow("fill, selected") << int(RegionSelected) << "AF.pcx";
    QTest::newRow("border, has map") << int(RegionHasMap) << "AB.pcx";
    QTest::newRow("glow, selected") << int(RegionSelected) << "AG.pcx";
    QTest::newRow("fill, empty") << int(RegionEmpty) << "AF.pcx";
    QTest::newRow("border, empty") << int(RegionEmpty) << "AB.pcx";
    QTest::newRow("glow, empty") << int(RegionEmpty) << "AG.pcx";
    QTest::newRow("dash, empty") << int(RegionEmpty) << "cmpdash.pcx";
}

// A missing mask, or a missing dash picture while an empty region is composed, leaves the region
// empty after one warning naming the picture; the editor goes on.
void TestRegionImage::missingPicturesAreReportedOnce() {
    QFETCH(int, state);
    QFETCH(QString, missing);
    setMasks(opaqueWhite, seeThrough, seeThrough);
    pictures.entries.remove(missing);
    MessageRecorder recorder;
    QVERIFY(regionPicture(maskMap, 0, state, 0).isNull());
    QVERIFY(regionPicture(maskMap, 0, state, 0).isNull());
    QCOMPARE(recorder.lines(),
             QStringList("warning|Error|Can't find " + missing + " file in lod file"));
}

// Re-selecting a region does not compose again: once a key is composed its masks are no longer
// needed (here they vanish from the archives and the cache of decoded masks is emptied).
void TestRegionImage::kind1PicturesComposedOncePerKey() {
    setMasks(opaqueWhite, seeThrough, qRgb(0, 0, 0));
    const QImage selected = regionPicture(maskMap, 0, RegionSelected, 1);
    QCOMPARE(selected.pixel(0, 0), qRgba(255, 255, 255, 175));
    const QImage otherColour = regionPicture(maskMap, 0, RegionSelected, 4);
    const QImage hasMap = regionPicture(maskMap, 0, RegionHasMap, 1);
    QCOMPARE(imageCache().composedPictures4.size(), 3);
    QVERIFY(imageCache().findComposed4(maskMap, 0, RegionSelected, 4).has_value());
    QVERIFY(imageCache().findComposed4(maskMap, 0, RegionHasMap, 1).has_value());

    pictures.entries.clear();
    imageCache().transparentPictures.clear();
    MessageRecorder recorder;
    QCOMPARE(regionPicture(maskMap, 0, RegionSelected, 1).cacheKey(), selected.cacheKey());
    QCOMPARE(regionPicture(maskMap, 0, RegionSelected, 4).cacheKey(), otherColour.cacheKey());
    QCOMPARE(regionPicture(maskMap, 0, RegionHasMap, 1).cacheKey(), hasMap.cacheKey());
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(imageCache().composedPictures4.size(), 3);
}

// Kind-0 pieces are ready-made: read from the archives each time, never composed or cached;
// a missing one is reported once and left empty. A colour without pieces shows the region grey.
void TestRegionImage::kind0PiecesDecodedEachTime() {
    pictures.entries[QStringLiteral("PS2C5.pcx")] = plainPicture(2, 1, qRgb(1, 2, 3));
    QCOMPARE(regionPicture(pieceMap, 0, RegionEmpty, 5).pixel(1, 0), qRgb(1, 2, 3));
    QCOMPARE(regionPicture(pieceMap, 0, RegionEmpty, 5).width(), 2);
    QCOMPARE(pictures.fetched.count(QStringLiteral("PS2C5.pcx")), 2);
    QVERIFY(imageCache().composedPictures4.isEmpty());
    QVERIFY(imageCache().transparentPictures.isEmpty());

    MessageRecorder recorder;
    QVERIFY(regionPicture(pieceMap, 0, RegionSelected, 5).isNull());
    QVERIFY(regionPicture(pieceMap, 0, RegionSelected, 5).isNull());
    QCOMPARE(recorder.lines(), QStringList{"warning|Error|Can't find PS1C5.pcx file in lod file"});

    pictures.entries[QStringLiteral("PS2C0.pcx")] = plainPicture(1, 1, qRgb(30, 60, 90));
    QCOMPARE(regionPicture(pieceMap, 0, RegionEmpty, 9).pixel(0, 0), qRgb(54, 54, 54));
}

void TestRegionImage::previewDrawsRegionsSelectedInDefaultColour() {
    pictures.entries[QStringLiteral("Back.pcx")] = trueColorPicture(460, 610, qRgb(0, 0, 200));
    setMasks(opaqueWhite, seeThrough, seeThrough);
    pictures.entries[QStringLiteral("WF.pcx")] = plainPicture(1, 1, seeThrough);
    pictures.entries[QStringLiteral("WB.pcx")] = plainPicture(1, 1, seeThrough);
    pictures.entries[QStringLiteral("WG.pcx")] = plainPicture(1, 1, seeThrough);
    QLabel label;
    label.resize(456, 600);
    renderCampaignMapPreview(&label, QStringLiteral("Back.pcx"), true, maskMap);
    const QImage shown = label.pixmap(Qt::ReturnByValue).toImage();
    QCOMPARE(shown.size(), QSize(456, 600));
    QCOMPARE(shown.pixel(0, 0), qRgb(0, 0, 0)); // the frame
    QCOMPARE(shown.pixel(455, 599), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(100, 100), qRgb(0, 0, 200));
    // Region A at (3, 2): colour 2 at alpha 175 over the blue background.
    const QRgb region = shown.pixel(3, 2);
    QVERIFY(qAbs(qRed(region) - 193 * 175 / 255) <= 1);
    QVERIFY(qAbs(qBlue(region) - (84 * 175 + 200 * 80) / 255) <= 1);
    QVERIFY(imageCache().findComposed2(maskMap, 0).has_value());
    QVERIFY(imageCache().findComposed2(maskMap, 1).has_value());

    // A second preview takes the composed regions from the cache; a smaller label scales.
    QLabel small;
    small.resize(114, 300);
    renderCampaignMapPreview(&small, QStringLiteral("Back.pcx"), true, maskMap);
    QCOMPARE(small.pixmap(Qt::ReturnByValue).size(), QSize(114, 150));

    QLabel missing;
    renderCampaignMapPreview(&missing, QStringLiteral("Nowhere.pcx"), true, maskMap);
    QVERIFY(missing.pixmap(Qt::ReturnByValue).isNull());
}

QTEST_MAIN(TestRegionImage)
#include "test_regionimage.moc"
