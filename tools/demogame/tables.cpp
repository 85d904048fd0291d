#include "archives.h"

QVector<DemoArchiveEntry> demoTableEntries(const DemoOptions &) {
    return {};
}
