#pragma once

#include "campaign/cmpprologue.h"
#include "campaign/cmpscenario.h"
#include "dialogs/scenario/scenariopage.h"

#include <QList>

#include <array>
#include <functional>
#include <memory>

class QPushButton;

namespace Ui {
class ScenarioPrologue;
}

// The prologue or the epilogue of one scenario: whether it has one, which of its up to three
// pages is shown (one page per choice of the scenario's starting options), and per page the
// video with its picture, the music with a play button, and the text. The widgets hold the
// shown page's edits until commit writes them into the scenario as a new shared page record.
// The scenario properties window hosts one for the prologue and one for the epilogue.
class ScenarioPrologue : public ScenarioPage {
    Q_OBJECT

public:
    // The number of choices the scenario's starting options offer right now.
    using OptionCountSource = std::function<int()>;

    explicit ScenarioPrologue(QWidget *parent = nullptr, bool isPrologue = true);
    ~ScenarioPrologue() override;

    // The window's page interface: the scenario it points the page at, from page 1.
    void load() override;
    bool commit() override;
    void scenarioMoved() override;
    void setMapPresent(bool present) override;
    void synchronisePageChoice() override;

    // Shows page `slot` of the scenario's prologue (or epilogue). With reconfigure the page
    // buttons are set up again for the starting options' number of choices.
    void load(CmpScenario *scenario, bool isPrologue, int slot, bool reconfigure);
    // Writes the widgets into page `slot` of the scenario; true when that changed the scenario.
    bool commit(int slot);
    // Shows page 1 again with one page button per choice of the starting options; pages
    // beyond the choices are kept.
    void syncPageCount();
    // Everything disabled and empty: the scenario has no map.
    void setNoMapState();
    // Pauses the music this page plays.
    void stopMusic() override;
    // The number of pages the starting options call for: 1 when they offer no choice,
    // otherwise their number of choices.
    int pageOptionCount() const;

    // Where pageOptionCount asks; without one it counts the choices stored in the scenario.
    void setOptionCountSource(OptionCountSource source);

    int shownSlot() const { return currentSlot; }
    bool isProloguePage() const { return isPrologue; }

signals:
    // Moving to another page committed an edit of the page left.
    void scenarioModified();

private slots:
    void videoIndexChanged(int index);
    void statusBoxClicked(bool status);
    void settingsBoxClicked(bool status);
    void playPauseMusic();
    void musicSelectionChanged();
    void numberBtnPressed();

private:
    std::array<CmpPrologueRef, pageSlotCount> &pages() const;
    // Takes the scenario the window points at; false when it points at none.
    bool takeWindowScenario();
    void showVideoPicture(const QString &name);
    void showPictureOfVideo(int video);
    void clearPage();
    void startNewPage();
    void setPageWidgetsEnabled(bool enabled);
    void showPlayIcon(bool playing);

    CmpScenario *edited = nullptr;
    bool isPrologue = true;
    int currentSlot = 0;
    QList<QPushButton *> slotButtons;
    bool musicPlaying = false;
    OptionCountSource optionCountSource;
    std::unique_ptr<Ui::ScenarioPrologue> ui;
};
