// Embedded maps are inflated on a fast path that must accept exactly the members zlib accepts,
// with the same bytes. Each input is tried as it is and, read as a deflate stream, inside a
// gzip member whose trailer fits what a whole-buffer inflater makes of the stream: streams
// that inflater accepts and zlib refuses are then reached despite the check sum.

#include "campaign/gzipdata.h"
#include "campaign/mapinflation.h"

#include <QByteArray>
#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <libdeflate.h>
#include <zlib.h>

namespace {

void compareWithZlib(const QByteArray &member) {
    QByteArray fast;
    QByteArray reference;
    const bool accepted = inflateEmbeddedMap(member, &fast);
    if (accepted !=
            inflateGzipMember(member.constData(), member.size(), &reference, nullptr, true) ||
        (accepted && fast != reference))
        std::abort();
}

// A gzip member around the deflate stream, or nothing when the whole-buffer inflater refuses it.
QByteArray wrapped(const QByteArray &stream) {
    static libdeflate_decompressor *const inflater = libdeflate_alloc_decompressor();
    static QByteArray inflated(1 << 20, '\0');
    size_t used = 0;
    size_t produced = 0;
    if (libdeflate_deflate_decompress_ex(inflater, stream.constData(), size_t(stream.size()),
                                         inflated.data(), size_t(inflated.size()), &used,
                                         &produced) != LIBDEFLATE_SUCCESS)
        return QByteArray();
    char trailer[8];
    qToLittleEndian(
        quint32(crc32(0, reinterpret_cast<const Bytef *>(inflated.constData()), uInt(produced))),
        trailer);
    qToLittleEndian(quint32(produced), trailer + 4);
    return QByteArray("\x1f\x8b\x08\0\0\0\0\0\0\xff", 10) + stream.left(int(used)) +
           QByteArray(trailer, 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    compareWithZlib(input);
    const QByteArray member = wrapped(input);
    if (!member.isEmpty())
        compareWithZlib(member);
    return 0;
}
