#pragma once

#include "campaign/bytecursor.h"
#include "campaign/cmpcampaign.h"

struct GameCatalogue;

// Reads the campaign data of a campaign file, the header and the scenario records, into a
// campaign, checking the format version, the subversion and the mod version that wrote it.
// Sets `campaignFileVersion`, `loadedFormatVersion` and `currentCampaignMap` as it goes.
class CampaignReader {
public:
    CampaignReader(const QByteArray &content, const GameCatalogue &catalogue);

    // False on a refused version (after its message) and on data that end before a field.
    bool read(CmpCampaign &campaign);
    // Bytes of the content taken by the header and the records.
    qint64 offset() const { return cursor.offset(); }

private:
    bool readHeader(CmpCampaign &campaign);
    void readScenario(CmpScenario &scenario, int32_t version, int scenarioCount);
    CmpPrologueRef readPage();
    CmpStartOptionsRef readStartOptions();
    CmpBonus readBonus();

    ByteCursor cursor;
    const GameCatalogue &catalogue;
};
