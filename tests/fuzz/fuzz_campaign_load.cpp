#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "fuzzsupport.h"
#include "gamedata/gamecatalogue.h"

#include <cstddef>
#include <cstdint>

namespace {
// A small fixed catalogue: the campaign maps the demo campaigns use, with their region counts.
const GameCatalogue &fuzzCatalogue() {
    static const GameCatalogue catalogue = [] {
        GameCatalogue c;
        const int regions[][2] = {{3, 4}, {24, 6}, {25, 12}, {26, 3}};
        for (const auto &map : regions) {
            CampaignMapDef def;
            def.regionCount = map[1];
            def.mapKind = 1;
            def.picturesGiven = true;
            for (int r = 0; r < map[1]; ++r)
                def.regions.append(CampaignRegionDef());
            c.campaignMaps.insert(map[0], def);
        }
        return c;
    }();
    return catalogue;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    installSilentReporter();
    static const bool catalogueInstalled = (setGameCatalogue(fuzzCatalogue()), true);
    (void)catalogueInstalled;
    const QString path = scratchFile(QStringLiteral(".y6c"), data, size);
    CmpCampaign campaign;
    CampaignFile::load(path, campaign, fuzzCatalogue());
    return 0;
}
