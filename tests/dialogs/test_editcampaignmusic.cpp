// The play button of the campaign properties dialog on the demo game's MP3 files. CTest runs it
// with SDL_AUDIODRIVER=dummy, which plays the sound at its real pace without a sound card.
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

bool musicPlaying() {
    return Mix_PlayingMusic() != 0 && Mix_PausedMusic() == 0;
}

QImage iconImage(const QIcon &icon) {
    return icon.pixmap(16, 16).toImage();
}

} // namespace

class EditCampaignMusicTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir game;
    MessageRecorder recorder;
    std::unique_ptr<MusicPlayer> player;

    bool showsIcon(QPushButton *button, QStyle::StandardPixmap icon) {
        return iconImage(button->icon()) == iconImage(button->style()->standardIcon(icon));
    }

private slots:
    void initTestCase() {
        QVERIFY(game.isValid());
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {QStringLiteral("--with-music")}, &error),
                 qPrintable(error));
        setGameFolder(game.path());
        setGameCatalogue(campaignDialogCatalogue());
        player = std::make_unique<MusicPlayer>();
        player->initMusicPlayer();
        QCOMPARE(recorder.lines(), QStringList());
    }

    void playPauseAndChooseAnother() {
        CmpCampaign campaign;
        resetCampaign(campaign, defaultCampaignMap, true, 0, 0);
        campaign.music = 2; // cmp_sea
        auto dialog = std::make_unique<EditCampaign>(nullptr, &campaign);
        auto *button = dialog->findChild<QPushButton *>(QStringLiteral("playMusicBtn"));
        auto *music = dialog->findChild<QComboBox *>(QStringLiteral("musicCombobox"));
        QVERIFY(button && music);
        QVERIFY(iconImage(button->style()->standardIcon(QStyle::SP_MediaPlay)) !=
                iconImage(button->style()->standardIcon(QStyle::SP_MediaPause)));
        QVERIFY(showsIcon(button, QStyle::SP_MediaPlay));
        QVERIFY(!player->isStreamOpen());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(player->isStreamOpen());
        QVERIFY(musicPlaying());
        QVERIFY(showsIcon(button, QStyle::SP_MediaPause));
        QTRY_VERIFY(Mix_GetMusicPosition(nullptr) > 0.3);

        // Pause, then play again: the music starts from its beginning.
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(Mix_PausedMusic());
        QVERIFY(showsIcon(button, QStyle::SP_MediaPlay));
        const double pausedAt = Mix_GetMusicPosition(nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(musicPlaying());
        QVERIFY(Mix_GetMusicPosition(nullptr) < pausedAt);
        QVERIFY(showsIcon(button, QStyle::SP_MediaPause));

        // Another entry stops the music; the next press plays that entry, a name with quotes.
        music->setCurrentIndex(music->findData(49));
        QVERIFY(!musicPlaying());
        QVERIFY(showsIcon(button, QStyle::SP_MediaPlay));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(musicPlaying());
        QVERIFY(showsIcon(button, QStyle::SP_MediaPause));

        // Closing the dialog stops the music and closes the stream.
        dialog.reset();
        QVERIFY(!player->isStreamOpen());
        QVERIFY(!Mix_PlayingMusic());
        QCOMPARE(recorder.lines(), QStringList());
    }

    void missingFilePlaysNothing() {
        GameCatalogue catalogue = campaignDialogCatalogue();
        catalogue.musicNames[5] = QStringLiteral("no such tune");
        setGameCatalogue(catalogue);
        CmpCampaign campaign;
        resetCampaign(campaign, defaultCampaignMap, true, 0, 0);
        campaign.music = 5;
        EditCampaign dialog(nullptr, &campaign);
        auto *button = dialog.findChild<QPushButton *>(QStringLiteral("playMusicBtn"));
        // Nothing plays, so the button keeps offering play, press after press.
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!player->isStreamOpen());
            QVERIFY(!Mix_PlayingMusic());
            QVERIFY(showsIcon(button, QStyle::SP_MediaPlay));
        }
        QCOMPARE(recorder.lines(), QStringList());
        setGameCatalogue(campaignDialogCatalogue());
    }

    void cleanupTestCase() { player.reset(); }
};

QTEST_MAIN(EditCampaignMusicTest)
#include "test_editcampaignmusic.moc"
