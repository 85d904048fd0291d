#pragma once

#include <cstdint>

struct CmpCampaign;
struct GameCatalogue;

// Moves a campaign with map onto another campaign map: the scenarios that have a map keep their
// order and become the first scenarios, those without a map are dropped, the remaining regions
// get new scenarios, and prerequisites on the moved scenarios follow them.
void moveToCampaignMap(CmpCampaign &campaign, uint8_t campaignMap, const GameCatalogue &catalogue);
