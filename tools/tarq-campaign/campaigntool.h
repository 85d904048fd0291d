#pragma once

#include <QString>

// The commands of tarq-campaign. Each prints its result on standard output, its messages on
// standard error (through the installed message reporter), and returns the exit status.
namespace CampaignTool {

enum ExitStatus { Success = 0, Refused = 1, UsageError = 2 };

// The whole campaign as JSON. Needs the game catalogue.
int info(const QString &campaignPath);
// The header of a map file as JSON.
int mapInfo(const QString &mapPath);
// Loads the campaign and saves it as the editor saves. Needs the game catalogue.
int resave(const QString &campaignPath, const QString &targetPath);
// Writes every embedded map into the folder under its map name. Needs the game catalogue.
int exportMaps(const QString &campaignPath, const QString &folder);

} // namespace CampaignTool
