#pragma once

#include "campaign/bytesink.h"
#include "campaign/cmpcampaign.h"

struct GameCatalogue;

// Serialises a campaign into the campaign data of a campaign file in the newest format: the
// header, then one record per scenario of the campaign's scenario count. The embedded maps are
// not part of it; they follow the compressed data in the file.
class CampaignWriter {
public:
    explicit CampaignWriter(const GameCatalogue &catalogue);

    QByteArray write(const CmpCampaign &campaign);

private:
    void writeHeader(const CmpCampaign &campaign);
    void writeScenario(const CmpCampaign &campaign, int index, int scenarioCount);
    void writePage(const CmpPrologueRef &page);
    void writeStartOptions(const CmpScenario &scenario);
    void writeBonus(const CmpBonus &bonus);

    const GameCatalogue &catalogue;
    ByteSink out;
};

// The prerequisites a scenario of a campaign without map is saved with: only the nearest
// earlier scenario that has a map, when the scenario has a map itself.
QBitArray chainPrerequisites(const CmpCampaign &campaign, int index, int scenarioCount);
