// The campaign check in the main window: Edit > Check Campaign (F7) opens the findings beside
// the main window and keeps them current while the campaign changes; a double click on a
// finding opens the place where it can be mended; saving a campaign with errors asks first.

#include "app/mainwindow.h"

#include "campaign/campaigncheck.h"
#include "dialogs/check/findingswindow.h"
#include "dialogs/scenario/scenarioinfo.h"
#include "gamedata/messages.h"
#include "ui_mainwindow.h"

#include <QUndoStack>

static_assert(int(CheckPage::General) == ScenarioInfo::GeneralTab &&
                  int(CheckPage::StartingOptions) == ScenarioInfo::StartingOptionsTab,
              "a finding's page is a tab of the scenario properties window");

void MainWindow::createCheckAction() {
    auto *check = new QAction(tr("Check Campaign"), this);
    check->setObjectName(QStringLiteral("actionCheckCampaign"));
    check->setShortcut(QKeySequence(Qt::Key_F7));
    check->setToolTip(tr("Find what keeps the game from playing the campaign as meant"));
    connect(check, &QAction::triggered, this, &MainWindow::showCampaignCheck);
    connect(check, &QAction::hovered, this, &MainWindow::setTooltipToHintBar);
    ui->menuEdit->addSeparator();
    ui->menuEdit->addAction(check);
    // Every change, undo and redo moves the history's index; startHistory refreshes the rest.
    connect(steps, &QUndoStack::indexChanged, this, &MainWindow::refreshFindings);
}

void MainWindow::showCampaignCheck() {
    if (!findingsWindow) {
        findingsWindow = new FindingsWindow(this);
        connect(findingsWindow, &FindingsWindow::findingActivated, this, &MainWindow::openFinding);
    }
    findingsWindow->showFindings(openCampaign, checkCampaign(openCampaign));
    findingsWindow->show();
    findingsWindow->raise();
    findingsWindow->activateWindow();
}

void MainWindow::refreshFindings() {
    if (findingsWindow && findingsWindow->isVisible())
        findingsWindow->showFindings(openCampaign, checkCampaign(openCampaign));
}

void MainWindow::openFinding(int scenario, CheckPage page) {
    if (page == CheckPage::Campaign)
        openCampaignProperties();
    else
        openScenarioPropertiesOn(scenario, int(page));
}

bool MainWindow::confirmSaveWithErrors() {
    const int errors = errorCount(checkCampaign(openCampaign));
    return errors == 0 ||
           Messages::question(applicationTitle(),
                              tr("The campaign has %1 errors. Save anyway?").arg(errors),
                              Messages::Yes | Messages::No, Messages::Yes) == Messages::Yes;
}
