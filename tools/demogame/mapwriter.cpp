#include "maps.h"

#include "bytewriter.h"

#include <zlib.h>

namespace {

// Map formats: the game's three, a later one of the game, and the mod's own.
constexpr uint32_t formatOldest = 14;
constexpr uint32_t formatMiddle = 21;
constexpr uint32_t formatMod = 32;
constexpr int reservedBytes = 31;
constexpr int bytesPerTile = 7; // terrain, sprite, river, river direction, road, road dir, flags

void writePlayer(ByteWriter &out, const DemoMapPlayer &player, uint32_t format) {
    out.u8(player.human);
    out.u8(player.computer);
    out.u8(player.aiTactic);
    if (format != formatMiddle)
        out.u8(player.extraByte);
    if (format > formatOldest)
        out.u16(player.allowedTowns);
    out.u8(player.randomTown);
    out.u8(player.mainTown);
    if (player.mainTown == 1) {
        if (format > formatOldest) {
            out.u8(player.generateHero);
            out.u8(player.townType);
        }
        out.u8(player.townX);
        out.u8(player.townY);
        out.u8(player.townLevel);
    }
    out.u8(player.randomHero);
    out.u8(player.mainHero);
    if (player.mainHero != 255) {
        out.u8(player.mainHeroPortrait);
        out.string(player.mainHeroName);
    }
    if (format > formatOldest) {
        out.u8(player.placeholders);
        out.u32(uint32_t(player.heroes.size()));
        for (const DemoMapHero &hero : player.heroes) {
            out.u8(hero.id);
            out.string(hero.name);
        }
    }
}

// The hero set as bytes, least significant bit first.
QByteArray heroBits(const DemoMap &map, uint32_t bitCount) {
    QByteArray bytes(int((bitCount + 7) / 8), '\0');
    for (uint32_t hero = 0; hero < bitCount; ++hero) {
        // The game's own hero set holds the first 156 heroes; the mod's set holds all.
        const bool known = map.format == formatMod || hero < 156;
        const bool allowed =
            map.allowedHeroes.isEmpty() ? known : map.allowedHeroes.contains(int(hero));
        if (allowed)
            bytes[int(hero / 8)] = char(uint8_t(bytes[int(hero / 8)]) | (1u << (hero % 8)));
    }
    return bytes;
}

void writeHeader(ByteWriter &out, const DemoMap &map) {
    out.u32(map.format);
    if (map.format == formatMod) {
        out.u32(map.subversion);
        if (map.subversion >= 8) {
            out.u32(map.versionMajor);
            out.u32(map.versionMinor);
            out.u32(map.versionPatch);
        }
        if (map.subversion >= 1) {
            out.u8(1); // the mod's two map flags
            out.u8(0);
        }
        if (map.subversion >= 2)
            out.u32(3);
        if (map.subversion >= 4) {
            out.u32(100);
            out.u8(1);
        }
        if (map.subversion >= 7)
            out.u8(0);
        if (map.subversion >= 8)
            out.u8(map.forbidNewer);
    }
    out.u8(map.hasPlayers);
    out.u32(map.size);
    out.u8(map.twoLevels);
    out.string(map.name);
    out.string(map.description);
    out.u8(map.difficulty);
    if (map.format > formatOldest)
        out.u8(map.levelLimit);
    for (const DemoMapPlayer &player : map.players)
        writePlayer(out, player, map.format);
    out.raw(map.victoryCondition);
    out.raw(map.lossCondition);
    out.u8(map.teamCount);
    if (map.teamCount != 0)
        for (uint8_t team : map.teams)
            out.u8(team);
    if (map.format == formatOldest) {
        out.raw(heroBits(map, 128));
    } else if (map.format == formatMod) {
        out.u32(map.modHeroBits);
        out.raw(heroBits(map, map.modHeroBits));
    } else {
        out.raw(heroBits(map, 160));
    }
    if (map.format > formatOldest) {
        out.u32(uint32_t(map.placeholderHeroes.size()));
        out.raw(map.placeholderHeroes);
    }
    if (map.format > formatMiddle) {
        out.u8(uint8_t(map.customHeroes.size()));
        for (const DemoCustomHero &hero : map.customHeroes) {
            out.u8(hero.hero);
            out.u8(hero.portrait);
            out.string(hero.name);
            out.u8(hero.players);
        }
    }
    out.raw(QByteArray(reservedBytes, '\0'));
}

// The tiles of every level: patches of terrain with the odd road and river, so that the file
// compresses about as well as a real map does.
QByteArray terrainBody(const DemoMap &map) {
    const int levels = map.twoLevels ? 2 : 1;
    const int side = int(map.size);
    QByteArray tiles;
    tiles.reserve(side * side * levels * bytesPerTile);
    uint32_t seed = uint32_t(qHash(map.name));
    const auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 16;
    };
    for (int level = 0; level < levels; ++level) {
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                // Terrain changes by patches of 6 by 6 tiles; underground is mostly rock.
                const uint32_t patch = uint32_t(qHash(qMakePair(x / 6 + level * 97, y / 6)));
                const uint8_t terrain = level == 1 && (patch % 3 != 0) ? 9 : uint8_t(patch % 8);
                const bool road = y == side / 2 || x == side / 3;
                const bool river = (x + y) == side - 1 && level == 0;
                tiles.append(char(terrain));
                tiles.append(char(next() % 24));
                tiles.append(char(river ? 1 : 0));
                tiles.append(char(river ? next() % 13 : 0));
                tiles.append(char(road ? 2 : 0));
                tiles.append(char(road ? next() % 17 : 0));
                tiles.append(char(next() % 4 == 0 ? 1 : 0));
            }
        }
    }
    // The objects: one record of placement and settings bytes per 8 tiles of the surface.
    const int objects = side * side / 8;
    for (int k = 0; k < objects; ++k) {
        tiles.append(char(next() % uint32_t(side)));
        tiles.append(char(next() % uint32_t(side)));
        tiles.append(char(next() % uint32_t(levels)));
        for (int field = 0; field < 9; ++field)
            tiles.append(char(field < 3 ? next() % 64 : 0));
    }
    return tiles;
}

QByteArray gzipped(const QByteArray &data) {
    z_stream stream{};
    // Window bits 31: a gzip member with a zero time stamp, so the files are reproducible.
    if (deflateInit2(&stream, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return QByteArray();
    QByteArray result(int(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(result.data());
    stream.avail_out = uInt(result.size());
    const int status = deflate(&stream, Z_FINISH);
    result.resize(int(stream.total_out));
    deflateEnd(&stream);
    return status == Z_STREAM_END ? result : QByteArray();
}

} // namespace

QByteArray demoMapBytes(const DemoMap &map) {
    ByteWriter out;
    writeHeader(out, map);
    out.raw(terrainBody(map));
    return out.data();
}

QStringList demoMapFileNames() {
    QStringList names;
    for (const DemoMap &map : demoMaps(DemoLanguage::English))
        names.append(map.fileName);
    return names;
}

QByteArray demoMapFile(const QString &fileName, DemoLanguage language) {
    for (const DemoMap &map : demoMaps(language))
        if (map.fileName == fileName)
            return map.compressed ? gzipped(demoMapBytes(map)) : demoMapBytes(map);
    return QByteArray();
}

bool writeDemoMaps(const QString &gameDir, const DemoOptions &options, QString *error) {
    for (const DemoMap &map : demoMaps(options.language)) {
        const QByteArray bytes = map.compressed ? gzipped(demoMapBytes(map)) : demoMapBytes(map);
        if (bytes.isEmpty()) {
            *error = QStringLiteral("cannot compress %1").arg(map.fileName);
            return false;
        }
        if (!writeGameFile(gameDir, QStringLiteral("Maps/") + map.fileName, bytes, error))
            return false;
    }
    return true;
}
