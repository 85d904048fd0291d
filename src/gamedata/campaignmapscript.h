#pragma once

#include "gamedata/gamecatalogue.h"

#include <QString>

// Reads the script of a "campmap" record (its lines already decoded) into map: the map kind,
// the region count, the region positions, then per region its name and three lines of
// pictures. Returns false when a position line is not two numbers separated by one blank;
// what was read before stays in map.
bool readCampaignMapScript(const QString &script, CampaignMapDef &map);
