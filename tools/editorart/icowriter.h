#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// An icon file (.ico) holding the given square images as 32-bit bitmaps with alpha, each
// followed by its 1-bit transparency mask, as every reader of the format understands them.
QByteArray icoFile(const QList<QImage> &images);
