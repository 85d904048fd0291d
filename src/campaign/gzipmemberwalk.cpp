#include "campaign/gzipmemberwalk.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

// The gzip header: magic bytes, compression method, flags, then six bytes zlib skips.
constexpr int fixedHeaderSize = 10;
constexpr uchar deflateMethod = 8;
constexpr uchar flagHeaderCheck = 0x02;
constexpr uchar flagExtra = 0x04;
constexpr uchar flagName = 0x08;
constexpr uchar flagComment = 0x10;
constexpr uchar flagsReserved = 0xe0;
constexpr int trailerSize = 8;

// The deflate alphabets as zlib takes them: a block may declare at most 286 length codes and
// 30 distance codes, and the fixed code's symbols beyond those are invalid.
constexpr int longestCodeword = 15;
constexpr int endOfBlock = 256;
constexpr int firstLengthSymbol = 257;
constexpr int lengthSymbols = 286;
constexpr int distanceSymbols = 30;
constexpr int codeLengthSymbols = 19;
constexpr std::array<uint16_t, 29> lengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                 15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> lengthExtraBits = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                     2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> distanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> distanceExtraBits = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                       4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                       9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which a dynamic block stores the code-length code's lengths.
constexpr std::array<uint8_t, codeLengthSymbols> codeLengthOrder = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// The input's bits, least significant first, up to 64 of them at hand. Bits asked for past the
// end of the input read as 0 and leave `available` negative, which ends the walk.
class BitReader {
public:
    BitReader(const uchar *begin, const uchar *end) : next(begin), end(end) {}

    // At least 56 bits at hand, unless the input ends first. Eight bytes are loaded at once
    // where they exist; the bits above `available` then already hold the next byte's bits.
    void refill() {
        if (end - next >= 8) {
            bits |= qFromLittleEndian<quint64>(next) << available;
            next += (63 - available) >> 3;
            available |= 56;
            return;
        }
        while (available <= 56 && next != end) {
            bits |= quint64(*next++) << available;
            available += 8;
        }
    }
    quint64 peek() const { return bits; }
    void drop(int count) {
        bits >>= count;
        available -= count;
    }
    int take(int count) {
        const int value = int(bits & ((quint64(1) << count) - 1));
        drop(count);
        return value;
    }
    bool overrun() const { return available < 0; }

    // The first whole byte after the bits read so far.
    const uchar *alignedPosition() const { return next - (available >> 3); }
    void alignToByte() { drop(available & 7); }
    // Moves to a byte position, dropping what is at hand.
    void restartAt(const uchar *position) {
        next = position;
        bits = 0;
        available = 0;
    }
    qint64 bytesLeftAfter(const uchar *position) const { return end - position; }

private:
    const uchar *next;
    const uchar *end;
    quint64 bits = 0;
    int available = 0;
};

// What a decoded symbol means, with its extra bits already read: a distance (1 to 32768), a
// match length (3 to 258), one of the marks below, or a code-length symbol (0 to 18).
enum SymbolMeaning : int {
    invalidSymbol = 0, // symbols 286 and 287, distances 30 and 31 of the fixed code
    literalByte = 0x1000,
    blockEnd = 0x2000,
};

enum class Alphabet { codeLengths, lengths, distances };

// A table entry: the meaning before extra bits, the codeword's length, and its length with
// the extra bits.
struct CodeEntry {
    uint16_t meaning = 0;
    uint8_t codewordBits = 0;
    uint8_t totalBits = 0;
};

CodeEntry codeEntry(Alphabet alphabet, int symbol, int codewordBits) {
    CodeEntry entry;
    entry.codewordBits = uint8_t(codewordBits);
    int extraBits = 0;
    if (alphabet == Alphabet::codeLengths) {
        entry.meaning = uint16_t(symbol);
    } else if (alphabet == Alphabet::distances) {
        if (symbol < distanceSymbols) {
            entry.meaning = distanceBase[symbol];
            extraBits = distanceExtraBits[symbol];
        }
    } else if (symbol < endOfBlock) {
        entry.meaning = literalByte;
    } else if (symbol == endOfBlock) {
        entry.meaning = blockEnd;
    } else if (symbol - firstLengthSymbol < int(lengthBase.size())) {
        entry.meaning = lengthBase[symbol - firstLengthSymbol];
        extraBits = lengthExtraBits[symbol - firstLengthSymbol];
    }
    entry.totalBits = uint8_t(codewordBits + extraBits);
    return entry;
}

// A canonical prefix code, decoded through a table indexed by its first `tableBits` bits that
// also reads the extra bits; longer codewords are decoded codeword length by codeword length.
class PrefixCode {
public:
    // False unless the lengths make a complete code: zlib refuses over-subscribed codes, and of
    // the incomplete ones it accepts only a single codeword of length 1 and the empty distance
    // code, which is where whole-buffer inflaters read more than zlib does.
    bool build(Alphabet codeAlphabet, const uint8_t *lengths, int count) {
        alphabet = codeAlphabet;
        counts.fill(0);
        for (int symbol = 0; symbol < count; ++symbol)
            ++counts[lengths[symbol]];
        counts[0] = 0;
        int left = 1;
        for (int length = 1; length <= longestCodeword; ++length) {
            left = 2 * left - counts[length];
            if (left < 0)
                return false;
        }
        if (left != 0)
            return false;
        std::array<uint16_t, longestCodeword + 2> offsets{};
        for (int length = 1; length <= longestCodeword; ++length)
            offsets[length + 1] = uint16_t(offsets[length] + counts[length]);
        for (int symbol = 0; symbol < count; ++symbol)
            if (lengths[symbol] != 0)
                sorted[offsets[lengths[symbol]]++] = uint16_t(symbol);

        table.fill(CodeEntry());
        uint32_t code = 0;
        int index = 0;
        for (int length = 1; length <= tableBits; ++length, code <<= 1) {
            for (int k = 0; k < counts[length]; ++k, ++index, ++code) {
                const CodeEntry entry = codeEntry(alphabet, sorted[index], length);
                for (uint32_t at = reversed(code, length); at < table.size(); at += 1u << length)
                    table[at] = entry;
            }
        }
        return true;
    }

    // The next symbol's meaning, its codeword and extra bits read.
    int decode(BitReader &in) const {
        const quint64 bits = in.peek();
        CodeEntry entry = table[bits & (table.size() - 1)];
        if (entry.codewordBits == 0)
            entry = longCodeword(bits);
        const int extra = int((bits >> entry.codewordBits) &
                              ((1u << (entry.totalBits - entry.codewordBits)) - 1));
        in.drop(entry.totalBits);
        return entry.meaning + extra;
    }

private:
    static constexpr int tableBits = 10;

    static uint32_t reversed(uint32_t code, int length) {
        uint32_t result = 0;
        for (int i = 0; i < length; ++i, code >>= 1)
            result = result << 1 | (code & 1);
        return result;
    }

    // A codeword longer than the table; its bits come most significant first.
    CodeEntry longCodeword(quint64 bits) const {
        int code = 0;
        int first = 0;
        int index = 0;
        for (int length = 1; length <= longestCodeword; ++length, bits >>= 1) {
            code |= int(bits & 1);
            if (code - first < counts[length])
                return codeEntry(alphabet, sorted[index + code - first], length);
            index += counts[length];
            first = (first + counts[length]) << 1;
            code <<= 1;
        }
        return CodeEntry(); // not reached with a complete code
    }

    Alphabet alphabet = Alphabet::lengths;
    std::array<CodeEntry, 1 << tableBits> table;
    std::array<uint16_t, longestCodeword + 1> counts;
    std::array<uint16_t, 288> sorted; // symbols by codeword length, then by value
};

// The fixed codes of block type 1, with all 288 length and 32 distance symbols, as zlib's
// tables have them: the symbols beyond the alphabets are decoded and then refused.
struct FixedCodes {
    PrefixCode lengths;
    PrefixCode distances;
    FixedCodes() {
        std::array<uint8_t, 288> lengthLengths{};
        for (int symbol = 0; symbol < 288; ++symbol)
            lengthLengths[symbol] = symbol < 144 ? 8 : symbol < 256 ? 9 : symbol < 280 ? 7 : 8;
        lengths.build(Alphabet::lengths, lengthLengths.data(), 288);
        std::array<uint8_t, 32> distanceLengths;
        distanceLengths.fill(5);
        distances.build(Alphabet::distances, distanceLengths.data(), 32);
    }
};

const FixedCodes &fixedCodes() {
    static const FixedCodes codes;
    return codes;
}

// The size of the gzip header at the start of input as zlib reads it, or -1 when it is not a
// header zlib reads the same way every inflater does (one with a header check sum included).
qint64 headerSize(const uchar *input, qint64 size) {
    if (size < fixedHeaderSize || input[0] != 0x1f || input[1] != 0x8b || input[2] != deflateMethod)
        return -1;
    const uchar flags = input[3];
    if (flags & (flagsReserved | flagHeaderCheck))
        return -1;
    qint64 at = fixedHeaderSize;
    if (flags & flagExtra) {
        if (size - at < 2)
            return -1;
        at += 2 + qFromLittleEndian<quint16>(input + at);
        if (at > size)
            return -1;
    }
    for (const uchar text : {flagName, flagComment}) {
        if (!(flags & text))
            continue;
        const void *zero = std::memchr(input + at, 0, size_t(size - at));
        if (!zero)
            return -1;
        at = static_cast<const uchar *>(zero) - input + 1;
    }
    return at;
}

// A stored block after its three header bits: its length, the length's complement, the bytes.
bool walkStoredBlock(BitReader &in, qint64 &inflated) {
    in.alignToByte();
    const uchar *start = in.alignedPosition();
    if (in.bytesLeftAfter(start) < 4)
        return false;
    const quint16 length = qFromLittleEndian<quint16>(start);
    if (quint16(~length) != qFromLittleEndian<quint16>(start + 2) ||
        in.bytesLeftAfter(start + 4) < length)
        return false;
    in.restartAt(start + 4 + length);
    inflated += length;
    return true;
}

// The codes a dynamic block defines, read after its three header bits.
bool readDynamicCodes(BitReader &in, PrefixCode &lengthCode, PrefixCode &distanceCode) {
    in.refill();
    const int lengthCount = firstLengthSymbol + in.take(5);
    const int distanceCount = 1 + in.take(5);
    const int codeLengthCount = 4 + in.take(4);
    if (lengthCount > lengthSymbols || distanceCount > distanceSymbols)
        return false;
    std::array<uint8_t, codeLengthSymbols> codeLengthLengths{};
    for (int i = 0; i < codeLengthCount; ++i) {
        in.refill();
        codeLengthLengths[codeLengthOrder[i]] = uint8_t(in.take(3));
    }
    PrefixCode codeLengthCode;
    if (in.overrun() ||
        !codeLengthCode.build(Alphabet::codeLengths, codeLengthLengths.data(), codeLengthSymbols))
        return false;

    std::array<uint8_t, lengthSymbols + distanceSymbols> lengths{};
    const int total = lengthCount + distanceCount;
    for (int i = 0; i < total;) {
        in.refill();
        const int symbol = codeLengthCode.decode(in);
        if (symbol < 16) {
            lengths[i++] = uint8_t(symbol);
        } else {
            uint8_t value = 0;
            int repeat = 0;
            if (symbol == 16) {
                if (i == 0)
                    return false;
                value = lengths[i - 1];
                repeat = 3 + in.take(2);
            } else if (symbol == 17) {
                repeat = 3 + in.take(3);
            } else {
                repeat = 11 + in.take(7);
            }
            if (i + repeat > total)
                return false;
            for (; repeat > 0; --repeat)
                lengths[i++] = value;
        }
        if (in.overrun())
            return false;
    }
    return lengths[endOfBlock] != 0 &&
           lengthCode.build(Alphabet::lengths, lengths.data(), lengthCount) &&
           distanceCode.build(Alphabet::distances, lengths.data() + lengthCount, distanceCount);
}

// The symbols of a block up to its end-of-block symbol, counting the bytes they inflate to.
// The loop works on copies of the reader and the count, which the compiler keeps in registers.
bool walkSymbols(BitReader &reader, const PrefixCode &lengthCode, const PrefixCode &distanceCode,
                 qint64 &inflatedSoFar) {
    BitReader in = reader;
    qint64 inflated = inflatedSoFar;
    bool intact = false;
    for (;;) {
        in.refill();
        const int meaning = lengthCode.decode(in);
        if (meaning == literalByte) {
            ++inflated;
        } else if (meaning < literalByte && meaning != invalidSymbol) {
            const int distance = distanceCode.decode(in);
            if (distance == invalidSymbol || distance > inflated)
                break;
            inflated += meaning;
        } else {
            intact = meaning == blockEnd && !in.overrun();
            break;
        }
        if (in.overrun())
            break;
    }
    reader = in;
    inflatedSoFar = inflated;
    return intact;
}

} // namespace

std::optional<GzipMemberExtent> walkGzipMember(const uchar *input, qint64 size) {
    const qint64 header = headerSize(input, size);
    if (header < 0)
        return std::nullopt;
    BitReader in(input + header, input + size);
    PrefixCode lengthCode;
    PrefixCode distanceCode;
    qint64 inflated = 0;
    for (bool last = false; !last;) {
        in.refill();
        last = in.take(1) != 0;
        const int type = in.take(2);
        if (in.overrun())
            return std::nullopt;
        bool intact = false;
        if (type == 0)
            intact = walkStoredBlock(in, inflated);
        else if (type == 1)
            intact = walkSymbols(in, fixedCodes().lengths, fixedCodes().distances, inflated);
        else if (type == 2)
            intact = readDynamicCodes(in, lengthCode, distanceCode) &&
                     walkSymbols(in, lengthCode, distanceCode, inflated);
        if (!intact)
            return std::nullopt;
    }
    in.alignToByte();
    const qint64 memberSize = in.alignedPosition() - input + trailerSize;
    if (memberSize > size)
        return std::nullopt;
    return GzipMemberExtent{memberSize, inflated};
}
