#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

// Little-endian building of binary files for the demo game.
class ByteWriter {
public:
    void u8(uint8_t value) { bytes.append(char(value)); }
    void u16(uint16_t value) { put(value); }
    void u32(uint32_t value) { put(value); }
    void i32(int32_t value) { put(value); }
    void raw(const QByteArray &data) { bytes.append(data); }
    // A 32-bit length followed by the bytes.
    void string(const QByteArray &text) {
        i32(int32_t(text.size()));
        bytes.append(text);
    }
    // Exactly width bytes: the text cut or padded with zero bytes.
    void fixed(const QByteArray &text, int width) {
        QByteArray field = text.left(width);
        field.append(QByteArray(width - field.size(), '\0'));
        bytes.append(field);
    }
    int size() const { return bytes.size(); }
    const QByteArray &data() const { return bytes; }

private:
    template <typename T> void put(T value) {
        char buffer[sizeof(T)];
        qToLittleEndian(value, buffer);
        bytes.append(buffer, int(sizeof(T)));
    }
    QByteArray bytes;
};
