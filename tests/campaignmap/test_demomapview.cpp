// The map view on the demo game's own pictures: every region picture of every campaign map can
// be had in every state and colour, and the sample campaigns open onto a full map.

#include "app/editorresources.h"
#include "app/mainwindow.h"
#include "campaignmap/campaignregionitem.h"
#include "campaignmap/myqgraphicsview.h"
#include "campaignmap/regionpicture.h"
#include "demogamefixture.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/gamepictures.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/moddatafile.h"
#include "gamedata/textcodec.h"
#include "gamedata/tstream.h"
#include "messagerecorder.h"

#include <QDir>
#include <QGraphicsScene>
#include <QLabel>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class TestDemoMapView : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void initTestCase();
    void everyRegionPictureOfTheDemoMaps();
    void sampleCampaignsOpenOntoTheirMaps_data();
    void sampleCampaignsOpenOntoTheirMaps();
};

void TestDemoMapView::initTestCase() {
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // cache traces
    registerEditorResources();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("settings"));
    QString error;
    QVERIFY2(makeDemoGame(folder.path(), {}, &error), qPrintable(error));
    setGameFolder(folder.path());
    loadLodArchives();
    auto stream = openFileStream(gamePath(QStringLiteral("tarq.dat")), TFileStream::ReadOnly);
    QVERIFY(stream);
    modRecords() = readModDataFile(*stream);
    QTextCodec *codec = QTextCodec::codecForName("Windows-1252");
    setTextCodec(codec);
    setGameCatalogue(buildGameCatalogue(codec));
    QVERIFY(gameCatalogue().campaignMaps.size() >= 2);
}

// Kind-1 pictures have the size of their fill mask; kind-0 pieces exist for every state and
// colour. A missing or mismatched picture would end the program (here: throw).
void TestDemoMapView::everyRegionPictureOfTheDemoMaps() {
    MessageRecorder recorder;
    bool sawKind0 = false;
    bool sawKind1 = false;
    const auto &maps = gameCatalogue().campaignMaps;
    for (auto map = maps.constBegin(); map != maps.constEnd(); ++map) {
        (map->picturesGiven ? sawKind1 : sawKind0) = true;
        QVERIFY(fetchPictureEntry(map->backgroundPicture).has_value());
        for (int region = 0; region < map->regions.size(); ++region)
            for (int state = 0; state < 3; ++state)
                for (int colour = 0; colour < 8; ++colour) {
                    const QImage picture = regionPicture(map.key(), region, state, colour);
                    QVERIFY(!picture.isNull());
                    QVERIFY(picture.width() <= 456 && picture.height() <= 600);
                }
    }
    QVERIFY(sawKind0 && sawKind1);
    QVERIFY(recorder.messages.isEmpty());
}

void TestDemoMapView::sampleCampaignsOpenOntoTheirMaps_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("with map, six regions") << "Marches.y6c";
    QTest::newRow("with map, twelve regions") << "Baronies.y6c";
    QTest::newRow("without map") << "Chain.y6c";
}

void TestDemoMapView::sampleCampaignsOpenOntoTheirMaps() {
    QFETCH(QString, file);
    MessageRecorder recorder;
    MainWindow window;
    window.loadFile(gamePath(QStringLiteral("Maps/") + file));
    QCOMPARE(window.currentFile(), gamePath(QStringLiteral("Maps/") + file));
    const CmpCampaign &campaign = window.campaign();
    QGraphicsScene *scene =
        window.findChild<MyQGraphicsView *>(QStringLiteral("graphicsView"))->scene();
    if (!campaign.withMap) {
        QVERIFY(window.regionItems.isEmpty());
        QCOMPARE(scene->items().size(), 1);
        return;
    }
    const int regions = gameCatalogue().campaignMaps.value(campaign.campaignMap).regions.size();
    QCOMPARE(window.regionItems.size(), regions);
    QCOMPARE(scene->items().size(), regions + 1);
    for (CampaignRegionItem *item : qAsConst(window.regionItems)) {
        QVERIFY(!item->pixmap().isNull());
        QCOMPARE(item->colour, int(campaign.scenarios.value(item->region).regionColor));
        QCOMPARE(item->hasMap, campaign.scenarios.value(item->region).hasMap());
    }
    QVERIFY(window.regionItems.first()->selected);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("regionLabel"))->text(),
             gameCatalogue().campaignMaps.value(campaign.campaignMap).regions.first().name);
    QVERIFY(recorder.messages.isEmpty());
}

QTEST_MAIN(TestDemoMapView)
#include "test_demomapview.moc"
