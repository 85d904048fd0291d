#pragma once

#include "campaign/cmpversion.h"

#include <cstdint>

// The editor-wide values: one each for the running editor, shared by the main window, the
// campaign file, the map header reader, the map view and the scenario pages.

// The mod version of this editor, written into every saved campaign.
extern const CmpVersion editorVersion;
// Mod version recorded in the campaign file last read (0.0.0 when it records none).
extern CmpVersion campaignFileVersion;
// Mod version recorded in the map last read.
extern CmpVersion mapFileVersion;
// `campaignMap` of the open campaign.
extern int32_t currentCampaignMap;
// `version` of the campaign file last loaded (5, 6 or 10).
extern int32_t loadedFormatVersion;
// Index of the selected scenario/region on the campaign map.
extern int32_t selectedRegion;
