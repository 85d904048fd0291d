#include "bytebuilder.h"
#include "gamedata/gamepictures.h"
#include "gamedata/imagecache.h"

#include <QtTest>

namespace {

// A 2 x 1 paletted picture: one red pixel, one cyan (see-through) pixel.
QByteArray smallPicture() {
    const QByteArray bytes =
        ByteBuilder().u32(0).u32(2).u32(1).raw(QByteArray("\x00\x01", 2)).bytes;
    QByteArray palette(768, '\0');
    palette[0] = char(255);
    palette[4] = char(255);
    palette[5] = char(255);
    return bytes + palette;
}

QImage filled(QRgb colour) {
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestImageCache : public QObject {
    Q_OBJECT

    QStringList fetched;

private slots:
    void init() {
        fetched.clear();
        setPictureEntryFetcher([this](const QString &name) {
            fetched << name;
            // The archives ignore case; the cache must not.
            return name.compare(QLatin1String("Red.pcx"), Qt::CaseInsensitive) == 0 ? smallPicture()
                                                                                    : QByteArray();
        });
    }
    void cleanup() { setPictureEntryFetcher({}); }

    void transparentPictureDecodesOnce() {
        ImageCache cache;
        const QImage first = cache.transparentPicture(QStringLiteral("Red.pcx"));
        QCOMPARE(first.pixel(0, 0), qRgba(255, 0, 0, 255));
        QCOMPARE(first.pixel(1, 0), 0u);
        const QImage second = cache.transparentPicture(QStringLiteral("Red.pcx"));
        QCOMPARE(second.cacheKey(), first.cacheKey()); // the same pixels, not a copy
        QCOMPARE(fetched, QStringList{"Red.pcx"});

        // Names are compared exactly: another spelling is another cache entry.
        const QImage lower = cache.transparentPicture(QStringLiteral("red.pcx"));
        QVERIFY(lower.cacheKey() != first.cacheKey());
        QCOMPARE(cache.transparentPictures.size(), 2);
    }

    void missingPictureIsRememberedAsNull() {
        ImageCache cache;
        QVERIFY(cache.transparentPicture(QStringLiteral("Gone.pcx")).isNull());
        QVERIFY(cache.transparentPicture(QStringLiteral("Gone.pcx")).isNull());
        QCOMPARE(fetched, QStringList{"Gone.pcx"});
        QVERIFY(cache.transparentPictures.contains(QStringLiteral("Gone.pcx")));
    }

    void preloadOpaquePictureOnlyOnce() {
        ImageCache cache;
        cache.preloadOpaquePicture(QStringLiteral("Red.pcx"));
        const qint64 key = cache.opaquePictures.value(QStringLiteral("Red.pcx")).cacheKey();
        cache.preloadOpaquePicture(QStringLiteral("Red.pcx"));
        QCOMPARE(fetched, QStringList{"Red.pcx"});
        const QImage opaque = cache.opaquePictures.value(QStringLiteral("Red.pcx"));
        QCOMPARE(opaque.cacheKey(), key);
        QCOMPARE(opaque.format(), QImage::Format_RGB16);
        QCOMPARE(opaque.pixel(1, 0), qRgb(0, 255, 255));
        QVERIFY(cache.transparentPictures.isEmpty());
    }

    // Video pictures: true colour, decoded once; a picture no archive holds is told apart from
    // one that decodes to nothing, and is not remembered.
    void trueColorPictureDecodesOnce() {
        const QByteArray blue =
            ByteBuilder().u32(0).u32(1).u32(1).raw(QByteArray("\xff\x00\x00", 3)).bytes;
        setPictureEntryFetcher([this, blue](const QString &name) -> std::optional<QByteArray> {
            fetched << name;
            if (name == QLatin1String("Blue.pcx"))
                return blue;
            return std::nullopt;
        });
        ImageCache cache;
        const std::optional<QImage> first = cache.trueColorPicture(QStringLiteral("Blue.pcx"));
        QVERIFY(first);
        QCOMPARE(first->pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(cache.trueColorPicture(QStringLiteral("Blue.pcx"))->cacheKey(), first->cacheKey());
        QVERIFY(!cache.trueColorPicture(QStringLiteral("Gone.pcx")));
        QVERIFY(!cache.trueColorPicture(QStringLiteral("Gone.pcx")));
        QCOMPARE(fetched, QStringList({"Blue.pcx", "Gone.pcx", "Gone.pcx"}));
        QCOMPARE(cache.trueColorPictures.keys(), QStringList{"Blue.pcx"});
        QVERIFY(cache.transparentPictures.isEmpty());
    }

    void composedPicturesByUnsignedKeys() {
        ImageCache cache;
        QVERIFY(!cache.findComposed2(1, 2));
        cache.storeComposed2(1, 2, filled(0xff010101));
        cache.storeComposed2(2, 1, filled(0xff020202));
        cache.storeComposed2(0x80000000u, 0, filled(0xff030303));
        cache.storeComposed2(0xffffffffu, 0xffffffffu, filled(0xff040404));
        QCOMPARE(cache.findComposed2(1, 2)->pixel(0, 0), 0xff010101u);
        QCOMPARE(cache.findComposed2(2, 1)->pixel(0, 0), 0xff020202u);
        QCOMPARE(cache.findComposed2(0xffffffffu, 0xffffffffu)->pixel(0, 0), 0xff040404u);
        QVERIFY(!cache.findComposed2(0, 0x80000000u));
        // Ordered first field first, as unsigned numbers: 0x80000000 comes after 2.
        QCOMPARE(
            cache.composedPictures2.keys(),
            QList<ComposedKey2>({{1, 2}, {2, 1}, {0x80000000u, 0}, {0xffffffffu, 0xffffffffu}}));

        const QImage replacement = filled(0xff050505);
        cache.storeComposed2(1, 2, replacement);
        QCOMPARE(cache.findComposed2(1, 2)->cacheKey(), replacement.cacheKey());
        QCOMPARE(cache.composedPictures2.size(), 4);

        cache.storeComposed4(24, 3, 1, 7, filled(0xff060606));
        cache.storeComposed4(24, 3, 2, 7, filled(0xff070707));
        cache.storeComposed4(0xffffffffu, 0, 0, 0, filled(0xff080808));
        QCOMPARE(cache.findComposed4(24, 3, 1, 7)->pixel(0, 0), 0xff060606u);
        QCOMPARE(cache.findComposed4(24, 3, 2, 7)->pixel(0, 0), 0xff070707u);
        QVERIFY(!cache.findComposed4(24, 3, 0, 7));
        QVERIFY(!cache.findComposed4(24, 3, 1, 8));
        QCOMPARE(cache.composedPictures4.lastKey(), (ComposedKey4{0xffffffffu, 0, 0, 0}));
        QVERIFY(!cache.findComposed2(24, 3)); // the two maps are separate
    }
};

QTEST_GUILESS_MAIN(TestImageCache)
#include "test_imagecache.moc"
