#pragma once

#include "gamedata/gamecatalogue.h"

#include <QString>

class QFileDevice;
struct CmpCampaign;

// Campaign text files on disk, with the messages the editor shows for them (through Messages):
// the main window's Export Texts and Import Texts and the command-line tool share these.

// Creates or truncates the file and writes the campaign's texts into it. A file that cannot be
// created or filled (a full disk) is reported.
bool writeCampaignTextFile(const CmpCampaign &campaign, const QString &fileName,
                           const GameCatalogue &catalogue = gameCatalogue());

// Reads the file into the campaign. A file that cannot be opened or does not fit the campaign
// is reported, and the campaign is left as it was.
bool readCampaignTextFile(CmpCampaign &campaign, const QString &fileName,
                          const GameCatalogue &catalogue = gameCatalogue());

// The warning for a text file that does not fit the open campaign; `file` gives its error
// description, and `reason` (from importCampaignTexts) the line where it stopped fitting.
void reportIncorrectCampaignText(const QString &fileName, const QFileDevice &file,
                                 const QString &reason = QString());
