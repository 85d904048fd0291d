#pragma once

#include <QBitArray>
#include <QByteArray>
#include <QString>

#include <cstdint>

// Builds little-endian binary data in memory: numbers, length-prefixed texts in the file text
// codec and bit sets, the counterpart of ByteCursor.
class ByteSink {
public:
    void u8(uint8_t value) { data.append(char(value)); }
    void flag(bool value) { u8(value ? 1 : 0); }
    void u16(uint16_t value);
    void u32(uint32_t value);
    void i32(int32_t value) { u32(uint32_t(value)); }
    // A 32-bit byte length, then the text in the file text codec.
    void text(const QString &value);
    // ceil(bitCount / 8) bytes, least significant bit first; bits beyond the set's own length
    // and beyond bitCount are written as 0.
    void bits(const QBitArray &set, int bitCount);
    void raw(const QByteArray &bytes) { data.append(bytes); }

    const QByteArray &bytes() const { return data; }

private:
    QByteArray data;
};
