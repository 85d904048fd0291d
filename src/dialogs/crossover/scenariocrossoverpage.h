#pragma once

#include "dialogs/scenario/scenariopage.h"

class ScenarioCrossover;

// The "Crossover Options" tab: ScenarioCrossover shown for the scenario the properties window
// points the page at.
class ScenarioCrossoverPage : public ScenarioPage {
    Q_OBJECT

public:
    explicit ScenarioCrossoverPage(QWidget *parent = nullptr);

    void load() override;
    bool commit() override;
    void scenarioMoved() override;
    void setMapPresent(bool present) override;

    ScenarioCrossover *crossover() const { return details; }

private:
    ScenarioCrossover *details;
};
