#pragma once

// The editor's one cache of decoded and composed pictures. It only grows: pictures are decoded
// once per name and region pictures composed once per key for the whole run.

#include <QImage>
#include <QMap>
#include <QSet>
#include <QString>

#include <array>
#include <optional>

// Composed-picture keys, ordered field by field as unsigned numbers.
using ComposedKey2 = std::array<quint32, 2>;
using ComposedKey4 = std::array<quint32, 4>;

class ImageCache {
public:
    // The paletted picture `name` with the transparency key, decoded on first use. A name no
    // archive holds stores (and keeps returning) a null image.
    QImage transparentPicture(const QString &name);
    // Decodes `name` without transparency into opaquePictures unless it is already there.
    void preloadOpaquePicture(const QString &name);
    // The true-colour (or "P32F") picture `name`, decoded on first use; nothing when no archive
    // holds it, and then nothing is stored, so that the caller can refuse the missing picture.
    std::optional<QImage> trueColorPicture(const QString &name);

    // The composed picture stored under the key, or nothing.
    std::optional<QImage> findComposed2(quint32 a, quint32 b) const;
    std::optional<QImage> findComposed4(quint32 a, quint32 b, quint32 c, quint32 d) const;
    // Stores or replaces the composed picture under the key.
    void storeComposed2(quint32 a, quint32 b, const QImage &image);
    void storeComposed4(quint32 a, quint32 b, quint32 c, quint32 d, const QImage &image);

    QMap<QString, QImage> transparentPictures; // names compared exactly
    QMap<QString, QImage> opaquePictures;
    QMap<QString, QImage> trueColorPictures;
    QMap<ComposedKey2, QImage> composedPictures2;
    QMap<ComposedKey4, QImage> composedPictures4;
    // Pictures found missing and already reported to the user (missingpicture.h).
    QSet<QString> reportedMissing;
};

// The cache of the running editor, created empty on first use.
ImageCache &imageCache();
