#include "app/editorresources.h"
#include "app/mainwindow.h"
#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaignmap/campaignmapscene.h"
#include "campaignmap/campaignregionitem.h"
#include "campaignmap/mapbrowser.h"
#include "campaignmap/myqgraphicsview.h"
#include "campaignmap/regioncolors.h"
#include "messagerecorder.h"
#include "regionpicturefixture.h"
#include "widgetlookup.h"

#include <QDialog>
#include <QGraphicsScene>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int maskMap = 24;
constexpr int pieceMap = 3;
constexpr int mapWithoutBackground = 5;
constexpr int dashAlpha = 60;

// A pixel as a pixmap keeps it: premultiplied by its alpha.
QRgb asInPixmap(QRgb pixel) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(pixel);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied).pixel(0, 0);
}

// Every region is a 10 x 10 square whose glow red is 0: selected regions come out white,
// regions with a map in half their colour, empty ones in their colour with the dash's alpha.
QRgb expectedPixel(int state, int colour) {
    const QColor c = regionColors(colour);
    switch (state) {
    case 1:
        return asInPixmap(qRgba(255, 255, 255, 175));
    case 0:
        return asInPixmap(
            qRgba(c.red() * 127 / 256, c.green() * 127 / 256, c.blue() * 127 / 256, 175));
    default:
        return asInPixmap(qRgba(c.red(), c.green(), c.blue(), dashAlpha));
    }
}

QRgb pixmapPixel(const QGraphicsItem *item, int x, int y) {
    return static_cast<const QGraphicsPixmapItem *>(item)
        ->pixmap()
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .pixel(x, y);
}

QRgb itemPixel(const CampaignRegionItem *item) {
    return pixmapPixel(item, 5, 5);
}

CmpScenario scenarioWith(int colour, bool withMap) {
    CmpScenario scenario;
    scenario.regionColor = uint8_t(colour);
    if (withMap)
        scenario.mapHeader = MapHeaderRef(new MapHeader);
    return scenario;
}

} // namespace

class TestMapView : public QObject {
    Q_OBJECT

    PictureEntries pictures;
    QTemporaryDir settings;

    // A main window on an empty campaign of the mask map, shown.
    static std::unique_ptr<MainWindow> shownWindow() {
        auto window = std::make_unique<MainWindow>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window was never shown");
        return window;
    }
    static MyQGraphicsView *viewOf(MainWindow &window) {
        return window.findChild<MyQGraphicsView *>(QStringLiteral("graphicsView"));
    }
    static void click(MyQGraphicsView *view, Qt::MouseButton button, QPointF scenePoint) {
        QTest::mouseClick(view->viewport(), button, {}, view->mapFromScene(scenePoint));
    }

private slots:
    void initTestCase();
    void init();
    void cleanup() { setPictureEntryFetcher({}); }

    void sceneOfCampaignWithMap();
    void readyMadePiecesOfKind0Map();
    void sceneWithoutRegions_data();
    void sceneWithoutRegions();
    void mouseButtonsOnRegions();
    void selectionFrameNeverDrawn();
    void doubleClickAndContextMenuAskForProperties();
    void wheelNeverScrollsAndEnterShowsHint();
    void regionItemsFollowEditedScenarios();
    void openingACampaignRebuildsTheMap();
};

void TestMapView::initTestCase() {
    registerEditorResources();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    GameCatalogue catalogue;
    catalogue.campaignMaps[maskMap] = campaignMapOf({maskRegion(QStringLiteral("A"), 10, 10),
                                                     maskRegion(QStringLiteral("B"), 30, 10),
                                                     maskRegion(QStringLiteral("C"), 10, 40)},
                                                    true, QStringLiteral("Map24.pcx"));
    catalogue.campaignMaps[pieceMap] = campaignMapOf(
        {pieceRegion(QStringLiteral("P"), 0, 0), pieceRegion(QStringLiteral("Q"), 20, 0)}, false,
        QStringLiteral("Map3.pcx"));
    catalogue.campaignMaps[mapWithoutBackground] = campaignMapOf(
        {maskRegion(QStringLiteral("A"), 10, 10)}, true, QStringLiteral("Nowhere.pcx"));
    catalogue.campaignBackgrounds = {{0, QStringLiteral("Back0.pcx")},
                                     {1, QStringLiteral("Missing.pcx")}};
    for (int row = 0; row <= 21; ++row)
        catalogue.commandHintTable[row] = QStringList{QStringLiteral("hint %1").arg(row)};
    setGameCatalogue(catalogue);
}

void TestMapView::init() {
    pictures = PictureEntries();
    for (const QString &stem : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}) {
        pictures.entries[stem + "F.pcx"] = plainPicture(10, 10, qRgb(255, 255, 255));
        pictures.entries[stem + "B.pcx"] = plainPicture(10, 10, seeThrough);
        pictures.entries[stem + "G.pcx"] = plainPicture(10, 10, qRgb(0, 0, 0));
    }
    pictures.entries[QStringLiteral("cmpdash.pcx")] = plainPicture(60, 60, qRgb(dashAlpha, 0, 0));
    pictures.entries[QStringLiteral("Map24.pcx")] = trueColorPicture(60, 60, qRgb(20, 90, 20));
    pictures.entries[QStringLiteral("Map3.pcx")] = trueColorPicture(60, 60, qRgb(20, 20, 90));
    pictures.entries[QStringLiteral("Back0.pcx")] = trueColorPicture(60, 60, qRgb(90, 20, 20));
    for (int state = 0; state < 3; ++state)
        for (int colour = 0; colour < 8; ++colour)
            for (const QString &stem : {QStringLiteral("P"), QStringLiteral("Q")})
                pictures.entries[QStringLiteral("%1S%2C%3.pcx").arg(stem).arg(state).arg(colour)] =
                    plainPicture(4, 4, qRgb(state * 100, colour * 30, 7));
    pictures.install();
    clearImageCache();
}

// Two scenarios on a map of three regions: the third region has no scenario and shows as an
// empty region in the default colour.
void TestMapView::sceneOfCampaignWithMap() {
    CmpCampaign campaign;
    campaign.campaignMap = maskMap;
    campaign.scenarios = {scenarioWith(5, true), scenarioWith(0, false)};
    QGraphicsScene scene;
    scene.addRect(0, 0, 5, 5); // an item of an earlier build
    const QList<CampaignRegionItem *> items = buildCampaignMapScene(&scene, campaign, maskMap, 1);
    QCOMPARE(items.size(), 3);
    QCOMPARE(scene.items().size(), 4);

    const QList<QGraphicsItem *> inOrder = scene.items(Qt::AscendingOrder);
    QGraphicsItem *background = inOrder.first();
    QCOMPARE(background->data(mapItemKindKey).toInt(), int(BackgroundItem));
    QCOMPARE(pixmapPixel(background, 59, 59), qRgb(20, 90, 20));

    const int expectedColour[] = {5, 0, 2};
    const int expectedState[] = {0, 1, 2};
    const QPointF expectedPosition[] = {{10, 10}, {30, 10}, {10, 40}};
    for (int i = 0; i < 3; ++i) {
        CampaignRegionItem *item = items[i];
        QCOMPARE(inOrder.at(i + 1), item);
        QCOMPARE(item->region, i);
        QCOMPARE(item->colour, expectedColour[i]);
        QCOMPARE(item->regionState(), expectedState[i]);
        QCOMPARE(item->pos(), expectedPosition[i]);
        QCOMPARE(itemPixel(item), expectedPixel(expectedState[i], expectedColour[i]));
    }
}

void TestMapView::readyMadePiecesOfKind0Map() {
    CmpCampaign campaign;
    campaign.campaignMap = pieceMap;
    campaign.scenarios = {scenarioWith(6, true), scenarioWith(1, true)};
    QGraphicsScene scene;
    const QList<CampaignRegionItem *> items = buildCampaignMapScene(&scene, campaign, pieceMap, 0);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->pixmap().toImage().pixel(1, 1), qRgb(100, 6 * 30, 7));
    QCOMPARE(items[1]->pixmap().toImage().pixel(1, 1), qRgb(0, 1 * 30, 7));
    QCOMPARE(items[1]->pos(), QPointF(20, 0));
    QVERIFY(imageCache().composedPictures4.isEmpty());
}

void TestMapView::sceneWithoutRegions_data() {
    QTest::addColumn<bool>("withMap");
    QTest::addColumn<int>("campaignMap");
    QTest::addColumn<int>("background");
    QTest::addColumn<int>("items");
    QTest::addColumn<QRgb>("backgroundColour");
    QTest::newRow("without map: its background only")
        << false << maskMap << 0 << 1 << qRgb(90, 20, 20);
    QTest::newRow("without map, background missing") << false << maskMap << 1 << 0 << QRgb(0);
    QTest::newRow("with map, background missing")
        << true << mapWithoutBackground << 0 << 0 << QRgb(0);
    QTest::newRow("with map, unknown campaign map") << true << 77 << 0 << 0 << QRgb(0);
}

void TestMapView::sceneWithoutRegions() {
    QFETCH(bool, withMap);
    QFETCH(int, campaignMap);
    QFETCH(int, background);
    QFETCH(int, items);
    QFETCH(QRgb, backgroundColour);
    CmpCampaign campaign;
    campaign.withMap = withMap;
    campaign.background = background;
    campaign.scenarios = {scenarioWith(1, true)};
    QGraphicsScene scene;
    scene.addRect(0, 0, 5, 5);
    MessageRecorder recorder;
    QVERIFY(buildCampaignMapScene(&scene, campaign, campaignMap, 0).isEmpty());
    QCOMPARE(scene.items().size(), items);
    if (items)
        QCOMPARE(pixmapPixel(scene.items().first(), 0, 0), backgroundColour);
    QVERIFY(recorder.messages.isEmpty());
}

// Left and right presses select; the middle button, a press on the bare map and a press on the
// selected region change nothing.
void TestMapView::mouseButtonsOnRegions() {
    auto window = shownWindow();
    MyQGraphicsView *view = viewOf(*window);
    QVERIFY(view);
    QGraphicsScene *scene = view->scene();
    auto *regionLabel = window->findChild<QLabel *>(QStringLiteral("regionLabel"));
    QCOMPARE(window->regionItems.size(), 3);
    QVERIFY(window->regionItems[0]->selected);
    QCOMPARE(regionLabel->text(), QStringLiteral("A"));
    selectedRegion = 0;

    // Hovering names the region and its scenario's map in the hint bar and the tool tip, and
    // selects nothing; leaving the regions brings the idle hint back.
    auto *hintLabel = window->findChild<QLabel *>(QStringLiteral("hintLabel"));
    QTest::mouseMove(view->viewport(), view->mapFromScene(QPointF(35, 15)));
    QTRY_COMPARE(hintLabel->text(), QStringLiteral("B — Empty"));
    QCOMPARE(window->regionItems[1]->toolTip(), QStringLiteral("B — Empty"));
    QVERIFY(!window->regionItems[1]->selected);
    QCOMPARE(regionLabel->text(), QStringLiteral("A"));
    QTest::mouseMove(view->viewport(), view->mapFromScene(QPointF(200, 300)));
    QTRY_COMPARE(hintLabel->text(), QStringLiteral("hint 0"));

    click(view, Qt::MiddleButton, {35, 15});
    QCOMPARE(selectedRegion, 0);
    QVERIFY(!window->regionItems[1]->selected);

    click(view, Qt::LeftButton, {35, 15});
    QCOMPARE(selectedRegion, 1);
    QCOMPARE(window->shownRegion, 1);
    QCOMPARE(regionLabel->text(), QStringLiteral("B"));
    QVERIFY(window->regionItems[1]->selected);
    QVERIFY(!window->regionItems[0]->selected);
    QCOMPARE(itemPixel(window->regionItems[1]), expectedPixel(1, 2));
    QCOMPARE(itemPixel(window->regionItems[0]), expectedPixel(2, 2));

    click(view, Qt::RightButton, {15, 45});
    QCOMPARE(selectedRegion, 2);
    QCOMPARE(regionLabel->text(), QStringLiteral("C"));
    QVERIFY(!window->regionItems[1]->selected);
    QCOMPARE(itemPixel(window->regionItems[1]), expectedPixel(2, 2));

    // Pressing the selected region again keeps its picture; selectedRegion follows the press.
    const qint64 picture = window->regionItems[2]->pixmap().cacheKey();
    selectedRegion = 0;
    click(view, Qt::LeftButton, {15, 45});
    QCOMPARE(selectedRegion, 2);
    QCOMPARE(window->regionItems[2]->pixmap().cacheKey(), picture);

    click(view, Qt::LeftButton, {200, 300}); // bare map
    QCOMPARE(selectedRegion, 2);
    QVERIFY(window->regionItems[2]->selected);
    // Regions are never the toolkit's selected items and never move.
    QVERIFY(scene->selectedItems().isEmpty());
    QCOMPARE(window->regionItems[2]->pos(), QPointF(10, 40));
}

void TestMapView::selectionFrameNeverDrawn() {
    CmpCampaign campaign;
    QGraphicsScene scene;
    const QList<CampaignRegionItem *> items = buildCampaignMapScene(&scene, campaign, maskMap, 0);
    CampaignRegionItem *item = items.first();
    auto render = [item](QStyle::State state) {
        QImage image(12, 12, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter painter(&image);
        QStyleOptionGraphicsItem option;
        option.state = state;
        option.exposedRect = item->boundingRect();
        item->paint(&painter, &option, nullptr);
        return image;
    };
    const QImage plain = render(QStyle::State_None);
    QCOMPARE(plain.pixel(5, 5), expectedPixel(1, 2));
    QCOMPARE(render(QStyle::State_Selected), plain);
}

void TestMapView::doubleClickAndContextMenuAskForProperties() {
    auto window = shownWindow();
    MyQGraphicsView *view = viewOf(*window);
    // Only the request is checked here; the modal scenario window it opens has tests of its own.
    QObject::disconnect(view, &MyQGraphicsView::scenarioPropertiesRequested, nullptr, nullptr);
    QSignalSpy asked(view, &MyQGraphicsView::scenarioPropertiesRequested);
    const QPoint onRegion = view->mapFromScene(QPointF(15, 15));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onRegion);
    QCOMPARE(asked.size(), 1);
    QTest::mouseDClick(view->viewport(), Qt::MiddleButton, {}, onRegion);
    QCOMPARE(asked.size(), 2);
    QTest::mouseDClick(view->viewport(), Qt::RightButton, {}, onRegion);
    QCOMPARE(asked.size(), 2);

    // The context menu's one entry asks as well.
    QString entries;
    QTimer::singleShot(0, [&entries] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            entries += action->text();
        menu->actions().first()->trigger();
        menu->close();
    });
    view->showContextMenu(onRegion);
    QCOMPARE(entries, QStringLiteral("Properties..."));
    QCOMPARE(asked.size(), 3);

    // A campaign without map has no regions, but a double click still asks.
    CmpCampaign withoutMap;
    withoutMap.withMap = false;
    buildCampaignMapScene(view->scene(), withoutMap, maskMap, 0);
    QCOMPARE(view->scene()->items().size(), 1);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, onRegion);
    QCOMPARE(asked.size(), 4);
}

void TestMapView::wheelNeverScrollsAndEnterShowsHint() {
    auto window = shownWindow();
    MyQGraphicsView *view = viewOf(*window);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->resize(456, 200);
    QTRY_VERIFY(view->verticalScrollBar()->maximum() > 0);
    const int before = view->verticalScrollBar()->value();
    const QPoint centre = view->viewport()->rect().center();
    QWheelEvent wheel(centre, view->viewport()->mapToGlobal(centre), QPoint(0, -120),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    QCOMPARE(view->verticalScrollBar()->value(), before);

    auto *hintLabel = window->findChild<QLabel *>(QStringLiteral("hintLabel"));
    hintLabel->setText(QStringLiteral("something else"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(view, &enter);
    QCOMPARE(hintLabel->text(), QStringLiteral("hint 0"));
}

// After the scenario window the items take the scenarios' colours and map states; a picture is
// recomputed only when one of them changed.
void TestMapView::regionItemsFollowEditedScenarios() {
    auto window = shownWindow();
    QCOMPARE(window->regionItems.size(), 3);
    CmpCampaign edited = window->campaign();
    QCOMPARE(edited.scenarios.size(), 3);
    edited.scenarios[1] = scenarioWith(4, false);
    edited.scenarios[2] = scenarioWith(2, true);
    const qint64 untouched = window->regionItems[0]->pixmap().cacheKey();
    window->updateRegionItems(edited);
    QCOMPARE(window->regionItems[0]->pixmap().cacheKey(), untouched);
    QCOMPARE(window->regionItems[1]->colour, 4);
    QCOMPARE(itemPixel(window->regionItems[1]), expectedPixel(2, 4));
    QVERIFY(window->regionItems[2]->hasMap);
    QCOMPARE(itemPixel(window->regionItems[2]), expectedPixel(0, 2));

    // A shorter scenario list leaves the items without a scenario as they are.
    edited.scenarios = {scenarioWith(7, false)};
    window->updateRegionItems(edited);
    QCOMPARE(itemPixel(window->regionItems[0]), expectedPixel(1, 7));
    QCOMPARE(window->regionItems[1]->colour, 4);

    // New rebuilds the map: empty regions in the default colour, the first selected.
    whenShown<QDialog>("newcampaign", [](QDialog *dialog) { dialog->accept(); });
    window->newFile();
    QCOMPARE(itemPixel(window->regionItems[0]), expectedPixel(1, 2));
    QCOMPARE(itemPixel(window->regionItems[1]), expectedPixel(2, 2));
}

void TestMapView::openingACampaignRebuildsTheMap() {
    QTemporaryDir folder;
    CmpCampaign withMap;
    resetCampaign(withMap, maskMap, true, 0, 0);
    withMap.scenarios[0].regionColor = 6;
    withMap.scenarios[2].regionColor = 3;
    const QString withMapFile = folder.filePath(QStringLiteral("withmap.y6c"));
    CmpCampaign withoutMap;
    resetCampaign(withoutMap, maskMap, false, 0, 2);
    const QString withoutMapFile = folder.filePath(QStringLiteral("withoutmap.y6c"));
    MessageRecorder recorder;
    QVERIFY(CampaignFile::save(withMap, withMapFile));
    QVERIFY(CampaignFile::save(withoutMap, withoutMapFile));

    auto window = shownWindow();
    MyQGraphicsView *view = viewOf(*window);
    auto *regionLabel = window->findChild<QLabel *>(QStringLiteral("regionLabel"));
    click(view, Qt::LeftButton, {35, 15});
    QCOMPARE(window->shownRegion, 1);

    window->loadFile(withMapFile);
    QCOMPARE(window->shownRegion, 0);
    QCOMPARE(regionLabel->text(), QStringLiteral("A"));
    QCOMPARE(itemPixel(window->regionItems[0]), expectedPixel(1, 6));
    QCOMPARE(itemPixel(window->regionItems[1]), expectedPixel(2, 2));
    QCOMPARE(itemPixel(window->regionItems[2]), expectedPixel(2, 3));

    window->loadFile(withoutMapFile);
    QCOMPARE(view->scene()->items().size(), 1);
    QCOMPARE(regionLabel->text(), QString());
    click(view, Qt::LeftButton, {35, 15}); // nothing to select
    QCOMPARE(window->shownRegion, 0);
    QVERIFY(recorder.messages.isEmpty());
}

QTEST_MAIN(TestMapView)
#include "test_mapview.moc"
