#include "campaign/mapsummaries.h"

#include "campaign/gzipdata.h"
#include "campaign/mapheaderreader.h"
#include "campaign/mapinflation.h"
#include "gamedata/textcodec.h"

#include <QThreadPool>
#include <QtConcurrent>

#include <vector>

namespace {

struct MapTask {
    const QByteArray *map = nullptr;
    MapHeaderRef summary;
};

// One place of the thread pool, held while it lives.
class ReservedThread {
public:
    explicit ReservedThread(QThreadPool *pool) : pool(pool) { pool->reserveThread(); }
    ~ReservedThread() { pool->releaseThread(); }
    ReservedThread(const ReservedThread &) = delete;
    ReservedThread &operator=(const ReservedThread &) = delete;

private:
    QThreadPool *pool;
};

MapHeaderRef readSummary(const QByteArray &map) {
    QByteArray inflated;
    const bool compressed = startsWithGzipMagic(map);
    if (compressed && !inflateEmbeddedMap(map, &inflated))
        return {};
    QSharedPointer<MapHeader> summary(new MapHeader);
    if (readMapSummary(compressed ? inflated : map, summary.data()) < 0)
        return {};
    return summary;
}

} // namespace

QVector<MapHeaderRef> readMapSummaries(const QVector<QByteArray> &maps) {
    std::vector<MapTask> tasks(size_t(maps.size()));
    for (int i = 0; i < maps.size(); ++i)
        tasks[size_t(i)].map = &maps[i];
    // The text codec is chosen on first use; it is chosen here, before the tasks read texts.
    fileTextCodec();
    // This thread takes part in the work and so holds one of the pool's places: no more maps
    // are inflated at once, and no more inflated maps held in memory, than there are cores.
    {
        const ReservedThread place(QThreadPool::globalInstance());
        QtConcurrent::blockingMap(tasks,
                                  [](MapTask &task) { task.summary = readSummary(*task.map); });
    }

    QVector<MapHeaderRef> summaries;
    summaries.reserve(maps.size());
    for (const MapTask &task : tasks)
        summaries.append(task.summary);
    return summaries;
}
