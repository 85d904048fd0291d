// bench-campaign: loading and saving a large campaign (8 scenarios, each embedding a map of
// 8 MiB uncompressed, stored gzip-compressed) next to what zlib alone needs to inflate the same
// maps on one thread and what writing the same bytes to a file takes, measured in the same run;
// the memory a load takes at its peak, measured in a fresh process; and the same campaign
// unpacked to plain files and packed back.

#include "benchsupport.h"

#include "campaign/campaignfile.h"
#include "campaign/campaignfolder.h"
#include "campaign/cmpcampaign.h"
#include "campaign/mapheaderreader.h"
#include "gamedata/gamecatalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

namespace {

constexpr int scenarioCount = 8;
constexpr int mapBytes = 8 << 20;
constexpr int runs = 7;
// Runs the bench as a fresh process that reads a campaign file's name from its input, loads
// the file and prints how many bytes its memory peaked above what it held before the load.
const char *const peakMemoryOption = "--peak-memory-of-load";

// A map of the game's newest own format: a header with two human players owning a hero each,
// then terrain of short runs of a few tile kinds, which compresses about as well as real maps.
QByteArray largeMap(uint32_t seed) {
    QByteArray map;
    auto u8 = [&map](int value) { map.append(char(value)); };
    auto u32 = [&map](uint32_t value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        map.append(bytes, 4);
    };
    auto text = [&](const QByteArray &value) {
        u32(uint32_t(value.size()));
        map.append(value);
    };
    u32(28);
    u8(1);
    u32(252);
    u8(1);
    text("Large map " + QByteArray::number(seed));
    text("A large map for the benchmark.");
    u8(2);
    u8(0);
    for (int player = 0; player < 8; ++player) {
        u8(player < 2);
        u8(1);
        u8(0);
        u8(0);
        u8(0xff);
        u8(0x01);
        u8(0);
        u8(0);
        u8(0);
        u8(255);
        u8(0);
        u32(player < 2 ? 1 : 0);
        if (player < 2) {
            u8(10 + player);
            text(QByteArray());
        }
    }
    u8(255);
    u8(255);
    u8(0);
    map.append(QByteArray(20, char(0xff)));
    u32(0);
    u8(0);
    map.append(QByteArray(31, '\0'));
    uint32_t state = seed * 2654435761u + 1;
    while (map.size() < mapBytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        map.append(QByteArray(int(1 + state % 12), char('a' + (state >> 8) % 9)));
    }
    map.resize(mapBytes);
    return map;
}

QByteArray gzip(const QByteArray &data) {
    z_stream stream = {};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// zlib alone: each stored map inflated into a buffer of its known size.
void inflateOnly(const QVector<QByteArray> &stored, QByteArray &buffer) {
    for (const QByteArray &map : stored) {
        z_stream stream = {};
        inflateInit2(&stream, 31);
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(map.constData()));
        stream.avail_in = uInt(map.size());
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        if (inflate(&stream, Z_FINISH) != Z_STREAM_END)
            qFatal("cannot inflate a map");
        inflateEnd(&stream);
    }
}

// Writing the file's bytes: create, write, close; with `sync`, also wait until the data are on
// the disk, as a save does before it replaces the previous file.
void writeOnly(const QString &path, const QByteArray &bytes, bool sync) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    if (sync)
        fdatasync(file.handle());
}

// The process's resident memory now, in bytes.
qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// The child process: loads the file once. The peak is getrusage's high-water mark less the
// memory held before the load, which counts all the load allocates and touches at its peak.
int printPeakMemoryOfLoad() {
    char name[4096] = {};
    if (!std::fgets(name, sizeof name, stdin))
        return 1;
    const GameCatalogue catalogue;
    CmpCampaign campaign;
    const qint64 before = residentBytes();
    if (!CampaignFile::load(QString::fromLocal8Bit(name).trimmed(), campaign, catalogue))
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%lld\n", qint64(usage.ru_maxrss) * 1024 - before);
    return 0;
}

// The child is started while this process is still small: Linux hands a new process the
// high-water mark of the one it was forked from, and keeps it across exec.
class PeakMemoryChild {
public:
    PeakMemoryChild() {
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(peakMemoryOption)});
    }
    // The peak of loading the file, in bytes; -1 when it cannot be measured.
    qint64 peakOfLoad(const QString &path) {
        child.write(QFile::encodeName(path) + '\n');
        child.closeWriteChannel();
        if (!child.waitForFinished(600000) || child.exitCode() != 0)
            return -1;
        return child.readAllStandardOutput().trimmed().toLongLong();
    }

private:
    QProcess child;
};

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], peakMemoryOption) == 0)
        return printPeakMemoryOfLoad();
    PeakMemoryChild peakMemoryChild;
    QTemporaryDir folder;
    const GameCatalogue catalogue;

    CmpCampaign campaign;
    resetCampaign(campaign, 24, false, 0, scenarioCount, catalogue);
    QVector<QByteArray> stored;
    for (int i = 0; i < scenarioCount; ++i) {
        const QByteArray map = largeMap(uint32_t(i + 1));
        CmpScenario &scenario = campaign.scenarios[i];
        scenario.mapData = gzip(map);
        scenario.mapSize = uint32_t(scenario.mapData.size());
        scenario.mapName = QStringLiteral("Large%1.y6m").arg(i);
        readMapHeader(scenario, map, false);
        stored.append(scenario.mapData);
    }
    const QString path = folder.filePath(QStringLiteral("Large.y6c"));
    if (!CampaignFile::save(campaign, path, catalogue))
        return 1;
    const QByteArray fileBytes = [&path] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    printFigure("campaign file", double(fileBytes.size()) / (1 << 20), "MiB");

    CmpCampaign loaded;
    const double load = medianMs(runs, [&] {
        if (!CampaignFile::load(path, loaded, catalogue))
            qFatal("cannot load the campaign");
    });
    QByteArray buffer(mapBytes, '\0');
    const double inflate = medianMs(runs, [&] { inflateOnly(stored, buffer); });
    printFigure("campaign load", load, "ms");
    printFigure("inflate only", inflate, "ms");
    printFigure("load/inflate", load / inflate, "x");
    const double mebibyte = 1 << 20;
    const qint64 peak = peakMemoryChild.peakOfLoad(path);
    if (peak < 0)
        qFatal("cannot measure the memory of a load");
    printFigure("peak memory during load", double(peak) / mebibyte, "MiB");
    // The goal: the campaign file, the two largest maps inflated (both cores inflate a map at a
    // time) and 20 MiB for the rest.
    printFigure("peak memory allowed", (double(fileBytes.size()) + 2.0 * mapBytes) / mebibyte + 20,
                "MiB");

    const QString savePath = folder.filePath(QStringLiteral("Saved.y6c"));
    const QString writePath = folder.filePath(QStringLiteral("Written.y6c"));
    const double save = medianMs(runs, [&] {
        if (!CampaignFile::save(loaded, savePath, catalogue))
            qFatal("cannot save the campaign");
    });
    const double write = medianMs(runs, [&] { writeOnly(writePath, fileBytes, false); });
    const double writeAndSync = medianMs(runs, [&] { writeOnly(writePath, fileBytes, true); });
    printFigure("campaign save", save, "ms");
    printFigure("write only", write, "ms");
    printFigure("save/write", save / write, "x");
    // A save flushes the new file to the disk before it replaces the previous one, so that a
    // crash cannot leave a campaign file that was replaced but never written.
    printFigure("write and sync only", writeAndSync, "ms");
    printFigure("save/write and sync", save / writeAndSync, "x");

    // The campaign as plain files and back (tarq-campaign unpack and pack without the catalogue).
    const QString unpacked = folder.filePath(QStringLiteral("Unpacked"));
    const double unpack = medianMs(runs, [&] {
        if (!CampaignFolder::write(loaded, unpacked))
            qFatal("cannot unpack the campaign");
    });
    CmpCampaign packed;
    const double pack = medianMs(runs, [&] {
        if (!CampaignFolder::read(unpacked, packed, catalogue) ||
            !CampaignFile::save(packed, savePath, catalogue))
            qFatal("cannot pack the campaign");
    });
    printFigure("unpack", unpack, "ms");
    printFigure("pack", pack, "ms");
    return 0;
}
