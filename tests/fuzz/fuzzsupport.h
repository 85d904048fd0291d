#pragma once

// Shared pieces of the fuzz targets: a reporter that shows nothing, and a catalogue that fits
// the demo game's sample campaigns.

#include "gamedata/gamecatalogue.h"
#include "gamedata/messages.h"

class SilentReporter : public Messages::Reporter {
public:
    Messages::Button show(const Messages::Message &message) override {
        return message.defaultButton;
    }
};

inline void installSilentReporter() {
    static SilentReporter reporter;
    Messages::install(&reporter);
}

// The demo game's campaign maps and counts, so that its sample campaigns (the seeds) read whole.
inline GameCatalogue fuzzCatalogue() {
    GameCatalogue catalogue;
    const int regions[][2] = {{3, 4}, {24, 6}, {25, 12}, {26, 3}};
    for (const auto &map : regions) {
        catalogue.campaignMaps[map[0]].regionCount = map[1];
        for (int r = 0; r < map[1]; ++r)
            catalogue.campaignMaps[map[0]].regions.append(CampaignRegionDef());
    }
    catalogue.creatureCount = 157;
    catalogue.artifactCount = 149;
    return catalogue;
}
