#include "bytebuilder.h"
#include "gamedata/gamepictures.h"

#include <QtTest>

namespace {

QByteArray header(quint32 width, quint32 height) {
    return ByteBuilder().u32(width * height).u32(width).u32(height).bytes;
}

// A paletted picture with the given indexes and palette entries (others black).
QByteArray paletted(quint32 width, quint32 height, const QByteArray &indexes,
                    const QMap<int, QRgb> &palette) {
    QByteArray bytes = header(width, height) + indexes;
    QByteArray rgb(768, '\0');
    for (auto it = palette.begin(); it != palette.end(); ++it) {
        rgb[it.key() * 3] = char(qRed(*it));
        rgb[it.key() * 3 + 1] = char(qGreen(*it));
        rgb[it.key() * 3 + 2] = char(qBlue(*it));
    }
    return bytes + rgb;
}

QByteArray p32fHeader(qint32 width, qint32 height) {
    return ByteBuilder().raw("P32F").raw(QByteArray(20, '\x77')).i32(width).i32(height).bytes;
}

QByteArray bgr(int r, int g, int b) {
    const char triple[3] = {char(b), char(g), char(r)};
    return QByteArray(triple, 3);
}

const QRgb cyan = qRgb(0, 255, 255);

quint16 rgb565(int r, int g, int b) {
    return quint16(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

} // namespace

class TestGamePictures : public QObject {
    Q_OBJECT

private slots:
    void palettedWithTransparencyKey() {
        // Cyan at two palette indexes: both become see-through.
        const QByteArray bytes =
            paletted(3, 2, QByteArray("\x00\x01\x02\x07\x00\x02", 6),
                     {{0, qRgb(255, 0, 0)}, {1, cyan}, {2, qRgb(10, 20, 30)}, {7, cyan}});
        const QImage image = decodeTransparentPictureBytes(bytes);
        QCOMPARE(image.format(), QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(3, 2));
        const QRgb expected[2][3] = {{qRgba(255, 0, 0, 255), 0, qRgba(10, 20, 30, 255)},
                                     {0, qRgba(255, 0, 0, 255), qRgba(10, 20, 30, 255)}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(image.pixel(x, y), expected[y][x]);
    }

    void palettedWithoutTransparency() {
        const QByteArray bytes =
            paletted(2, 2, QByteArray("\x01\x02\x00\x01", 4),
                     {{0, qRgb(255, 255, 255)}, {1, cyan}, {2, qRgb(10, 20, 30)}});
        const QImage image = decodeOpaquePictureBytes(bytes);
        QCOMPARE(image.format(), QImage::Format_RGB16);
        const auto *row0 = reinterpret_cast<const quint16 *>(image.constScanLine(0));
        const auto *row1 = reinterpret_cast<const quint16 *>(image.constScanLine(1));
        QCOMPARE(row0[0], rgb565(0, 255, 255));
        QCOMPARE(row0[1], rgb565(10, 20, 30));
        QCOMPARE(row1[0], rgb565(255, 255, 255));
        QCOMPARE(image.pixel(1, 1), cyan); // cyan keeps its colour
    }

    void trueColour() {
        const QByteArray bytes = header(2, 2) + bgr(1, 2, 3) + bgr(250, 0, 7) + bgr(0, 255, 255) +
                                 bgr(9, 8, 7) + QByteArray("trailing");
        const QImage image = decodeTrueColorPicture(bytes);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(image.pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(image.pixel(1, 0), qRgb(250, 0, 7));
        QCOMPARE(image.pixel(0, 1), cyan); // no transparency key here
        QCOMPARE(image.pixel(1, 1), qRgb(9, 8, 7));
    }

    void p32fRowsBottomUp() {
        QByteArray bytes = p32fHeader(2, 3);
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < 2; ++x)
                bytes += bgr(row * 10 + x, 100 + row, 200) + char(0x55);
        const QImage image = decodeTrueColorPicture(bytes);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(2, 3));
        for (int row = 0; row < 3; ++row)
            for (int x = 0; x < 2; ++x)
                QCOMPARE(image.pixel(x, 2 - row), qRgba(row * 10 + x, 100 + row, 200, 255));
    }

    void emptyAndAbsurdSizes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("paletted");
        QTest::newRow("no bytes") << QByteArray() << true;
        QTest::newRow("header cut") << header(4, 4).left(7) << true;
        QTest::newRow("zero width") << header(0, 5) + QByteArray(800, '\1') << true;
        QTest::newRow("paletted 100000 x 100000") << header(100000, 100000) << true;
        QTest::newRow("paletted product overflows 32 bits") << header(65536, 65536) << true;
        QTest::newRow("paletted width 2^32-1") << header(0xffffffffu, 2) << true;
        QTest::newRow("true-colour 100000 x 100000") << header(100000, 100000) << false;
        QTest::newRow("true-colour tall strip") << header(1, 1u << 20) << false;
        QTest::newRow("P32F 100000 x 100000") << p32fHeader(100000, 100000) << false;
        QTest::newRow("P32F zero height") << p32fHeader(4, 0) + QByteArray(64, '\1') << false;
        QTest::newRow("P32F negative height") << p32fHeader(4, -2) + QByteArray(64, '\1') << false;
        QTest::newRow("P32F negative width") << p32fHeader(-4, 2) + QByteArray(64, '\1') << false;
        QTest::newRow("P32F magic only") << QByteArray("P32F") << false;
    }

    void emptyAndAbsurdSizes() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, paletted);
        if (paletted) {
            QVERIFY(decodeTransparentPictureBytes(bytes).isNull());
            QVERIFY(decodeOpaquePictureBytes(bytes).isNull());
        } else {
            QVERIFY(decodeTrueColorPicture(bytes).isNull());
        }
    }

    void truncatedDataReadsAsZero() {
        // Palette entry 0 is cyan; the rest of the palette is missing and reads as black.
        QByteArray bytes = header(2, 1) + QByteArray("\x01\x00", 2) + QByteArray("\x00\xff\xff", 3);
        QImage image = decodeTransparentPictureBytes(bytes);
        QCOMPARE(image.size(), QSize(2, 1));
        QCOMPARE(image.pixel(0, 0), qRgba(0, 0, 0, 255));
        QCOMPARE(image.pixel(1, 0), 0u);

        // Pixel bytes stop after one index: the missing ones are index 0 of an absent palette.
        image = decodeOpaquePictureBytes(header(3, 3) + QByteArray("\x05"));
        QCOMPARE(image.size(), QSize(3, 3));
        QCOMPARE(image.pixel(2, 2), qRgb(0, 0, 0));

        // True colour: the second pixel has its blue byte and nothing more.
        image = decodeTrueColorPicture(header(2, 2) + bgr(40, 50, 60) + QByteArray("\x11"));
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(image.pixel(0, 0), qRgb(40, 50, 60));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 0x11));
        QCOMPARE(image.pixel(1, 1), qRgb(0, 0, 0));

        // P32F: only the first stored (bottom) row is there.
        image = decodeTrueColorPicture(p32fHeader(1, 2) + bgr(7, 8, 9) + '\0');
        QCOMPARE(image.pixel(0, 1), qRgb(7, 8, 9));
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    }

    void namedPicturesThroughTheFetcher() {
        const QByteArray picture = paletted(1, 1, QByteArray("\x03", 1), {{3, qRgb(1, 2, 3)}});
        QStringList asked;
        setPictureEntryFetcher([&](const QString &name) -> std::optional<QByteArray> {
            asked << name;
            if (name == QLatin1String("Here.pcx"))
                return picture;
            return std::nullopt;
        });
        QCOMPARE(decodeTransparentPicture(QStringLiteral("Here.pcx")).pixel(0, 0),
                 qRgba(1, 2, 3, 255));
        QCOMPARE(decodeOpaquePicture(QStringLiteral("Here.pcx")).format(), QImage::Format_RGB16);
        QVERIFY(decodeTransparentPicture(QStringLiteral("Gone.pcx")).isNull());
        QVERIFY(decodeOpaquePicture(QStringLiteral("Gone.pcx")).isNull());
        QCOMPARE(asked, QStringList({"Here.pcx", "Here.pcx", "Gone.pcx", "Gone.pcx"}));
        setPictureEntryFetcher({});
    }
};

QTEST_GUILESS_MAIN(TestGamePictures)
#include "test_gamepictures.moc"
