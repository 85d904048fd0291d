#pragma once

// The game's pictures. The ".pcx" entries of the archives are not ZSoft files but one of three
// simple layouts (all numbers little-endian):
//   paletted:    data size, width, height (32 bits each), one palette index per pixel, then a
//                palette of 256 red-green-blue triples;
//   true-colour: data size, width, height, then blue-green-red triples, top row first;
//   "P32F":      the magic, 20 unused bytes, width, height, then blue-green-red-unused quads,
//                bottom row first.
// The decoders read only within the bytes they are given: missing pixel or palette bytes read
// as 0, and a size no game picture can have gives a null image instead of a huge allocation.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

// The colour the game draws where a paletted picture is see-through: cyan.
constexpr QRgb pictureTransparencyKey = 0xff00ffff;

// Where the name-based decoders fetch entry bytes: the game's archives (findLodEntry) unless
// replaced; nothing means "no such entry".
using PictureEntryFetcher = std::function<std::optional<QByteArray>(const QString &name)>;
// Replaces the fetcher (tests install their own entries); an empty one restores the archives.
void setPictureEntryFetcher(PictureEntryFetcher fetcher);
std::optional<QByteArray> fetchPictureEntry(const QString &name);

// Paletted bytes with the transparency key: 32-bit ARGB, every cyan palette colour fully
// transparent (all four channels 0), every other colour opaque.
QImage decodeTransparentPictureBytes(const QByteArray &bytes);
// Paletted bytes without transparency: 16-bit RGB 5-6-5, cyan stays cyan.
QImage decodeOpaquePictureBytes(const QByteArray &bytes);
// True-colour bytes, or "P32F" bytes when they begin with that magic: 32-bit RGB.
QImage decodeTrueColorPicture(const QByteArray &bytes);

// The named entry decoded as above; a null image when no archive holds it.
QImage decodeTransparentPicture(const QString &name);
QImage decodeOpaquePicture(const QString &name);
