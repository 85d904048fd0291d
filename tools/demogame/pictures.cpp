#include "archives.h"

QVector<DemoArchiveEntry> demoPictureEntries(const DemoOptions &) {
    return {};
}
