#include "gamedata/lodarchiveset.h"

#include "gamedata/gamefolder.h"
#include "gamedata/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTextCodec>

#include <algorithm>

namespace {

LodArchiveSet &editorArchives() {
    static LodArchiveSet archives;
    return archives;
}

} // namespace

int LodArchiveSet::rank(const QString &baseName) {
    static const struct {
        const char *name;
        int rank;
    } ranks[] = {{"Y6bitmap", 0}, {"Y6sprite", 1}, {"Tarq", 2},
                 {"Tarq_ext", 3}, {"Tarq_lng", 4}, {"Tarq_l_ext", 5}};
    for (const auto &entry : ranks) {
        if (baseName == QLatin1String(entry.name))
            return entry.rank;
    }
    return 0;
}

void LodArchiveSet::load(const QString &folder) {
    loaded.clear();
    searchedFolder = folder;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (files.hasNext()) {
        const QString path = files.next();
        if (!path.endsWith(QLatin1String(".lod"), Qt::CaseSensitive))
            continue;
        LodArchive archive;
        if (archive.read(path))
            loaded.append(archive);
    }
    std::stable_sort(loaded.begin(), loaded.end(), [](const LodArchive &a, const LodArchive &b) {
        return rank(QFileInfo(a.path).baseName()) > rank(QFileInfo(b.path).baseName());
    });
}

QStringList LodArchiveSet::damagedEntries() const {
    QStringList entries;
    for (const LodArchive &archive : loaded) {
        for (const QString &entry : archive.damaged)
            entries.append(QFileInfo(archive.path).fileName() + QStringLiteral(": ") + entry);
    }
    return entries;
}

std::optional<QByteArray> LodArchiveSet::find(const QString &name) const {
    const QString key = name.toLower();
    for (const LodArchive &archive : loaded) {
        if (const LodEntry *entry = archive.directory.find(key))
            return archive.readData(*entry);
    }
    return std::nullopt;
}

QStringList LodArchiveSet::readTableLines(const QString &name, QTextCodec *codec) const {
    const std::optional<QByteArray> bytes = find(name);
    if (!bytes) {
        Messages::fatal(
            QCoreApplication::translate("QObject", "Error"),
            QCoreApplication::translate("QObject", "Can't find %1 file in lod file").arg(name) +
                QLatin1Char('\n') +
                QCoreApplication::translate("QObject", "Archives were searched in %1.")
                    .arg(QDir::toNativeSeparators(searchedFolder)),
            1);
    }
    return splitTableText(*bytes, codec);
}

QStringList splitTableText(const QByteArray &bytes, QTextCodec *codec) {
    const int end = int(qstrnlen(bytes.constData(), uint(bytes.size())));
    const QString text = codec->toUnicode(bytes.constData(), end);
    // Only the pair carriage return + line feed ends a line; a lone one stays in the line.
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

const LodArchiveSet &lodArchives() {
    return editorArchives();
}

void loadLodArchives() {
    const QString dataFolder = gamePath(QStringLiteral("Data"));
    editorArchives().load(QFileInfo(dataFolder).isDir() ? dataFolder : gameFolder());
    const QStringList damaged = editorArchives().damagedEntries();
    if (!damaged.isEmpty()) {
        Messages::warning(QCoreApplication::translate("QObject", "Warning"),
                          QCoreApplication::translate(
                              "QObject", "These archive entries are damaged (their data lies past "
                                         "the end of the file) and are not used:\n%1")
                              .arg(damaged.join(QLatin1Char('\n'))));
    }
}

std::optional<QByteArray> findLodEntry(const QString &name) {
    return editorArchives().find(name);
}

QStringList readTableLines(const QString &name, QTextCodec *codec) {
    return editorArchives().readTableLines(name, codec);
}
