#pragma once

#include "dialogs/scenario/scenariopage.h"

#include <memory>

namespace Ui {
class ScenarioStartOptions;
}
class HeroCrossover;
class StartingBonus;
class StartingHeroOptions;

// "Starting Options": the one kind of choice the game offers at the start of the scenario (a
// starting bonus, a crossover hero or a starting hero) and its list, each kind on its own
// sub-page. The kinds the scenario's map or prerequisites cannot support are disabled.
class ScenarioStartOptions : public ScenarioPage {
    Q_OBJECT

public:
    explicit ScenarioStartOptions(QWidget *parent = nullptr);
    ~ScenarioStartOptions() override;

    void load() override;
    // Writes the chosen kind and its list into the scenario; true when the kind or any entry
    // changed. A scenario without a map, or with no kind chosen, is left alone.
    bool commit() override;
    void scenarioMoved() override;
    void setMapPresent(bool present) override;
    // After a map import or removal: the kinds are decided again and every list is checked
    // against the map.
    void revalidate() override;
    // The crossover kind and list follow the prerequisites now set.
    void prerequisitesEdited() override;

    // 1 bonus, 2 crossover, 3 starting hero, or 0 when no kind is chosen.
    int optionKind() const;
    // The number of entries of the chosen kind's list.
    int optionCount() const;

public slots:
    void refreshButtonStates();

private slots:
    void clickStartingBonus();
    void clickStartingHero();
    void clickHeroCrossover();

private:
    // Sub-pages keep the scenario by address; the window's list operations can move it.
    void pointSubPages();
    // The state of a scenario without a map: everything disabled and emptied.
    void showWithoutMap();
    // The state of a scenario with a map before its options are shown: the bonus kind chosen.
    void showWithMap();
    void showBonusKind();
    // Drops the crossover rows whose source the scenario no longer requires or whose player
    // the map no longer lets a human play, then sets Add for the rows left.
    void checkCrossoverRows();

    std::unique_ptr<Ui::ScenarioStartOptions> ui;
    StartingBonus *bonusPage;
    HeroCrossover *crossoverPage;
    StartingHeroOptions *heroPage;
};
