#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "fuzzsupport.h"
#include "gamedata/gamecatalogue.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const GameCatalogue catalogue = fuzzCatalogue();
    installSilentReporter();
    const QByteArray file(reinterpret_cast<const char *>(data), int(size));
    CmpCampaign campaign;
    // Whatever loads must also serialise.
    if (CampaignFile::loadBytes(file, campaign, catalogue))
        CampaignFile::campaignData(campaign, catalogue);
    return 0;
}
