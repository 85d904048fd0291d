#include "gamedata/gamepictures.h"

#include <cstddef>
#include <cstdint>

// Both readings of a paletted picture: with and without the transparency key.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    decodeTransparentPictureBytes(bytes);
    decodeOpaquePictureBytes(bytes);
    return 0;
}
