#include "campaign/gzipdata.h"

#include <QtEndian>

#include <algorithm>

#include <zlib.h>

namespace {

// Window bits for gzip-wrapped data only.
constexpr int gzipWindowBits = 15 + 16;
// Output grows at least by this much at a time.
constexpr int outputChunk = 16384;

// The uncompressed size recorded in the last four bytes of a member that ends with the input
// (modulo 4 GiB), clamped to what the input can expand to: a guess to allocate once, so that a
// large map is inflated without copying.
qint64 expectedSize(const char *input, qint64 inputSize) {
    if (inputSize < 18)
        return outputChunk;
    const qint64 claimed = qFromLittleEndian<quint32>(input + inputSize - 4);
    const qint64 limit = std::min(inputSize * maximumInflateRatio, largestFirstAllocation);
    return std::max<qint64>(outputChunk, std::min(claimed, limit) + 1);
}

} // namespace

void resizeExactly(QByteArray &bytes, qint64 size) {
    if (bytes.capacity() < size)
        bytes.reserve(int(size));
    bytes.resize(int(size));
}

bool startsWithGzipMagic(const QByteArray &bytes) {
    return bytes.size() >= 2 && uint8_t(bytes[0]) == 0x1f && uint8_t(bytes[1]) == 0x8b;
}

bool inflateGzipMember(const char *input, qint64 inputSize, QByteArray *output, qint64 *consumed,
                       bool inputEndsWithMember) {
    z_stream stream = {};
    if (inflateInit2(&stream, gzipWindowBits) != Z_OK)
        return false;
    QByteArray &out = *output;
    resizeExactly(out, inputEndsWithMember ? expectedSize(input, inputSize) : outputChunk);
    qint64 produced = 0;
    qint64 fed = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        if (produced == out.size()) {
            const qint64 grown =
                std::min(std::max<qint64>(out.size() + outputChunk, out.size() * 3 / 2),
                         largestInflatedMember);
            if (grown <= out.size()) {
                status = Z_MEM_ERROR;
                break;
            }
            resizeExactly(out, grown);
        }
        // The input is fed in slices that fit zlib's 32-bit counters.
        if (stream.avail_in == 0 && fed < inputSize) {
            const qint64 slice = std::min<qint64>(inputSize - fed, 1 << 30);
            stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input + fed));
            stream.avail_in = uInt(slice);
            fed += slice;
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        stream.avail_out = uInt(out.size() - produced);
        status = inflate(&stream, Z_NO_FLUSH);
        produced = out.size() - qint64(stream.avail_out);
        // Out of input before the end of the member.
        if (status == Z_BUF_ERROR && stream.avail_out != 0 && fed == inputSize)
            break;
        if (status == Z_BUF_ERROR)
            status = Z_OK;
    }
    const qint64 used = fed - qint64(stream.avail_in);
    inflateEnd(&stream);
    out.resize(int(produced));
    if (status != Z_STREAM_END)
        return false;
    if (consumed)
        *consumed = used;
    return true;
}

QByteArray deflateGzipMember(const QByteArray &data) {
    z_stream stream = {};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, gzipWindowBits, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}
