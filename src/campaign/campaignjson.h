#pragma once

#include <QJsonObject>
#include <QStringList>

struct CmpCampaign;
struct MapHeader;

// The name of the layout that unpack writes and pack reads, under the key "format".
inline constexpr char campaignJsonFormat[] = "tarq-campaign/1";

// The whole campaign as JSON, every field under its model name: bit sets as arrays of set-bit
// indices, pages as {video, music, text} or null, start options with only the fields of their
// kind and each bonus with only the fields of its type, the embedded map as its size and
// SHA-256 and its summary as mapHeaderJson gives it.
QJsonObject campaignJson(const CmpCampaign &campaign);

// The campaign as unpack writes it: the same, but each scenario's "mapData" is the name of its
// map file (mapFiles[i], null where that is empty), "mapSize" and "mapHeader" are left out
// because the map file holds them, and "format" names the layout.
QJsonObject campaignJson(const CmpCampaign &campaign, const QStringList &mapFiles);

// A map summary as JSON: format, versions, players with their heroes, teams, allowed and custom
// heroes, victory and loss conditions.
QJsonObject mapHeaderJson(const MapHeader &header);
