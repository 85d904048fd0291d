#include "archives.h"
#include "tabletext.h"

// The tables of the demo game: the game's own in Y6bitmap.lod, the mod's in Tarq.lod and
// Tarq_lng.lod, worded in the game's language.
QVector<DemoArchiveEntry> demoTableEntries(const DemoOptions &options) {
    return demoGameTables(options.language) + demoTownTables(options.language) +
           demoModTables(options.language);
}
