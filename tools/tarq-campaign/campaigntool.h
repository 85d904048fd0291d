#pragma once

#include <QString>

// The commands of tarq-campaign. Each prints its result on standard output, its messages on
// standard error (through the installed message reporter), and returns the exit status.
namespace CampaignTool {

// check uses 1 for a campaign with errors and 2 also for a file it cannot read.
enum ExitStatus { Success = 0, Refused = 1, UsageError = 2, HasErrors = 1, Unreadable = 2 };

// The whole campaign as JSON. Needs the game catalogue.
int info(const QString &campaignPath);
// Checks the campaign: one line "severity|id|scenario|text" per finding, or a JSON array. A map
// the editor would refuse is kept and reported. Needs the game catalogue.
int check(const QString &campaignPath, bool json);
// The header of a map file as JSON.
int mapInfo(const QString &mapPath);
// Loads the campaign and saves it as the editor saves. Needs the game catalogue.
int resave(const QString &campaignPath, const QString &targetPath);
// Writes every embedded map into the folder under its map name. Needs the game catalogue.
int exportMaps(const QString &campaignPath, const QString &folder);
// Writes the campaign as plain files into the folder: campaign.json and its maps. Needs the game
// catalogue.
int unpack(const QString &campaignPath, const QString &folder);
// Reads a folder written by unpack and saves the campaign as the editor saves. Needs the game
// catalogue.
int pack(const QString &folder, const QString &targetPath);
// Writes every text of the campaign into a campaign text file. Needs the game catalogue.
int exportTexts(const QString &campaignPath, const QString &textPath);
// Reads a campaign text file into the campaign and saves the result. Needs the game catalogue.
int importTexts(const QString &campaignPath, const QString &textPath, const QString &targetPath);
// Converts a campaign with map to one without map on `background` (campaignMap < 0), or a
// campaign without map to one on `campaignMap` (background < 0), and saves it. Needs the game
// catalogue.
int convert(const QString &campaignPath, const QString &targetPath, int campaignMap,
            int background);

} // namespace CampaignTool
