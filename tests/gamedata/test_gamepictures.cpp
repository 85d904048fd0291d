// The picture decoders on bytes built here, and the cache that decodes each named picture once.
#include "demogame/bytewriter.h"
#include "gamedata/gamepictures.h"
#include "gamedata/imagecache.h"

#include <QtTest>

namespace {

QByteArray header(quint32 width, quint32 height) {
    return ByteWriter().u32(width * height).u32(width).u32(height).data();
}

// A paletted picture with the given indexes and palette entries (others black).
QByteArray paletted(quint32 width, quint32 height, const QByteArray &indexes,
                    const QMap<int, QRgb> &palette) {
    QByteArray rgb(768, '\0');
    for (auto it = palette.begin(); it != palette.end(); ++it) {
        rgb[it.key() * 3] = char(qRed(*it));
        rgb[it.key() * 3 + 1] = char(qGreen(*it));
        rgb[it.key() * 3 + 2] = char(qBlue(*it));
    }
    return header(width, height) + indexes + rgb;
}

QByteArray p32fHeader(qint32 width, qint32 height) {
    return ByteWriter().raw("P32F").raw(QByteArray(20, '\x77')).i32(width).i32(height).data();
}

QByteArray bgr(int r, int g, int b) {
    const char triple[3] = {char(b), char(g), char(r)};
    return QByteArray(triple, 3);
}

uint rgb565(int r, int g, int b) {
    return uint(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

const QRgb cyan = qRgb(0, 255, 255);
const QRgb black = qRgb(0, 0, 0);

QImage decode(const QString &decoder, const QByteArray &bytes) {
    if (decoder == QLatin1String("transparent"))
        return decodeTransparentPictureBytes(bytes);
    if (decoder == QLatin1String("opaque"))
        return decodeOpaquePictureBytes(bytes);
    return decodeTrueColorPicture(bytes);
}

// The pixels row by row as stored: 5-6-5 words for 16-bit pictures, ARGB values otherwise.
QList<uint> pixelsOf(const QImage &image) {
    QList<uint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels << (image.format() == QImage::Format_RGB16
                           ? uint(reinterpret_cast<const quint16 *>(image.constScanLine(y))[x])
                           : image.pixel(x, y));
    return pixels;
}

} // namespace

using Pixels = QList<uint>;

class TestGamePictures : public QObject {
    Q_OBJECT

private slots:
    void decoding_data() {
        QTest::addColumn<QString>("decoder");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size"); // empty: a null image
        QTest::addColumn<Pixels>("pixels");
        const QRgb red = qRgb(255, 0, 0), dark = qRgb(10, 20, 30);
        QTest::newRow("cyan at two indexes is see-through")
            << "transparent"
            << paletted(3, 2, QByteArray("\x00\x01\x02\x07\x00\x02", 6),
                        {{0, red}, {1, cyan}, {2, dark}, {7, cyan}})
            << QSize(3, 2) << Pixels{red, 0, dark, 0, red, dark};
        QTest::newRow("opaque: cyan stays cyan")
            << "opaque"
            << paletted(2, 2, QByteArray("\x01\x02\x00\x01", 4),
                        {{0, qRgb(255, 255, 255)}, {1, cyan}, {2, dark}})
            << QSize(2, 2)
            << Pixels{rgb565(0, 255, 255), rgb565(10, 20, 30), 0xffff, rgb565(0, 255, 255)};
        QTest::newRow("true colour, no transparency key")
            << "true colour"
            << header(2, 2) + bgr(1, 2, 3) + bgr(250, 0, 7) + bgr(0, 255, 255) + bgr(9, 8, 7) +
                   "trailing"
            << QSize(2, 2) << Pixels{qRgb(1, 2, 3), qRgb(250, 0, 7), cyan, qRgb(9, 8, 7)};
        QByteArray p32f = p32fHeader(2, 3);
        Pixels topDown;
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < 2; ++x) {
                p32f += bgr(row * 10 + x, 100 + row, 200) + char(0x55);
                topDown << qRgb((2 - row) * 10 + x, 102 - row, 200);
            }
        QTest::newRow("P32F rows bottom up") << "true colour" << p32f << QSize(2, 3) << topDown;

        // Missing bytes read as zero.
        QTest::newRow("palette cut after entry 0")
            << "transparent" << header(2, 1) + QByteArray("\x01\x00\x00\xff\xff", 5) << QSize(2, 1)
            << Pixels{black, 0};
        QTest::newRow("indexes cut after one") << "opaque" << header(3, 3) + "\x05" << QSize(3, 3)
                                               << Pixels{0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("true colour cut after a blue byte")
            << "true colour" << header(2, 2) + bgr(40, 50, 60) + "\x11" << QSize(2, 2)
            << Pixels{qRgb(40, 50, 60), qRgb(0, 0, 0x11), black, black};
        QTest::newRow("P32F with only the bottom row")
            << "true colour" << p32fHeader(1, 2) + bgr(7, 8, 9) + '\0' << QSize(1, 2)
            << Pixels{black, qRgb(7, 8, 9)};

        // Sizes no game picture has give null images, not huge allocations.
        for (const char *decoder : {"transparent", "opaque"}) {
            const auto null = [decoder](const char *name, const QByteArray &bytes) {
                QTest::addRow("%s, %s", decoder, name) << decoder << bytes << QSize() << Pixels();
            };
            null("no bytes", QByteArray());
            null("header cut", header(4, 4).left(7));
            null("100000 x 100000", header(100000, 100000));
            null("product overflows 32 bits", header(65536, 65536));
            null("width 2^32-1", header(0xffffffffu, 2));
        }
        const auto trueNull = [](const char *name, const QByteArray &bytes) {
            QTest::newRow(name) << "true colour" << bytes << QSize() << Pixels();
        };
        trueNull("true colour 100000 x 100000", header(100000, 100000));
        trueNull("P32F 100000 x 100000", p32fHeader(100000, 100000));
        trueNull("P32F zero height", p32fHeader(4, 0) + QByteArray(64, '\1'));
        trueNull("P32F negative height", p32fHeader(4, -2) + QByteArray(64, '\1'));
        trueNull("P32F magic only", QByteArray("P32F"));
    }

    void decoding() {
        QFETCH(QString, decoder);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(Pixels, pixels);
        const QImage image = decode(decoder, bytes);
        QCOMPARE(image.size(), size.isEmpty() ? QSize(0, 0) : size);
        if (size.isEmpty())
            return;
        const QImage::Format format = decoder == "transparent" ? QImage::Format_ARGB32
                                      : decoder == "opaque"    ? QImage::Format_RGB16
                                                               : QImage::Format_RGB32;
        QCOMPARE(image.format(), format);
        QCOMPARE(pixelsOf(image), pixels);
    }

    // Named pictures come through the fetcher; the cache decodes each name once, remembers a
    // missing paletted picture as null, and does not remember a missing true-colour one.
    void namedPicturesAndTheCache() {
        const QByteArray red =
            paletted(2, 1, QByteArray("\x00\x01", 2), {{0, 0xffff0000}, {1, cyan}});
        const QByteArray blue = header(1, 1) + bgr(0, 0, 255);
        QStringList fetched;
        setPictureEntryFetcher([&](const QString &name) -> std::optional<QByteArray> {
            fetched << name;
            // The archives ignore case; the cache must not.
            if (name.compare(QLatin1String("Red.pcx"), Qt::CaseInsensitive) == 0)
                return red;
            if (name == QLatin1String("Blue.pcx"))
                return blue;
            return std::nullopt;
        });
        QCOMPARE(decodeTransparentPicture("Red.pcx").pixel(0, 0), 0xffff0000u);
        QCOMPARE(decodeOpaquePicture("Red.pcx").format(), QImage::Format_RGB16);
        QVERIFY(decodeTransparentPicture("Gone.pcx").isNull());
        QVERIFY(decodeOpaquePicture("Gone.pcx").isNull());
        QCOMPARE(fetched, QStringList({"Red.pcx", "Red.pcx", "Gone.pcx", "Gone.pcx"}));

        fetched.clear();
        ImageCache cache;
        const QImage first = cache.transparentPicture("Red.pcx");
        QCOMPARE(first.pixel(1, 0), 0u);
        QCOMPARE(cache.transparentPicture("Red.pcx").cacheKey(), first.cacheKey());
        QVERIFY(cache.transparentPicture("red.pcx").cacheKey() != first.cacheKey());
        QVERIFY(cache.transparentPicture("Gone.pcx").isNull());
        QVERIFY(cache.transparentPicture("Gone.pcx").isNull());
        cache.preloadOpaquePicture("Red.pcx");
        const qint64 opaque = cache.opaquePictures.value("Red.pcx").cacheKey();
        cache.preloadOpaquePicture("Red.pcx");
        QCOMPARE(cache.opaquePictures.value("Red.pcx").cacheKey(), opaque);
        QCOMPARE(cache.opaquePictures.value("Red.pcx").pixel(1, 0), cyan);
        const std::optional<QImage> video = cache.trueColorPicture("Blue.pcx");
        QCOMPARE(video->pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(cache.trueColorPicture("Blue.pcx")->cacheKey(), video->cacheKey());
        QVERIFY(!cache.trueColorPicture("Gone.pcx"));
        QVERIFY(!cache.trueColorPicture("Gone.pcx"));
        QCOMPARE(fetched, QStringList({"Red.pcx", "red.pcx", "Gone.pcx", "Red.pcx", "Blue.pcx",
                                       "Gone.pcx", "Gone.pcx"}));
        QCOMPARE(cache.transparentPictures.keys(), QStringList({"Gone.pcx", "Red.pcx", "red.pcx"}));
        QCOMPARE(cache.trueColorPictures.keys(), QStringList{"Blue.pcx"});
        setPictureEntryFetcher({});
    }

    // Composed pictures are ordered field by field as unsigned numbers; a store replaces.
    void composedPicturesByUnsignedKeys() {
        ImageCache cache;
        QImage image(1, 1, QImage::Format_ARGB32);
        QVERIFY(!cache.findComposed2(1, 2));
        cache.storeComposed2(2, 1, image);
        cache.storeComposed2(0x80000000u, 0, image);
        cache.storeComposed2(1, 2, QImage());
        cache.storeComposed2(1, 2, image);
        QCOMPARE(cache.findComposed2(1, 2)->cacheKey(), image.cacheKey());
        QVERIFY(!cache.findComposed2(0, 0x80000000u));
        QCOMPARE(cache.composedPictures2.keys(),
                 QList<ComposedKey2>({{1, 2}, {2, 1}, {0x80000000u, 0}}));
        cache.storeComposed4(24, 3, 1, 7, image);
        QVERIFY(cache.findComposed4(24, 3, 1, 7) && !cache.findComposed4(24, 3, 1, 8));
        QVERIFY(!cache.findComposed2(24, 3)); // the two maps are separate
    }
};

QTEST_GUILESS_MAIN(TestGamePictures)
#include "test_gamepictures.moc"
