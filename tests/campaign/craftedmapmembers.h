#pragma once

// Gzip members around a map, built bit by bit with the tests' own writer: members zlib refuses
// although a whole-buffer inflater makes the map of them (with a trailer that fits), and odd
// members zlib accepts. Each holds the map in a stored block, then a final block.

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <zlib.h>

struct CraftedMember {
    const char *name;
    QByteArray member;
};

// Deflate bits: values least significant bit first, codewords most significant bit first.
class DeflateBits {
public:
    DeflateBits &bits(uint32_t value, int count) {
        for (int i = 0; i < count; ++i, value >>= 1)
            bit(value & 1);
        return *this;
    }
    DeflateBits &codeword(uint32_t code, int length) {
        while (length-- > 0)
            bit((code >> length) & 1);
        return *this;
    }
    // A fixed-code symbol of the length alphabet.
    DeflateBits &fixedSymbol(int symbol) {
        if (symbol < 144)
            return codeword(0x30 + symbol, 8);
        if (symbol < 256)
            return codeword(0x190 + symbol - 144, 9);
        if (symbol < 280)
            return codeword(symbol - 256, 7);
        return codeword(0xc0 + symbol - 280, 8);
    }
    // Non-final stored blocks holding the bytes.
    DeflateBits &stored(const QByteArray &data) {
        for (int at = 0; at < data.size(); at += 0xffff) {
            const QByteArray part = data.mid(at, 0xffff);
            bits(0, 3).align().bits(uint32_t(part.size()), 16).bits(~uint32_t(part.size()), 16);
            out.append(part);
        }
        return *this;
    }
    DeflateBits &align() {
        while (used != 0)
            bit(0);
        return *this;
    }
    QByteArray bytes() { return align().out; }

private:
    void bit(uint32_t value) {
        pending |= value << used;
        if (++used == 8) {
            out.append(char(pending));
            pending = 0;
            used = 0;
        }
    }
    QByteArray out;
    uint32_t pending = 0;
    int used = 0;
};

// The header of a final dynamic block: a complete length code of `lengthCount` symbols with
// 8-bit codewords for the first 512 - lengthCount symbols and 9-bit ones for the rest, and
// `distanceCount` 1-bit distance codewords. The lengths are written with the code-length
// symbols 1, 8, 9 and 16, 2 bits each (00, 01, 10, 11); `repeatLast` writes the last distance
// length as a repeat of the one before, which runs two past the last length.
inline void dynamicBlockHeader(DeflateBits &out, int lengthCount, int distanceCount,
                               bool repeatLast) {
    out.bits(1, 1).bits(2, 2).bits(uint32_t(lengthCount - 257), 5);
    out.bits(uint32_t(distanceCount - 1), 5).bits(14, 4);
    for (int symbol : {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1})
        out.bits(symbol == 1 || symbol == 8 || symbol == 9 || symbol == 16 ? 2 : 0, 3);
    for (int symbol = 0; symbol < lengthCount; ++symbol)
        out.codeword(symbol < 512 - lengthCount ? 1 : 2, 2);
    for (int i = repeatLast ? 1 : 0; i < distanceCount; ++i)
        out.codeword(0, 2);
    if (repeatLast)
        out.codeword(3, 2).bits(0, 2);
}

// A symbol of that length code.
inline void dynamicSymbol(DeflateBits &out, int lengthCount, int symbol) {
    const int eightBits = 512 - lengthCount;
    out.codeword(uint32_t(symbol < eightBits ? symbol : symbol + eightBits),
                 symbol < eightBits ? 8 : 9);
}

// A gzip member of the deflate bytes with the trailer of `inflated`; `flags` 0x02 adds a
// header check sum that does not match.
inline QByteArray gzipMember(const QByteArray &deflate, const QByteArray &inflated,
                             char flags = 0) {
    QByteArray member = QByteArray("\x1f\x8b\x08", 3) + flags + QByteArray("\0\0\0\0\0\xff", 6);
    if (flags & 0x02)
        member += QByteArray("\x12\x34", 2);
    char trailer[8];
    qToLittleEndian(quint32(crc32(0, reinterpret_cast<const Bytef *>(inflated.constData()),
                                  uInt(inflated.size()))),
                    trailer);
    qToLittleEndian(quint32(inflated.size()), trailer + 4);
    return member + deflate + QByteArray(trailer, 8);
}

// Members zlib refuses; the first five a whole-buffer inflater reads as the map followed by
// some bytes 'x', the trailer made to fit.
inline QList<CraftedMember> refusedMapMembers(const QByteArray &map) {
    QList<CraftedMember> members;
    const int x = 'x';
    {
        // 32 769 bytes back needs distance symbol 30, beyond the alphabet.
        DeflateBits out;
        out.stored(map).bits(1, 1).bits(1, 2).fixedSymbol(x);
        for (int i = 0; i < 128; ++i)
            out.fixedSymbol(285).codeword(0, 5);
        out.fixedSymbol(257).codeword(30, 5).bits(0, 13).fixedSymbol(256);
        members.append({"map with distance symbol 30",
                        gzipMember(out.bytes(), map + QByteArray(1 + 128 * 258 + 3, 'x'))});
    }
    {
        DeflateBits out;
        out.stored(map).bits(1, 1).bits(1, 2).fixedSymbol(x);
        out.fixedSymbol(286).codeword(0, 5).fixedSymbol(256);
        members.append({"map with length symbol 286",
                        gzipMember(out.bytes(), map + QByteArray(1 + 258, 'x'))});
    }
    // Dynamic blocks of 'x', with a match of length 3 at distance codeword 1 when asked for,
    // and the end of block.
    const auto dynamic = [&](const char *name, int lengthCount, int distanceCount, bool repeatLast,
                             bool match) {
        DeflateBits out;
        dynamicBlockHeader(out.stored(map), lengthCount, distanceCount, repeatLast);
        dynamicSymbol(out, lengthCount, x);
        if (match) {
            dynamicSymbol(out, lengthCount, 257);
            out.codeword(1, 1);
        }
        dynamicSymbol(out, lengthCount, 256);
        members.append({name, gzipMember(out.bytes(), map + (match ? "xxxx" : "x"))});
    };
    dynamic("map with 287 length codes", 287, 2, false, false);
    dynamic("map with a code-length repeat past the last length", 258, 2, true, false);
    // A distance code of one codeword, 0; zlib refuses codeword 1.
    dynamic("map with the unused codeword of a one-codeword distance code", 258, 1, false, true);
    const QByteArray stored =
        DeflateBits().stored(map).bits(1, 1).bits(1, 2).fixedSymbol(256).bytes();
    members.append({"map with a wrong header check sum", gzipMember(stored, map, 0x02)});
    QByteArray lying = gzipMember(stored, map);
    lying[lying.size() - 4] = char(lying[lying.size() - 4] + 1);
    members.append({"map whose trailer records one byte more", lying});
    QByteArray damaged = gzipMember(stored, map);
    damaged[damaged.size() - 8] = char(damaged[damaged.size() - 8] ^ 1);
    members.append({"map with a wrong check sum", damaged});
    return members;
}

// Members zlib accepts, reading the first member only.
inline QList<CraftedMember> acceptedMapMembers(const QByteArray &member) {
    return {{"map followed by a second member", member + member},
            {"map followed by other bytes", member + "tail"}};
}
