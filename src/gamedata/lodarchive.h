#pragma once

#include "gamedata/loddirectory.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

class QIODevice;

// One .lod archive found at start-up: its header as read and the directory of its picture and
// text entries. The file is reopened for every read; nothing is held open.
struct LodArchive {
    static constexpr int headerSize = 92;
    static constexpr int entrySize = 32;

    QByteArray magic;  // 4 bytes: "LOD" and a zero byte in an accepted archive
    uint32_t kind = 0; // read, not used
    int32_t entryCount = 0;
    QByteArray reserved;    // 80 bytes, read, not used
    LodDirectory directory; // only the "pcx" and "txt" entries
    QStringList damaged;    // names of "pcx" and "txt" entries left out: their data cannot be read
    QString path;

    // Reads the header and directory of the file at path. False when the file cannot be
    // opened (the archive is then not used at all); a file whose magic is not "LOD" is read
    // with an empty directory. Records that promise more bytes than the file holds are left
    // out (and named in damaged): their data could not be read.
    bool read(const QString &filePath);
    // The same from an open device (the archive's bytes from position 0).
    void readFrom(QIODevice &device);

    // The entry's bytes, unpacked, exactly entry.size long; bytes the file no longer holds or
    // that do not inflate read as zero. Null when the file cannot be opened.
    QByteArray readData(const LodEntry &entry) const;
    static QByteArray readData(QIODevice &device, const LodEntry &entry);
};
