#pragma once

// Building the demo game's text tables: lines of tab-separated cells, ended by carriage return +
// line feed, encoded in the game's 8-bit code page.

#include "archives.h"
#include "wording.h"

#include <QStringList>

inline QByteArray encodeTable(const QStringList &lines, DemoLanguage language) {
    return encodeDemoText(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), language);
}

inline QString cells(const QStringList &values) {
    return values.join(QLatin1Char('\t'));
}

inline DemoArchiveEntry tableEntry(const QString &archive, const QString &name,
                                   const QStringList &lines, DemoLanguage language,
                                   bool packed = false) {
    DemoArchiveEntry entry;
    entry.archive = archive;
    entry.name = name;
    entry.bytes = encodeTable(lines, language);
    entry.packed = packed;
    return entry;
}

// The game's own tables (creatures, artifacts, heroes, skills, spells, buildings, ...).
QVector<DemoArchiveEntry> demoGameTables(DemoLanguage language);
// The building tables of the game.
QVector<DemoArchiveEntry> demoTownTables(DemoLanguage language);
// The tables of the mod and its editor (music, videos, editor texts, command hints, ...).
QVector<DemoArchiveEntry> demoModTables(DemoLanguage language);
