#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ScenarioCrossover;
}
class QCheckBox;
class QListWidget;
struct CmpScenario;

// "Crossover heroes details": what every hero carried over into the scenario keeps, and which
// creature types and artifacts it may bring along. The page edits the scenario it was loaded
// with in place when committed.
class ScenarioCrossover : public QWidget {
    Q_OBJECT

public:
    explicit ScenarioCrossover(QWidget *parent = nullptr);
    ~ScenarioCrossover() override;

    // Shows the scenario (kept by reference until the next load). A scenario without a map
    // shows the defaults, disabled.
    void load(CmpScenario *scenario);
    // After a map import (true) or removal (false); disabling also clears both lists.
    void setMapDependentEnabled(bool enabled);
    // Writes the page into the scenario; true when any bit changed.
    bool commit();

private slots:
    void clickAll();
    void clickNone();
    void clickAllArts();
    void clickNoneArts();

private:
    QCheckBox *keepBox(int keep) const;

    std::unique_ptr<Ui::ScenarioCrossover> ui;
    CmpScenario *scenario = nullptr;
};
