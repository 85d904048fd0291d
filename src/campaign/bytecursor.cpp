#include "campaign/bytecursor.h"

#include "gamedata/textcodec.h"

#include <QTextCodec>
#include <QtEndian>

#include <climits>

bool ByteCursor::take(uint32_t count, const char **start) {
    if (ranOut || count > bytesLeft()) {
        ranOut = true;
        position = uint32_t(bytes.size());
        return false;
    }
    *start = bytes.constData() + position;
    position += count;
    return true;
}

uint8_t ByteCursor::u8() {
    const char *start = nullptr;
    return take(1, &start) ? uint8_t(*start) : 0;
}

uint16_t ByteCursor::u16() {
    const char *start = nullptr;
    return take(2, &start) ? qFromLittleEndian<uint16_t>(start) : 0;
}

uint32_t ByteCursor::u32() {
    const char *start = nullptr;
    return take(4, &start) ? qFromLittleEndian<uint32_t>(start) : 0;
}

QString ByteCursor::text() {
    const uint32_t length = u32();
    const char *start = nullptr;
    if (length == 0 || !take(length, &start))
        return QString();
    return fileTextCodec()->toUnicode(start, int(length));
}

QByteArray ByteCursor::raw(uint32_t count) {
    const char *start = nullptr;
    if (count == 0 || !take(count, &start))
        return QByteArray();
    return QByteArray(start, int(count));
}

QBitArray ByteCursor::bits(uint32_t bitCount) {
    const uint32_t byteCount = uint32_t((uint64_t(bitCount) + 7) / 8);
    const char *start = nullptr;
    if (bitCount > uint32_t(INT_MAX)) {
        take(bytesLeft() + 1, &start); // longer than any bit array: the data is damaged
        return QBitArray();
    }
    if (byteCount == 0 || !take(byteCount, &start))
        return QBitArray();
    return QBitArray::fromBits(start, qsizetype(bitCount));
}

void ByteCursor::skip(uint32_t count) {
    const char *start = nullptr;
    take(count, &start);
}
