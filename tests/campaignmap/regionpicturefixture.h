#pragma once

// Small hand-made pictures for the region tests, encoded here in the game's picture layouts so
// that the tests do not lean on the decoders' own understanding of them, and served to the
// editor through the picture entry fetcher.

#include "demogame/bytewriter.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamepictures.h"
#include "gamedata/imagecache.h"

#include <QMap>
#include <QVector>

// The colour that marks see-through pixels of a paletted picture.
constexpr QRgb seeThrough = qRgb(0, 255, 255);

// A paletted picture of width x height pixels, row by row; every distinct colour gets a palette
// entry (at most 256).
inline QByteArray palettedPicture(int width, int height, const QVector<QRgb> &pixels) {
    QByteArray bytes = ByteWriter()
                           .u32(quint32(width * height + 768))
                           .u32(quint32(width))
                           .u32(quint32(height))
                           .data();
    QVector<QRgb> palette;
    for (QRgb pixel : pixels) {
        int index = palette.indexOf(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        if (index < 0) {
            index = palette.size();
            palette.append(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
        bytes.append(char(index));
    }
    QByteArray paletteBytes(768, '\0');
    for (int i = 0; i < palette.size(); ++i) {
        paletteBytes[3 * i] = char(qRed(palette[i]));
        paletteBytes[3 * i + 1] = char(qGreen(palette[i]));
        paletteBytes[3 * i + 2] = char(qBlue(palette[i]));
    }
    return bytes + paletteBytes;
}

// A paletted picture of one colour.
inline QByteArray plainPicture(int width, int height, QRgb colour) {
    return palettedPicture(width, height, QVector<QRgb>(width * height, colour));
}

// A true-colour picture of one colour (blue, green, red per pixel).
inline QByteArray trueColorPicture(int width, int height, QRgb colour) {
    QByteArray bytes = ByteWriter().u32(0).u32(quint32(width)).u32(quint32(height)).data();
    for (int i = 0; i < width * height; ++i) {
        bytes.append(char(qBlue(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qRed(colour)));
    }
    return bytes;
}

// The picture entries the tests serve, and the names asked for.
struct PictureEntries {
    QMap<QString, QByteArray> entries;
    QStringList fetched;

    void install() {
        setPictureEntryFetcher([this](const QString &name) -> std::optional<QByteArray> {
            fetched.append(name);
            const auto found = entries.constFind(name);
            if (found == entries.constEnd())
                return std::nullopt;
            return *found;
        });
    }
};

// Forgets every cached picture of the running editor.
inline void clearImageCache() {
    ImageCache &cache = imageCache();
    cache.transparentPictures.clear();
    cache.opaquePictures.clear();
    cache.composedPictures2.clear();
    cache.composedPictures4.clear();
    cache.reportedMissing.clear();
}

// A kind-1 region with the masks "<stem>F.pcx", "<stem>B.pcx", "<stem>G.pcx" at (x, y).
inline CampaignRegionDef maskRegion(const QString &stem, int x, int y) {
    CampaignRegionDef region;
    region.x = x;
    region.y = y;
    region.name = stem;
    region.picture3 = stem + QStringLiteral("F.pcx");
    region.picture1 = stem + QStringLiteral("B.pcx");
    region.picture2 = stem + QStringLiteral("G.pcx");
    return region;
}

// A kind-0 region whose pieces are named "<stem>S<state>C<colour>.pcx".
inline CampaignRegionDef pieceRegion(const QString &stem, int x, int y) {
    CampaignRegionDef region;
    region.x = x;
    region.y = y;
    region.name = stem;
    for (int state = 0; state < 3; ++state)
        for (int colour = 0; colour < 8; ++colour)
            region.pieceLists[state].append(
                QStringLiteral("%1S%2C%3.pcx").arg(stem).arg(state).arg(colour));
    return region;
}

inline CampaignMapDef campaignMapOf(const QList<CampaignRegionDef> &regions, bool masks,
                                    const QString &background) {
    CampaignMapDef map;
    map.regions = regions;
    map.regionCount = regions.size();
    map.mapKind = masks ? 1 : 0;
    map.picturesGiven = masks;
    map.backgroundPicture = background;
    return map;
}
