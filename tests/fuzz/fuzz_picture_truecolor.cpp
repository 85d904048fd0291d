#include "gamedata/gamepictures.h"

#include <cstddef>
#include <cstdint>

// True-colour and "P32F" pictures (the magic selects the layout).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    decodeTrueColorPicture(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    return 0;
}
