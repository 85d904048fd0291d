#pragma once

#include <QByteArray>

#include <cstdint>

struct CmpScenario;
struct MapHeader;

// Results of reading a map header besides a full read's map size.
enum MapReadResult : int {
    MapHasPlayers = 1,        // quick mode: the checks passed and the map has players
    MapWithoutPlayers = -1,   // quick mode: the map has no players
    MapOfNewerVersion = -2,   // saved by a mod version newer than this editor's
    MapOfForbiddenOlder = -3, // older version, and the author forbids newer versions
    MapUnknownFormat = -4     // not a known format, or a mod subversion above the newest
};

// The map formats: the game's own three, then the mod's.
enum MapFormat : uint32_t {
    MapFormatOldest = 14,
    MapFormatMiddle = 21,
    MapFormatNewest = 28,
    MapFormat30 = 30,
    MapFormatMod = 32
};
constexpr uint32_t newestMapSubversion = 8;

bool isKnownMapFormat(uint32_t format);

// Reads the header of an uncompressed map. Quick mode stops after the players flag and returns
// MapHasPlayers or a negative MapReadResult; full mode fills *header and returns the map size
// (clamped to the int range) or a negative MapReadResult. A format 32 map sets
// `mapFileVersion`. A header that ends early reads the missing numbers as 0 and the missing
// texts as empty; so does a text or list whose length is more than the bytes left.
int readMapHeader(const QByteArray &map, bool quick, MapHeader *header);

// The full read without touching `mapFileVersion`, so that maps can be read on several threads
// at once: returns what a full readMapHeader returns, and *header holds what was read, also of
// a refused map, so that noteMapFileVersion can follow.
int readMapSummary(const QByteArray &map, MapHeader *header);
// Sets `mapFileVersion` as reading the map of this header did: a format 32 map sets it to the
// mod version it records (0.0.0 before subversion 8); other formats leave it alone.
void noteMapFileVersion(const MapHeader &header);

// The same on a scenario: a successful full read replaces the scenario's `mapHeader`; quick
// mode changes nothing in the scenario.
int readMapHeader(CmpScenario &scenario, const QByteArray &map, bool quick);
