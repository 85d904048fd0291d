#pragma once

// Writes .lod archives: a 92-byte header ("LOD", kind, entry count, 80 reserved bytes), one
// 32-byte directory record per entry (name, offset, size, kind, packed size), then the entries'
// bytes, plain or zlib-packed. The demo game writes its archives with it; the tests also write
// records whose fields say anything, for damaged archives.

#include "bytewriter.h"

#include <QFile>
#include <QString>
#include <QVector>

#include <optional>

#include <zlib.h>

struct LodRecord {
    LodRecord(const QByteArray &name, const QByteArray &stored, uint32_t size,
              uint32_t packedSize = 0, std::optional<uint32_t> offset = {}, uint32_t kind = 2)
        : name(name), stored(stored), size(size), packedSize(packedSize), offset(offset),
          kind(kind) {}

    QByteArray name;                // at most 16 characters; a 16-character name has no terminator
    QByteArray stored;              // the bytes as they lie in the archive
    uint32_t size;                  // the unpacked size the directory gives
    uint32_t packedSize;            // 0: stored plain
    std::optional<uint32_t> offset; // by default right after the previous entry's bytes
    uint32_t kind;                  // 2 text, 16 picture, 0x42 sprite, 1 other
};

class LodWriter {
public:
    // An entry of the bytes, zlib-packed when asked.
    LodWriter &add(const QByteArray &name, const QByteArray &bytes, bool packed = false,
                   uint32_t kind = 2) {
        LodRecord record(name, bytes, uint32_t(bytes.size()), 0, {}, kind);
        if (packed) {
            uLongf length = compressBound(uLong(bytes.size()));
            record.stored.resize(int(length));
            compress2(reinterpret_cast<Bytef *>(record.stored.data()), &length,
                      reinterpret_cast<const Bytef *>(bytes.constData()), uLong(bytes.size()), 6);
            record.stored.resize(int(length));
            record.packedSize = uint32_t(length);
        }
        return addRecord(record);
    }
    LodWriter &addRecord(const LodRecord &record) {
        records.append(record);
        return *this;
    }
    // The entry count the header gives, when it is not the number of records.
    LodWriter &declareCount(int count) {
        declaredCount = count;
        return *this;
    }

    QByteArray build(uint32_t archiveKind = 500, const QByteArray &magic = "LOD") const {
        ByteWriter out;
        out.fixed(magic, 4).u32(archiveKind);
        out.i32(declaredCount.value_or(records.size())).fixed(QByteArray(), 80);
        uint32_t offset = uint32_t(92 + 32 * records.size());
        for (const LodRecord &record : records) {
            out.fixed(record.name, 16).u32(record.offset.value_or(offset)).u32(record.size);
            out.u32(record.kind).u32(record.packedSize);
            offset += uint32_t(record.stored.size());
        }
        for (const LodRecord &record : records)
            out.raw(record.stored);
        return out.data();
    }

    bool write(const QString &path, const QByteArray &magic = "LOD") const {
        QFile file(path);
        const QByteArray bytes = build(500, magic);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private:
    QVector<LodRecord> records;
    std::optional<int> declaredCount;
};
