#include "gamedata/imagecache.h"

#include "gamedata/gamepictures.h"
#include "gamedata/logging.h"

QImage ImageCache::transparentPicture(const QString &name) {
    const auto found = transparentPictures.constFind(name);
    if (found != transparentPictures.constEnd()) {
        qCDebug(logImages) << "result found" << found->size();
        return *found;
    }
    const QImage image = decodeTransparentPicture(name);
    transparentPictures.insert(name, image);
    return image;
}

void ImageCache::preloadOpaquePicture(const QString &name) {
    if (!opaquePictures.contains(name))
        opaquePictures.insert(name, decodeOpaquePicture(name));
}

std::optional<QImage> ImageCache::trueColorPicture(const QString &name) {
    const auto found = trueColorPictures.constFind(name);
    if (found != trueColorPictures.constEnd())
        return *found;
    const std::optional<QByteArray> bytes = fetchPictureEntry(name);
    if (!bytes)
        return std::nullopt;
    const QImage image = decodeTrueColorPicture(*bytes);
    trueColorPictures.insert(name, image);
    return image;
}

std::optional<QImage> ImageCache::findComposed2(quint32 a, quint32 b) const {
    const auto found = composedPictures2.constFind(ComposedKey2{a, b});
    if (found == composedPictures2.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QImage> ImageCache::findComposed4(quint32 a, quint32 b, quint32 c, quint32 d) const {
    const auto found = composedPictures4.constFind(ComposedKey4{a, b, c, d});
    if (found == composedPictures4.constEnd())
        return std::nullopt;
    return *found;
}

void ImageCache::storeComposed2(quint32 a, quint32 b, const QImage &image) {
    composedPictures2.insert(ComposedKey2{a, b}, image);
}

void ImageCache::storeComposed4(quint32 a, quint32 b, quint32 c, quint32 d, const QImage &image) {
    composedPictures4.insert(ComposedKey4{a, b, c, d}, image);
}

ImageCache &imageCache() {
    static ImageCache cache;
    return cache;
}
