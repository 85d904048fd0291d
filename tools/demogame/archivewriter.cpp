// Packs the demo game's tables and pictures into Data/*.lod.

#include "archives.h"
#include "bytewriter.h"
#include "lodwriter.h"

#include <QMap>

namespace {

uint32_t entryKind(const QString &name) {
    if (name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return 2;
    if (name.endsWith(QLatin1String(".pcx"), Qt::CaseInsensitive))
        return 16;
    if (name.endsWith(QLatin1String(".def"), Qt::CaseInsensitive))
        return 0x42;
    return 1;
}

QByteArray archiveBytes(const QVector<DemoArchiveEntry> &entries, uint32_t archiveKind) {
    LodWriter archive;
    for (const DemoArchiveEntry &entry : entries)
        archive.add(entry.name.toLatin1(), entry.bytes, entry.packed, entryKind(entry.name));
    return archive.build(archiveKind);
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
