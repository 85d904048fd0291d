#include "sceneart.h"

#include "coarsefield.h"
#include "noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

struct Palette {
    QColor skyTop, horizon, light, land, far;
};

Palette paletteFor(SceneRecipe::Mood mood) {
    switch (mood) {
    case SceneRecipe::Mood::Dawn:
        return {QColor(70, 90, 150), QColor(246, 184, 140), QColor(255, 226, 170),
                QColor(60, 70, 60), QColor(150, 130, 150)};
    case SceneRecipe::Mood::Dusk:
        return {QColor(40, 40, 90), QColor(230, 120, 80), QColor(255, 200, 120), QColor(45, 38, 44),
                QColor(130, 80, 100)};
    case SceneRecipe::Mood::Night:
        return {QColor(10, 14, 36), QColor(40, 60, 100), QColor(230, 236, 250), QColor(16, 22, 30),
                QColor(50, 64, 92)};
    case SceneRecipe::Mood::Storm:
        return {QColor(50, 56, 66), QColor(140, 146, 150), QColor(220, 224, 230),
                QColor(40, 50, 44), QColor(100, 108, 112)};
    case SceneRecipe::Mood::Fire:
        return {QColor(40, 16, 14), QColor(210, 90, 30), QColor(255, 190, 90), QColor(30, 20, 18),
                QColor(120, 50, 36)};
    case SceneRecipe::Mood::Day:
        break;
    }
    return {QColor(80, 140, 210), QColor(200, 224, 236), QColor(255, 250, 220), QColor(70, 110, 60),
            QColor(130, 160, 180)};
}

QColor mixColour(const QColor &a, const QColor &b, qreal t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

void drawSky(QPainter &p, QSize size, const Palette &c, const SceneRecipe &recipe,
             const Noise &noise) {
    QLinearGradient sky(0, 0, 0, size.height() * 0.7);
    sky.setColorAt(0, c.skyTop);
    sky.setColorAt(1, c.horizon);
    p.fillRect(QRect(QPoint(0, 0), size), sky);

    const QPointF sun(size.width() * (0.25 + 0.5 * noise.cell(1, 1)), size.height() * 0.3);
    const qreal radius = size.width() * 0.06;
    QRadialGradient glow(sun, radius * 5);
    QColor halo = c.light;
    halo.setAlpha(120);
    glow.setColorAt(0, halo);
    halo.setAlpha(0);
    glow.setColorAt(1, halo);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, radius * 5, radius * 5);
    if (recipe.mood != SceneRecipe::Mood::Night) {
        p.setBrush(c.light);
        p.drawEllipse(sun, radius, radius);
    }
    if (recipe.mood == SceneRecipe::Mood::Night) {
        // A crescent: the full disc less an offset one, with the sky showing through.
        QPainterPath disc, shadow;
        disc.addEllipse(sun, radius, radius);
        shadow.addEllipse(sun + QPointF(radius * 0.45, -radius * 0.2), radius * 0.9, radius * 0.9);
        p.setBrush(c.light);
        p.drawPath(disc.subtracted(shadow));
        p.setBrush(QColor(230, 230, 250));
        for (int k = 0; k < 60; ++k)
            p.drawEllipse(
                QPointF(noise.cell(k, 7) * size.width(), noise.cell(k, 8) * size.height() * 0.55),
                0.6, 0.6);
    }
}

void drawClouds(QImage &image, const Palette &c, const SceneRecipe &recipe, const Noise &noise) {
    const qreal cover = recipe.mood == SceneRecipe::Mood::Storm ? 0.0 : 0.25;
    const QColor tint = recipe.mood == SceneRecipe::Mood::Fire ? QColor(60, 40, 36)
                        : recipe.mood == SceneRecipe::Mood::Storm
                            ? QColor(80, 84, 92)
                            : mixColour(c.horizon, Qt::white, 0.5);
    const qreal scale = image.width() / 3.0;
    const CoarseField clouds(image.width(), image.height(), 2, [&](float x, float y) {
        return noise.fractal(float(x / scale), float(y / scale * 2.6), 5);
    });
    for (int y = 0; y < image.height() * 6 / 10; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const qreal fade = 1.0 - qreal(y) / (image.height() * 0.6);
        for (int x = 0; x < image.width(); ++x) {
            const qreal n = clouds.at(x, y);
            const qreal a = std::clamp((n - cover) * 1.6, 0.0, 0.85) * fade;
            if (a <= 0)
                continue;
            const QColor under = QColor::fromRgb(line[x]);
            line[x] = mixColour(under, tint, a).rgb();
        }
    }
}

// A range of hills or mountains: a noisy ridge line filled down to the bottom, lit from above.
// Returns the ridge height at every other column, for what stands on it.
QVector<qreal> drawRange(QPainter &p, QSize size, qreal base, qreal height, qreal roughness,
                         const QColor &colour, const QColor &lit, const Noise &noise, int layer) {
    QVector<qreal> ridgeline;
    QPainterPath ridge(QPointF(0, size.height()));
    qreal top = size.height();
    for (int x = 0; x <= size.width() + 1; x += 2) {
        const qreal u = qreal(x) / size.width();
        const qreal n = noise.fractal(float(u * roughness + layer * 13), float(layer * 3.1), 6);
        const qreal y = size.height() * (base - height * (0.5 + 0.5 * n));
        ridgeline.append(y);
        top = std::min(top, y);
        ridge.lineTo(x, y);
    }
    ridge.lineTo(size.width(), size.height());
    ridge.closeSubpath();
    QLinearGradient shade(0, top, 0, size.height() * std::min(1.0, base + 0.1));
    shade.setColorAt(0, lit);
    shade.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(ridge);
    return ridgeline;
}

// Fir trees along a ridge, in silhouette.
void drawTreeLine(QPainter &p, const QVector<qreal> &ridgeline, qreal scale, const QColor &colour,
                  const Noise &noise) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < ridgeline.size(); ++i) {
        if (noise.cell(i, 77) < 0.55f)
            continue;
        const qreal x = i * 2, y = ridgeline[i] + 2;
        const qreal h = scale * (8 + 10 * noise.cell(i, 78)), w = h * 0.3;
        p.drawPolygon(
            QPolygonF(QVector<QPointF>{QPointF(x, y - h), QPointF(x - w, y), QPointF(x + w, y)}));
    }
}

void drawCastle(QPainter &p, QPointF foot, qreal scale, const QColor &colour,
                const QColor &windows) {
    p.save();
    p.translate(foot);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath keep;
    keep.addRect(-30, -28, 60, 28);
    for (qreal x : {-38.0, 26.0})
        keep.addRect(x, -44, 12, 44);
    keep.addRect(-9, -62, 18, 34);
    for (qreal x = -30; x < 30; x += 8) // battlements
        keep.addRect(x, -32, 4, 4);
    p.drawPath(keep.simplified());
    for (qreal x : {-32.0, 32.0}) {
        p.drawPolygon(
            QPolygonF(QVector<QPointF>{QPointF(x - 8, -44), QPointF(x, -58), QPointF(x + 8, -44)}));
    }
    p.drawPolygon(
        QPolygonF(QVector<QPointF>{QPointF(-11, -62), QPointF(0, -80), QPointF(11, -62)}));
    p.setBrush(windows);
    for (QPointF w : {QPointF(-3, -52), QPointF(-34, -34), QPointF(30, -34), QPointF(-16, -18),
                      QPointF(10, -18)})
        p.drawRect(QRectF(w, QSizeF(3.5, 6)));
    p.restore();
}

void drawFire(QPainter &p, QSize size, const Noise &noise) {
    for (int k = 0; k < 14; ++k) {
        const QPointF at(size.width() * (0.15 + 0.7 * noise.cell(k, 30)),
                         size.height() * (0.74 + 0.08 * noise.cell(k, 31)));
        const qreal r = size.width() * (0.03 + 0.05 * noise.cell(k, 32));
        QRadialGradient flame(at, r * 2.5);
        flame.setColorAt(0, QColor(255, 230, 140, 230));
        flame.setColorAt(0.4, QColor(250, 120, 30, 160));
        flame.setColorAt(1, QColor(200, 40, 10, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(flame);
        p.drawEllipse(at, r * 2.5, r * 2.5);
        // Smoke leaning with the wind.
        for (int s = 1; s < 6; ++s) {
            p.setBrush(QColor(40, 30, 30, 50 - s * 7));
            p.drawEllipse(at + QPointF(s * r * 0.6, -s * r * 1.3), r * (0.6 + s * 0.3),
                          r * (0.5 + s * 0.25));
        }
    }
}

void drawLake(QImage &image, const Palette &c, const Noise &noise) {
    const int top = image.height() * 78 / 100;
    for (int y = top; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int mirrored = std::max(0, 2 * top - y - image.height() / 8);
        const auto *above = reinterpret_cast<const QRgb *>(image.constScanLine(mirrored));
        for (int x = 0; x < image.width(); ++x) {
            const int ripple = int(3 * noise.value(float(x) / 14, float(y) / 2.5f));
            const QColor reflected =
                QColor::fromRgb(above[std::clamp(x + ripple, 0, image.width() - 1)]);
            line[x] = mixColour(reflected, c.skyTop.darker(160), 0.35).rgb();
        }
    }
}

void drawFrame(QImage &image) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0, 0, image.width(), image.height());
    QPainterPath frame;
    frame.addRect(outer);
    frame.addRoundedRect(outer.adjusted(18, 18, -18, -18), 10, 10);
    QLinearGradient wood(0, 0, image.width(), image.height());
    wood.setColorAt(0, QColor(110, 74, 40));
    wood.setColorAt(0.5, QColor(150, 104, 58));
    wood.setColorAt(1, QColor(90, 58, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPath(frame);
    p.setPen(QPen(QColor(220, 180, 100), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(14, 14, -14, -14), 12, 12);
    p.setPen(QPen(QColor(50, 30, 16), 1.5));
    p.drawRoundedRect(outer.adjusted(18, 18, -18, -18), 10, 10);
    for (QPointF corner :
         {QPointF(9, 9), QPointF(image.width() - 9, 9), QPointF(9, image.height() - 9),
          QPointF(image.width() - 9, image.height() - 9)}) {
        p.setBrush(QColor(220, 180, 100));
        p.drawEllipse(corner, 5, 5);
    }
}

} // namespace

QImage paintScene(QSize size, const SceneRecipe &recipe) {
    const Palette c = paletteFor(recipe.mood);
    const Noise noise(recipe.seed);
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        drawSky(p, size, c, recipe, noise);
    }
    drawClouds(image, c, recipe, Noise(recipe.seed + 1));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // Far ranges are pale with distance, near ones dark; tall pictures get more ground.
        const qreal tall = std::clamp(qreal(size.height()) / size.width() - 0.6, 0.0, 1.0);
        const int layers = 5;
        const qreal scale = size.width() / 300.0;
        for (int layer = 0; layer < layers; ++layer) {
            const qreal t = qreal(layer) / (layers - 1);
            const QColor colour = mixColour(mixColour(c.far, c.horizon, 0.35), c.land, t);
            const QColor lit = mixColour(colour, c.light, 0.25 - 0.15 * t);
            const QVector<qreal> ridge = drawRange(p, size, 0.55 + (0.16 + 0.2 * tall) * t,
                                                   (0.28 - 0.14 * t) * (1 - 0.3 * tall),
                                                   3.0 + layer * 1.5, colour, lit, noise, layer);
            if (layer >= 2)
                drawTreeLine(p, ridge, scale * (0.5 + 0.4 * t), mixColour(colour, Qt::black, 0.3),
                             Noise(recipe.seed + quint32(layer)));
            if (layer == 2 && recipe.castle) {
                const int column = int(ridge.size() * (0.3 + 0.4 * noise.cell(5, 5)));
                drawCastle(p, QPointF(column * 2, ridge[column] + 4 * scale), scale * 0.7,
                           mixColour(colour, Qt::black, 0.35),
                           recipe.mood == SceneRecipe::Mood::Night ||
                                   recipe.mood == SceneRecipe::Mood::Fire
                               ? QColor(255, 210, 120)
                               : mixColour(colour, Qt::black, 0.6));
            }
        }
        if (recipe.mood == SceneRecipe::Mood::Fire)
            drawFire(p, size, noise);
    }
    if (recipe.lake)
        drawLake(image, c, noise);
    if (recipe.framed)
        drawFrame(image);
    return image;
}
