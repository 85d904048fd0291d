#pragma once

#include "gamedata/gamecatalogue.h"
#include "gamedata/moddatafile.h"

class LodArchiveSet;
class QTextCodec;

// Builds the catalogue from the game's tables in archives and the mod's records. Tables are
// decoded with textCodec, record strings too, except the music lists, which are in localCodec
// (the system's 8-bit encoding). A missing table ends the program with a message.
GameCatalogue buildGameCatalogue(const LodArchiveSet &archives, const ModRecordList &records,
                                 QTextCodec *textCodec, QTextCodec *localCodec);

// Start-up: loads the game's archives, then builds the catalogue from them and the mod records
// read at start-up.
GameCatalogue buildGameCatalogue(QTextCodec *textCodec);
