#include "gamedata/gamepictures.h"

#include "gamedata/lodarchiveset.h"

#include <QtEndian>

#include <cstring>

namespace {

// Game pictures are at most a few screens large; anything beyond this is a corrupt header. The
// pixel limit keeps a decoded picture (and the zero padding of a cut entry) to a few tens of MB.
constexpr quint64 maxPictureSide = 4096;
constexpr quint64 maxPicturePixels = 2048 * 2048;

constexpr int palettedHeaderSize = 12;
constexpr int paletteSize = 256 * 3;
constexpr int p32fHeaderSize = 32;
const QByteArray p32fMagic = QByteArrayLiteral("P32F");

PictureEntryFetcher &entryFetcher() {
    static PictureEntryFetcher fetcher;
    return fetcher;
}

// The 32-bit little-endian number at offset, 0 where the bytes end before it.
quint32 readU32(const QByteArray &bytes, int offset) {
    if (offset < 0 || bytes.size() - offset < 4)
        return 0;
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

bool isPlausibleSize(quint64 width, quint64 height) {
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide &&
           width * height <= maxPicturePixels;
}

// The bytes, zero-padded to `needed` when the entry ends early, so that the pixel loops below
// never look past the end. Entries that are long enough are shared, not copied.
QByteArray paddedTo(const QByteArray &bytes, qint64 needed) {
    if (bytes.size() >= needed)
        return bytes;
    QByteArray padded(int(needed), '\0');
    std::memcpy(padded.data(), bytes.constData(), size_t(bytes.size()));
    return padded;
}

struct PalettedPicture {
    int width = 0;
    int height = 0;
    QByteArray bytes; // long enough for the pixels and the palette
    QRgb palette[256] = {};
};

bool readPaletted(const QByteArray &entry, PalettedPicture &picture) {
    const quint32 width = readU32(entry, 4);
    const quint32 height = readU32(entry, 8);
    if (!isPlausibleSize(width, height))
        return false;
    picture.width = int(width);
    picture.height = int(height);
    const qint64 pixelCount = qint64(width) * height;
    picture.bytes = paddedTo(entry, palettedHeaderSize + pixelCount + paletteSize);
    const auto *rgb = reinterpret_cast<const uchar *>(picture.bytes.constData()) +
                      palettedHeaderSize + pixelCount;
    for (int i = 0; i < 256; ++i)
        picture.palette[i] = qRgb(rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
    return true;
}

const uchar *pixelRow(const PalettedPicture &picture, int y) {
    return reinterpret_cast<const uchar *>(picture.bytes.constData()) + palettedHeaderSize +
           qint64(y) * picture.width;
}

QImage decodeThreeBytePicture(const QByteArray &entry) {
    const quint32 width = readU32(entry, 4);
    const quint32 height = readU32(entry, 8);
    if (!isPlausibleSize(width, height))
        return QImage();
    const qint64 rowBytes = qint64(width) * 3;
    const QByteArray bytes = paddedTo(entry, palettedHeaderSize + rowBytes * height);
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < int(height); ++y) {
        const auto *source =
            reinterpret_cast<const uchar *>(bytes.constData()) + palettedHeaderSize + y * rowBytes;
        auto *target = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < int(width); ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}

QImage decodeP32fPicture(const QByteArray &entry) {
    const auto width = qint32(readU32(entry, 24));
    const auto height = qint32(readU32(entry, 28));
    if (width <= 0 || height <= 0 || !isPlausibleSize(quint64(width), quint64(height)))
        return QImage();
    const qint64 rowBytes = qint64(width) * 4;
    const QByteArray bytes = paddedTo(entry, p32fHeaderSize + rowBytes * height);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    for (int row = 0; row < height; ++row) {
        const auto *source =
            reinterpret_cast<const uchar *>(bytes.constData()) + p32fHeaderSize + row * rowBytes;
        // The first stored row is the lowest row of the picture.
        auto *target = reinterpret_cast<QRgb *>(image.scanLine(height - 1 - row));
        for (int x = 0; x < width; ++x, source += 4)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}

} // namespace

void setPictureEntryFetcher(PictureEntryFetcher fetcher) {
    entryFetcher() = std::move(fetcher);
}

std::optional<QByteArray> fetchPictureEntry(const QString &name) {
    if (entryFetcher())
        return entryFetcher()(name);
    return findLodEntry(name);
}

QImage decodeTransparentPictureBytes(const QByteArray &bytes) {
    PalettedPicture picture;
    if (!readPaletted(bytes, picture))
        return QImage();
    // Every palette entry holding cyan is see-through, whatever its index.
    QRgb colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = picture.palette[i] == pictureTransparencyKey ? 0 : picture.palette[i];
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < picture.height; ++y) {
        const uchar *source = pixelRow(picture, y);
        auto *target = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x)
            target[x] = colours[source[x]];
    }
    return image;
}

QImage decodeOpaquePictureBytes(const QByteArray &bytes) {
    PalettedPicture picture;
    if (!readPaletted(bytes, picture))
        return QImage();
    quint16 colours[256];
    for (int i = 0; i < 256; ++i) {
        const QRgb c = picture.palette[i];
        colours[i] = quint16(((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3));
    }
    QImage image(picture.width, picture.height, QImage::Format_RGB16);
    if (image.isNull())
        return QImage();
    for (int y = 0; y < picture.height; ++y) {
        const uchar *source = pixelRow(picture, y);
        auto *target = reinterpret_cast<quint16 *>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x)
            target[x] = colours[source[x]];
    }
    return image;
}

QImage decodeTrueColorPicture(const QByteArray &bytes) {
    if (bytes.startsWith(p32fMagic))
        return decodeP32fPicture(bytes);
    return decodeThreeBytePicture(bytes);
}

QImage decodeTransparentPicture(const QString &name) {
    const std::optional<QByteArray> bytes = fetchPictureEntry(name);
    if (!bytes)
        return QImage();
    return decodeTransparentPictureBytes(*bytes);
}

QImage decodeOpaquePicture(const QString &name) {
    const std::optional<QByteArray> bytes = fetchPictureEntry(name);
    if (!bytes)
        return QImage();
    return decodeOpaquePictureBytes(*bytes);
}
