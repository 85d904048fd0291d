#pragma once

#include "gamedata/gamecatalogue.h"

struct CmpCampaign;

// Conversion between the two campaign types. Only scenarios with an embedded map survive it.

// The number of scenarios that have a map.
int scenariosWithMapCount(const CmpCampaign &campaign);

// Whether converting the campaign (without map) to the given campaign map drops scenarios that
// have maps, because the map has fewer regions than there are such scenarios.
bool conversionDropsScenarios(const CmpCampaign &campaign, int campaignMap,
                              const GameCatalogue &catalogue = gameCatalogue());

// A campaign with map becomes a campaign without map on the background: the scenarios with a
// map that need no other scenario, and every scenario that builds on a kept one, stay in their
// order. Without any, the campaign gets one empty scenario.
void convertToCampaignWithoutMap(CmpCampaign &campaign, int background,
                                 const GameCatalogue &catalogue = gameCatalogue());

// A campaign without map becomes a campaign with map on the campaign map: its scenarios with a
// map, as a chain each requiring the one before, fill the first regions; empty scenarios fill
// the rest, and scenarios beyond the map's region count are dropped.
void convertToCampaignWithMap(CmpCampaign &campaign, int campaignMap,
                              const GameCatalogue &catalogue = gameCatalogue());

// Converts to the other type: to the campaign map `choice` for a campaign without map, to the
// background `choice` for a campaign with map.
void convertToOtherType(CmpCampaign &campaign, int choice,
                        const GameCatalogue &catalogue = gameCatalogue());

// The conversion with the user's consent: asks (through Messages) whether to convert, warning
// when scenarios with maps will be dropped, and converts only on Yes (No is the default answer:
// the conversion cannot be undone). Returns whether the campaign was converted.
bool convertCampaign(CmpCampaign &campaign, int choice,
                     const GameCatalogue &catalogue = gameCatalogue());
