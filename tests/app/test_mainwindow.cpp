#include "app/editorresources.h"
#include "app/filebasename.h"
#include "app/mainwindow.h"
#include "campaign/editorvalues.h"
#include "gamedata/gamefolder.h"
#include "gamedata/settingsfile.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "widgetlookup.h"

#include <QAction>
#include <QDialog>
#include <QGraphicsScene>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsView>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

const QString applicationTitle = QStringLiteral("Veldmark: Tarq Campaign Editor");

// Drags data onto the window and, when the window takes the drag, drops it there.
bool dropOnWindow(MainWindow &window, const QList<QUrl> &urls) {
    QMimeData data;
    if (urls.isEmpty())
        data.setText(QStringLiteral("no file"));
    else
        data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return true;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void formActions();
    void editorPictures();
    void propertiesKeys();
    void fileBaseNames_data();
    void fileBaseNames();
    void droppedFileIsOpened();
    void wrongKindOfFileRefused_data();
    void wrongKindOfFileRefused();
    void saveQuestion_data();
    void saveQuestion();
    void fileDialogFolders();
    void resizeRule();

private:
    QTemporaryDir temporary;
    QString game;
};

void TestMainWindow::initTestCase() {
    registerEditorResources();
    useSettingsFolder(temporary.filePath(QStringLiteral("settings")));
    setGameCatalogue(mainWindowCatalogue());
    game = temporary.filePath(QStringLiteral("game"));
    QVERIFY(QDir().mkpath(game));
    setGameFolder(game);
}

void TestMainWindow::init() {
    storeRecentFiles({});
    campaignFileVersion = editorVersion;
    sharedSettings() = SettingsFile();
    QDir(game + QStringLiteral("/Maps")).removeRecursively();
}

// Each action's shortcut (if any) and hint row (if any): its tool tip, and the hint bar's text
// while the mouse is over it.
void TestMainWindow::formActions() {
    MainWindow window;
    const struct {
        const char *name;
        const char *keys;
        int hint;
    } actions[] = {{"actionNew", "Ctrl+N", 1},
                   {"actionOpen", "Ctrl+O", 2},
                   {"actionSave", "Ctrl+S", 3},
                   {"actionSave_As", "Ctrl+Shift+S", 4},
                   {"actionClose", "Ctrl+W", -1},
                   {"actionAbout", nullptr, 5},
                   {"actionExit", nullptr, 6},
                   {"actionUndo", "Ctrl+Z", -1},
                   {"actionRedo", "Ctrl+Y", -1},
                   {"actionRefresh_Scenario_Maps", "Ctrl+R", 16},
                   {"actionExport_Scenario_Maps", "Ctrl+E", 17},
                   {"campaignProperties", nullptr, 18},
                   {"scenarioProperties", nullptr, 19},
                   {"actionExport_Texts", nullptr, 20},
                   {"actionImport_Texts", nullptr, 21}};
    auto *hintLabel = widget<QLabel>(window, "hintLabel");
    for (const auto &expected : actions) {
        auto *action = widget<QAction>(window, expected.name);
        if (expected.keys)
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(expected.keys)));
        if (expected.hint < 0)
            continue;
        QCOMPARE(action->toolTip(), QStringLiteral("hint %1").arg(expected.hint));
        action->hover();
        QCOMPARE(hintLabel->text(), QStringLiteral("hint %1").arg(expected.hint));
    }
    QVERIFY(!widget<QAction>(window, "actionUndo")->isEnabled());
    QVERIFY(!widget<QAction>(window, "actionRedo")->isEnabled());
}

// The splash pictures and the window icon are drawn at build time and embedded.
void TestMainWindow::editorPictures() {
    for (const char *name : {":/icons/tarq_vadoz_en.png", ":/icons/tarq_vadoz_ru.png"}) {
        const QImage splash(QString::fromLatin1(name));
        QCOMPARE(splash.size(), QSize(480, 300));
        // Not a flat box: the plate, the gold of the frame and the crimson emblem all show.
        QSet<QRgb> colours;
        for (int y = 0; y < splash.height(); y += 7)
            for (int x = 0; x < splash.width(); x += 7)
                colours.insert(splash.pixel(x, y));
        QVERIFY(colours.size() > 200);
    }
    QVERIFY(QImage(QStringLiteral(":/icons/tarq_vadoz_en.png")) !=
            QImage(QStringLiteral(":/icons/tarq_vadoz_ru.png")));

    QImageReader icon(QStringLiteral(":/icons/vadoz.ico"));
    QCOMPARE(icon.imageCount(), 5);
    QList<int> sizes;
    do {
        const QImage image = icon.read();
        QVERIFY2(!image.isNull(), qPrintable(icon.errorString()));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0); // transparent corner
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).alpha(), 255);
        sizes.append(image.width());
    } while (icon.jumpToNextImage());
    QCOMPARE(sizes, QList<int>({16, 24, 32, 48, 64}));

    MainWindow window;
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
}

// "Return" and "Ctrl+Return" reach the two properties actions.
void TestMainWindow::propertiesKeys() {
    MainWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *scenario = widget<QAction>(window, "scenarioProperties");
    auto *campaign = widget<QAction>(window, "campaignProperties");
    scenario->setEnabled(true);
    campaign->setEnabled(true);
    // Only the keys are checked here; the window they open has tests of its own.
    scenario->disconnect(&window);
    campaign->disconnect(&window);
    QSignalSpy scenarioSpy(scenario, &QAction::triggered);
    QSignalSpy campaignSpy(campaign, &QAction::triggered);
    QTest::keyClick(&window, Qt::Key_Return);
    QCOMPARE(scenarioSpy.count(), 1);
    QCOMPARE(campaignSpy.count(), 0);
    QTest::keyClick(&window, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(campaignSpy.count(), 1);
    QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(scenarioSpy.count(), 2);
}

void TestMainWindow::fileBaseNames_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("baseName");
    QTest::newRow("plain") << QStringLiteral("/maps/Dragon.y6c") << QStringLiteral("Dragon");
    QTest::newRow("two dots") << QStringLiteral("/maps/a.b.y6c") << QStringLiteral("a.b");
    QTest::newRow("only an extension") << QStringLiteral("/maps/.y6c") << QStringLiteral(".y6c");
    QTest::newRow("no extension") << QStringLiteral("/maps/README") << QStringLiteral("README");
    QTest::newRow("dot in the folder")
        << QStringLiteral("/my.maps/plain") << QStringLiteral("plain");
    QTest::newRow("trailing dot") << QStringLiteral("x.") << QStringLiteral("x");
    QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("");
}

void TestMainWindow::fileBaseNames() {
    QFETCH(QString, path);
    QFETCH(QString, baseName);
    QCOMPARE(fileBaseName(path), baseName);
}

void TestMainWindow::wrongKindOfFileRefused_data() {
    QTest::addColumn<QUrl>("dropped");
    QTest::addColumn<QString>("message");
    QTest::newRow("map") << QUrl::fromLocalFile(QStringLiteral("/maps/Gull.Y6M"))
                         << "warning|Error|/maps/Gull.Y6M is a map, not a campaign. Maps are "
                            "imported into a scenario in Scenario Properties.";
    QTest::newRow("web address")
        << QUrl(QStringLiteral("https://example.org/c.y6c"))
        << "warning|Error|Only local files can be opened; https://example.org/c.y6c is not one.";
}

void TestMainWindow::wrongKindOfFileRefused() {
    QFETCH(QUrl, dropped);
    QFETCH(QString, message);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MessageRecorder recorder;
    QVERIFY(dropOnWindow(window, {dropped}));
    QCOMPARE(recorder.lines(), QStringList{message});
    QCOMPARE(window.currentFile(), QString());
}

// The first of the dropped files is opened, whether dropped on the window or on the map view's
// scene; another scene keeps its drops.
void TestMainWindow::droppedFileIsOpened() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MessageRecorder recorder;
    const QString dropped = temporary.filePath(QStringLiteral("dropped.y6c"));
    QVERIFY(dropOnWindow(window, {QUrl::fromLocalFile(dropped), QUrl::fromLocalFile("/other")}));
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages[0].text.startsWith(QStringLiteral("Cannot read file ") + dropped));

    auto *scene = widget<QGraphicsView>(window, "graphicsView")->scene();
    const QString onScene = temporary.filePath(QStringLiteral("onscene.y6c"));
    QMimeData sceneData;
    sceneData.setUrls({QUrl::fromLocalFile(onScene)});
    const auto sendTo = [&sceneData](QGraphicsScene *target, QEvent::Type type) {
        QGraphicsSceneDragDropEvent event(type);
        event.setMimeData(&sceneData);
        event.setProposedAction(Qt::CopyAction);
        event.ignore();
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    };
    QVERIFY(sendTo(scene, QEvent::GraphicsSceneDragEnter));
    sendTo(scene, QEvent::GraphicsSceneDrop);
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY(recorder.messages[1].text.startsWith(QStringLiteral("Cannot read file ") + onScene));
    QGraphicsScene otherScene;
    sendTo(&otherScene, QEvent::GraphicsSceneDrop);
    QCOMPARE(recorder.messages.size(), 2);
    QVERIFY(!dropOnWindow(window, {})); // data without URLs is refused at drag enter
}

// The question before a changed campaign is closed; the file tests hold the question of an
// old-version campaign.
void TestMainWindow::saveQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("cancel keeps the window") << int(Messages::Cancel) << false;
    QTest::newRow("no closes without saving") << int(Messages::No) << true;
    QTest::newRow("yes, name not given: stays") << int(Messages::Yes) << false;
}

void TestMainWindow::saveQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, closes);
    FileChooserRecorder files;
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    markChanged(window);
    MessageRecorder recorder;
    recorder.queueAnswer(Messages::Button(answer));
    window.close();
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(recorder.lines(),
             QStringList{"warning|" + applicationTitle + "|Save changes to Untitled?"});
    QCOMPARE(recorder.messages[0].buttons,
             Messages::Buttons(Messages::Yes | Messages::No | Messages::Cancel));
    QCOMPARE(recorder.messages[0].defaultButton, Messages::Yes);
    // Yes on an untitled campaign goes to Save As; cancelling it keeps the window and changes.
    QCOMPARE(files.requests.size(), answer == Messages::Yes ? 1 : 0);
    if (answer == Messages::Yes)
        QCOMPARE(files.requests[0].caption, QStringLiteral("Save As"));
    // Without changes nothing is asked.
    window.history()->setClean();
    window.show();
    recorder.clear();
    window.close();
    QVERIFY(!window.isVisible());
    QVERIFY(recorder.messages.isEmpty());
}

void TestMainWindow::fileDialogFolders() {
    const QString filter = QStringLiteral("Veldmark campaign (*.y6c);;All Files (*)");
    FileChooserRecorder files;
    MainWindow window;
    MessageRecorder recorder;

    // No "Path" and no Maps folder: open starts in the game folder; save proposes Maps anyway.
    window.open();
    QCOMPARE(files.requests.last().caption, QStringLiteral("Open Map File"));
    QCOMPARE(files.requests.last().folder, QFileInfo(game).canonicalFilePath());
    QCOMPARE(files.requests.last().filter, filter);
    window.saveAs();
    QCOMPARE(files.requests.last().caption, QStringLiteral("Save As"));
    QCOMPARE(files.requests.last().folder, game + QStringLiteral("/Maps/Untitled"));
    QCOMPARE(files.requests.last().filter, filter);
    QVERIFY(sharedSettings().getText("Campaign Editor", "Path").isEmpty());

    // With a Maps folder open starts there (canonical path).
    QVERIFY(QDir().mkpath(game + QStringLiteral("/Maps")));
    window.open();
    QCOMPARE(files.requests.last().folder,
             QFileInfo(game + QStringLiteral("/Maps")).canonicalFilePath());

    // A chosen file's folder becomes "Path" (UTF-8), and the next dialogs start there.
    const QString folder = temporary.filePath(QStringLiteral("Kampagnen Ölwald"));
    QVERIFY(QDir().mkpath(folder));
    files.answers = QStringList{folder + QStringLiteral("/missing.y6c")};
    window.open();
    QCOMPARE(sharedSettings().getText("Campaign Editor", "Path"), folder.toUtf8());
    QCOMPARE(recorder.messages.size(), 1); // the chosen file was loaded (and is missing)
    window.open();
    QCOMPARE(files.requests.last().folder, folder);
    window.saveAs();
    QCOMPARE(files.requests.last().folder, folder + QStringLiteral("/Untitled"));
}

void TestMainWindow::resizeRule() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize initial = window.size();
    auto *stack = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    auto *view = window.findChild<QGraphicsView *>();
    QVERIFY(view);
    QCOMPARE(stack->size(), QSize(456, 600));
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    window.resize(initial - QSize(50, 40));
    QTRY_COMPARE(stack->size(), QSize(406, 560));
    QCOMPARE(view->size(), QSize(406, 560));
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    window.resize(initial + QSize(100, 10));
    QTRY_COMPARE(stack->size(), QSize(456, 600));
    QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // Narrower only: the width follows, the height stays full, scroll bars appear.
    window.resize(initial.width() - 6, initial.height() + 20);
    QTRY_COMPARE(stack->size(), QSize(450, 600));
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    // Back from maximised, the window takes its first size again.
    window.showMaximized();
    QTRY_VERIFY(window.isMaximized());
    window.showNormal();
    QTRY_COMPARE(window.size(), initial);
    QCOMPARE(stack->size(), QSize(456, 600));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
