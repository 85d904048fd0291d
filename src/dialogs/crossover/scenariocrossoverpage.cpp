#include "dialogs/crossover/scenariocrossoverpage.h"

#include "campaign/cmpcampaign.h"
#include "dialogs/crossover/scenariocrossover.h"

#include <QVBoxLayout>

ScenarioCrossoverPage::ScenarioCrossoverPage(QWidget *parent)
    : ScenarioPage(parent), details(new ScenarioCrossover(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(details);
}

void ScenarioCrossoverPage::load() {
    details->load(hasScenario() ? &scenario() : nullptr);
}

bool ScenarioCrossoverPage::commit() {
    return hasScenario() && details->commit();
}

// The window commits the pages before a move, so showing the scenario at its new place again
// keeps every edit.
void ScenarioCrossoverPage::scenarioMoved() {
    load();
}

void ScenarioCrossoverPage::setMapPresent(bool present) {
    details->setMapDependentEnabled(present);
}
