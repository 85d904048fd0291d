#include "fuzzsupport.h"
#include "gamedata/lodarchive.h"

#include <cstddef>
#include <cstdint>

// The directory of one archive, then every entry it lists, read back from the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path = scratchFile(QStringLiteral(".lod"), data, size);
    LodArchive archive;
    if (!archive.read(path))
        return 0;
    for (const LodEntry &entry : archive.directory) {
        if (entry.size <= 64 * 1024 * 1024 / 4) // keep each run well under the memory limit
            archive.readData(entry);
    }
    return 0;
}
