#include "campaign/cmpscenario.h"
#include "campaign/mapheaderreader.h"

#include <QByteArray>

#include <zlib.h>

#include <cstddef>
#include <cstdint>

namespace {
// Compressed seeds (the demo game's maps) are inflated first, up to a size that keeps each run
// short, so that the reader sees real headers to mutate.
QByteArray uncompressed(const uint8_t *data, size_t size) {
    const QByteArray raw(reinterpret_cast<const char *>(data), int(size));
    if (size < 2 || data[0] != 0x1f || data[1] != 0x8b)
        return raw;
    z_stream stream{};
    if (inflateInit2(&stream, 31) != Z_OK)
        return raw;
    QByteArray out(1 << 20, '\0');
    stream.next_in = const_cast<Bytef *>(data);
    stream.avail_in = uInt(size);
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    inflate(&stream, Z_SYNC_FLUSH);
    out.resize(int(stream.total_out));
    inflateEnd(&stream);
    return out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray map = uncompressed(data, size);
    CmpScenario scenario;
    readMapHeader(scenario, map, true);
    readMapHeader(scenario, map, false);
    return 0;
}
