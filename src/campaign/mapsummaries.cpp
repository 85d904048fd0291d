#include "campaign/mapsummaries.h"

#include "campaign/gzipdata.h"
#include "campaign/mapheaderreader.h"
#include "campaign/mapinflation.h"
#include "gamedata/textcodec.h"

#include <QMutex>
#include <QThreadPool>
#include <QtConcurrent>

#include <vector>

namespace {

struct MapTask {
    const QByteArray *map = nullptr;
    MapHeaderRef summary;
};

// An inflated map is needed only until its summary is read. Its buffer goes back here and
// holds the next map a task inflates, so that each task touches new memory once rather than
// once per map: every new page costs the system a fault.
class InflateBuffers {
public:
    QByteArray take() {
        const QMutexLocker lock(&mutex);
        return buffers.isEmpty() ? QByteArray() : buffers.takeLast();
    }
    void giveBack(QByteArray buffer) {
        const QMutexLocker lock(&mutex);
        buffers.append(std::move(buffer));
    }

private:
    QMutex mutex;
    QVector<QByteArray> buffers;
};

MapHeaderRef readSummary(const QByteArray &map, InflateBuffers &buffers) {
    QSharedPointer<MapHeader> summary(new MapHeader);
    QByteArray inflated = buffers.take();
    const bool intact = readEmbeddedMapSummary(map, &inflated, summary.data()) >= 0;
    buffers.giveBack(std::move(inflated));
    return intact ? summary : MapHeaderRef();
}

} // namespace

int readEmbeddedMapSummary(const QByteArray &map, QByteArray *inflated, MapHeader *header) {
    if (!startsWithGzipMagic(map))
        return readMapSummary(map, header);
    if (!inflateEmbeddedMap(map, inflated))
        return MapWithoutPlayers;
    return readMapSummary(*inflated, header);
}

QVector<MapHeaderRef> readMapSummaries(const QVector<QByteArray> &maps) {
    std::vector<MapTask> tasks(size_t(maps.size()));
    for (int i = 0; i < maps.size(); ++i)
        tasks[size_t(i)].map = &maps[i];
    // The text codec is chosen on first use; it is chosen here, before the tasks read texts.
    fileTextCodec();
    // The pool runs one task per core while this thread waits: no more maps are inflated at
    // once, and no more inflated maps held in memory, than there are cores.
    InflateBuffers buffers;
    QtConcurrent::blockingMap(
        tasks, [&buffers](MapTask &task) { task.summary = readSummary(*task.map, buffers); });

    QVector<MapHeaderRef> summaries;
    summaries.reserve(maps.size());
    for (const MapTask &task : tasks)
        summaries.append(task.summary);
    return summaries;
}
