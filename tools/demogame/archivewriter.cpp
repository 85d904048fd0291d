// Packs the demo game's tables and pictures into Data/*.lod: a 92-byte header ("LOD", kind,
// entry count, reserved bytes), one 32-byte directory record per entry (name, offset, size,
// kind, packed size), then the entries' bytes, plain or zlib-packed.

#include "archives.h"
#include "bytewriter.h"

#include <QMap>

#include <zlib.h>

namespace {

constexpr int headerSize = 92;
constexpr int recordSize = 32;

uint32_t entryKind(const QString &name) {
    if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return 2;
    if (name.endsWith(QLatin1String(".pcx"), Qt::CaseInsensitive))
        return 16;
    if (name.endsWith(QLatin1String(".def"), Qt::CaseInsensitive))
        return 0x42;
    return 1;
}

QByteArray zlibPacked(const QByteArray &bytes) {
    uLongf length = compressBound(uLong(bytes.size()));
    QByteArray packed(int(length), '\0');
    compress2(reinterpret_cast<Bytef *>(packed.data()), &length,
              reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()), 6);
    packed.resize(int(length));
    return packed;
}

QByteArray archiveBytes(const QVector<DemoArchiveEntry> &entries, uint32_t archiveKind) {
    ByteWriter header;
    header.fixed(QByteArray("LOD"), 4);
    header.u32(archiveKind);
    header.i32(int32_t(entries.size()));
    header.fixed(QByteArray(), 80);

    QVector<QByteArray> stored;
    stored.reserve(entries.size());
    for (const DemoArchiveEntry &entry : entries)
        stored.append(entry.packed ? zlibPacked(entry.bytes) : entry.bytes);

    ByteWriter directory;
    uint32_t offset = uint32_t(headerSize + recordSize * entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const DemoArchiveEntry &entry = entries[i];
        directory.fixed(entry.name.toLatin1(), 16); // a 16-character name has no terminator
        directory.u32(offset);
        directory.u32(uint32_t(entry.bytes.size()));
        directory.u32(entryKind(entry.name));
        directory.u32(entry.packed ? uint32_t(stored[i].size()) : 0);
        offset += uint32_t(stored[i].size());
    }

    QByteArray out = header.data() + directory.data();
    out.reserve(int(offset));
    for (const QByteArray &bytes : stored)
        out.append(bytes);
    return out;
}

// A small paletted picture: size, width, height, one palette index per pixel, 256 colours.
QByteArray palettedPicture(int width, int height, int seed) {
    ByteWriter out;
    out.u32(uint32_t(width * height + 768));
    out.u32(uint32_t(width));
    out.u32(uint32_t(height));
    QByteArray pixels(width * height, '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = char(((x + seed) / 4 + (y * 3 + seed) / 5) & 0xff);
    }
    out.raw(pixels);
    QByteArray palette(768, '\0');
    for (int i = 0; i < 256; ++i) {
        palette[i * 3] = char((i * 5 + seed) & 0xff);
        palette[i * 3 + 1] = char((i * 3 + seed * 7) & 0xff);
        palette[i * 3 + 2] = char((255 - i + seed) & 0xff);
    }
    out.raw(palette);
    return out.data();
}

// An animation of the game's sprite format, which the editor never reads.
QByteArray spriteBytes(int seed) {
    ByteWriter out;
    out.u32(0x42);
    out.u32(uint32_t(32 + seed % 32));
    out.u32(uint32_t(32 + seed % 48));
    out.u32(1);
    QByteArray body(400 + (seed * 37) % 1200, '\0');
    for (int i = 0; i < body.size(); ++i)
        body[i] = char((i * 7 + seed) % 23 == 0 ? 0 : (seed + i / 16) & 0xff);
    out.raw(body);
    return out.data();
}

DemoArchiveEntry entry(const QString &archive, const QString &name, const QByteArray &bytes,
                       bool packed) {
    DemoArchiveEntry result;
    result.archive = archive;
    result.name = name;
    result.bytes = bytes;
    result.packed = packed;
    return result;
}

// Entries the editor must skip: sprites and masks, and a sprite whose name would match a table
// if the extension were not checked.
QVector<DemoArchiveEntry> spriteEntries() {
    const QString sprite = QStringLiteral("Y6sprite");
    QVector<DemoArchiveEntry> entries;
    const char *const names[] = {"CrFootmn.def", "CrPikegrd.def", "AvHero01.def",
                                 "AvTownBs.def", "CmpFlag.def",   "HOTRAITS.def"};
    int seed = 0;
    for (const char *name : names) {
        ++seed;
        entries << entry(sprite, QLatin1String(name), spriteBytes(seed), seed % 2 == 0);
    }
    entries << entry(sprite, QStringLiteral("CrFootmn.msk"), QByteArray(14, '\x11'), false);
    entries << entry(QStringLiteral("Tarq"), QStringLiteral("TqBanner.def"), spriteBytes(99), true);
    return entries;
}

// As many entries as the real game's archives hold, for measuring with a full-size game.
QVector<DemoArchiveEntry> paddingEntries() {
    QVector<DemoArchiveEntry> entries;
    const QString bitmap = QStringLiteral("Y6bitmap");
    const char *const bitmapPrefixes[] = {"AdvMap", "Portr", "IcnSm", "Bkg", "TwnScr", "Btn"};
    for (int i = 0; i < 12000; ++i) {
        const QString name = QStringLiteral("%1%2.pcx")
                                 .arg(QLatin1String(bitmapPrefixes[i % 6]))
                                 .arg(i, 5, 10, QLatin1Char('0'));
        const int side = 16 + (i * 13) % 40;
        entries << entry(bitmap, name, palettedPicture(side, side + i % 7, i), i % 5 == 0);
    }
    const QString sprite = QStringLiteral("Y6sprite");
    for (int i = 0; i < 25000; ++i) {
        // Mostly animations, some masks and sprite frames.
        const int kind = i % 10;
        const QString extension = kind < 6   ? QStringLiteral("def")
                                  : kind < 8 ? QStringLiteral("msk")
                                             : QStringLiteral("pcx");
        const QString name =
            QStringLiteral("Spr%1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(extension);
        const QByteArray bytes = kind < 6   ? spriteBytes(i)
                                 : kind < 8 ? QByteArray(14, char(i & 0xff))
                                            : palettedPicture(24, 24, i);
        entries << entry(sprite, name, bytes, false);
    }
    return entries;
}

} // namespace

bool writeArchives(const QString &gameDir, const DemoOptions &options, QString *error) {
    QVector<DemoArchiveEntry> all = demoTableEntries(options) + demoPictureEntries(options);
    all += spriteEntries();
    if (options.fullSize)
        all += paddingEntries();

    // Every archive the editor ranks is written, even when it holds little.
    QMap<QString, QVector<DemoArchiveEntry>> byArchive;
    for (const char *name : {"Y6bitmap", "Y6sprite", "Tarq", "Tarq_lng"})
        byArchive[QLatin1String(name)];
    for (const DemoArchiveEntry &entry : qAsConst(all))
        byArchive[entry.archive].append(entry);

    for (auto it = byArchive.cbegin(); it != byArchive.cend(); ++it) {
        const uint32_t kind = it.key().startsWith(QLatin1String("Tarq")) ? 500 : 200;
        if (!writeGameFile(gameDir, QStringLiteral("Data/%1.lod").arg(it.key()),
                           archiveBytes(it.value(), kind), error))
            return false;
    }
    return true;
}
