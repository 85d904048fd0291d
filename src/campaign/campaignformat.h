#pragma once

// The versions and the version-dependent lengths of the campaign file format.

#include <cstdint>

struct GameCatalogue;

// Subversion written with format 10; 0 to 2 are read.
constexpr uint32_t newestCampaignSubversion = 2;
// From this subversion on, format 10 records the mod version and the forbid flag.
constexpr uint32_t subversionWithModVersion = 2;

// Formats 5, 6 and 10 are read.
bool isReadableCampaignFormat(int32_t version);
// Prologue and epilogue slots per scenario record: three in format 10, one before.
int pageSlotsInFormat(int32_t version);
// Length of the creature bit set of a scenario record: the catalogue's creature count in
// format 10, 145 before.
int creatureBitsInFormat(int32_t version, const GameCatalogue &catalogue);
// Length of the artifact bit set: 129 in format 5, 144 in format 6, the catalogue's artifact
// count in format 10.
int artifactBitsInFormat(int32_t version, const GameCatalogue &catalogue);
