#pragma once

#include "gamedata/gamecatalogue.h"

// The running catalogue's definition of a campaign map and of one of its regions; an unknown
// map or region reads as an empty definition.
const CampaignMapDef &campaignMapDefinition(int campaignMap);
const CampaignRegionDef &campaignRegionDefinition(int campaignMap, int region);
