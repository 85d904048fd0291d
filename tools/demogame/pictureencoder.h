#pragma once

// The game's picture layouts, written by the generator's own code (all numbers little-endian):
// paletted (size, width, height, one index per pixel, 256 RGB triples), true-colour (size,
// width, height, BGR triples top row first) and "P32F" (magic, 20 unused bytes, width, height,
// BGRX quads bottom row first).

#include <QByteArray>
#include <QImage>
#include <QVector>

// The see-through colour of paletted pictures.
constexpr QRgb demoTransparencyKey = 0xff00ffff;

QByteArray encodeTrueColorPicture(const QImage &image);
QByteArray encodeP32fPicture(const QImage &image);
// indexes: width * height palette indexes, rows top to bottom.
QByteArray encodePalettedPicture(int width, int height, const QByteArray &indexes,
                                 const QVector<QRgb> &palette);
// A greyscale mask: pixels whose alpha is 0 become cyan, the others keep the grey of their red
// channel (0 to 254; cyan takes the last palette slot).
QByteArray encodeGreyMask(const QImage &mask);
// A coloured picture reduced to 255 colours by median cut; transparent pixels become cyan.
QByteArray encodeQuantizedPicture(const QImage &image);
