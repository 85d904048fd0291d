// The campaign dialogs on a small catalogue with campaign maps of every kind and region count,
// backgrounds, unsorted music names and the caption row of the difficulty check box. New
// Campaign: its lists for both campaign types and the choice it gives. Campaign Properties on
// campaigns of both types: what it shows, what OK writes back and marks, the change of campaign
// map with its renumbering, Cancel through the main window, and its play button on the demo
// game's MP3 files. CTest runs it with SDL_AUDIODRIVER=dummy, which plays the sound at its real
// pace without a sound card; how the player itself plays, pauses and restarts is tested under
// tests/sound.
#include "app/editorresources.h"
#include "app/mainwindow.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "demogamefixture.h"
#include "dialogs/campaign/editcampaign.h"
#include "dialogs/campaign/newcampaign.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamefolder.h"
#include "messagerecorder.h"
#include "sound/musicplayer.h"
#include "widgetlookup.h"

#define SDL_MAIN_HANDLED
#include <SDL_mixer.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

CampaignMapDef campaignMapDef(const QString &name, int kind, int regionCount) {
    CampaignMapDef map;
    map.displayName = name;
    map.backgroundPicture = name + QStringLiteral(".pcx");
    map.mapKind = kind;
    map.picturesGiven = kind == 1;
    map.regionCount = regionCount;
    for (int r = 0; r < regionCount; ++r) {
        CampaignRegionDef region;
        region.name = QStringLiteral("%1 region %2").arg(name).arg(r);
        map.regions.append(region);
    }
    return map;
}

GameCatalogue campaignDialogCatalogue() {
    GameCatalogue catalogue;
    catalogue.campaignMaps[3] = campaignMapDef(QStringLiteral("Long Dead"), 0, 4);
    catalogue.campaignMaps[10] = campaignMapDef(QStringLiteral("Seven Isles"), 1, 7);
    catalogue.campaignMaps[17] = campaignMapDef(QStringLiteral("Unused Kind"), 2, 8);
    catalogue.campaignMaps[24] = campaignMapDef(QStringLiteral("Tarq Lands"), 1, 4);
    catalogue.campaignMaps[30] = campaignMapDef(QStringLiteral("Five Rivers"), 0, 5);
    catalogue.campaignBackgrounds = {{0, QStringLiteral("CampBack.pcx")},
                                     {1, QStringLiteral("CampDusk.pcx")},
                                     {2, QStringLiteral("CampSnow.pcx")}};
    catalogue.musicNames = {{0, QStringLiteral("cmp_tower")},
                            {1, QStringLiteral("cmp_dawn")},
                            {2, QStringLiteral("cmp_sea")},
                            {34, QStringLiteral("cmp_march")},
                            {49, QStringLiteral("Tarq \"Night\" Watch")}};
    catalogue.editorTextTable[55] = QStringList{QStringLiteral("Let the player choose")};
    return catalogue;
}

void chooseData(QComboBox *combo, int data) {
    const int index = combo->findData(data);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
}

// A campaign with map on campaignMap whose scenarios listed in withMaps have a map named after
// their index.
CmpCampaign campaignWithMap(int campaignMap, const QList<int> &withMaps) {
    CmpCampaign campaign;
    resetCampaign(campaign, uint8_t(campaignMap), true, 0, 0);
    for (int i : withMaps) {
        campaign.scenarios[i].mapName = QStringLiteral("map%1.y6m").arg(i);
        campaign.scenarios[i].mapHeader = MapHeaderRef(new MapHeader);
    }
    return campaign;
}

// The fields the dialog edits: name|description|music|difficulty|forbid|background.
QString fieldsOf(const CmpCampaign &campaign) {
    return QStringList{campaign.name,
                       campaign.description,
                       QString::number(campaign.music),
                       QString::number(campaign.difficultySelectable),
                       QString::number(campaign.forbidNewerVersions),
                       QString::number(campaign.background)}
        .join('|');
}

CmpCampaign campaignWithoutMap() {
    CmpCampaign campaign;
    resetCampaign(campaign, defaultCampaignMap, false, 1, 1);
    campaign.name = QStringLiteral("Snow Road");
    campaign.description = QStringLiteral("Cold\r\nNorth.");
    campaign.music = 2;
    campaign.difficultySelectable = true;
    return campaign;
}

QList<int> listIds(const QListWidget *list) {
    QList<int> ids;
    for (int row = 0; row < list->count(); ++row)
        ids.append(list->item(row)->data(Qt::UserRole).toInt());
    return ids;
}

// What the button offers, "play" or "pause", and whether the mixer plays.
QString state(QPushButton *button) {
    const auto shows = [button](QStyle::StandardPixmap icon) {
        return button->icon().pixmap(16, 16).toImage() ==
               button->style()->standardIcon(icon).pixmap(16, 16).toImage();
    };
    const QString offer = shows(QStyle::SP_MediaPlay)    ? QStringLiteral("play")
                          : shows(QStyle::SP_MediaPause) ? QStringLiteral("pause")
                                                         : QStringLiteral("?");
    return offer + (Mix_PlayingMusic() && !Mix_PausedMusic() ? " playing" : " silent");
}

} // namespace

class CampaignDialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir game;
    std::unique_ptr<MusicPlayer> player;

private slots:
    void initTestCase() {
        registerEditorResources(); // the main window's icons
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {QStringLiteral("--with-music")}, &error),
                 qPrintable(error));
        setGameFolder(game.path());
        setGameCatalogue(campaignDialogCatalogue());
        player = std::make_unique<MusicPlayer>();
        player->initMusicPlayer();
    }

    void cleanupTestCase() { player.reset(); }

    // Map 24 leads, the others follow in id order; kinds other than 0 and 1 are left out.
    // Switching types refills the list and selects its first entry each time.
    void listsOfBothTypes() {
        NewCampaign dialog;
        auto *list = widget<QListWidget>(dialog, "listWidget");
        auto *label = widget<QLabel>(dialog, "label");
        const QStringList maps{"Tarq Lands", "Long Dead", "Seven Isles", "Five Rivers"};

        QCOMPARE(listTexts(list), maps);
        QCOMPARE(listIds(list), (QList<int>{24, 3, 10, 30}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(label->text(), QStringLiteral("Campaign map"));
        QVERIFY(dialog.isWithMap());
        QCOMPARE(dialog.selectedId(), 24);

        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithoutMapBtn"), Qt::LeftButton);
        QCOMPARE(listTexts(list), (QStringList{"CampBack.pcx", "CampDusk.pcx", "CampSnow.pcx"}));
        QCOMPARE(listIds(list), (QList<int>{0, 1, 2}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(label->text(), QStringLiteral("Campaign background"));
        QVERIFY(!dialog.isWithMap());
        QCOMPARE(dialog.selectedId(), 0);
        list->setCurrentRow(2);
        QCOMPARE(dialog.selectedId(), 2);

        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithMapBtn"), Qt::LeftButton);
        QCOMPARE(listTexts(list), maps);
        QCOMPARE(dialog.selectedId(), 24);
    }

    void emptyCatalogueLeavesNothingChosen() {
        setGameCatalogue(GameCatalogue());
        NewCampaign dialog;
        QCOMPARE(dialog.selectedId(), -1);
        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithoutMapBtn"), Qt::LeftButton);
        QCOMPARE(dialog.selectedId(), -1);
        setGameCatalogue(campaignDialogCatalogue());
    }

    // What the boxes offer beyond the maps the table below filters: the music sorted without
    // regard to case, and the backgrounds of a campaign without map.
    void offeredMusicAndBackgrounds() {
        CmpCampaign campaign = campaignWithMap(24, {1});
        campaign.music = 34;
        EditCampaign dialog(nullptr, &campaign);
        QCOMPARE(widget<QLabel>(dialog, "bgLabel")->text(), QStringLiteral("Map"));
        auto *music = widget<QComboBox>(dialog, "musicCombobox");
        QCOMPARE(comboTexts(music), QStringList({"cmp_dawn", "cmp_march", "cmp_sea", "cmp_tower",
                                                 "Tarq \"Night\" Watch"}));
        QCOMPARE(comboData(music), QList<int>({1, 34, 2, 0, 49}));
        QCOMPARE(music->currentText(), QStringLiteral("cmp_march"));
        // OK on the same campaign map asks nothing.
        MessageRecorder recorder;
        dialog.applyTo(campaign);
        QCOMPARE(recorder.lines(), QStringList());

        CmpCampaign withoutMap = campaignWithoutMap();
        EditCampaign backgrounds(nullptr, &withoutMap);
        QCOMPARE(comboData(widget<QComboBox>(backgrounds, "bgCombobox")), QList<int>({0, 1, 2}));
    }

    // Only maps with a region for every scenario that has a map are offered.
    void regionCountFilter_data() {
        QTest::addColumn<int>("campaignMap");
        QTest::addColumn<QList<int>>("withMaps");
        QTest::addColumn<QList<int>>("offered");
        QTest::newRow("no maps") << 30 << QList<int>() << QList<int>({24, 3, 10, 17, 30});
        QTest::newRow("four maps")
            << 24 << QList<int>({0, 1, 2, 3}) << QList<int>({24, 3, 10, 17, 30});
        QTest::newRow("five maps") << 30 << QList<int>({0, 1, 2, 3, 4}) << QList<int>({10, 17, 30});
        QTest::newRow("seven maps")
            << 10 << QList<int>({0, 1, 2, 3, 4, 5, 6}) << QList<int>({10, 17});
    }

    void regionCountFilter() {
        QFETCH(int, campaignMap);
        QFETCH(QList<int>, withMaps);
        QFETCH(QList<int>, offered);
        CmpCampaign campaign = campaignWithMap(campaignMap, withMaps);
        EditCampaign dialog(nullptr, &campaign);
        auto *maps = widget<QComboBox>(dialog, "bgCombobox");
        QCOMPARE(comboData(maps), offered);
        QCOMPARE(maps->currentData().toInt(), campaignMap);
    }

    // Pasted or typed past 300 characters, the description keeps its first 300 and the cursor
    // stays at the end.
    void descriptionLimit() {
        CmpCampaign campaign = campaignWithoutMap();
        EditCampaign dialog(nullptr, &campaign);
        auto *description = widget<QTextEdit>(dialog, "descriptionEdit");
        description->clear();
        description->setFocus();
        const QString pasted = QString(200, QLatin1Char('x')) + QString(200, QLatin1Char('y'));
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(description, QKeySequence::Paste);
        for (const QString &typed : {QString(), QStringLiteral("c")}) {
            QTest::keyClicks(description, typed);
            QCOMPARE(description->toPlainText(), pasted.left(300));
            QCOMPARE(description->textCursor().position(), 300);
        }
        dialog.applyTo(campaign);
        QCOMPARE(campaign.description, pasted.left(300));
    }

    // Each field alone: changed it is written; set back to its old value the campaign stays as
    // it was, even the description's line breaks, which the box shows in its own form.
    void modifiedOnlyOnRealChange_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("written");
        const QList<std::tuple<const char *, QVariant, QString>> edits = {
            {"nameEdit", QStringLiteral("Snow Roads"),
             QStringLiteral("Snow Roads|Cold\r\nNorth.|2|1|0|1")},
            {"descriptionEdit", QStringLiteral("South."),
             QStringLiteral("Snow Road|South.|2|1|0|1")},
            {"musicCombobox", 49, QStringLiteral("Snow Road|Cold\r\nNorth.|49|1|0|1")},
            {"diffCheckbox", {}, QStringLiteral("Snow Road|Cold\r\nNorth.|2|0|0|1")},
            {"forbidCheckbox", {}, QStringLiteral("Snow Road|Cold\r\nNorth.|2|1|1|1")},
            {"bgCombobox", 2, QStringLiteral("Snow Road|Cold\r\nNorth.|2|1|0|2")}};
        for (const auto &[field, value, written] : edits) {
            QTest::addRow("%s changed", field) << QString(field) << value << true << written;
            QTest::addRow("%s kept", field)
                << QString(field) << value << false << fieldsOf(campaignWithoutMap());
        }
    }

    void modifiedOnlyOnRealChange() {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(bool, change);
        CmpCampaign campaign = campaignWithoutMap();
        EditCampaign dialog(nullptr, &campaign);
        auto *edited = dialog.findChild<QWidget *>(field);
        if (auto *box = qobject_cast<QCheckBox *>(edited)) {
            box->click();
            if (!change)
                box->click();
        } else if (auto *combo = qobject_cast<QComboBox *>(edited)) {
            const int shown = combo->currentData().toInt();
            chooseData(combo, value.toInt());
            if (!change)
                chooseData(combo, shown);
        } else { // typed over, then the new text or the old one put back
            const char *text = qobject_cast<QTextEdit *>(edited) ? "plainText" : "text";
            const QVariant shown = edited->property(text);
            QTest::keyClick(edited, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edited, QStringLiteral("typed"));
            edited->setProperty(text, change ? value : shown);
        }
        MessageRecorder recorder;
        dialog.applyTo(campaign);
        QCOMPARE(recorder.lines(), QStringList());
        QTEST(fieldsOf(campaign), "written");
    }

    // Another campaign map is taken only after a question. Taken: scenarios 1 and 3, which have
    // maps, become scenarios 0 and 1, the rest are new; prerequisites on them follow, one on the
    // dropped scenario without map goes. Declined: map and scenarios stay. The name is written
    // either way.
    void campaignMapChange_data() {
        QTest::addColumn<bool>("taken");
        QTest::newRow("taken") << true;
        QTest::newRow("declined") << false;
    }

    void campaignMapChange() {
        QFETCH(bool, taken);
        CmpCampaign campaign = campaignWithMap(24, {1, 3});
        campaign.scenarios[3].prerequisites.setBit(1);
        campaign.scenarios[1].prerequisites.setBit(2);
        campaign.scenarios[3].regionText = QStringLiteral("third");
        campaign.scenarios[0].regionText = QStringLiteral("dropped");
        EditCampaign dialog(nullptr, &campaign);
        chooseData(widget<QComboBox>(dialog, "bgCombobox"), 10);
        widget<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("Kept Map"));

        MessageRecorder recorder;
        recorder.queueAnswer(taken ? Messages::Yes : Messages::No);
        dialog.applyTo(campaign);
        QCOMPARE(recorder.lines(), QStringList({"question|Save changes|Do you really want to "
                                                "change the background?"}));
        QCOMPARE(campaign.name, QStringLiteral("Kept Map"));
        if (!taken) {
            QCOMPARE(int(campaign.campaignMap), 24);
            QCOMPARE(campaign.scenarios.size(), 4);
            QCOMPARE(campaign.scenarios[3].mapName, QStringLiteral("map3.y6m"));
            QCOMPARE(campaign.scenarios[3].prerequisites.count(true), 1);
            return;
        }
        QCOMPARE(int(campaign.campaignMap), 10);
        QCOMPARE(campaign.scenarios.size(), 7);
        QCOMPARE(campaign.scenarioCount, 0);
        QCOMPARE(campaign.scenarios[0].mapName, QStringLiteral("map1.y6m"));
        QCOMPARE(campaign.scenarios[1].mapName, QStringLiteral("map3.y6m"));
        QCOMPARE(campaign.scenarios[1].regionText, QStringLiteral("third"));
        for (int i = 2; i < 7; ++i)
            QVERIFY(!campaign.scenarios[i].hasMap() && campaign.scenarios[i].regionText.isEmpty());
        QBitArray onFirst(7);
        onFirst.setBit(0);
        QCOMPARE(campaign.scenarios[1].prerequisites, onFirst);
        for (int i = 0; i < 7; i += i == 0 ? 2 : 1)
            QCOMPARE(campaign.scenarios[i].prerequisites, QBitArray(7));
    }

    // Through the main window: Cancel after edits changes nothing; OK takes the new map, shows it
    // and marks the campaign changed.
    void mainWindowCancelAndOk_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel);
        QTest::newRow("OK") << int(QDialogButtonBox::Ok);
    }

    void mainWindowCancelAndOk() {
        QFETCH(int, button);
        const bool ok = button == QDialogButtonBox::Ok;
        MainWindow window;
        MessageRecorder recorder;
        recorder.queueAnswer(Messages::Yes);
        selectedRegion = 3;
        whenShown<QWidget>("EditCampaign", [button](QWidget *dialog) {
            chooseData(widget<QComboBox>(*dialog, "bgCombobox"), 30);
            widget<QLineEdit>(*dialog, "nameEdit")->setText(QStringLiteral("Changed"));
            QTest::mouseClick(widget<QDialogButtonBox>(*dialog, "buttonBox")
                                  ->button(QDialogButtonBox::StandardButton(button)),
                              Qt::LeftButton);
        });
        window.findChild<QAction *>(QStringLiteral("campaignProperties"))->trigger();
        QCOMPARE(window.campaign().name, ok ? QStringLiteral("Changed") : QString());
        QCOMPARE(window.campaign().scenarios.size(), ok ? 5 : 4);
        for (int shown :
             {int(window.campaign().campaignMap), window.shownCampaignMap, int(currentCampaignMap)})
            QCOMPARE(shown, ok ? 30 : 24);
        QCOMPARE(selectedRegion, ok ? 0 : 3);
        if (ok)
            QCOMPARE(window.findChild<QLabel *>(QStringLiteral("regionLabel"))->text(),
                     QStringLiteral("Five Rivers region 0"));
        QCOMPARE(window.isModified(), ok);
    }

    // The button plays and pauses the chosen music; another entry stops it, and closing the
    // dialog stops the music and closes the stream.
    void playPauseAndChooseAnother() {
        MessageRecorder recorder;
        CmpCampaign campaign = campaignWithMap(24, {});
        campaign.music = 2; // cmp_sea
        auto dialog = std::make_unique<EditCampaign>(nullptr, &campaign);
        auto *button = widget<QPushButton>(*dialog, "playMusicBtn");
        QCOMPARE(state(button), QStringLiteral("play silent"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(state(button), QStringLiteral("pause playing"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(state(button), QStringLiteral("play silent"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(state(button), QStringLiteral("pause playing"));

        auto *music = widget<QComboBox>(*dialog, "musicCombobox");
        music->setCurrentIndex(music->findData(49)); // a name with quotes
        QCOMPARE(state(button), QStringLiteral("play silent"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(state(button), QStringLiteral("pause playing"));

        dialog.reset();
        QVERIFY(!player->isStreamOpen());
        QVERIFY(!Mix_PlayingMusic());
        QCOMPARE(recorder.lines(), QStringList());
    }

    // Nothing plays, so the button keeps offering play, press after press, and says nothing.
    void missingFilePlaysNothing() {
        GameCatalogue catalogue = campaignDialogCatalogue();
        catalogue.musicNames[5] = QStringLiteral("no such tune");
        setGameCatalogue(catalogue);
        MessageRecorder recorder;
        CmpCampaign campaign = campaignWithMap(24, {});
        campaign.music = 5;
        EditCampaign dialog(nullptr, &campaign);
        auto *button = widget<QPushButton>(dialog, "playMusicBtn");
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!player->isStreamOpen());
            QCOMPARE(state(button), QStringLiteral("play silent"));
        }
        QCOMPARE(recorder.lines(), QStringList());
        setGameCatalogue(campaignDialogCatalogue());
    }
};

QTEST_MAIN(CampaignDialogsTest)
#include "test_campaigndialogs.moc"
