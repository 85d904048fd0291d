#include "gamedata/moddatafile.h"

#include "gamedata/tstream.h"

#include <QtEndian>

#include <limits>

namespace {

// Reads little-endian values and byte strings within the bytes of the file.
class RecordCursor {
public:
    explicit RecordCursor(const QByteArray &bytes) : bytes(bytes) {}

    bool failed() const { return truncated; }
    int remaining() const { return bytes.size() - at; }

    int32_t readInt() {
        if (remaining() < 4) {
            truncated = true;
            at = bytes.size();
            return 0;
        }
        const int32_t value = qFromLittleEndian<int32_t>(bytes.constData() + at);
        at += 4;
        return value;
    }

    uint8_t readByte() {
        if (remaining() < 1) {
            truncated = true;
            return 0;
        }
        return uint8_t(bytes[at++]);
    }

    QByteArray readBytes(int32_t length) {
        if (length <= 0)
            return QByteArray();
        if (length > remaining()) {
            truncated = true;
            at = bytes.size();
            return QByteArray();
        }
        const QByteArray result = bytes.mid(at, length);
        at += length;
        return result;
    }

    QByteArray readString() { return readBytes(readInt()); }

    void markTruncated() {
        truncated = true;
        at = bytes.size();
    }

private:
    const QByteArray &bytes;
    int at = 0;
    bool truncated = false;
};

// The smallest record: name length, second name length, string count, data flag, number count.
constexpr int MinimumRecordSize = 4 + 4 + 4 + 1 + 4;

} // namespace

void splitRecordName(const QByteArray &name, QByteArray *kind, int *id) {
    int kindEnd = name.size();
    while (kindEnd > 0 && name[kindEnd - 1] >= '0' && name[kindEnd - 1] <= '9')
        --kindEnd;
    *kind = name.left(kindEnd);
    const QByteArray digits = name.mid(kindEnd);
    if (digits.isEmpty()) {
        *id = -1;
        return;
    }
    int64_t value = 0;
    for (char digit : digits) {
        value = value * 10 + (digit - '0');
        if (value > std::numeric_limits<int>::max()) {
            value = std::numeric_limits<int>::max();
            break;
        }
    }
    *id = int(value);
}

ModRecordList parseModData(const QByteArray &bytes) {
    ModRecordList records;
    RecordCursor cursor(bytes);
    if (bytes.left(4) != "HDAT")
        return records;
    cursor.readBytes(4);
    cursor.readInt(); // format, not used
    const int32_t count = cursor.readInt();
    if (count <= 0 || cursor.failed())
        return records;
    records.reserve(qMin(count, cursor.remaining() / MinimumRecordSize + 1));
    for (int32_t i = 0; i < count && !cursor.failed(); ++i) {
        ModRecord record;
        record.name = cursor.readString();
        record.secondName = cursor.readString();
        const int32_t stringCount = cursor.readInt();
        for (int32_t s = 0; s < stringCount && !cursor.failed(); ++s)
            record.recordStrings.append(cursor.readString());
        if (cursor.readByte() != 0) {
            const int32_t dataSize = cursor.readInt();
            if (dataSize > 0)
                record.dataBlock = cursor.readBytes(dataSize);
        }
        const int32_t numberCount = cursor.readInt();
        if (numberCount > 0 && numberCount <= cursor.remaining() / 4) {
            record.numbers.reserve(numberCount);
            for (int32_t n = 0; n < numberCount; ++n)
                record.numbers.append(cursor.readInt());
        } else if (numberCount > 0) {
            cursor.markTruncated(); // more numbers than bytes left: the file is cut
        }
        if (cursor.failed())
            break;
        splitRecordName(record.name, &record.kind, &record.id);
        records.append(record);
    }
    return records;
}

ModRecordList readModDataFile(TStream &stream) {
    const uint32_t size = stream.size();
    if (stream.seek(0, TStream::FromStart) != 0 || size > uint32_t(std::numeric_limits<int>::max()))
        return ModRecordList();
    QByteArray bytes(int(size), Qt::Uninitialized);
    if (size && !stream.read(bytes.data(), size))
        return ModRecordList();
    return parseModData(bytes);
}

QByteArray modRecordString(const ModRecordList &records, int recordIndex, int k,
                           const QByteArray &fallback) {
    if (records.isEmpty())
        return fallback;
    recordIndex = qBound(0, recordIndex, records.size() - 1);
    k = qMax(0, k);
    const ModRecord &record = records[recordIndex];
    return record.recordStrings.size() > k ? record.recordStrings[k] : fallback;
}

ModRecordList &modRecords() {
    static ModRecordList records;
    return records;
}
