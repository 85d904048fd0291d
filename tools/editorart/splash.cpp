#include "splash.h"
#include "emblem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

const int width = 480;
const int height = 300;
const QColor gold(226, 182, 74);
const QColor paleGold(255, 232, 160);
const QColor darkGold(110, 74, 18);

void drawStone(QPainter &painter) {
    QRadialGradient glow(QPointF(width / 2.0, height * 0.42), width * 0.7);
    glow.setColorAt(0, QColor(74, 52, 40));
    glow.setColorAt(0.6, QColor(38, 26, 22));
    glow.setColorAt(1, QColor(14, 10, 10));
    painter.fillRect(QRect(0, 0, width, height), glow);
    // Speckles give the plate a rough, stone-like surface; a fixed seed keeps every build alike.
    QRandomGenerator speckles(1733);
    for (int i = 0; i < 1400; ++i) {
        const int shade = speckles.bounded(40);
        painter.setPen(QColor(255, 220, 170, 8 + shade / 4));
        painter.drawPoint(speckles.bounded(width), speckles.bounded(height));
    }
}

void drawCornerDiamond(QPainter &painter, QPointF centre) {
    QPainterPath diamond;
    diamond.moveTo(centre + QPointF(0, -7));
    diamond.lineTo(centre + QPointF(7, 0));
    diamond.lineTo(centre + QPointF(0, 7));
    diamond.lineTo(centre + QPointF(-7, 0));
    diamond.closeSubpath();
    painter.setPen(QPen(darkGold, 1));
    painter.setBrush(gold);
    painter.drawPath(diamond);
}

void drawFrame(QPainter &painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(darkGold, 6));
    painter.drawRect(QRectF(3, 3, width - 6, height - 6));
    painter.setPen(QPen(gold, 2));
    painter.drawRect(QRectF(8, 8, width - 16, height - 16));
    painter.setPen(QPen(gold, 1));
    painter.drawRect(QRectF(14, 14, width - 28, height - 28));
    for (QPointF corner : {QPointF(14, 14), QPointF(width - 14, 14), QPointF(14, height - 14),
                           QPointF(width - 14, height - 14)})
        drawCornerDiamond(painter, corner);
}

// Text in gold with a dark drop shadow, centred on the line at y.
void drawGoldText(QPainter &painter, const QString &text, const QFont &font, qreal y) {
    const QFontMetricsF metrics(font);
    const qreal x = (width - metrics.horizontalAdvance(text)) / 2;
    QPainterPath path;
    path.addText(x, y, font, text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawPath(path.translated(2, 2));
    const QRectF bounds = path.boundingRect();
    QLinearGradient metal(0, bounds.top(), 0, bounds.bottom());
    metal.setColorAt(0, paleGold);
    metal.setColorAt(0.55, gold);
    metal.setColorAt(1, QColor(160, 110, 30));
    painter.setPen(QPen(darkGold, 0.8));
    painter.setBrush(metal);
    painter.drawPath(path);
}

void drawRule(QPainter &painter, qreal y) {
    QLinearGradient fade(60, 0, width - 60, 0);
    fade.setColorAt(0, Qt::transparent);
    fade.setColorAt(0.5, gold);
    fade.setColorAt(1, Qt::transparent);
    painter.setPen(QPen(QBrush(fade), 1.5));
    painter.drawLine(QPointF(60, y), QPointF(width - 60, y));
    drawCornerDiamond(painter, QPointF(width / 2.0, y));
}

QFont serifFont(int pixelSize, int weight) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

QImage drawSplash(const SplashTexts &texts) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawStone(painter);
    drawFrame(painter);
    drawEmblem(painter, QRectF(width / 2.0 - 58, 22, 116, 116));

    QFont title = serifFont(46, QFont::Bold);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    drawGoldText(painter, texts.title, title, 188);
    drawRule(painter, 206);
    drawGoldText(painter, texts.subtitle, serifFont(22, QFont::DemiBold), 240);

    painter.setPen(QColor(200, 170, 120));
    painter.setFont(serifFont(12, QFont::Normal));
    painter.drawText(QRectF(0, height - 44, width, 20), Qt::AlignCenter, texts.footer);
    painter.end();
    return image;
}
