#include "campaign/editorvalues.h"

const CmpVersion editorVersion{1, 7, 3};
CmpVersion campaignFileVersion{1, 7, 3};
CmpVersion mapFileVersion{1, 7, 3};
int32_t currentCampaignMap = 24;
int32_t loadedFormatVersion = 10;
int32_t selectedRegion = 0;
