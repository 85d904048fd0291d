#pragma once

// Binary records of the game's formats built field by field, little-endian, with the tests'
// own code so that a reader and its test cannot share a mistake.

#include <QByteArray>
#include <QtEndian>

struct ByteBuilder {
    QByteArray bytes;

    ByteBuilder &u8(int value) {
        bytes.append(char(value));
        return *this;
    }
    ByteBuilder &u16(int value) {
        char buffer[2];
        qToLittleEndian(quint16(value), buffer);
        return raw(QByteArray(buffer, 2));
    }
    ByteBuilder &u32(quint32 value) {
        char buffer[4];
        qToLittleEndian(value, buffer);
        return raw(QByteArray(buffer, 4));
    }
    ByteBuilder &i32(qint32 value) { return u32(quint32(value)); }
    // A 32-bit length followed by the text's bytes.
    ByteBuilder &text(const QByteArray &text) {
        u32(quint32(text.size()));
        return raw(text);
    }
    ByteBuilder &raw(const QByteArray &more) {
        bytes.append(more);
        return *this;
    }
};
