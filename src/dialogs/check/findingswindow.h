#pragma once

#include "campaign/campaigncheck.h"

#include <QDialog>

#include <memory>

class QTreeWidgetItem;
struct CmpCampaign;

namespace Ui {
class FindingsWindow;
}

// The findings of the campaign check, in a window that stays open beside the main window: one
// row per finding with its severity's icon, the scenario it concerns and its text. A double
// click on a row asks for the place where the finding can be mended.
class FindingsWindow : public QDialog {
    Q_OBJECT

public:
    explicit FindingsWindow(QWidget *parent = nullptr);
    ~FindingsWindow() override;

    // Shows the findings of the campaign, replacing those shown before.
    void showFindings(const CmpCampaign &campaign, const QList<CheckFinding> &findings);

signals:
    // scenario -1 with CheckPage::Campaign stands for the campaign properties.
    void findingActivated(int scenario, CheckPage page);

private slots:
    void activateItem(QTreeWidgetItem *item);

private:
    std::unique_ptr<Ui::FindingsWindow> ui;
};
