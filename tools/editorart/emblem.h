#pragma once

#include <QRectF>

class QPainter;

// The editor's emblem: a crimson shield with a golden tower over two crossed swords, drawn to
// fill the given square. Shared by the splash pictures and the window icon.
void drawEmblem(QPainter &painter, const QRectF &square);
