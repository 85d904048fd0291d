#include "campaign/campaignformat.h"

#include "campaign/cmpcampaign.h"
#include "campaign/cmpscenario.h"
#include "gamedata/gamecatalogue.h"

bool isReadableCampaignFormat(int32_t version) {
    return version == 5 || version == 6 || version == newestCampaignFormat;
}

int pageSlotsInFormat(int32_t version) {
    return version == newestCampaignFormat ? pageSlotCount : 1;
}

int creatureBitsInFormat(int32_t version, const GameCatalogue &catalogue) {
    return version == newestCampaignFormat ? qMax(0, catalogue.creatureCount) : 145;
}

int artifactBitsInFormat(int32_t version, const GameCatalogue &catalogue) {
    if (version == newestCampaignFormat)
        return qMax(0, catalogue.artifactCount);
    return version == 6 ? 144 : 129;
}
