#include "emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor gold(226, 182, 74);
const QColor darkGold(122, 84, 20);
const QColor steel(214, 220, 228);
const QColor darkSteel(70, 78, 92);

// One sword pointing up along the vertical axis, its hilt below the origin.
void drawSword(QPainter &painter) {
    QPainterPath blade;
    blade.moveTo(0, -62);
    blade.lineTo(4.5, -53);
    blade.lineTo(4.5, 28);
    blade.lineTo(-4.5, 28);
    blade.lineTo(-4.5, -53);
    blade.closeSubpath();
    QLinearGradient shine(-4.5, 0, 4.5, 0);
    shine.setColorAt(0, darkSteel);
    shine.setColorAt(0.45, steel);
    shine.setColorAt(1, darkSteel);
    painter.setPen(QPen(QColor(30, 30, 40), 1.2));
    painter.setBrush(shine);
    painter.drawPath(blade);
    painter.setBrush(gold);
    painter.setPen(QPen(darkGold, 1.2));
    painter.drawRoundedRect(QRectF(-14, 28, 28, 6), 3, 3); // cross guard
    painter.setBrush(QColor(92, 52, 24));
    painter.drawRect(QRectF(-3, 34, 6, 14)); // grip
    painter.setBrush(gold);
    painter.drawEllipse(QPointF(0, 51), 4.5, 4.5); // pommel
}

QPainterPath shieldPath() {
    QPainterPath shield;
    shield.moveTo(-30, -36);
    shield.lineTo(30, -36);
    shield.lineTo(30, 2);
    shield.cubicTo(30, 24, 12, 36, 0, 44);
    shield.cubicTo(-12, 36, -30, 24, -30, 2);
    shield.closeSubpath();
    return shield;
}

void drawTower(QPainter &painter) {
    QPainterPath tower;
    tower.moveTo(-13, 22);
    tower.lineTo(-13, -12);
    for (int i = 0; i < 3; ++i) { // battlements
        const qreal x = -13 + i * 10;
        tower.lineTo(x, -20);
        tower.lineTo(x + 6, -20);
        tower.lineTo(x + 6, -12);
        tower.lineTo(x + 10, -12);
    }
    tower.lineTo(17, -12);
    tower.lineTo(13, -12);
    tower.lineTo(13, 22);
    tower.closeSubpath();
    QPainterPath gate;
    gate.moveTo(-5, 22);
    gate.lineTo(-5, 10);
    gate.arcTo(QRectF(-5, 5, 10, 10), 180, -180);
    gate.lineTo(5, 22);
    gate.closeSubpath();
    QLinearGradient light(0, -20, 0, 22);
    light.setColorAt(0, QColor(255, 228, 140));
    light.setColorAt(1, gold);
    painter.setPen(QPen(darkGold, 1.5));
    painter.setBrush(light);
    painter.drawPath(tower.subtracted(gate));
    painter.setBrush(darkGold);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(-2, -5, 4, 7)); // window slit
}

} // namespace

void drawEmblem(QPainter &painter, const QRectF &square) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.center());
    painter.scale(square.width() / 100.0, square.height() / 100.0);

    for (int side : {-1, 1}) {
        painter.save();
        painter.rotate(side * 40);
        drawSword(painter);
        painter.restore();
    }

    const QPainterPath shield = shieldPath();
    QRadialGradient crimson(QPointF(-8, -16), 60);
    crimson.setColorAt(0, QColor(196, 40, 40));
    crimson.setColorAt(1, QColor(92, 12, 16));
    painter.setPen(QPen(gold, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(crimson);
    painter.drawPath(shield);
    painter.setPen(QPen(darkGold, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shield);
    drawTower(painter);
    painter.restore();
}
