#include "pictureencoder.h"

#include "bytewriter.h"

#include <algorithm>
#include <array>

namespace {

void writeHeader(ByteWriter &out, int width, int height, int dataSize) {
    out.u32(uint32_t(dataSize));
    out.u32(uint32_t(width));
    out.u32(uint32_t(height));
}

// One box of the median cut: a range of the colour list.
struct ColourBox {
    int begin = 0;
    int end = 0;
    int longestAxis = 0;
    int range = 0;
};

struct Sample {
    std::array<uchar, 3> rgb;
    int pixel;
};

void measure(const std::vector<Sample> &samples, ColourBox &box) {
    std::array<int, 3> low = {255, 255, 255}, high = {0, 0, 0};
    for (int i = box.begin; i < box.end; ++i)
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min<int>(low[c], samples[size_t(i)].rgb[size_t(c)]);
            high[c] = std::max<int>(high[c], samples[size_t(i)].rgb[size_t(c)]);
        }
    box.range = -1;
    for (int c = 0; c < 3; ++c)
        if (high[c] - low[c] > box.range) {
            box.range = high[c] - low[c];
            box.longestAxis = c;
        }
}

} // namespace

QByteArray encodeTrueColorPicture(const QImage &image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    ByteWriter out;
    writeHeader(out, rgb.width(), rgb.height(), rgb.width() * rgb.height() * 3);
    QByteArray pixels(rgb.width() * rgb.height() * 3, '\0');
    auto *target = reinterpret_cast<uchar *>(pixels.data());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            *target++ = uchar(qBlue(line[x]));
            *target++ = uchar(qGreen(line[x]));
            *target++ = uchar(qRed(line[x]));
        }
    }
    out.raw(pixels);
    return out.data();
}

QByteArray encodeP32fPicture(const QImage &image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    ByteWriter out;
    out.raw(QByteArrayLiteral("P32F"));
    out.u32(uint32_t(rgb.width() * rgb.height() * 4)); // the game's tools keep sizes here
    out.u32(1);
    out.raw(QByteArray(12, '\0'));
    out.u32(uint32_t(rgb.width()));
    out.u32(uint32_t(rgb.height()));
    QByteArray pixels(rgb.width() * rgb.height() * 4, '\0');
    auto *target = reinterpret_cast<uchar *>(pixels.data());
    for (int y = rgb.height() - 1; y >= 0; --y) { // bottom row first
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            *target++ = uchar(qBlue(line[x]));
            *target++ = uchar(qGreen(line[x]));
            *target++ = uchar(qRed(line[x]));
            *target++ = 0xff;
        }
    }
    out.raw(pixels);
    return out.data();
}

QByteArray encodePalettedPicture(int width, int height, const QByteArray &indexes,
                                 const QVector<QRgb> &palette) {
    ByteWriter out;
    writeHeader(out, width, height, width * height + 768);
    out.raw(indexes);
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = palette.value(i, qRgb(0, 0, 0));
        out.u8(uchar(qRed(colour)));
        out.u8(uchar(qGreen(colour)));
        out.u8(uchar(qBlue(colour)));
    }
    return out.data();
}

QByteArray encodeGreyMask(const QImage &mask) {
    const QImage argb = mask.convertToFormat(QImage::Format_ARGB32);
    QVector<QRgb> palette;
    for (int i = 0; i < 255; ++i)
        palette.append(qRgb(i, i, i));
    palette.append(demoTransparencyKey);
    QByteArray indexes;
    indexes.reserve(argb.width() * argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            indexes.append(char(qAlpha(line[x]) == 0 ? 255 : std::min(qRed(line[x]), 254)));
    }
    return encodePalettedPicture(argb.width(), argb.height(), indexes, palette);
}

QByteArray encodeQuantizedPicture(const QImage &image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    std::vector<Sample> samples;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qAlpha(line[x]) != 0)
                samples.push_back(
                    {{uchar(qRed(line[x])), uchar(qGreen(line[x])), uchar(qBlue(line[x]))},
                     y * width + x});
    }
    // Median cut: split the box with the widest colour range at its median until 255 boxes.
    std::vector<ColourBox> boxes;
    if (!samples.empty()) {
        ColourBox all{0, int(samples.size()), 0, 0};
        measure(samples, all);
        boxes.push_back(all);
    }
    while (boxes.size() < 255) {
        auto widest = std::max_element(
            boxes.begin(), boxes.end(),
            [](const ColourBox &a, const ColourBox &b) { return a.range < b.range; });
        if (widest == boxes.end() || widest->range <= 0 || widest->end - widest->begin < 2)
            break;
        ColourBox box = *widest;
        const int axis = box.longestAxis;
        const int middle = box.begin + (box.end - box.begin) / 2;
        std::nth_element(samples.begin() + box.begin, samples.begin() + middle,
                         samples.begin() + box.end, [axis](const Sample &a, const Sample &b) {
                             return a.rgb[size_t(axis)] < b.rgb[size_t(axis)];
                         });
        ColourBox lower{box.begin, middle, 0, 0}, upper{middle, box.end, 0, 0};
        measure(samples, lower);
        measure(samples, upper);
        *widest = lower;
        boxes.push_back(upper);
    }
    QByteArray indexes(width * argb.height(), char(255));
    QVector<QRgb> palette(256, qRgb(0, 0, 0));
    palette[255] = demoTransparencyKey;
    for (size_t b = 0; b < boxes.size(); ++b) {
        std::array<long, 3> sum = {0, 0, 0};
        for (int i = boxes[b].begin; i < boxes[b].end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[size_t(c)] += samples[size_t(i)].rgb[size_t(c)];
            indexes[samples[size_t(i)].pixel] = char(b);
        }
        const long count = boxes[b].end - boxes[b].begin;
        QRgb colour = qRgb(int(sum[0] / count), int(sum[1] / count), int(sum[2] / count));
        if (colour == demoTransparencyKey) // an opaque colour must never read as see-through
            colour = qRgb(0, 254, 255);
        palette[int(b)] = colour;
    }
    return encodePalettedPicture(width, argb.height(), indexes, palette);
}
