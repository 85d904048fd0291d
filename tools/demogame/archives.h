#pragma once

#include "demogame.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// One entry of a demo .lod archive.
struct DemoArchiveEntry {
    QString archive; // base name of the archive file: "Y6bitmap", "Tarq", "Tarq_lng", ...
    QString name;    // entry name, at most 16 characters: "PlColors.txt", "CmpMap24.pcx"
    QByteArray bytes;
    bool packed = false; // store zlib-packed
};

// The text tables of the demo game.
QVector<DemoArchiveEntry> demoTableEntries(const DemoOptions &options);
// The pictures of the demo game, already encoded in the game's picture formats.
QVector<DemoArchiveEntry> demoPictureEntries(const DemoOptions &options);
// Writes Data/*.lod from the table and picture entries.
bool writeArchives(const QString &gameDir, const DemoOptions &options, QString *error);
