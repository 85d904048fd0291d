#include "campaign/mapinflation.h"

#include "campaign/gzipdata.h"
#include "campaign/gzipmemberwalk.h"

#include <QtEndian>

#include <algorithm>
#include <memory>

#include <libdeflate.h>

namespace {

// A gzip header, an empty final block and the trailer take at least this many bytes.
constexpr qint64 smallestMember = 20;

// The map inflated by the whole-buffer inflater, when it and the walk agree that zlib would
// read the member the same way. False leaves the member to zlib.
bool inflateWholeMember(const QByteArray &map, QByteArray *output) {
    const qint64 size = map.size();
    if (size < smallestMember)
        return false;
    // The trailer's length is the inflated size modulo 4 GiB; one beyond what the member can
    // inflate to, or too large to be trusted, is left to zlib.
    const qint64 recorded = qFromLittleEndian<quint32>(map.constData() + size - 4);
    if (recorded > std::min(size * maximumInflateRatio, largestFirstAllocation))
        return false;
    const std::unique_ptr<libdeflate_decompressor, void (*)(libdeflate_decompressor *)> inflater(
        libdeflate_alloc_decompressor(), libdeflate_free_decompressor);
    if (!inflater)
        return false;
    resizeExactly(*output, recorded);
    size_t consumed = 0;
    size_t produced = 0;
    if (libdeflate_gzip_decompress_ex(inflater.get(), map.constData(), size_t(size), output->data(),
                                      size_t(recorded), &consumed, &produced) != LIBDEFLATE_SUCCESS)
        return false;
    const std::optional<GzipMemberExtent> extent =
        walkGzipMember(reinterpret_cast<const uchar *>(map.constData()), size);
    if (!extent || extent->memberSize != qint64(consumed) ||
        extent->inflatedSize != qint64(produced))
        return false;
    output->resize(int(produced));
    return true;
}

} // namespace

bool inflateEmbeddedMap(const QByteArray &map, QByteArray *output) {
    return inflateWholeMember(map, output) ||
           inflateGzipMember(map.constData(), map.size(), output, nullptr, true);
}
