#include "campaign/campaigncompare.h"

#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"

bool sameSavedCampaign(const CmpCampaign &a, const CmpCampaign &b, const GameCatalogue &catalogue) {
    if (a.scenarios.size() != b.scenarios.size())
        return false;
    // Maps first: shared bytes compare at once, and a changed map needs no record written.
    for (int i = 0; i < a.scenarios.size(); ++i)
        if (a.scenarios[i].mapData != b.scenarios[i].mapData)
            return false;
    return CampaignFile::campaignData(a, catalogue) == CampaignFile::campaignData(b, catalogue);
}
