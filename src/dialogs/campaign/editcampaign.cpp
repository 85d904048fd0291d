#include "dialogs/campaign/editcampaign.h"

#include "campaign/campaignlimits.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaignmap/campaignmappreview.h"
#include "dialogs/campaign/campaignmapchange.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamefolder.h"
#include "gamedata/messages.h"
#include "sound/musicplayer.h"
#include "ui_editcampaign.h"
#include "widgets/rightclickfilter.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextCursor>

#include <algorithm>

namespace {

// Row of the editor text table with the caption of the difficulty check box.
constexpr int difficultyCaptionRow = 55;

// Writes value into field when they differ, so that an unchanged field keeps its exact value.
template <typename T> void applyField(T &field, const T &value) {
    if (!(field == value))
        field = value;
}

} // namespace

EditCampaign::EditCampaign(QWidget *parent, CmpCampaign *campaign)
    : QDialog(parent), campaign(campaign), ui(std::make_unique<Ui::EditCampaign>()) {
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(size());

    {
        const QSignalBlocker blockBackgrounds(ui->bgCombobox);
        const QSignalBlocker blockMusic(ui->musicCombobox);
        fillMusicList();
        if (campaign->withMap)
            ui->bgLabel->setText(tr("Map"));
        ui->nameEdit->setText(campaign->name);
        ui->mapLabel->hide();
        ui->regionMapName->hide();
        if (campaign->withMap)
            fillCampaignMaps();
        else
            fillBackgrounds();
        bgSelected(ui->bgCombobox->currentIndex());
        // Setting the text runs descrEditChanged, which also writes the version label.
        connect(ui->descriptionEdit, &QTextEdit::textChanged, this,
                &EditCampaign::descrEditChanged);
        ui->descriptionEdit->setPlainText(campaign->description);
        shownName = ui->nameEdit->text();
        shownDescription = ui->descriptionEdit->toPlainText();
        ui->diffCheckbox->setChecked(campaign->difficultySelectable);
        ui->forbidCheckbox->setChecked(campaign->forbidNewerVersions);
        ui->musicCombobox->setCurrentIndex(ui->musicCombobox->findData(int(campaign->music)));
        ui->diffCheckbox->setText(
            gameCatalogue().editorTextTable.value(difficultyCaptionRow).value(0));
        showPlayIcon(false);
    }

    // Right clicks on the two lists and their pop-ups do nothing.
    ignoreRightClicks({ui->bgCombobox, ui->musicCombobox}, this);

    connect(ui->bgCombobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &EditCampaign::bgSelected);
    connect(ui->musicCombobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &EditCampaign::changeMusicSelection);
    connect(ui->playMusicBtn, &QPushButton::pressed, this, &EditCampaign::playPauseMusic);
}

EditCampaign::~EditCampaign() {
    MusicPlayer &player = musicPlayer();
    if (player.isStreamOpen()) {
        player.pauseMusic();
        player.closeMusicStream();
    }
}

// Alphabetically without regard to case: the game's and the mod's names differ in capitals.
void EditCampaign::fillMusicList() {
    const QMap<int, QString> &names = gameCatalogue().musicNames;
    QList<int> keys = names.keys();
    std::stable_sort(keys.begin(), keys.end(), [&names](int a, int b) {
        return names[a].compare(names[b], Qt::CaseInsensitive) < 0;
    });
    for (int key : keys)
        ui->musicCombobox->addItem(names[key], key);
}

void EditCampaign::fillBackgrounds() {
    const QMap<int, QString> &backgrounds = gameCatalogue().campaignBackgrounds;
    for (auto background = backgrounds.cbegin(); background != backgrounds.cend(); ++background)
        ui->bgCombobox->addItem(*background, background.key());
    ui->bgCombobox->setCurrentIndex(ui->bgCombobox->findData(campaign->background));
}

// Only maps with a region for every scenario that has a map are offered, so that a change of
// map never has to drop one.
void EditCampaign::fillCampaignMaps() {
    int scenariosWithMap = 0;
    for (const CmpScenario &scenario : campaign->scenarios)
        scenariosWithMap += scenario.hasMap() ? 1 : 0;
    const QMap<int, CampaignMapDef> &maps = gameCatalogue().campaignMaps;
    for (auto map = maps.cbegin(); map != maps.cend(); ++map) {
        if (map->regions.size() < scenariosWithMap)
            continue;
        if (map.key() == defaultCampaignMap)
            ui->bgCombobox->insertItem(0, map->displayName, map.key());
        else
            ui->bgCombobox->addItem(map->displayName, map.key());
    }
    ui->bgCombobox->setCurrentIndex(ui->bgCombobox->findData(int(campaign->campaignMap)));
}

void EditCampaign::bgSelected(int index) {
    // A picture missing from the archives leaves the preview empty, not showing the last one.
    ui->bgPixmapHolder->clear();
    if (index < 0)
        return;
    const int id = ui->bgCombobox->itemData(index).toInt();
    if (campaign->withMap)
        renderCampaignMapPreview(
            ui->bgPixmapHolder, gameCatalogue().campaignMaps.value(id).backgroundPicture, true, id);
    else
        renderCampaignMapPreview(ui->bgPixmapHolder, gameCatalogue().campaignBackgrounds.value(id),
                                 false, id);
}

void EditCampaign::changeMusicSelection(int index) {
    Q_UNUSED(index);
    musicPlayer().pauseMusic();
    showPlayIcon(false);
    musicPlaying = false;
}

// A paused stream is never resumed: play starts the music again from its beginning. The
// button offers "pause" only while something plays (not for a missing file or without sound).
void EditCampaign::playPauseMusic() {
    if (!musicPlaying) {
        musicPlayer().playMusic(
            gamePath(QStringLiteral("MP3/%1.mp3").arg(ui->musicCombobox->currentText())), 0);
        musicPlaying = musicPlayer().isStreamOpen();
    } else {
        musicPlayer().pauseMusic();
        musicPlaying = false;
    }
    showPlayIcon(musicPlaying);
}

void EditCampaign::showPlayIcon(bool playing) {
    ui->playMusicBtn->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void EditCampaign::descrEditChanged() {
    const QString text = ui->descriptionEdit->toPlainText();
    if (text.size() > maxDescriptionLength) {
        ui->descriptionEdit->setPlainText(text.left(maxDescriptionLength));
        ui->descriptionEdit->moveCursor(QTextCursor::End);
    }
    ui->versionlabel->setText(tr("Tarq %1.%2.%3")
                                  .arg(editorVersion.major)
                                  .arg(editorVersion.minor)
                                  .arg(editorVersion.patch));
}

void EditCampaign::applyTo(CmpCampaign &target) {
    // Only an edit is read back: the widgets give line breaks their own form and hold the
    // description to its limit, which alone must not change the campaign.
    if (ui->nameEdit->text() != shownName)
        applyField(target.name, ui->nameEdit->text());
    if (ui->descriptionEdit->toPlainText() != shownDescription)
        applyField(target.description, ui->descriptionEdit->toPlainText());
    if (ui->musicCombobox->currentIndex() >= 0)
        applyField(target.music, uint8_t(ui->musicCombobox->currentData().toUInt()));
    applyField(target.difficultySelectable, ui->diffCheckbox->isChecked());
    applyField(target.forbidNewerVersions, ui->forbidCheckbox->isChecked());
    if (ui->bgCombobox->currentIndex() < 0)
        return;
    const int chosen = ui->bgCombobox->currentData().toInt();
    if (!target.withMap) {
        applyField(target.background, int32_t(chosen));
        return;
    }
    if (chosen == target.campaignMap)
        return;
    if (Messages::question(tr("Save changes"), tr("Do you really want to change the background?"),
                           Messages::Yes | Messages::No, Messages::Yes) != Messages::Yes)
        return;
    moveToCampaignMap(target, uint8_t(chosen), gameCatalogue());
}
