#include "regionart.h"

#include "terrain.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float borderWidth = 2.6f;
constexpr float glowWidth = 13.0f;

// The game's region colours by colour index.
const QRgb regionColours[8] = {qRgb(255, 0, 0),    qRgb(80, 130, 255), qRgb(193, 139, 84),
                               qRgb(42, 173, 9),   qRgb(247, 131, 30), qRgb(175, 16, 196),
                               qRgb(47, 189, 179), qRgb(221, 127, 132)};

QRgb grey(int value) {
    return qRgba(value, value, value, 255);
}

int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// One region pixel as the game composes it from the masks; alpha 0 outside the fill.
QRgb composedPixel(QRgb fill, QRgb border, QRgb glow, int dash, int state, int colour) {
    if (qAlpha(fill) == 0)
        return 0;
    const QRgb k = regionColours[colour];
    int c[3] = {qRed(k), qGreen(k), qBlue(k)};
    int alpha = state == 2 ? 121 : 175;
    if (qAlpha(glow) != 0) {
        const int g = qRed(glow);
        for (int &v : c) {
            if (state == 1)
                v = 255 + floorDiv((v - 255) * g, 256);
            else if (state == 0)
                v = (v * ((g + 255) / 2)) / 256;
        }
        if (state == 2)
            alpha = dash;
    }
    if (qAlpha(border) != 0)
        for (int &v : c)
            v = (qRed(border) * v) / 256;
    return qRgba(c[0], c[1], c[2], alpha);
}

} // namespace

QImage regionMask(const DemoTerrain &t, int region, RegionMask kind) {
    const QRect rect = t.regionRects[region];
    QImage mask(rect.size(), QImage::Format_ARGB32);
    mask.fill(0);
    for (int y = 0; y < rect.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < rect.width(); ++x) {
            const int i = t.index(rect.x() + x, rect.y() + y);
            if (t.region[i] != region)
                continue;
            const float d = t.edgeDistance[i];
            switch (kind) {
            case RegionMask::Fill:
                line[x] = grey(200);
                break;
            case RegionMask::Border:
                if (d < borderWidth)
                    line[x] = grey(std::clamp(int(40 + 55 * d), 0, 254));
                break;
            case RegionMask::Glow:
                if (d < glowWidth)
                    line[x] = grey(std::clamp(int(255 * std::pow(d / glowWidth, 0.8f)), 0, 254));
                break;
            }
        }
    }
    return mask;
}

QImage dashPattern() {
    QImage dash(DemoTerrain::width, DemoTerrain::height, QImage::Format_ARGB32);
    for (int y = 0; y < dash.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(dash.scanLine(y));
        for (int x = 0; x < dash.width(); ++x) {
            // Bands 10 pixels apart, 6 strong and 4 faint, with soft shoulders.
            const int phase = (x + y) % 10;
            line[x] = grey(phase < 5 ? 220 : phase == 5 || phase == 9 ? 140 : 40);
        }
    }
    return dash;
}

RegionMasks regionMasks(const DemoTerrain &terrain, int region) {
    return {terrain.regionRects[region], regionMask(terrain, region, RegionMask::Fill),
            regionMask(terrain, region, RegionMask::Border),
            regionMask(terrain, region, RegionMask::Glow)};
}

QImage readyMadeRegionPicture(const QImage &background, const QImage &dash,
                              const RegionMasks &masks, int state, int colour) {
    const QRect rect = masks.rect;
    QImage piece(rect.size(), QImage::Format_ARGB32);
    piece.fill(0);
    for (int y = 0; y < rect.height(); ++y) {
        const auto *fill = reinterpret_cast<const QRgb *>(masks.fill.constScanLine(y));
        const auto *border = reinterpret_cast<const QRgb *>(masks.border.constScanLine(y));
        const auto *glow = reinterpret_cast<const QRgb *>(masks.glow.constScanLine(y));
        const auto *dashes = reinterpret_cast<const QRgb *>(dash.constScanLine(rect.y() + y));
        const auto *under = reinterpret_cast<const QRgb *>(background.constScanLine(rect.y() + y));
        auto *target = reinterpret_cast<QRgb *>(piece.scanLine(y));
        for (int x = 0; x < rect.width(); ++x) {
            if (qAlpha(fill[x]) == 0)
                continue;
            const QRgb over = composedPixel(fill[x], border[x], glow[x], qRed(dashes[rect.x() + x]),
                                            state, colour);
            // The game shows these pictures as they are, so the terrain is painted in.
            const QRgb below = under[rect.x() + x];
            const int a = qAlpha(over);
            auto blend = [a](int top, int bottom) { return (top * a + bottom * (255 - a)) / 255; };
            target[x] = qRgb(blend(qRed(over), qRed(below)), blend(qGreen(over), qGreen(below)),
                             blend(qBlue(over), qBlue(below)));
        }
    }
    return piece;
}
