#pragma once

// Writes small .lod archives for the tests, with its own code for the format: entries plain or
// zlib-packed, and records whose fields can be set to anything, for damaged archives.

#include "bytebuilder.h"

#include <QFile>
#include <QString>
#include <QVector>

#include <zlib.h>

class LodBuilder {
public:
    struct Record {
        QByteArray name;
        QByteArray data; // stored bytes (packed when packedSize is set)
        uint32_t size = 0;
        uint32_t packedSize = 0;
        bool overrideOffset = false;
        uint32_t offset = 0;
    };

    LodBuilder &add(const QByteArray &name, const QByteArray &bytes, bool packed = false) {
        Record record{name, bytes, uint32_t(bytes.size())};
        if (packed) {
            uLongf length = compressBound(uLong(bytes.size()));
            record.data.resize(int(length));
            compress(reinterpret_cast<Bytef *>(record.data.data()), &length,
                     reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()));
            record.data.resize(int(length));
            record.packedSize = uint32_t(length);
        }
        return addRecord(record);
    }
    // A record with fields of the test's choosing.
    LodBuilder &addRecord(const Record &record) {
        records.append(record);
        return *this;
    }
    LodBuilder &declareCount(int count) {
        declaredCount = count;
        return *this;
    }

    QByteArray build(const QByteArray &magic = QByteArray("LOD\0", 4)) const {
        ByteBuilder out;
        out.raw(magic.leftJustified(4, '\0', true)).u32(500); // magic, kind
        out.i32(declaredCount ? declaredCount : records.size()).raw(QByteArray(80, '\0'));
        uint32_t offset = uint32_t(92 + 32 * records.size());
        for (const Record &record : records) {
            out.raw(record.name.leftJustified(16, '\0', true));
            out.u32(record.overrideOffset ? record.offset : offset).u32(record.size);
            out.u32(2).u32(record.packedSize); // entry kind, packed size
            offset += uint32_t(record.data.size());
        }
        for (const Record &record : records)
            out.raw(record.data);
        return out.bytes;
    }

    bool write(const QString &path, const QByteArray &magic = QByteArray("LOD\0", 4)) const {
        QFile file(path);
        const QByteArray bytes = build(magic);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private:
    QVector<Record> records;
    int declaredCount = 0; // 0: the number of records
};
