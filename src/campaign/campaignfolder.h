#pragma once

#include <QString>

struct CmpCampaign;
struct GameCatalogue;

// A campaign as a folder of plain files, for authors who keep campaigns in version control or
// build them with scripts: campaign.json (campaignJson with map files) and each embedded map
// exactly as stored, as maps/NN-<map name> with NN the scenario number, so that two scenarios
// of the same map never share a file. The layout is described in docs/campaign-json.md.
namespace CampaignFolder {

// Writes the campaign's files into the folder, creating it when needed and replacing files of
// the same names. Only the file-name part of a map name is used, so nothing is written outside
// the folder. A file that cannot be written is reported through Messages.
bool write(const CmpCampaign &campaign, const QString &folder);

// Reads a folder as write() leaves it into `campaign`: the JSON, then every map it names, which
// must lie inside the folder and is summarised as loading a campaign file does. Sets
// `currentCampaignMap`. The first problem is reported through Messages and leaves `campaign` as
// it was.
bool read(const QString &folder, CmpCampaign &campaign, const GameCatalogue &catalogue);

} // namespace CampaignFolder
