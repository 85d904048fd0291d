#pragma once

#include <QByteArray>
#include <QString>

struct CmpCampaign;
struct CmpScenario;
struct GameCatalogue;

// Campaign files (.y6c): one gzip member with the campaign data, then the embedded maps, raw.
namespace CampaignFile {

// What loading does with an embedded map that cannot be inflated or summarised: the editor
// refuses the file; the campaign check keeps such a map with the bytes the file holds for it
// and no summary, so that it can name the scenario.
enum class UnreadableMaps { Refuse, Keep };

// Reads the named file into a fresh campaign and, only when everything was read and every
// embedded map summarised, replaces `campaign` with it. Refused versions, a file that cannot be
// opened and corrupted maps are reported through Messages; data that end early fail without a
// message. The editor-wide values a load sets are restored when it fails.
bool load(const QString &fileName, CmpCampaign &campaign);
bool load(const QString &fileName, CmpCampaign &campaign, const GameCatalogue &catalogue,
          UnreadableMaps unreadable = UnreadableMaps::Refuse);
// The same on the bytes of a whole file.
bool loadBytes(const QByteArray &file, CmpCampaign &campaign, const GameCatalogue &catalogue,
               UnreadableMaps unreadable = UnreadableMaps::Refuse);

// Writes the campaign in the newest format. The bytes go to a temporary file in the target's
// folder that replaces the target only once everything was written and closed, so a failed save
// leaves the previous file as it was; the failure is reported through Messages as "Cannot write
// file %1:\n%2.". Sets `mapFileVersion`, and on success `campaignFileVersion`, to the editor's
// version.
bool save(const CmpCampaign &campaign, const QString &fileName);
bool save(const CmpCampaign &campaign, const QString &fileName, const GameCatalogue &catalogue);

// Reads the summary of the scenario's `mapData` (inflated first when it is gzip-compressed) into
// its `mapHeader`, as loading does for every embedded map: the map size, or the negative
// MapReadResult of a refused map (MapWithoutPlayers, whose message says that the map has errors,
// for one that cannot be inflated).
int readEmbeddedMapHeader(CmpScenario &scenario);

// The campaign data of a saved file before compression: header and scenario records.
QByteArray campaignData(const CmpCampaign &campaign, const GameCatalogue &catalogue);

} // namespace CampaignFile
