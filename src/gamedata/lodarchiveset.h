#pragma once

#include "gamedata/lodarchive.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class QTextCodec;

// The game's .lod archives, ranked so that the mod's archives take precedence over the game's:
// a lookup returns the entry of the highest-ranked archive that holds the name.
class LodArchiveSet {
public:
    // Rank of an archive by its base name (the file name before its first dot), compared
    // case-sensitively; names not in the table rank 0.
    static int rank(const QString &baseName);

    // Reads the directories of the files in folder whose names end in ".lod" (exactly that case),
    // not descending into subfolders, and ranks them. Replaces what was loaded before.
    void load(const QString &folder);

    // The bytes of the named entry (case does not matter), unpacked, from the highest-ranked
    // archive that holds it; nothing when none does.
    std::optional<QByteArray> find(const QString &name) const;

    // The lines of a text table the program cannot do without: decoded with codec up to the
    // first zero byte, split at carriage return + line feed, empty pieces dropped. A missing
    // table ends the program with a message.
    QStringList readTableLines(const QString &name, QTextCodec *codec) const;

    // "archive: entry" for every entry left out of an archive because its data lies past the
    // end of the file; a lower-ranked archive's entry of the same name is used instead.
    QStringList damagedEntries() const;

    // Highest rank first.
    const QVector<LodArchive> &archives() const { return loaded; }

private:
    QVector<LodArchive> loaded;
    QString searchedFolder; // named when a table is missing
};

// The archives of the running editor: loaded once at start-up, read-only afterwards.
const LodArchiveSet &lodArchives();
// Loads the archives of the game's Data folder, or of the game folder when it has no Data
// folder, and names their damaged entries in one warning.
void loadLodArchives();
std::optional<QByteArray> findLodEntry(const QString &name);
QStringList readTableLines(const QString &name, QTextCodec *codec);

// The table text split into lines as readTableLines does it.
QStringList splitTableText(const QByteArray &bytes, QTextCodec *codec);
