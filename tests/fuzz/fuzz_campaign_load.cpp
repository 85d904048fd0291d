#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "fuzzsupport.h"
#include "gamedata/gamecatalogue.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

// The demo game's campaign maps and counts, so that its sample campaigns (the seeds) read whole.
GameCatalogue fuzzCatalogue() {
    GameCatalogue catalogue;
    const int regions[][2] = {{3, 4}, {24, 6}, {25, 12}, {26, 3}};
    for (const auto &map : regions)
        catalogue.campaignMaps[map[0]].regionCount = map[1];
    catalogue.creatureCount = 157;
    catalogue.artifactCount = 149;
    return catalogue;
}

} // namespace

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
