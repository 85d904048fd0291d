#pragma once

#include <QWidget>

struct CmpCampaign;
struct CmpScenario;

// One tab of the scenario properties window. The window points every page at the scenario shown
// in its list (by index into its working copy, so that list operations never leave a page with
// a stale pointer), asks it to fill its widgets, and asks it to write them back.
class ScenarioPage : public QWidget {
    Q_OBJECT

public:
    explicit ScenarioPage(QWidget *parent = nullptr);

    // The scenario the page edits from now on: scenario `index` of `campaign`, the window's
    // working copy, shown on campaign map `campaignMap`. The widgets are left as they are.
    void setScenario(CmpCampaign *campaign, int campaignMap, int index);

    // Fills the widgets from the scenario.
    virtual void load() = 0;
    // Writes the widgets back into the scenario; true when anything changed.
    virtual bool commit() = 0;

    // The scenario kept its edits but moved to another index (Up and Down in the list).
    virtual void scenarioMoved() {}
    // The scenario gained (true) or lost (false) its map: map-dependent pages switch state.
    virtual void setMapPresent(bool present) { Q_UNUSED(present) }
    // The scenario's map was imported or removed: pages check their options against it here.
    virtual void revalidate() {}
    // The General page changed the scenario's prerequisites: options that name them follow.
    virtual void prerequisitesEdited() {}
    // Another tab is about to be shown: music started by this page stops.
    virtual void stopMusic() {}
    // The prologue and epilogue pages share their page choice; this brings it up to date.
    virtual void synchronisePageChoice() {}

protected:
    CmpCampaign &campaign() const { return *editedCampaign; }
    CmpScenario &scenario() const;
    int campaignMap() const { return shownCampaignMap; }
    int scenarioIndex() const { return index; }
    bool hasScenario() const;

private:
    CmpCampaign *editedCampaign = nullptr;
    int shownCampaignMap = 0;
    int index = -1;
};
