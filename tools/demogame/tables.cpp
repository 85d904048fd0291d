#include "archives.h"
#include "tabletext.h"

// The tables of the demo game: the game's own in Y6bitmap.lod, the mod's in Tarq.lod and
// Tarq_lng.lod. The Russian demo game keeps the English tables for now.
QVector<DemoArchiveEntry> demoTableEntries(const DemoOptions &) {
    return demoGameTables() + demoTownTables() + demoModTables();
}
