// The play button of the campaign properties dialog on the demo game's MP3 files. CTest runs it
// with SDL_AUDIODRIVER=dummy, which plays the sound at its real pace without a sound card. How
// the player itself plays, pauses and restarts is tested under tests/sound.
#include "campaign/cmpcampaign.h"
#include "campaigndialogfixture.h"
#include "demogamefixture.h"
#include "dialogs/campaign/editcampaign.h"
#include "gamedata/gamefolder.h"
#include "messagerecorder.h"
#include "sound/musicplayer.h"

#define SDL_MAIN_HANDLED
#include <SDL_mixer.h>

#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

CmpCampaign campaignWithMusic(int music) {
    CmpCampaign campaign;
    resetCampaign(campaign, defaultCampaignMap, true, 0, 0);
    campaign.music = uint8_t(music);
    return campaign;
}

} // namespace

class EditCampaignMusicTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir game;
    MessageRecorder recorder;
    std::unique_ptr<MusicPlayer> player;

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {QStringLiteral("--with-music")}, &error),
                 qPrintable(error));
        setGameFolder(game.path());
        setGameCatalogue(campaignDialogCatalogue());
        player = std::make_unique<MusicPlayer>();
        player->initMusicPlayer();
        QCOMPARE(recorder.lines(), QStringList());
    }

    // The button plays and pauses the chosen music; another entry stops it, and closing the
    // dialog stops the music and closes the stream.
    void playPauseAndChooseAnother() {
        CmpCampaign campaign = campaignWithMusic(2); // cmp_sea
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
        CmpCampaign campaign = campaignWithMusic(5);
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

    void cleanupTestCase() { player.reset(); }
};

QTEST_MAIN(EditCampaignMusicTest)
#include "test_editcampaignmusic.moc"
