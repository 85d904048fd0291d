#pragma once

#include "campaign/startingbonusset.h"

#include <QWidget>

#include <memory>

namespace Ui {
class StartingBonus;
}
class QComboBox;
class QTableWidget;
struct CmpScenario;

// The starting-bonus choice of a scenario: the human-playable player who receives the bonus and
// up to three bonuses, added and edited through BonusDialog. The table is the source of the
// bonuses until the starting-options page collects them.
class StartingBonus : public QWidget {
    Q_OBJECT

public:
    explicit StartingBonus(QWidget *parent = nullptr);
    ~StartingBonus() override;

    // Shows the bonuses of the scenario's start options (when they are of that kind). The
    // scenario is kept by reference until the next load.
    void load(const CmpScenario *scenario, int campaignMap);
    // Re-points the page at the scenario without touching the widgets.
    void setScenario(const CmpScenario *scenario) { this->scenario = scenario; }
    // Empties the player box and the table and disables the buttons.
    void clear();
    StartingBonusSet collect() const;
    // Refills the player box from the scenario's map, keeping the chosen player when it is
    // still human-playable and choosing the first one otherwise; Add is enabled below three
    // rows, Edit and Remove are disabled.
    void refillPlayers();
    // After a map import: refills the player box, drops the rows that no longer fit the map
    // for the chosen player, and enables Add below three rows.
    void revalidate();

    QTableWidget *table() const;
    QComboBox *playerBox() const;

private slots:
    void itemChanged(int row, int column);
    void itemDoubleclicked(int row, int column);
    void addItem();
    void editItem();
    void deleteItem();
    void playerChanged(int index);

private:
    void fillPlayers();
    int currentPlayer() const;

    std::unique_ptr<Ui::StartingBonus> ui;
    const CmpScenario *scenario = nullptr;
    int campaignMap = 0;
    // The receiving player of the bonuses as stored in the scenario.
    uint8_t storedPlayer = 0;
    // False while the page is filled and while the dialog for a new bonus is open: the player
    // box then changes without the user choosing another player.
    bool ready = false;
};
