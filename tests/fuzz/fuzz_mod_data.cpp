#include "gamedata/moddatafile.h"
#include "gamedata/tstream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    TMemoryStream stream;
    stream.write(data, uint32_t(size));
    const ModRecordList records = readModDataFile(stream);
    for (int i = 0; i < records.size(); ++i)
        modRecordString(records, i, 3);
    return 0;
}
