#pragma once

// Writes small .lod archives for the tests, with its own code for the format: entries plain or
// zlib-packed, and records whose fields can be set to anything, for damaged archives.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVector>
#include <QtEndian>

#include <zlib.h>

class LodBuilder {
public:
    struct Record {
        QByteArray name;
        QByteArray data; // stored bytes (packed when packed is set)
        uint32_t size = 0;
        uint32_t packedSize = 0;
        bool overrideOffset = false;
        uint32_t offset = 0;
    };

    LodBuilder &add(const QByteArray &name, const QByteArray &bytes, bool packed = false) {
        Record record;
        record.name = name;
        record.size = uint32_t(bytes.size());
        if (packed) {
            uLongf length = compressBound(uLong(bytes.size()));
            QByteArray out(int(length), '\0');
            compress(reinterpret_cast<Bytef *>(out.data()), &length,
                     reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()));
            out.resize(int(length));
            record.data = out;
            record.packedSize = uint32_t(out.size());
        } else {
            record.data = bytes;
        }
        records.append(record);
        return *this;
    }
    // A record with fields of the test's choosing.
    LodBuilder &addRecord(const Record &record) {
        records.append(record);
        return *this;
    }
    LodBuilder &declareCount(int count) {
        declaredCount = count;
        countDeclared = true;
        return *this;
    }

    QByteArray build(const QByteArray &magic = QByteArray("LOD\0", 4)) const {
        QByteArray out = magic.leftJustified(4, '\0', true);
        appendU32(out, 500); // kind
        appendU32(out, uint32_t(countDeclared ? declaredCount : records.size()));
        out.append(QByteArray(80, '\0'));
        uint32_t offset = uint32_t(92 + 32 * records.size());
        for (const Record &record : records) {
            out.append(record.name.leftJustified(16, '\0', true));
            appendU32(out, record.overrideOffset ? record.offset : offset);
            appendU32(out, record.size);
            appendU32(out, 2); // entry kind
            appendU32(out, record.packedSize);
            offset += uint32_t(record.data.size());
        }
        for (const Record &record : records)
            out.append(record.data);
        return out;
    }

    bool write(const QString &path, const QByteArray &magic = QByteArray("LOD\0", 4)) const {
        QFile file(path);
        const QByteArray bytes = build(magic);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private:
    static void appendU32(QByteArray &out, uint32_t value) {
        char buffer[4];
        qToLittleEndian(value, buffer);
        out.append(buffer, 4);
    }
    QVector<Record> records;
    int declaredCount = 0;
    bool countDeclared = false;
};
