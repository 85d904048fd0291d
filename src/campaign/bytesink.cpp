#include "campaign/bytesink.h"

#include "gamedata/textcodec.h"

#include <QTextCodec>
#include <QtEndian>

void ByteSink::u16(uint16_t value) {
    char buffer[2];
    qToLittleEndian(value, buffer);
    data.append(buffer, 2);
}

void ByteSink::u32(uint32_t value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    data.append(buffer, 4);
}

void ByteSink::text(const QString &value) {
    const QByteArray encoded = value.isEmpty() ? QByteArray() : fileTextCodec()->fromUnicode(value);
    u32(uint32_t(encoded.size()));
    data.append(encoded);
}

void ByteSink::bits(const QBitArray &set, int bitCount) {
    if (bitCount <= 0)
        return;
    QByteArray packed((bitCount + 7) / 8, '\0');
    const int known = qMin(bitCount, set.size());
    for (int k = 0; k < known; ++k) {
        if (set.testBit(k))
            packed[k / 8] = char(packed[k / 8] | (1 << (k % 8)));
    }
    data.append(packed);
}
