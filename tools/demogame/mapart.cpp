#include "mapart.h"

#include "coarsefield.h"
#include "noise.h"
#include "terrain.h"

#include <QPainter>
#include <QPainterPath>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

constexpr int W = DemoTerrain::width;
constexpr int H = DemoTerrain::height;

const QColor ink(62, 48, 34);

QRgb mixRgb(QRgb a, QRgb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return qRgb(int(qRed(a) + (qRed(b) - qRed(a)) * t),
                int(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                int(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

QRgb scaleRgb(QRgb c, float f) {
    return qRgb(std::clamp(int(qRed(c) * f), 0, 255), std::clamp(int(qGreen(c) * f), 0, 255),
                std::clamp(int(qBlue(c) * f), 0, 255));
}

float at(const QVector<float> &field, int x, int y) {
    return field[std::clamp(y, 0, H - 1) * W + std::clamp(x, 0, W - 1)];
}

bool isMountain(const DemoTerrain &t, int x, int y) {
    const float e = at(t.elevation, x, y);
    if (t.style == DemoTerrain::Style::Pass)
        return !t.passable[t.index(x, y)];
    return e > 0.62f;
}

QRgb landColour(const DemoTerrain &t, int x, int y) {
    const float e = at(t.elevation, x, y), m = at(t.moisture, x, y);
    const QRgb dry = qRgb(205, 190, 138), lush = qRgb(146, 166, 96), marsh = qRgb(122, 142, 112);
    QRgb c = mixRgb(dry, lush, 0.5f + 0.7f * m);
    if (m > 0.35f && e < 0.2f)
        c = mixRgb(c, marsh, (m - 0.35f) * 3);
    if (e < 0.035f)
        c = mixRgb(qRgb(222, 206, 158), c, e / 0.035f);     // beaches
    c = mixRgb(c, qRgb(176, 156, 118), (e - 0.35f) * 2.5f); // hills turn brown
    c = mixRgb(c, qRgb(158, 152, 146), (e - 0.7f) * 3.0f);  // bare rock
    c = mixRgb(c, qRgb(240, 242, 246), (e - 0.92f) * 6.0f); // snow
    const float dx = at(t.elevation, x + 2, y) - at(t.elevation, x - 2, y);
    const float dy = at(t.elevation, x, y + 2) - at(t.elevation, x, y - 2);
    return scaleRgb(c, std::clamp(1.0f + 3.0f * (dx + dy), 0.75f, 1.2f));
}

QRgb seaColour(const DemoTerrain &t, int x, int y, const Noise &grain) {
    const float d = at(t.coastDistance, x, y);
    QRgb c = mixRgb(qRgb(168, 198, 190), qRgb(88, 128, 152), d / 45.0f);
    for (float ripple : {4.0f, 9.0f, 15.0f, 23.0f}) // ripple lines follow the coast
        if (std::abs(d - ripple) < 0.7f)
            c = scaleRgb(c, 0.86f + ripple / 200.0f);
    return scaleRgb(c, 1.0f + 0.04f * grain.value(x / 3.0f, y / 9.0f));
}

QImage baseColours(const DemoTerrain &t) {
    QImage image(W, H, QImage::Format_RGB32);
    const Noise grain(t.seed + 7);
    for (int y = 0; y < H; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < W; ++x) {
            if (!t.isLand(x, y)) {
                line[x] = seaColour(t, x, y, grain);
                continue;
            }
            QRgb c = landColour(t, x, y);
            // An inked coastline.
            const bool coast =
                !t.isLand(std::max(x - 1, 0), y) || !t.isLand(std::min(x + 1, W - 1), y) ||
                !t.isLand(x, std::max(y - 1, 0)) || !t.isLand(x, std::min(y + 1, H - 1));
            line[x] = coast ? mixRgb(c, ink.rgb(), 0.8f) : c;
        }
    }
    return image;
}

// Things drawn as symbols are placed on a jittered grid so they never line up.
template <typename Place> void scatter(const Noise &noise, int spacing, Place place) {
    for (int gy = 0; gy < H / spacing + 1; ++gy)
        for (int gx = 0; gx < W / spacing + 1; ++gx) {
            const int x = gx * spacing + int(noise.cell(gx, gy) * spacing);
            const int y = gy * spacing + int(noise.cell(gx + 500, gy) * spacing);
            if (x < W && y < H)
                place(x, y, noise.cell(gx, gy + 900));
        }
}

struct Symbol {
    int x, y;
    float size, random;
    bool mountain;
};

void drawTree(QPainter &p, const Symbol &s) {
    const qreal r = 2.2 + s.size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 50, 30, 90));
    p.drawEllipse(QPointF(s.x + 1.2, s.y + 1.5), r, r * 0.7);
    if (s.random < 0.35) { // a fir
        QPolygonF fir;
        fir << QPointF(s.x, s.y - r * 2) << QPointF(s.x - r, s.y + r * 0.6)
            << QPointF(s.x + r, s.y + r * 0.6);
        p.setBrush(QColor(58, 92, 52));
        p.setPen(QPen(QColor(34, 54, 30), 0.6));
        p.drawPolygon(fir);
        return;
    }
    p.setBrush(QColor(74 + int(20 * s.random), 110, 56));
    p.setPen(QPen(QColor(38, 60, 32), 0.6));
    p.drawEllipse(QPointF(s.x, s.y - r * 0.5), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 180, 110, 150));
    p.drawEllipse(QPointF(s.x - r * 0.35, s.y - r * 0.85), r * 0.4, r * 0.35);
}

void drawMountain(QPainter &p, const Symbol &s, bool snow) {
    const qreal w = 7 + s.size * 1.6, h = 6 + s.size * 1.5;
    const QPointF peak(s.x + (s.random - 0.5) * 3, s.y - h);
    const QPointF left(s.x - w, s.y), right(s.x + w, s.y), foot(s.x + w * 0.15, s.y);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(206, 192, 160));
    p.drawPolygon(QPolygonF(QVector<QPointF>{left, peak, foot}));
    p.setBrush(QColor(138, 120, 96));
    p.drawPolygon(QPolygonF(QVector<QPointF>{foot, peak, right}));
    if (snow) {
        const qreal t = 0.35;
        p.setBrush(QColor(248, 248, 252));
        p.drawPolygon(
            QPolygonF(QVector<QPointF>{peak, peak + (left - peak) * t,
                                       peak + (foot - peak) * t * 0.8, peak + (right - peak) * t}));
    }
    p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QVector<QPointF>{left, peak, right}));
    p.setPen(QPen(QColor(62, 48, 34, 120), 0.7));
    for (int k = 1; k <= 3; ++k) // hatching on the shaded side
        p.drawLine(peak + (right - peak) * (0.25 * k), peak + (foot - peak) * (0.25 * k + 0.1));
}

void drawSymbols(QPainter &p, const DemoTerrain &t) {
    QVector<Symbol> symbols;
    const Noise place(t.seed + 11), forest(t.seed + 12);
    const bool pass = t.style == DemoTerrain::Style::Pass;
    const Noise peaks(t.seed + 13);
    scatter(place, pass ? 17 : 12, [&](int x, int y, float r) {
        if (!isMountain(t, x, y) || !t.isLand(x, y) || (!pass && at(t.elevation, x, y) < 0.66f))
            return;
        // Ranges rise and fall: big peaks where this field is high, foothills or bare rock
        // where it is low.
        const float height = at(t.elevation, x, y) + 0.5f * peaks.fractal(x / 50.0f, y / 50.0f, 3);
        if (pass && height < 0.55f && r < 0.5f)
            return;
        symbols.append({x, y, std::clamp(height, 0.3f, 1.4f) * (pass ? 6.0f : 4.5f), r, true});
    });
    scatter(place, 6, [&](int x, int y, float r) {
        const float e = at(t.elevation, x, y), f = forest.fractal(x / 60.0f, y / 60.0f, 4);
        const float wanted = pass ? 0.1f : 0.18f;
        if (e > 0.04f && !isMountain(t, x, y) && e < 0.6f && f > wanted &&
            at(t.moisture, x, y) > -0.35f && t.isLand(x + 3, y) && t.isLand(x - 3, y) &&
            t.isLand(x, y + 3))
            symbols.append({x, y, 1.0f + r * 1.2f, r, false});
    });
    std::sort(symbols.begin(), symbols.end(),
              [](const Symbol &a, const Symbol &b) { return a.y < b.y; });
    for (const Symbol &s : symbols) {
        if (s.mountain)
            drawMountain(p, s, s.size > (pass ? 5.4f : 3.9f));
        else
            drawTree(p, s);
    }
}

// A river runs from its spring towards the nearest sea, swinging from side to side as it goes.
QPolygonF traceRiver(const DemoTerrain &t, QPointF from, const Noise &wander) {
    QPolygonF path;
    path << from;
    QPointF here = from, heading(0, 0);
    float lowest = at(t.inlandDistance, int(from.x()), int(from.y()));
    int climbing = 0;
    for (int step = 0; step < 500; ++step) {
        const int x = int(here.x()), y = int(here.y());
        const float inland = at(t.inlandDistance, x, y);
        if (inland <= 0)
            return path;
        // Downhill towards the sea, turned by a slowly changing angle.
        QPointF downhill(at(t.inlandDistance, x - 4, y) - at(t.inlandDistance, x + 4, y),
                         at(t.inlandDistance, x, y - 4) - at(t.inlandDistance, x, y + 4));
        const qreal length = std::hypot(downhill.x(), downhill.y());
        if (length > 0)
            downhill /= length;
        const qreal turn = 1.1 * wander.fractal(float(here.x()) / 40, float(here.y()) / 40, 2);
        const QPointF turned(downhill.x() * std::cos(turn) - downhill.y() * std::sin(turn),
                             downhill.x() * std::sin(turn) + downhill.y() * std::cos(turn));
        heading = heading * 0.75 + turned * 0.25;
        const qreal speed = std::hypot(heading.x(), heading.y());
        if (speed > 0)
            heading /= speed;
        here += heading * 2.5;
        path << here;
        const float now = at(t.inlandDistance, int(here.x()), int(here.y()));
        if (now < lowest) {
            lowest = now;
            climbing = 0;
        } else if (++climbing > 25) {
            break;
        }
    }
    return QPolygonF(); // stuck: no river
}

void drawRiver(QPainter &p, const QPolygonF &river) {
    for (int i = 1; i < river.size(); ++i) {
        const qreal width = 0.8 + 2.2 * i / river.size();
        p.setPen(QPen(QColor(70, 110, 140), width + 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(river[i - 1], river[i]);
    }
    for (int i = 1; i < river.size(); ++i) {
        const qreal width = 0.8 + 2.2 * i / river.size();
        p.setPen(QPen(QColor(120, 166, 186), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(river[i - 1], river[i]);
    }
}

void drawRivers(QPainter &p, const DemoTerrain &t) {
    const Noise wander(t.seed + 21);
    if (t.style == DemoTerrain::Style::Pass) {
        // The pass's stream runs down the valley floor.
        QPolygonF stream;
        for (int y = 20; y < H; y += 4) {
            qreal sum = 0;
            int count = 0;
            for (int x = 0; x < W; ++x)
                if (t.region[t.index(x, y)] >= 0) {
                    sum += x;
                    ++count;
                }
            if (count)
                stream << QPointF(sum / count + 6 * wander.value(0, y / 30.0f) + 12, y);
        }
        drawRiver(p, stream);
        return;
    }
    // Springs far inland, at most one per stretch of the map.
    QVector<QPoint> springs;
    scatter(wander, 70, [&](int x, int y, float r) {
        if (r > 0.3f && at(t.inlandDistance, x, y) > 40)
            springs.append(QPoint(x, y));
    });
    for (const QPoint &spring : springs) {
        const QPolygonF river = traceRiver(t, spring, wander);
        if (river.size() > 12)
            drawRiver(p, river);
    }
}

QSet<QPair<int, int>> neighbourRegions(const DemoTerrain &t) {
    QSet<QPair<int, int>> pairs;
    for (int y = 0; y + 1 < H; ++y)
        for (int x = 0; x + 1 < W; ++x) {
            const int a = t.region[t.index(x, y)];
            for (int b : {t.region[t.index(x + 1, y)], t.region[t.index(x, y + 1)]})
                if (a >= 0 && b >= 0 && a != b)
                    pairs.insert(qMakePair(std::min(a, b), std::max(a, b)));
        }
    return pairs;
}

void drawRoads(QPainter &p, const DemoTerrain &t) {
    QPen road(QColor(120, 86, 52), 1.3, Qt::CustomDashLine, Qt::RoundCap);
    road.setDashPattern({3, 2.5});
    p.setPen(road);
    p.setBrush(Qt::NoBrush);
    const Noise bend(t.seed + 31);
    for (const auto &pair : neighbourRegions(t)) {
        const QPointF a = t.towns[pair.first], b = t.towns[pair.second];
        const QPointF normal(b.y() - a.y(), a.x() - b.x());
        QPainterPath path(a);
        path.quadTo((a + b) / 2 + normal * (0.25 * bend.cell(pair.first, pair.second) - 0.12), b);
        // Roads keep to the land; neighbours across water have none.
        int wet = 0;
        for (int k = 0; k <= 20; ++k) {
            const QPointF point = path.pointAtPercent(k / 20.0);
            wet += t.isLand(int(point.x()), int(point.y())) ? 0 : 1;
        }
        if (wet == 0)
            p.drawPath(path);
    }
}

void drawTown(QPainter &p, QPoint at, int index) {
    p.save();
    p.translate(at);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 20, 80));
    p.drawEllipse(QPointF(1.5, 6.5), 9, 3);
    p.setPen(QPen(ink, 0.9));
    p.setBrush(QColor(226, 214, 190));
    p.drawRect(QRectF(-6, -3, 12, 9));
    for (int side : {-1, 1}) {
        p.drawRect(QRectF(side * 6 - 2.5, -8, 5, 14));
        p.setBrush(QColor(170, 60, 44));
        p.drawPolygon(QPolygonF(
            {QPointF(side * 6 - 3.5, -8), QPointF(side * 6, -13), QPointF(side * 6 + 3.5, -8)}));
        p.setBrush(QColor(226, 214, 190));
    }
    p.setBrush(QColor(80, 60, 40));
    p.drawRect(QRectF(-1.5, 2, 3, 4));
    const QColor flags[] = {QColor(190, 40, 40), QColor(40, 80, 170), QColor(210, 170, 40)};
    p.setPen(QPen(ink, 0.8));
    p.drawLine(QPointF(0, -3), QPointF(0, -11));
    p.setPen(Qt::NoPen);
    p.setBrush(flags[index % 3]);
    p.drawPolygon(QPolygonF(QVector<QPointF>{QPointF(0, -11), QPointF(5, -9.5), QPointF(0, -8)}));
    p.restore();
}

void drawShip(QPainter &p, QPointF at, bool facingLeft) {
    p.save();
    p.translate(at);
    if (facingLeft)
        p.scale(-1, 1);
    p.setPen(QPen(ink, 0.9));
    p.setBrush(QColor(120, 82, 50));
    QPainterPath hull;
    hull.moveTo(-9, 0);
    hull.lineTo(9, 0);
    hull.quadTo(6, 5, -6, 5);
    hull.closeSubpath();
    p.drawPath(hull);
    p.drawLine(QPointF(0, 0), QPointF(0, -14));
    p.setBrush(QColor(238, 230, 210));
    p.drawPolygon(QPolygonF(QVector<QPointF>{QPointF(0.8, -13), QPointF(8, -2), QPointF(0.8, -2)}));
    p.drawPolygon(
        QPolygonF(QVector<QPointF>{QPointF(-0.8, -11), QPointF(-7, -2), QPointF(-0.8, -2)}));
    p.setPen(QPen(QColor(240, 245, 245, 160), 0.8));
    p.drawLine(QPointF(-14, 6), QPointF(-9, 6));
    p.restore();
}

void drawCompass(QPainter &p, QPointF centre, qreal size) {
    p.save();
    p.translate(centre);
    p.setPen(QPen(ink, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), size * 0.62, size * 0.62);
    p.drawEllipse(QPointF(0, 0), size * 0.55, size * 0.55);
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.rotate(k * 45);
        const qreal length = k % 2 ? size * 0.55 : size;
        const qreal half = k % 2 ? size * 0.1 : size * 0.16;
        p.setBrush(QColor(238, 226, 196));
        p.drawPolygon(
            QPolygonF(QVector<QPointF>{QPointF(0, -length), QPointF(half, 0), QPointF(0, 0)}));
        p.setBrush(k == 0 ? QColor(170, 50, 40) : QColor(90, 70, 50));
        p.drawPolygon(
            QPolygonF(QVector<QPointF>{QPointF(0, -length), QPointF(-half, 0), QPointF(0, 0)}));
        p.restore();
    }
    // The north mark: a small fleur above the needle.
    p.setBrush(QColor(170, 50, 40));
    p.drawEllipse(QPointF(0, -size - 4), 2.5, 2.5);
    p.restore();
}

// The open-sea spot farthest from land within a part of the map.
QPoint openSea(const DemoTerrain &t, QRect area) {
    QPoint best(-1, -1);
    float farthest = 0;
    for (int y = area.top(); y <= area.bottom(); y += 3)
        for (int x = area.left(); x <= area.right(); x += 3)
            if (at(t.coastDistance, x, y) > farthest) {
                farthest = at(t.coastDistance, x, y);
                best = QPoint(x, y);
            }
    return farthest > 36 ? best : QPoint(-1, -1);
}

void drawSeaMarks(QPainter &p, const DemoTerrain &t) {
    const Noise place(t.seed + 41);
    p.setPen(QPen(QColor(60, 96, 120, 140), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    scatter(place, 26, [&](int x, int y, float r) {
        if (at(t.coastDistance, x, y) < 16 || r < 0.3f)
            return;
        QPainterPath wave(QPointF(x - 6, y));
        wave.quadTo(x - 3, y - 3, x, y);
        wave.quadTo(x + 3, y + 3, x + 6, y);
        p.drawPath(wave);
    });
    const QPoint ship1 = openSea(t, QRect(30, 300, W - 60, H - 330));
    const QPoint ship2 = openSea(t, QRect(30, 30, W - 60, 250));
    if (ship1.x() >= 0)
        drawShip(p, ship1 + QPoint(8, 12), false);
    if (ship2.x() >= 0 && (ship2 - ship1).manhattanLength() > 120)
        drawShip(p, ship2 + QPoint(-10, 6), true);
}

void drawCompassRose(QPainter &p, const DemoTerrain &t) {
    QPoint spot = openSea(t, QRect(W - 130, 40, 90, 110));
    if (spot.x() < 0) { // no open sea: a paper disc over the land
        spot = QPoint(W - 52, H - 56);
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(232, 218, 184, 230));
        p.drawEllipse(QPointF(spot), 34, 34);
    }
    drawCompass(p, spot, 26);
}

// Old paper: fine grain, warm tone, darker edges and a double frame.
void ageAndFrame(QImage &image, const DemoTerrain &t) {
    const Noise grain(t.seed + 51), stain(t.seed + 52);
    const CoarseField stains(
        4, [&](float x, float y) { return stain.fractal(x / 90.0f, y / 90.0f, 3); });
    for (int y = 0; y < H; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const float dx = (x - W / 2.0f) / (W / 2.0f), dy = (y - H / 2.0f) / (H / 2.0f);
            const float vignette = 1.0f -
                                   0.22f * std::pow(std::max(std::abs(dx), std::abs(dy)), 3.0f) -
                                   0.06f * (dx * dx + dy * dy);
            const float texture =
                1.0f + 0.035f * grain.value(x / 1.7f, y / 1.7f) + 0.03f * stains.at(x, y);
            const QRgb toned = mixRgb(line[x], qRgb(222, 200, 150), 0.12f);
            line[x] = scaleRgb(toned, vignette * texture);
        }
    }
    QPainter p(&image);
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, W - 8, H - 8));
    p.setPen(QPen(ink, 0.8));
    p.drawRect(QRectF(8, 8, W - 16, H - 16));
}

} // namespace

QImage paintCampaignMap(const DemoTerrain &terrain) {
    QImage image = baseColours(terrain);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawSeaMarks(p, terrain);
        drawRivers(p, terrain);
        drawSymbols(p, terrain);
        drawRoads(p, terrain);
        for (int r = 0; r < terrain.towns.size(); ++r)
            drawTown(p, terrain.towns[r], r);
        drawCompassRose(p, terrain);
    }
    ageAndFrame(image, terrain);
    return image;
}
