#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QString>

#include <cstdint>

// Reads little-endian numbers and length-prefixed texts from a block of bytes it never leaves.
// A read that needs more bytes than are left marks the cursor exhausted, consumes the rest and
// yields 0 (or an empty text); every later read yields 0 too. A length read from the data is
// checked against the bytes left before anything is allocated for it.
class ByteCursor {
public:
    explicit ByteCursor(const QByteArray &bytes) : bytes(bytes) {}

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    int32_t i32() { return int32_t(u32()); }
    bool flag() { return u8() != 0; }
    // A 32-bit byte length, then that many bytes in the file text codec.
    QString text();
    // count raw bytes.
    QByteArray raw(uint32_t count);
    // ceil(bitCount / 8) bytes, least significant bit first.
    QBitArray bits(uint32_t bitCount);
    void skip(uint32_t count);

    uint32_t bytesLeft() const { return uint32_t(bytes.size()) - position; }
    uint32_t offset() const { return position; }
    bool exhausted() const { return ranOut; }

private:
    // True and advanced when count bytes are left; otherwise the cursor is exhausted.
    bool take(uint32_t count, const char **start);

    QByteArray bytes;
    uint32_t position = 0;
    bool ranOut = false;
};
