#pragma once

// Little-endian building of the game's binary formats, field by field. The demo game writes its
// files with it and the tests build their hand-made records with it: both are fixtures, with
// code of their own, so that a reader and its fixture cannot share a mistake.

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

class ByteWriter {
public:
    ByteWriter &u8(uint8_t value) {
        bytes.append(char(value));
        return *this;
    }
    ByteWriter &u16(uint16_t value) { return put(value); }
    ByteWriter &u32(uint32_t value) { return put(value); }
    ByteWriter &i32(int32_t value) { return put(value); }
    ByteWriter &raw(const QByteArray &data) {
        bytes.append(data);
        return *this;
    }
    // A 32-bit length followed by the bytes.
    ByteWriter &string(const QByteArray &text) {
        i32(int32_t(text.size()));
        return raw(text);
    }
    // Exactly width bytes: the text cut or padded with zero bytes.
    ByteWriter &fixed(const QByteArray &text, int width) {
        QByteArray field = text.left(width);
        field.append(QByteArray(width - field.size(), '\0'));
        return raw(field);
    }

    int size() const { return bytes.size(); }
    const QByteArray &data() const { return bytes; }

private:
    template <typename T> ByteWriter &put(T value) {
        char buffer[sizeof(T)];
        qToLittleEndian(value, buffer);
        bytes.append(buffer, int(sizeof(T)));
        return *this;
    }
    QByteArray bytes;
};
