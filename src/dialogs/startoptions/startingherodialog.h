#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class StartingHeroDialog;
}
class QTableWidget;
class QTableWidgetItem;
struct CmpScenario;

// "Edit Starting Hero Option": one starting-hero row of a scenario, a player that may still
// receive a starting hero and one of the heroes it may be given that no other row of `table`
// uses. `editedItem` is the row's column-0 item, or null for a new row.
class StartingHeroDialog : public QDialog {
    Q_OBJECT

public:
    StartingHeroDialog(QWidget *parent, const CmpScenario &scenario, int campaignMap,
                       const QTableWidget *table, const QTableWidgetItem *editedItem);
    ~StartingHeroDialog() override;

    // Fills the row of `item` (of the dialog's table) with the chosen hero and player.
    void writeRow(QTableWidgetItem *item) const;

private slots:
    void playerChanged(int index);

private:
    // Offers the heroes of the chosen player; with keepEdited the edited row's hero and player
    // are selected, otherwise the first hero.
    void fillHeroes(bool keepEdited);

    std::unique_ptr<Ui::StartingHeroDialog> ui;
    const CmpScenario &scenario;
    const QTableWidget *table;
    const QTableWidgetItem *editedItem;
};
