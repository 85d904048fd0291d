#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct CmpCampaign;
struct GameCatalogue;

// Reads the JSON that unpack writes (campaignJson with map files) into `campaign`, and the map
// file each scenario names into `mapFiles` (empty for a scenario without map); reading the maps
// is left to the caller. The JSON comes from people and scripts, so nothing is assumed: every
// key must be there and no other, every number within its field's range, every bit index below
// its set's length, every list at most 255 entries long, every text writable in the campaign
// file's code page, and there must be as many scenarios as the campaign's scenario count.
// On a refusal `campaign` and `mapFiles` are left as they were and `problem` names the first
// mistake with its place, such as "scenarios[2].regionColor: 300 is not a whole number from 0
// to 255".
bool readCampaignJson(const QByteArray &json, CmpCampaign &campaign, QStringList &mapFiles,
                      QString *problem, const GameCatalogue &catalogue);
