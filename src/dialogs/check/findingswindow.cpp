#include "dialogs/check/findingswindow.h"

#include "campaign/cmpcampaign.h"
#include "campaign/optiontexts.h"
#include "ui_findingswindow.h"

#include <QHeaderView>
#include <QStyle>

namespace {

enum Column { SeverityColumn, ScenarioColumn, TextColumn };
// Item data of the severity column: the finding's scenario and page.
constexpr int scenarioRole = Qt::UserRole;
constexpr int pageRole = Qt::UserRole + 1;

} // namespace

FindingsWindow::FindingsWindow(QWidget *parent) : QDialog(parent), ui(new Ui::FindingsWindow) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QHeaderView *header = ui->findingsList->header();
    header->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(ScenarioColumn, QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    connect(ui->findingsList, &QTreeWidget::itemDoubleClicked, this, &FindingsWindow::activateItem);
}

FindingsWindow::~FindingsWindow() = default;

void FindingsWindow::showFindings(const CmpCampaign &campaign,
                                  const QList<CheckFinding> &findings) {
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    ui->findingsList->clear();
    for (const CheckFinding &finding : findings) {
        const bool error = finding.severity() == CheckSeverity::Error;
        auto *item = new QTreeWidgetItem(ui->findingsList);
        item->setIcon(SeverityColumn, error ? errorIcon : warningIcon);
        item->setText(SeverityColumn, error ? tr("Error") : tr("Warning"));
        item->setData(SeverityColumn, scenarioRole, finding.scenario);
        item->setData(SeverityColumn, pageRole, int(finding.page));
        item->setText(ScenarioColumn,
                      finding.scenario < 0
                          ? tr("Campaign")
                          : scenarioListText(campaign, campaign.campaignMap, finding.scenario));
        item->setText(TextColumn, finding.text);
        item->setToolTip(TextColumn,
                         finding.text + QStringLiteral("\n[") + finding.id() + QLatin1Char(']'));
    }
    const int errors = errorCount(findings);
    ui->summaryLabel->setText(findings.isEmpty()
                                  ? tr("No problems found.")
                                  : tr("Errors: %1. Warnings: %2. Double-click a finding to "
                                       "mend it.")
                                        .arg(errors)
                                        .arg(findings.size() - errors));
}

void FindingsWindow::activateItem(QTreeWidgetItem *item) {
    emit findingActivated(item->data(SeverityColumn, scenarioRole).toInt(),
                          CheckPage(item->data(SeverityColumn, pageRole).toInt()));
}
