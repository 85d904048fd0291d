#include "dialogs/scenario/scenarioplaceholderpage.h"

ScenarioPlaceholderPage::ScenarioPlaceholderPage(QWidget *parent) : ScenarioPage(parent) {
    setEnabled(false);
}
