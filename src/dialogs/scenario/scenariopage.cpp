#include "dialogs/scenario/scenariopage.h"

#include "campaign/cmpcampaign.h"

ScenarioPage::ScenarioPage(QWidget *parent) : QWidget(parent) {}

void ScenarioPage::setScenario(CmpCampaign *campaign, int campaignMap, int scenarioIndex) {
    editedCampaign = campaign;
    shownCampaignMap = campaignMap;
    index = scenarioIndex;
}

CmpScenario &ScenarioPage::scenario() const {
    return editedCampaign->scenarios[index];
}

bool ScenarioPage::hasScenario() const {
    return editedCampaign && index >= 0 && index < editedCampaign->scenarios.size();
}
