#include "gamedata/lodarchive.h"

#include "gamedata/regularfile.h"

#include <QFile>
#include <QtEndian>

#include <zlib.h>

namespace {

// The most a zlib stream can grow when inflated is a little over 1032 to 1; an entry that
// claims more is not a zlib stream of that length, and its size is not trusted.
constexpr uint64_t maximumInflationRatio = 1040;
// No picture or table of the game comes near this; a larger size is a damaged record.
constexpr uint64_t maximumEntrySize = 32 * 1024 * 1024;

int nameLength(const char *field) {
    int length = 0;
    while (length < 16 && field[length] != '\0')
        ++length;
    return length;
}

// Names ending in "pcx" or "txt", in any case; no dot is needed before the ending.
bool nameIsKept(const char *name, int length) {
    if (length < 3)
        return false;
    const QByteArray ending = QByteArray(name + length - 3, 3).toLower();
    return ending == "pcx" || ending == "txt";
}

bool dataLiesInFile(const LodEntry &entry, uint64_t fileSize) {
    const uint64_t stored = entry.packedSize ? entry.packedSize : entry.size;
    if (uint64_t(entry.offset) + stored > fileSize || entry.size > maximumEntrySize)
        return false;
    return !entry.packedSize || uint64_t(entry.size) <= stored * maximumInflationRatio + 64;
}

} // namespace

bool LodArchive::read(const QString &filePath) {
    QFile file(filePath);
    if (!openRegularFile(file))
        return false;
    path = filePath;
    readFrom(file);
    return true;
}

void LodArchive::readFrom(QIODevice &file) {
    directory = LodDirectory();
    damaged.clear();
    const QByteArray header = file.read(headerSize);
    magic = header.left(4);
    // The magic is the text before the first zero byte.
    if (QByteArray(magic.constData(), int(qstrnlen(magic.constData(), uint(magic.size())))) !=
        "LOD")
        return;
    if (header.size() < headerSize)
        return;
    kind = qFromLittleEndian<uint32_t>(header.constData() + 4);
    entryCount = qFromLittleEndian<int32_t>(header.constData() + 8);
    reserved = header.mid(12, 80);
    if (entryCount < 1)
        return;

    // The directory is read in one piece, never more than the file holds.
    const uint64_t fileSize = uint64_t(file.size());
    const uint64_t available = (fileSize - headerSize) / entrySize;
    const int count = int(qMin<uint64_t>(uint64_t(entryCount), available));
    const QByteArray records = file.read(qint64(count) * entrySize);
    const int complete = records.size() / entrySize;
    QVector<LodDirectory::Item> items;
    items.reserve(complete);
    for (int i = 0; i < complete; ++i) {
        const char *record = records.constData() + i * entrySize;
        const int length = nameLength(record);
        if (!nameIsKept(record, length))
            continue;
        LodEntry entry;
        entry.name = QString::fromLatin1(record, length);
        entry.offset = qFromLittleEndian<uint32_t>(record + 16);
        entry.size = qFromLittleEndian<uint32_t>(record + 20);
        entry.kind = qFromLittleEndian<uint32_t>(record + 24);
        entry.packedSize = qFromLittleEndian<uint32_t>(record + 28);
        if (!dataLiesInFile(entry, fileSize)) {
            damaged.append(entry.name);
            continue;
        }
        items.append({entry.name.toLower(), entry});
    }
    directory = LodDirectory(std::move(items));
}

QByteArray LodArchive::readData(const LodEntry &entry) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return readData(file, entry);
}

QByteArray LodArchive::readData(QIODevice &file, const LodEntry &entry) {
    if (entry.size > maximumEntrySize)
        return QByteArray();
    // The size was checked against the file when the directory was read; should the file have
    // shrunk since, the bytes it no longer holds stay zero.
    QByteArray result(int(entry.size), '\0');
    if (!file.seek(entry.offset))
        return result;
    if (entry.packedSize == 0) {
        file.read(result.data(), entry.size);
        return result;
    }
    const QByteArray packed =
        file.read(qMin<qint64>(entry.packedSize, qMax<qint64>(0, file.size() - entry.offset)));
    uLongf unpackedSize = entry.size;
    // A corrupt stream leaves the rest of the result zero.
    uncompress(reinterpret_cast<Bytef *>(result.data()), &unpackedSize,
               reinterpret_cast<const Bytef *>(packed.constData()), uLong(packed.size()));
    return result;
}
