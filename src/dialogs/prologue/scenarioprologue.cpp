#include "dialogs/prologue/scenarioprologue.h"

#include "gamedata/gamecatalogue.h"
#include "gamedata/gamefolder.h"
#include "gamedata/imagecache.h"
#include "gamedata/missingpicture.h"
#include "sound/musicplayer.h"
#include "ui_scenarioprologue.h"
#include "widgets/rightclickfilter.h"

#include <QAbstractItemView>
#include <QDir>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>

namespace {

const char slotProperty[] = "ix";

// The choices stored in the scenario's starting options; 0 when they offer none.
int storedChoiceCount(const CmpScenario &scenario) {
    if (!scenario.startOptions)
        return 0;
    switch (scenario.startOptions->kind) {
    case BonusChoice:
        return scenario.startOptions->bonusSet().bonuses.size();
    case CrossoverChoice:
        return scenario.startOptions->crossoverSet().crossovers.size();
    case StartingHeroChoice:
        return scenario.startOptions->heroSet().heroes.size();
    default:
        return 0;
    }
}

int validSlot(int slot) {
    return qBound(0, slot, pageSlotCount - 1);
}

} // namespace

ScenarioPrologue::ScenarioPrologue(QWidget *parent, bool prologue)
    : ScenarioPage(parent), isPrologue(prologue), ui(std::make_unique<Ui::ScenarioPrologue>()) {
    ui->setupUi(this);

    const GameCatalogue &catalogue = gameCatalogue();
    {
        const QSignalBlocker musicBlocker(ui->musicListWidget);
        const QSignalBlocker videoBlocker(ui->videoCombobox);
        for (auto music = catalogue.musicNames.cbegin(); music != catalogue.musicNames.cend();
             ++music) {
            auto *item = new QListWidgetItem(music.value(), ui->musicListWidget);
            item->setData(Qt::UserRole, music.key());
        }
        for (auto video = catalogue.videoNames.cbegin(); video != catalogue.videoNames.cend();
             ++video)
            ui->videoCombobox->addItem(video.value(), video.key());
    }
    showPictureOfVideo(0);

    showPlayIcon(false);
    connect(ui->videoCombobox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ScenarioPrologue::videoIndexChanged);
    connect(ui->musicListWidget, &QListWidget::itemSelectionChanged, this,
            &ScenarioPrologue::musicSelectionChanged);
    connect(ui->hasPrologueCheckbox, &QCheckBox::clicked, this,
            &ScenarioPrologue::statusBoxClicked);
    connect(ui->settingsCheckbox, &QCheckBox::clicked, this, &ScenarioPrologue::settingsBoxClicked);
    const std::array<QPushButton *, pageSlotCount> buttons = {ui->btn1, ui->btn2, ui->btn3};
    for (int slot = 0; slot < pageSlotCount; ++slot) {
        connect(buttons[slot], &QPushButton::clicked, this, &ScenarioPrologue::numberBtnPressed);
        buttons[slot]->setProperty(slotProperty, slot);
    }
    // Pressed, not clicked: the music starts as the button goes down.
    connect(ui->playMusicBtn, &QPushButton::pressed, this, &ScenarioPrologue::playPauseMusic);

    ignoreRightClicks({ui->videoCombobox}, this);
}

// Music still playing from this page would outlive the window that offered it.
ScenarioPrologue::~ScenarioPrologue() {
    MusicPlayer &player = musicPlayer();
    if (player.isStreamOpen()) {
        player.pauseMusic();
        player.closeMusicStream();
    }
}

bool ScenarioPrologue::takeWindowScenario() {
    edited = hasScenario() ? &scenario() : nullptr;
    return edited != nullptr;
}

void ScenarioPrologue::load() {
    if (takeWindowScenario())
        load(edited, isPrologue, 0, true);
    else
        setNoMapState();
}

bool ScenarioPrologue::commit() {
    return takeWindowScenario() && commit(currentSlot);
}

// The widgets keep their edits, which now belong to the scenario at its new place.
void ScenarioPrologue::scenarioMoved() {
    takeWindowScenario();
}

void ScenarioPrologue::setMapPresent(bool present) {
    if (present)
        load();
    else
        setNoMapState();
}

void ScenarioPrologue::synchronisePageChoice() {
    if (takeWindowScenario())
        syncPageCount();
}

void ScenarioPrologue::setOptionCountSource(OptionCountSource source) {
    optionCountSource = std::move(source);
}

int ScenarioPrologue::pageOptionCount() const {
    if (optionCountSource)
        return optionCountSource();
    if (!edited || !edited->startOptions || edited->startOptions->kind == NoStartOptions)
        return 1;
    return storedChoiceCount(*edited);
}

std::array<CmpPrologueRef, pageSlotCount> &ScenarioPrologue::pages() const {
    return isPrologue ? edited->prologues : edited->epilogues;
}

void ScenarioPrologue::load(CmpScenario *scenario, bool prologue, int slot, bool reconfigure) {
    edited = scenario;
    isPrologue = prologue;
    currentSlot = validSlot(slot);

    ui->hasPrologueCheckbox->setText(isPrologue ? tr("Has prologue") : tr("Has epilogue"));
    ui->btn1->setChecked(false);
    ui->btn2->setChecked(false);
    ui->btn3->setChecked(false);
    if (reconfigure) {
        slotButtons.clear();
        ui->groupBox->hide();
        ui->settingsCheckbox->hide();
    }
    ui->settingsCheckbox->setChecked(false);

    if (!edited || !edited->hasMap()) {
        setNoMapState();
        return;
    }

    if (reconfigure) {
        const int choices = pageOptionCount();
        if (choices > 1) {
            slotButtons = {ui->btn1, ui->btn2};
            ui->groupBox->show();
            ui->btn3->setVisible(choices >= 3);
            if (choices >= 3)
                slotButtons.append(ui->btn3);
        }
    }

    const std::array<QPushButton *, pageSlotCount> buttons = {ui->btn1, ui->btn2, ui->btn3};
    ui->settingsCheckbox->setVisible(currentSlot != 0);
    buttons[currentSlot]->setChecked(true);
    const CmpPrologueRef page = pages()[currentSlot];
    if (currentSlot != 0 && page)
        ui->settingsCheckbox->setChecked(true);

    ui->hasPrologueCheckbox->setEnabled(true);
    ui->hasPrologueCheckbox->setChecked(!pages()[0].isNull());

    if (!page) {
        clearPage();
        return;
    }
    setPageWidgetsEnabled(true);
    showPictureOfVideo(page->video);
    ui->videoCombobox->setCurrentIndex(ui->videoCombobox->findData(int(page->video)));
    // A music the catalogue does not list stays unselected; commit then keeps it.
    QListWidgetItem *musicItem = nullptr;
    for (int row = 0; row < ui->musicListWidget->count() && !musicItem; ++row) {
        if (ui->musicListWidget->item(row)->data(Qt::UserRole).toInt() == page->music)
            musicItem = ui->musicListWidget->item(row);
    }
    ui->musicListWidget->setCurrentItem(musicItem);
    if (!musicItem)
        ui->musicListWidget->clearSelection();
    ui->textEdit->setPlainText(page->text);
}

// A scenario without a map shows no pages but keeps the ones it has: they come back with a map.
bool ScenarioPrologue::commit(int slot) {
    if (!edited || !edited->hasMap())
        return false;
    slot = validSlot(slot);
    CmpPrologueRef &page = pages()[slot];
    // Without "Has prologue" no page is wanted, whichever page is shown.
    const bool wanted =
        ui->hasPrologueCheckbox->isChecked() && (slot == 0 || ui->settingsCheckbox->isChecked());
    if (!wanted) {
        if (!page)
            return false;
        page.reset();
        return true;
    }

    // A video or music the lists cannot show keeps the value the page had.
    const QListWidgetItem *musicItem = ui->musicListWidget->currentItem();
    const int videoIndex = ui->videoCombobox->currentIndex();
    const uint8_t music = musicItem ? uint8_t(musicItem->data(Qt::UserRole).toInt())
                                    : (page ? page->music : uint8_t(0));
    const uint8_t video = videoIndex >= 0 ? uint8_t(ui->videoCombobox->itemData(videoIndex).toInt())
                                          : (page ? page->video : uint8_t(0));
    const QString text = ui->textEdit->toPlainText();

    const bool changed =
        !page || page->video != video || page->music != music || page->text != text;
    page = makePrologue(video, music, text);
    return changed;
}

// Pages beyond the choices stay in the scenario, hidden: the file keeps what it held, and they
// come back with their choices.
void ScenarioPrologue::syncPageCount() {
    if (!edited || !edited->hasMap())
        return;
    currentSlot = 0;
    load(edited, isPrologue, 0, true);
}

void ScenarioPrologue::setNoMapState() {
    ui->hasPrologueCheckbox->setEnabled(false);
    ui->hasPrologueCheckbox->setChecked(false);
    slotButtons.clear();
    ui->groupBox->hide();
    ui->settingsCheckbox->hide();
    clearPage();
}

void ScenarioPrologue::stopMusic() {
    musicPlayer().pauseMusic();
    showPlayIcon(false);
    musicPlaying = false;
}

void ScenarioPrologue::showVideoPicture(const QString &name) {
    const std::optional<QImage> picture = imageCache().trueColorPicture(name);
    // A missing picture leaves the frame empty; the page stays usable.
    if (!picture) {
        reportMissingPicture(name);
        ui->prologueImage->setPixmap(QPixmap());
        return;
    }
    // The label is laid out only once shown; until then its size is what its limits allow.
    const QSize size = ui->prologueImage->size()
                           .expandedTo(ui->prologueImage->minimumSize())
                           .boundedTo(ui->prologueImage->maximumSize());
    ui->prologueImage->setPixmap(
        QPixmap::fromImage(*picture).scaled(size, Qt::KeepAspectRatio, Qt::FastTransformation));
}

void ScenarioPrologue::showPictureOfVideo(int video) {
    const QMap<int, QString> &pictures = gameCatalogue().videoPictures;
    showVideoPicture(pictures.value(video));
}

void ScenarioPrologue::setPageWidgetsEnabled(bool enabled) {
    for (QWidget *widget :
         {static_cast<QWidget *>(ui->musicListWidget), static_cast<QWidget *>(ui->videoCombobox),
          static_cast<QWidget *>(ui->selectedMusicLabel), static_cast<QWidget *>(ui->videoLabel),
          static_cast<QWidget *>(ui->messageLabel), static_cast<QWidget *>(ui->textEdit),
          static_cast<QWidget *>(ui->playMusicBtn)})
        widget->setEnabled(enabled);
}

void ScenarioPrologue::clearPage() {
    const QSignalBlocker blocker(ui->videoCombobox);
    ui->prologueImage->setPixmap(QPixmap());
    setPageWidgetsEnabled(false);
    ui->musicListWidget->setCurrentRow(0);
    ui->musicListWidget->clearSelection();
    ui->videoCombobox->setCurrentIndex(ui->videoCombobox->findData(0));
    ui->textEdit->clear();
}

void ScenarioPrologue::startNewPage() {
    showPictureOfVideo(0);
    setPageWidgetsEnabled(true);
    ui->musicListWidget->setCurrentRow(0);
    ui->textEdit->clear();
}

void ScenarioPrologue::showPlayIcon(bool playing) {
    ui->playMusicBtn->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void ScenarioPrologue::videoIndexChanged(int index) {
    showPictureOfVideo(ui->videoCombobox->itemData(index).toInt());
}

void ScenarioPrologue::statusBoxClicked(bool status) {
    if (!edited)
        return;
    if (status) {
        startNewPage();
        if (pageOptionCount() >= 2)
            ui->groupBox->show();
        return;
    }
    clearPage();
    ui->groupBox->hide();
    // The shown page goes with the next commit, which then reports the change.
    for (int slot = 0; slot < pageSlotCount; ++slot) {
        if (slot != currentSlot)
            pages()[slot].reset();
    }
}

void ScenarioPrologue::settingsBoxClicked(bool status) {
    if (status)
        startNewPage();
    else
        clearPage();
}

// The button offers "pause" only while something plays (not for a missing file or without
// sound).
void ScenarioPrologue::playPauseMusic() {
    if (musicPlaying) {
        musicPlayer().pauseMusic();
        musicPlaying = false;
    } else if (const QListWidgetItem *item = ui->musicListWidget->currentItem()) {
        const QString file = item->text() + QStringLiteral(".mp3");
        musicPlayer().playMusic(QDir(gamePath(QStringLiteral("MP3"))).absoluteFilePath(file), 0);
        musicPlaying = musicPlayer().isStreamOpen();
    }
    showPlayIcon(musicPlaying);
}

void ScenarioPrologue::musicSelectionChanged() {
    const QListWidgetItem *item = ui->musicListWidget->currentItem();
    ui->selectedMusicLabel->setText(item ? item->text() : QString());
    stopMusic();
}

void ScenarioPrologue::numberBtnPressed() {
    auto *pressed = qobject_cast<QPushButton *>(sender());
    if (!pressed || !edited)
        return;
    const QSignalBlocker pressedBlocker(pressed);
    pressed->setChecked(true);
    for (QPushButton *button : qAsConst(slotButtons)) {
        if (button != pressed) {
            const QSignalBlocker blocker(button);
            button->setChecked(false);
        }
    }
    const int slot = pressed->property(slotProperty).toInt();
    if (slot == currentSlot)
        return;
    if (commit(currentSlot))
        emit scenarioModified();
    // The music belonged to the page left, even when the next page has the same.
    stopMusic();
    load(edited, isPrologue, slot, false);
}
