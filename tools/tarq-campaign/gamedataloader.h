#pragma once

#include <QString>

// The game data the campaign tool needs, read from the game folder the way the editor reads
// them at start-up: the codec of the game's texts (and of campaign and map files) from the
// settings file's language, then the mod's data file and the catalogue built from the archives.

// Chooses the text codec; a missing settings file counts as one without a language.
bool loadTextCodec(QString *error);
// The codec, the mod's records and the catalogue. A missing table of the archives ends the
// program with the editor's message.
bool loadGameCatalogue(QString *error);
