#pragma once

#include "campaign/cmpcampaign.h"

#include <QDialog>

#include <array>
#include <memory>

class QListWidgetItem;
class ScenarioPage;

namespace Ui {
class ScenarioInfo;
}

// The scenario properties window: a list of the scenarios with buttons to reorder, add and
// delete them, and one tab per group of scenario properties. It works on a private copy of the
// whole campaign (maps are shared with the open campaign, not duplicated); the main window takes
// the copy back only after OK.
class ScenarioInfo : public QDialog {
    Q_OBJECT

public:
    enum Tab { GeneralTab, PrologueTab, EpilogueTab, CrossoverTab, StartingOptionsTab, TabCount };
    // Scenarios a campaign without map may hold.
    static constexpr int maxScenarioCount = 30000;

    ScenarioInfo(QWidget *parent, const CmpCampaign &campaign, int campaignMap, int selectedIndex);
    ~ScenarioInfo() override;

    // Commits every page into the current scenario; true when any page changed something.
    bool commitAll();
    // A list operation or a page commit changed the copy.
    bool scenariosModified() const { return modified; }
    const CmpCampaign &campaign() const { return copy; }
    int currentScenarioIndex() const;
    // Shows the tab as if the user had chosen it.
    void showTab(Tab tab);

    // Used by the pages.
    void relabelCurrentScenario();
    void setMapDependentPagesEnabled(bool enabled);

private slots:
    void selectListboxItem(QListWidgetItem *current, QListWidgetItem *previous);
    void buttonUp();
    void buttonDown();
    void buttonAdd();
    void buttonDelete();
    void buttonDeleteAll();
    void tabChanged(int index);
    void markScenariosModified();
    // After a map import or removal on the General page: the pages whose options depend on the
    // scenario's map check them against the new map here.
    void checkPagesAgainstMap();

private:
    void createPages();
    void pointPagesAt(int index);
    void loadPages();
    bool commitPages();
    void refreshItems();
    void updateButtonStates();
    void moveCurrentScenario(int step);

    CmpCampaign copy;
    int campaignMapIndex;
    bool modified = false;
    int initialIndex = 0;
    int previousTab = 0;
    std::array<ScenarioPage *, TabCount> pages{};
    std::unique_ptr<Ui::ScenarioInfo> ui;
};
