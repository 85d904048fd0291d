#pragma once

#include <QJsonObject>

struct CmpCampaign;
struct MapHeader;

// The whole campaign as JSON, every field under its model name: bit sets as arrays of set-bit
// indices, pages as {video, music, text} or null, start options with only the fields of their
// kind and each bonus with only the fields of its type, the embedded map as its size and
// SHA-256 and its summary as mapHeaderJson gives it.
QJsonObject campaignJson(const CmpCampaign &campaign);

// A map summary as JSON: format, versions, players with their heroes, teams, allowed and custom
// heroes, victory and loss conditions.
QJsonObject mapHeaderJson(const MapHeader &header);
