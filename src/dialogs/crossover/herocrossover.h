#pragma once

#include "campaign/herocrossoverset.h"

#include <QWidget>

#include <memory>

namespace Ui {
class HeroCrossover;
}
class QTableWidget;
struct CmpCampaign;
struct CmpScenario;

// The crossover options of a scenario's start: up to three rows, each an earlier scenario (one
// of the prerequisites, each at most once) whose hero comes over, and the player who receives
// it. Rows are added and edited through HeroCrossoverDialog. The table is the source of the
// options until the starting-options page collects them.
class HeroCrossover : public QWidget {
    Q_OBJECT

public:
    explicit HeroCrossover(QWidget *parent = nullptr);
    ~HeroCrossover() override;

    // Shows the crossover options of the scenario's start options (when they are of that kind).
    // The campaign and the scenario are kept by reference until the next load.
    void load(const CmpCampaign *campaign, const CmpScenario *scenario, int campaignMap);
    // The rows as a set, in row order.
    HeroCrossoverSet collect();
    // Disables Add once every prerequisite is a source of some row.
    void updateAddButton();
    QTableWidget *table() const;

private slots:
    void itemChanged(int row, int column);
    void itemDoubleclicked(int row, int column);
    void addItem();
    void editItem();
    void deleteItem();

private:
    void editRow(int row);

    std::unique_ptr<Ui::HeroCrossover> ui;
    const CmpCampaign *campaign = nullptr;
    const CmpScenario *scenario = nullptr;
    int campaignMap = 0;
};
