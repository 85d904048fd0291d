// Nothing lost, nothing corrupted: the reproductions of files that are not regular files.
#include "campaignfilefixture.h"
#include "gamedata/lodarchive.h"
#include "messagerecorder.h"

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TestSafety : public QObject, SampleCampaigns {
    Q_OBJECT

private slots:
    void initTestCase() { setUpSamples(); }

    // A FIFO or a folder where a file is expected is refused as a missing file, never waited on.
    void onlyRegularFilesAreOpened() {
        MessageRecorder messages;
        QTemporaryDir dir;
        const QList<QByteArray> paths = {QFile::encodeName(dir.filePath("tarq.dat")),
                                         QFile::encodeName(dir.filePath("Tarq.lod")),
                                         QFile::encodeName(dir.filePath("Chain.y6c"))};
        QVERIFY(::mkdir(paths[0].constData(), 0700) == 0 &&
                mkfifo(paths[1].constData(), 0600) == 0 && mkfifo(paths[2].constData(), 0600) == 0);
        // Should a FIFO be opened, a writer coming and going lets the reader on to its end.
        std::atomic<bool> done{false};
        std::thread release([&] {
            for (; !done; std::this_thread::sleep_for(std::chrono::milliseconds(10)))
                for (const QByteArray &path : paths)
                    ::close(::open(path.constData(), O_WRONLY | O_NONBLOCK));
        });
        const bool archive = LodArchive().read(dir.filePath("Tarq.lod"));
        const bool modData =
            openFileStream(dir.filePath("tarq.dat"), TFileStream::ReadOnly) != nullptr;
        CmpCampaign campaign;
        const bool loadedCampaign =
            CampaignFile::load(dir.filePath("Chain.y6c"), campaign, catalogue);
        done = true;
        release.join();
        QVERIFY(!archive && !modData && !loadedCampaign);
        QCOMPARE(messages.lines(),
                 QStringList("critical|Error|Can't open file " + dir.filePath("Chain.y6c")));
    }
};

QTEST_GUILESS_MAIN(TestSafety)
#include "test_safety.moc"
