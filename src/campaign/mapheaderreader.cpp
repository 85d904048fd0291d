#include "campaign/mapheaderreader.h"

#include "campaign/bytecursor.h"
#include "campaign/cmpscenario.h"
#include "campaign/editorvalues.h"
#include "campaign/mapheader.h"

#include <climits>

namespace {

// Subversions of the mod's format that added header fields.
constexpr uint32_t modFlagsSince = 1;
constexpr uint32_t extraCountSince = 2;
constexpr uint32_t extraValueSince = 4;
constexpr uint32_t extraFlagSince = 7;
constexpr uint32_t versionSince = 8;

constexpr int reservedHeaderBytes = 31;
constexpr uint8_t noneCondition = 255;
constexpr uint8_t noMainHero = 255;

void readPosition(ByteCursor &in, uint8_t &x, uint8_t &y, uint8_t &level) {
    x = in.u8();
    y = in.u8();
    level = in.u8();
}

MapPlayer readPlayer(ByteCursor &in, uint32_t format) {
    MapPlayer player;
    player.canHumanPlay = in.flag();
    player.canComputerPlay = in.flag();
    player.aiTactic = in.u8();
    if (format != MapFormatMiddle)
        player.extraByte = in.u8();
    if (format > MapFormatOldest)
        player.allowedTowns = in.u16();
    player.randomTown = in.flag();
    player.hasMainTown = in.u8();
    // Only a byte of exactly 1 announces the town's fields.
    if (player.hasMainTown == 1) {
        if (format > MapFormatOldest) {
            player.generateHeroAtMainTown = in.flag();
            player.mainTownType = in.u8();
        }
        readPosition(in, player.mainTownX, player.mainTownY, player.mainTownLevel);
    }
    player.randomHero = in.flag();
    player.mainHero = in.u8();
    if (player.mainHero != noMainHero) {
        player.mainHeroPortrait = in.u8();
        player.mainHeroName = in.text();
    }
    if (format > MapFormatOldest) {
        player.placeholderCount = in.u8();
        // The count comes from the file: each entry takes at least five bytes, so the loop
        // ends as soon as the data does, and nothing is reserved for the count up front.
        const uint32_t count = in.u32();
        for (uint32_t k = 0; k < count && !in.exhausted(); ++k) {
            MapHero hero;
            hero.id = in.u8();
            hero.name = in.text();
            if (in.exhausted())
                break;
            player.heroes.append(hero);
        }
    }
    return player;
}

MapVictoryCondition readVictoryCondition(ByteCursor &in, uint32_t format) {
    MapVictoryCondition condition;
    condition.type = in.u8();
    if (condition.type == noneCondition)
        return condition;
    condition.allowNormalVictory = in.flag();
    condition.appliesToComputer = in.flag();
    const bool oldest = format == MapFormatOldest;
    switch (condition.type) {
    case 0: // acquire an artifact
        condition.object = oldest ? in.u8() : in.u16();
        break;
    case 1: // accumulate creatures
        condition.object = oldest ? in.u8() : in.u16();
        condition.amount = in.u32();
        break;
    case 2: // accumulate resources
        condition.object = in.u8();
        condition.amount = in.u32();
        break;
    case 3: // upgrade a town
        readPosition(in, condition.x, condition.y, condition.level);
        condition.hallLevel = in.u8();
        condition.castleLevel = in.u8();
        break;
    case 4:
    case 5:
    case 6:
    case 7:
        readPosition(in, condition.x, condition.y, condition.level);
        break;
    case 10: // transport an artifact
        condition.object = in.u8();
        readPosition(in, condition.x, condition.y, condition.level);
        break;
    case 12: // survive
        condition.days = in.u32();
        break;
    default: // 8, 9, 11 and unknown types carry nothing
        break;
    }
    return condition;
}

MapLossCondition readLossCondition(ByteCursor &in) {
    MapLossCondition condition;
    condition.type = in.u8();
    switch (condition.type) {
    case 0:
    case 1:
        readPosition(in, condition.x, condition.y, condition.level);
        break;
    case 2:
        condition.days = in.u16();
        break;
    default:
        break;
    }
    return condition;
}

uint32_t allowedHeroBits(ByteCursor &in, uint32_t format) {
    switch (format) {
    case MapFormatOldest:
        return 128;
    case MapFormatMod:
        return in.u32();
    default:
        return 160;
    }
}

void readRest(ByteCursor &in, MapHeader &header) {
    const uint32_t format = header.format;
    header.size = in.u32();
    header.twoLevels = in.flag();
    header.name = in.text();
    header.description = in.text();
    header.difficulty = in.u8();
    if (format > MapFormatOldest)
        header.levelLimit = in.u8();
    for (MapPlayer &player : header.players)
        player = readPlayer(in, format);
    header.victoryCondition = readVictoryCondition(in, format);
    header.lossCondition = readLossCondition(in);
    header.teamCount = in.u8();
    if (header.teamCount != 0)
        for (uint8_t &team : header.teams)
            team = in.u8();
    header.allowedHeroes = in.bits(allowedHeroBits(in, format));
    if (format > MapFormatOldest)
        header.placeholderHeroes = in.raw(in.u32());
    if (format > MapFormatMiddle) {
        const uint8_t count = in.u8();
        for (int k = 0; k < count && !in.exhausted(); ++k) {
            MapCustomHero hero;
            hero.hero = in.u8();
            hero.portrait = in.u8();
            hero.name = in.text();
            hero.players = in.u8();
            if (in.exhausted())
                break;
            header.customHeroes.append(hero);
        }
    }
    in.skip(reservedHeaderBytes);
}

} // namespace

bool isKnownMapFormat(uint32_t format) {
    switch (format) {
    case MapFormatOldest:
    case MapFormatMiddle:
    case MapFormatNewest:
    case MapFormat30:
    case MapFormatMod:
        return true;
    default:
        return false;
    }
}

namespace {

// Reads into `result` as far as the checks let it, changing nothing else.
int readHeader(const QByteArray &map, bool quick, MapHeader &result) {
    ByteCursor in(map);
    result.format = in.u32();
    if (!isKnownMapFormat(result.format))
        return MapUnknownFormat;
    if (result.format == MapFormatMod) {
        result.subversion = in.u32();
        if (result.subversion > newestMapSubversion)
            return MapUnknownFormat;
        if (result.subversion >= versionSince) {
            result.version.major = in.u32();
            result.version.minor = in.u32();
            result.version.patch = in.u32();
            if (result.version > editorVersion)
                return MapOfNewerVersion;
        }
        if (result.subversion >= modFlagsSince) {
            result.modFlag1 = in.u8();
            result.modFlag2 = in.u8();
        }
        if (result.subversion >= extraCountSince)
            result.extraCount = in.u32();
        if (result.subversion >= extraValueSince) {
            result.extraValue = in.u32();
            result.extraValueFlag = in.u8();
        }
        if (result.subversion >= extraFlagSince)
            result.extraFlag = in.u8();
        if (result.subversion >= versionSince) {
            result.forbidNewerVersions = in.flag();
            if (result.forbidNewerVersions && result.version < editorVersion)
                return MapOfForbiddenOlder;
        }
    }
    result.hasPlayers = in.flag();
    if (quick)
        return result.hasPlayers ? MapHasPlayers : MapWithoutPlayers;
    readRest(in, result);
    return int(qMin<uint32_t>(result.size, INT_MAX));
}

} // namespace

void noteMapFileVersion(const MapHeader &header) {
    if (header.format == MapFormatMod && header.subversion <= newestMapSubversion)
        mapFileVersion = header.version;
}

int readMapSummary(const QByteArray &map, MapHeader *header) {
    *header = MapHeader();
    return readHeader(map, false, *header);
}

int readMapHeader(const QByteArray &map, bool quick, MapHeader *header) {
    MapHeader result;
    const int read = readHeader(map, quick, result);
    noteMapFileVersion(result);
    if (read >= 0 && !quick && header)
        *header = result;
    return read;
}

int readMapHeader(CmpScenario &scenario, const QByteArray &map, bool quick) {
    if (quick)
        return readMapHeader(map, true, nullptr);
    QSharedPointer<MapHeader> header(new MapHeader);
    const int result = readMapHeader(map, false, header.data());
    if (result >= 0)
        scenario.mapHeader = header;
    return result;
}
