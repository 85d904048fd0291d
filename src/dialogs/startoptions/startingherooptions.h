#pragma once

#include "campaign/startingheroset.h"

#include <QWidget>

#include <memory>

namespace Ui {
class StartingHeroOptions;
}
class QTableWidget;
struct CmpScenario;

// The starting-hero choice of a scenario: up to three rows, each a hero and the player who
// receives it, added and edited through StartingHeroDialog. The table is the source of the
// entries until the starting-options page collects them.
class StartingHeroOptions : public QWidget {
    Q_OBJECT

public:
    explicit StartingHeroOptions(QWidget *parent = nullptr);
    ~StartingHeroOptions() override;

    // Shows the starting heroes of the scenario's start options (when they are of that kind).
    // The scenario is kept by reference until the next load.
    void load(const CmpScenario *scenario, int campaignMap);
    void setScenario(const CmpScenario *scenario) { this->scenario = scenario; }
    StartingHeroSet collect() const;
    // Add is enabled below three rows while some player may still receive a starting hero.
    void updateAddButton();
    QTableWidget *table() const;

private slots:
    void itemChanged(int row, int column);
    void itemDoubleclicked(int row, int column);
    void addItem();
    void editItem();
    void deleteItem();

private:
    std::unique_ptr<Ui::StartingHeroOptions> ui;
    const CmpScenario *scenario = nullptr;
    int campaignMap = 0;
};
