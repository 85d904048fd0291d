#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class HeroCrossoverDialog;
}
class QTableWidget;
class QTableWidgetItem;
struct CmpCampaign;
struct CmpScenario;

// "Edit Hero Crossover Option": one crossover row of a scenario, the earlier scenario whose hero
// comes over (one of the scenario's prerequisites that no other row of `table` uses) and the
// human-playable player who receives it. `editedItem` is the row's column-0 item, or null for
// a new row.
class HeroCrossoverDialog : public QDialog {
    Q_OBJECT

public:
    HeroCrossoverDialog(QWidget *parent, const CmpCampaign &campaign, const CmpScenario &scenario,
                        int campaignMap, const QTableWidget *table,
                        const QTableWidgetItem *editedItem);
    ~HeroCrossoverDialog() override;

    // Fills the row of `item` (of the dialog's table) with the chosen crossover.
    void writeRow(QTableWidgetItem *item) const;

private:
    std::unique_ptr<Ui::HeroCrossoverDialog> ui;
    const CmpCampaign &campaign;
    int campaignMap;
};
