#pragma once

#include "campaign/cmpscenario.h"

#include <QList>
#include <QString>

#include <cstdint>

struct GameCatalogue;

// Campaign file format version written by this editor.
constexpr int32_t newestCampaignFormat = 10;
// Campaign music of a new campaign.
constexpr uint8_t defaultCampaignMusic = 34;
// Campaign map of the empty campaign at start-up and of a campaign without map.
constexpr uint8_t defaultCampaignMap = 24;

// The open campaign: its settings and its scenarios, in scenario-number order.
struct CmpCampaign {
    int32_t version = newestCampaignFormat;
    uint8_t campaignMap = defaultCampaignMap; // index into the catalogue's campaign maps
    QString name;
    QString description;
    bool difficultySelectable = false;
    uint8_t music = defaultCampaignMusic;
    QList<CmpScenario> scenarios;
    bool withMap = true;
    int32_t background = 0;    // campaign without map: its background picture
    int32_t scenarioCount = 0; // campaign without map: its number of scenarios
    bool forbidNewerVersions = false;
};

// Makes the campaign new and empty: a campaign with map gets one scenario per region of its
// campaign map, a campaign without map `scenarioCount` scenarios. Sets `currentCampaignMap` and
// `selectedRegion`.
void resetCampaign(CmpCampaign &campaign, uint8_t campaignMap, bool withMap, int32_t background,
                   int32_t scenarioCount);
void resetCampaign(CmpCampaign &campaign, uint8_t campaignMap, bool withMap, int32_t background,
                   int32_t scenarioCount, const GameCatalogue &catalogue);

// The number of scenarios a campaign has: the region count of `currentCampaignMap` for a
// campaign with map, its `scenarioCount` otherwise. Files and pages use this, not the list.
int campaignScenarioCount(const CmpCampaign &campaign);
int campaignScenarioCount(const CmpCampaign &campaign, const GameCatalogue &catalogue);

// The region count of a campaign map of the catalogue; 0 for an unknown map.
int campaignMapRegionCount(int campaignMap, const GameCatalogue &catalogue);
