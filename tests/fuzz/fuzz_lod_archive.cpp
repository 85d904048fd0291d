// A .lod archive of arbitrary bytes: its directory, every entry it lists, and those entries read
// as text tables, lists and campaign map scripts.

#include "gamedata/campaignmapscript.h"
#include "gamedata/lodarchive.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/texttable.h"

#include <QBuffer>
#include <QTextCodec>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    LodArchive archive;
    archive.readFrom(device);
    static QTextCodec *codec = QTextCodec::codecForName("Windows-1252");
    for (const LodEntry &listed : archive.directory) {
        const QByteArray entry = LodArchive::readData(device, listed);
        for (const QString &line : splitTableText(entry, codec)) {
            if (!isBlankLine(line))
                splitCells(line);
        }
        tokenizeList(entry);
        CampaignMapDef map;
        readCampaignMapScript(codec->toUnicode(entry), map);
    }
    return 0;
}
