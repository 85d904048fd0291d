#pragma once

#include "campaign/campaigncheck.h"
#include "campaign/cmpcampaign.h"

#include <QHash>

// One run of the campaign check: what its parts read and where they put their findings. Only
// the campaign check's own files use it.
class CampaignCheckRun {
public:
    CampaignCheckRun(const CmpCampaign &campaign, const GameCatalogue &catalogue);

    const CmpCampaign &campaign;
    const GameCatalogue &catalogue;
    QList<CheckFinding> findings;

    int scenarioCount() const { return campaign.scenarios.size(); }
    const CmpScenario &scenario(int index) const { return campaign.scenarios.at(index); }
    // The scenario is played: it holds a map, whether or not its summary could be read. The
    // game passes over the others (regions left empty, places in a chain left out).
    bool isPlayed(int index) const;
    // The scenarios the game plays before `from`, directly or through others (playedGraph).
    QList<int> requiredBy(int from);
    bool needs(int from, int to) { return requiredBy(from).contains(to); }
    // The prerequisite graph among the played scenarios: that of a campaign with map, with the
    // prerequisites of the scenarios the game passes over cleared; the chain a campaign without
    // map is saved with.
    const CmpCampaign &playedGraph() const { return graph; }
    // How a finding's text names a scenario: as other options refer to it.
    QString label(int index) const;

    void add(CheckId check, int scenario, CheckPage page, const QString &text);

private:
    CmpCampaign graph;
    QHash<int, QList<int>> required; // by `from`, walked once
};

// The parts of the check, each over the whole campaign.
void checkPrerequisites(CampaignCheckRun &run);
void checkMaps(CampaignCheckRun &run);
void checkStartOptions(CampaignCheckRun &run);
void checkBonusRanges(CampaignCheckRun &run);
void checkCatalogueRanges(CampaignCheckRun &run);
void checkTexts(CampaignCheckRun &run);
