// The campaign check of the texts: a campaign without a name, and texts longer than the game
// shows (the limits the editing pages keep to).

#include "campaign/campaigncheckrun.h"
#include "campaign/campaignlimits.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignCheck)
};

} // namespace

void checkTexts(CampaignCheckRun &run) {
    const CmpCampaign &campaign = run.campaign;
    if (campaign.name.trimmed().isEmpty())
        run.add(CheckId::EmptyCampaignName, -1, CheckPage::Campaign,
                Texts::tr("The campaign has no name."));
    if (campaign.description.size() > maxDescriptionLength)
        run.add(CheckId::TextTooLong, -1, CheckPage::Campaign,
                Texts::tr("The campaign description has %1 characters; the game shows %2.")
                    .arg(campaign.description.size())
                    .arg(maxDescriptionLength));
    // Only the regions of a campaign map carry a text.
    if (!campaign.withMap)
        return;
    for (int index = 0; index < run.scenarioCount(); ++index) {
        const int length = run.scenario(index).regionText.size();
        if (run.isPlayed(index) && length > maxRegionTextLength)
            run.add(CheckId::TextTooLong, index, CheckPage::General,
                    Texts::tr("The region text has %1 characters; the game shows %2.")
                        .arg(length)
                        .arg(maxRegionTextLength));
    }
}
