// The prologue and epilogue page on the demo game: its pages tied to the starting options'
// choices, its check boxes and page buttons, the video pictures from the archives, the music
// through SDL2_mixer's dummy driver (set by CTest), the commit's change report, and the page's
// place in the scenario window.
#include "app/editorresources.h"
#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaignfilefixture.h"
#include "dialogs/prologue/scenarioprologue.h"
#include "dialogs/scenario/scenarioinfo.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamefolder.h"
#include "gamedata/gamepictures.h"
#include "gamedata/lodarchiveset.h"
#include "messagerecorder.h"
#include "sound/musicplayer.h"
#include "widgetlookup.h"

#define SDL_MAIN_HANDLED
#include <SDL_mixer.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// A scenario with a map whose starting options offer `choices` starting heroes (none: no
// starting options at all).
CmpScenario scenarioWithChoices(int choices) {
    CmpScenario scenario(gameCatalogue());
    scenario.mapHeader = MapHeaderRef(new MapHeader);
    if (choices > 0) {
        StartingHeroSet set;
        for (int i = 0; i < choices; ++i)
            set.heroes.append(StartingHero{uint8_t(i), uint16_t(10 + i)});
        scenario.startOptions = makeStartOptions(set);
    }
    return scenario;
}

void fillPages(std::array<CmpPrologueRef, pageSlotCount> &pages) {
    pages[0] = makePrologue(1, 2, QStringLiteral("first page"));
    pages[1] = makePrologue(3, 4, QStringLiteral("second page"));
    pages[2] = makePrologue(5, 6, QStringLiteral("third page"));
}

QImage iconImage(const QIcon &icon) {
    return icon.pixmap(12, 12).toImage();
}

bool musicPlaying() {
    return Mix_PlayingMusic() != 0 && Mix_PausedMusic() == 0;
}

} // namespace

class ScenarioPrologueTest : public QObject {
    Q_OBJECT

    QTemporaryDir game;
    MessageRecorder recorder;
    std::unique_ptr<MusicPlayer> player;
    std::unique_ptr<ScenarioPrologue> page;

    template <typename T> T *widget(const char *name) { return ::widget<T>(page.get(), name); }
    QPushButton *button(int slot) {
        const char *names[] = {"btn1", "btn2", "btn3"};
        return widget<QPushButton>(names[slot]);
    }
    QString shownText() { return widget<QTextEdit>("textEdit")->toPlainText(); }
    bool pageWidgetsEnabled() {
        return widget<QTextEdit>("textEdit")->isEnabled() &&
               widget<QComboBox>("videoCombobox")->isEnabled() &&
               widget<QListWidget>("musicListWidget")->isEnabled() &&
               widget<QPushButton>("playMusicBtn")->isEnabled();
    }
    // The music row whose name is `name`.
    void selectMusic(const QString &name) {
        QListWidget *list = widget<QListWidget>("musicListWidget");
        const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items[0]).center());
        QCOMPARE(list->currentItem(), items[0]);
    }
    QImage expectedVideoPicture(int video) {
        const std::optional<QByteArray> bytes =
            findLodEntry(gameCatalogue().videoPictures.value(video));
        if (!bytes)
            return QImage();
        const QSize size = widget<QLabel>("prologueImage")->size();
        return QPixmap::fromImage(decodeTrueColorPicture(*bytes))
            .scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation)
            .toImage();
    }
    QImage shownPicture() {
        return widget<QLabel>("prologueImage")->pixmap(Qt::ReturnByValue).toImage();
    }

private slots:
    void initTestCase() {
        registerEditorResources();
        QVERIFY(game.isValid());
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {QStringLiteral("--with-music")}, &error),
                 qPrintable(error));
        setGameFolder(game.path());
        setTextCodec(QTextCodec::codecForName("Windows-1252"));
        loadLodArchives();
        setGameCatalogue(demoGameCatalogue(game.path()));
        QVERIFY(gameCatalogue().videoPictures.size() > 10);
        QVERIFY(gameCatalogue().musicNames.size() > 10);
        player = std::make_unique<MusicPlayer>();
        player->initMusicPlayer();
    }

    void init() {
        page = std::make_unique<ScenarioPrologue>();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    void cleanup() {
        page.reset();
        player->closeMusicStream();
        QCOMPARE(recorder.lines(), QStringList());
    }

    void pageCountFollowsTheChoices_data() {
        QTest::addColumn<int>("choices");
        QTest::addColumn<bool>("buttonsShown");
        QTest::addColumn<bool>("thirdShown");
        QTest::newRow("no starting options") << 0 << false << false;
        QTest::newRow("one choice") << 1 << false << false;
        QTest::newRow("two choices") << 2 << true << false;
        QTest::newRow("three choices") << 3 << true << true;
    }

    void pageCountFollowsTheChoices() {
        QFETCH(int, choices);
        QFETCH(bool, buttonsShown);
        QFETCH(bool, thirdShown);
        for (const bool prologue : {true, false}) {
            CmpScenario scenario = scenarioWithChoices(choices);
            fillPages(prologue ? scenario.prologues : scenario.epilogues);
            page->load(&scenario, prologue, 0, true);

            QCOMPARE(widget<QCheckBox>("hasPrologueCheckbox")->text(),
                     prologue ? QStringLiteral("Has prologue") : QStringLiteral("Has epilogue"));
            QVERIFY(widget<QCheckBox>("hasPrologueCheckbox")->isChecked());
            QCOMPARE(widget<QGroupBox>("groupBox")->isVisible(), buttonsShown);
            QCOMPARE(button(2)->isVisible(), thirdShown);
            QVERIFY(button(0)->isChecked());
            QVERIFY(!widget<QCheckBox>("settingsCheckbox")->isVisible());
            QCOMPARE(shownText(), QStringLiteral("first page"));
            // Neither showing the pages nor the sync with the options removes one.
            auto &pages = prologue ? scenario.prologues : scenario.epilogues;
            page->syncPageCount();
            QCOMPARE(page->pageOptionCount(), choices < 2 ? 1 : choices);
            QVERIFY(pages[0] && pages[1] && pages[2]);
            // The other half of the scenario is not touched.
            auto &others = prologue ? scenario.epilogues : scenario.prologues;
            QVERIFY(!others[0] && !others[1] && !others[2]);
            QCOMPARE(widget<QGroupBox>("groupBox")->isVisible(), buttonsShown);
        }
    }

    // The properties window tells the page what its starting options page offers right now;
    // that, not the record stored in the scenario, decides.
    void optionCountFromTheWindow() {
        CmpScenario scenario = scenarioWithChoices(3);
        fillPages(scenario.prologues);
        int offered = 2;
        page->setOptionCountSource([&offered] { return offered; });
        page->load(&scenario, true, 0, true);
        QVERIFY(!button(2)->isVisible());
        offered = 0;
        page->syncPageCount();
        QVERIFY(scenario.prologues[2]);
        QVERIFY(!widget<QGroupBox>("groupBox")->isVisible());
    }

    void scenarioWithoutMap() {
        CmpScenario scenario = scenarioWithChoices(3);
        scenario.mapHeader.reset();
        fillPages(scenario.prologues);
        page->load(&scenario, true, 0, true);
        QCheckBox *hasPrologue = widget<QCheckBox>("hasPrologueCheckbox");
        QVERIFY(!hasPrologue->isEnabled());
        QVERIFY(!hasPrologue->isChecked());
        QVERIFY(!widget<QGroupBox>("groupBox")->isVisible());
        QVERIFY(!pageWidgetsEnabled());
        QCOMPARE(shownText(), QString());
        QVERIFY(shownPicture().isNull());
        // Syncing and committing leave a scenario without map alone: its pages stay for when it
        // gets a map again.
        page->syncPageCount();
        QVERIFY(!page->commit(0));
        QVERIFY(scenario.prologues[0] && scenario.prologues[1] && scenario.prologues[2]);

        // A map removed while the page shows a scenario with one.
        CmpScenario mapped = scenarioWithChoices(3);
        fillPages(mapped.prologues);
        page->load(&mapped, true, 0, true);
        QVERIFY(pageWidgetsEnabled());
        page->setNoMapState();
        QVERIFY(!hasPrologue->isEnabled());
        QVERIFY(!widget<QGroupBox>("groupBox")->isVisible());
        QVERIFY(!pageWidgetsEnabled());
    }

    void uncheckingHasPrologue() {
        CmpScenario scenario = scenarioWithChoices(3);
        fillPages(scenario.prologues);
        page->load(&scenario, true, 1, true);
        QCheckBox *hasPrologue = widget<QCheckBox>("hasPrologueCheckbox");
        QTest::mouseClick(hasPrologue, Qt::LeftButton);
        QVERIFY(!hasPrologue->isChecked());
        // Unticked on page 2: pages 1 and 3 go at once, page 2 with the next commit, which
        // reports it.
        QVERIFY(scenario.prologues[1]);
        QVERIFY(!scenario.prologues[0] && !scenario.prologues[2]);
        QVERIFY(!widget<QGroupBox>("groupBox")->isVisible());
        QVERIFY(!pageWidgetsEnabled());
        QCOMPARE(shownText(), QString());
        QVERIFY(page->commit(1));
        QVERIFY(!scenario.prologues[1]);
        QVERIFY(!page->commit(1));

        // Checking it again starts a new page with video 0 and the first music.
        QTest::mouseClick(hasPrologue, Qt::LeftButton);
        QVERIFY(pageWidgetsEnabled());
        QVERIFY(widget<QGroupBox>("groupBox")->isVisible());
        QCOMPARE(shownPicture(), expectedVideoPicture(0));
        QTest::keyClicks(widget<QTextEdit>("textEdit"), QStringLiteral("A new dawn"));
        QVERIFY(page->commit(1));
        QVERIFY(scenario.prologues[1]);
        QCOMPARE(scenario.prologues[1]->video, uint8_t(0));
        QCOMPARE(int(scenario.prologues[1]->music), gameCatalogue().musicNames.firstKey());
        QCOMPARE(scenario.prologues[1]->text, QStringLiteral("A new dawn"));
    }

    void pageButtons() {
        CmpScenario scenario = scenarioWithChoices(3);
        fillPages(scenario.epilogues);
        scenario.epilogues[2].reset();
        page->load(&scenario, false, 0, true);
        QSignalSpy modified(page.get(), &ScenarioPrologue::scenarioModified);
        QCheckBox *settings = widget<QCheckBox>("settingsCheckbox");

        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(page->shownSlot(), 1);
        QCOMPARE(shownText(), QStringLiteral("second page"));
        QVERIFY(button(1)->isChecked() && !button(0)->isChecked() && !button(2)->isChecked());
        QVERIFY(settings->isVisible() && settings->isChecked());
        QCOMPARE(widget<QComboBox>("videoCombobox")->currentData().toInt(), 3);
        QCOMPARE(widget<QListWidget>("musicListWidget")->currentItem()->data(Qt::UserRole).toInt(),
                 4);
        QCOMPARE(widget<QLabel>("selectedMusicLabel")->text(), gameCatalogue().musicNames.value(4));
        QCOMPARE(shownPicture(), expectedVideoPicture(3));
        QCOMPARE(modified.count(), 0); // page 1 was left unchanged

        // Pressing the shown page's button changes nothing, not even the unsaved text.
        widget<QTextEdit>("textEdit")->moveCursor(QTextCursor::End);
        QTest::keyClicks(widget<QTextEdit>("textEdit"), QStringLiteral(" edited"));
        QTest::mouseClick(button(1), Qt::LeftButton);
        QVERIFY(button(1)->isChecked());
        QCOMPARE(shownText(), QStringLiteral("second page edited"));
        QCOMPARE(scenario.epilogues[1]->text, QStringLiteral("second page"));
        QCOMPARE(modified.count(), 0);

        // The empty third page: "Set up" starts it.
        QTest::mouseClick(button(2), Qt::LeftButton);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(scenario.epilogues[1]->text, QStringLiteral("second page edited"));
        QVERIFY(!settings->isChecked());
        QVERIFY(!pageWidgetsEnabled());
        QTest::mouseClick(settings, Qt::LeftButton);
        QVERIFY(pageWidgetsEnabled());
        QTest::keyClicks(widget<QTextEdit>("textEdit"), QStringLiteral("third"));
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(modified.count(), 2);
        QVERIFY(scenario.epilogues[2]);
        QCOMPARE(scenario.epilogues[2]->text, QStringLiteral("third"));
        QCOMPARE(shownText(), QStringLiteral("first page"));

        // Unchecking "Set up" on page 2 removes it when the page is left.
        QTest::mouseClick(button(1), Qt::LeftButton);
        QTest::mouseClick(settings, Qt::LeftButton);
        QVERIFY(!pageWidgetsEnabled());
        QTest::mouseClick(button(0), Qt::LeftButton);
        QCOMPARE(modified.count(), 3);
        QVERIFY(!scenario.epilogues[1]);
        QVERIFY(!scenario.prologues[0] && !scenario.prologues[1] && !scenario.prologues[2]);
    }

    void commitReportsChanges_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("wanted");
        QTest::addColumn<int>("video");
        QTest::addColumn<int>("music");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::newRow("same values") << true << true << 1 << 2 << "first page" << false;
        QTest::newRow("other video") << true << true << 7 << 2 << "first page" << true;
        QTest::newRow("other music") << true << true << 1 << 9 << "first page" << true;
        QTest::newRow("other text") << true << true << 1 << 2 << "first page!" << true;
        QTest::newRow("new page") << false << true << 0 << 0 << "" << true;
        QTest::newRow("page removed") << true << false << 0 << 0 << "" << true;
        QTest::newRow("still none") << false << false << 0 << 0 << "" << false;
    }

    void commitReportsChanges() {
        QFETCH(bool, stored);
        QFETCH(bool, wanted);
        QFETCH(int, video);
        QFETCH(int, music);
        QFETCH(QString, text);
        QFETCH(bool, changed);
        CmpScenario scenario = scenarioWithChoices(0);
        if (stored)
            scenario.prologues[0] = makePrologue(1, 2, QStringLiteral("first page"));
        const CmpPrologueRef before = scenario.prologues[0];
        page->load(&scenario, true, 0, true);

        QCheckBox *hasPrologue = widget<QCheckBox>("hasPrologueCheckbox");
        if (hasPrologue->isChecked() != wanted)
            QTest::mouseClick(hasPrologue, Qt::LeftButton);
        if (wanted) {
            QComboBox *videos = widget<QComboBox>("videoCombobox");
            videos->setCurrentIndex(videos->findData(video));
            // Each video shows its own picture from the archives.
            QVERIFY(!shownPicture().isNull());
            QCOMPARE(shownPicture(), expectedVideoPicture(video));
            selectMusic(gameCatalogue().musicNames.value(music));
            widget<QTextEdit>("textEdit")->setPlainText(text);
        }
        QCOMPARE(page->commit(0), changed);
        QCOMPARE(!scenario.prologues[0].isNull(), wanted);
        if (wanted) {
            QCOMPARE(int(scenario.prologues[0]->video), video);
            QCOMPARE(int(scenario.prologues[0]->music), music);
            QCOMPARE(scenario.prologues[0]->text, text);
        }
        // Shared pages are replaced, never changed in place.
        if (before) {
            QCOMPARE(before->text, QStringLiteral("first page"));
            QCOMPARE(int(before->video), 1);
        }
        QVERIFY(!page->commit(0)); // a second commit finds nothing new
    }

    // A video without its picture leaves the frame empty and is reported once.
    void missingVideoPictureIsReported() {
        const GameCatalogue full = gameCatalogue();
        GameCatalogue missing = full;
        missing.videoPictures.remove(4);
        missing.videoPictures[6] = QStringLiteral("NoSuchPicture.pcx");
        setGameCatalogue(missing);
        for (const int video : {4, 6, 6}) {
            CmpScenario scenario = scenarioWithChoices(0);
            scenario.prologues[0] = makePrologue(uint8_t(video), 0, QString());
            page->load(&scenario, true, 0, true);
            QVERIFY(shownPicture().isNull());
        }
        setGameCatalogue(full);
        QCOMPARE(recorder.lines(),
                 (QStringList{"warning|Error|Can't find  file in lod file",
                              "warning|Error|Can't find NoSuchPicture.pcx file in lod file"}));
        recorder.clear();
    }

    void musicPlayAndStop() {
        CmpScenario scenario = scenarioWithChoices(2);
        scenario.prologues[0] = makePrologue(0, 0, QString());
        scenario.prologues[1] = makePrologue(0, 0, QString());
        page->load(&scenario, true, 0, true);
        QPushButton *play = widget<QPushButton>("playMusicBtn");
        const QImage playIcon = iconImage(page->style()->standardIcon(QStyle::SP_MediaPlay));
        const QImage pauseIcon = iconImage(page->style()->standardIcon(QStyle::SP_MediaPause));
        QCOMPARE(iconImage(play->icon()), playIcon);

        selectMusic(QStringLiteral("cmp_forest"));
        QCOMPARE(widget<QLabel>("selectedMusicLabel")->text(), QStringLiteral("cmp_forest"));
        QTest::mousePress(play, Qt::LeftButton);
        QVERIFY(player->isStreamOpen());
        QVERIFY(musicPlaying());
        QCOMPARE(iconImage(play->icon()), pauseIcon);
        QTest::mouseRelease(play, Qt::LeftButton);
        QTest::mouseClick(play, Qt::LeftButton); // play pauses
        QVERIFY(Mix_PausedMusic());

        // Another music stops it and resets the button.
        selectMusic(QStringLiteral("cmp_dawn"));
        QVERIFY(!musicPlaying());
        QCOMPARE(iconImage(play->icon()), playIcon);
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(musicPlaying());

        // Another page stops it too, even one with the same music.
        QTest::mouseClick(button(1), Qt::LeftButton);
        QCOMPARE(widget<QLabel>("selectedMusicLabel")->text(), QStringLiteral("cmp_dawn"));
        QVERIFY(!musicPlaying());
        QCOMPARE(iconImage(play->icon()), playIcon);

        // The window stops it when the tab changes.
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(musicPlaying());
        page->stopMusic();
        QVERIFY(!musicPlaying());
        QCOMPARE(iconImage(play->icon()), playIcon);

        // The file is the entry's name in the game's MP3 folder: without it nothing plays.
        QVERIFY(QFile::remove(game.filePath(QStringLiteral("MP3/cmp_swamp.mp3"))));
        selectMusic(QStringLiteral("cmp_swamp"));
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(!player->isStreamOpen());
        QCOMPARE(iconImage(play->icon()), playIcon); // nothing plays: no pause to offer

        // Music still playing when the page goes is stopped and closed.
        selectMusic(QStringLiteral("cmp_sea"));
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(musicPlaying());
        page.reset();
        QVERIFY(!player->isStreamOpen());
        QVERIFY(!Mix_PlayingMusic());
    }

    // The scenario properties window hosts one page on its Prologue and one on its Epilogue tab;
    // leaving a tab commits its page into the window's copy, and moving between pages marks
    // the copy modified.
    void hostedByTheScenarioWindow() {
        // The sample campaign's first scenario holds a map with a human player.
        CmpCampaign campaign;
        QVERIFY(CampaignFile::load(game.filePath(QStringLiteral("Maps/Baronies.y6c")), campaign,
                                   gameCatalogue()));
        CmpScenario &edited = campaign.scenarios[0];
        edited.startOptions = makeStartOptions(StartingHeroSet{{{0, 1}, {0, 2}, {0, 3}}});
        edited.prologues = {};
        fillPages(edited.epilogues);

        ScenarioInfo window(nullptr, campaign, currentCampaignMap, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *tabs = ::widget<QTabWidget>(window, "tabWidget");
        auto *prologue = qobject_cast<ScenarioPrologue *>(tabs->widget(1));
        auto *epilogue = qobject_cast<ScenarioPrologue *>(tabs->widget(2));
        QVERIFY(prologue && epilogue);
        auto *hasPrologue = ::widget<QCheckBox>(prologue, "hasPrologueCheckbox");
        QVERIFY(!hasPrologue->isChecked());
        QVERIFY(::widget<QCheckBox>(epilogue, "hasPrologueCheckbox")->isChecked());

        tabs->setCurrentIndex(1);
        QVERIFY(::widget<QPushButton>(prologue, "btn3")->isVisible());
        QTest::mouseClick(hasPrologue, Qt::LeftButton);
        QTest::keyClicks(::widget<QTextEdit>(prologue, "textEdit"),
                         QStringLiteral("Before the march"));
        tabs->setCurrentIndex(2);
        const CmpScenario &copy = window.campaign().scenarios[0];
        QVERIFY(copy.prologues[0]);
        QCOMPARE(copy.prologues[0]->text, QStringLiteral("Before the march"));
        QVERIFY(window.scenariosModified());
        QCOMPARE(::widget<QTextEdit>(epilogue, "textEdit")->toPlainText(),
                 QStringLiteral("first page"));
        // The copy is edited, never the campaign the window was opened on.
        QVERIFY(!edited.prologues[0]);
        QVERIFY(!window.commitAll());
    }
};

QTEST_MAIN(ScenarioPrologueTest)
#include "test_scenarioprologue.moc"
