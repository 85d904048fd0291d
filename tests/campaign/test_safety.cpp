// Nothing lost, nothing corrupted: the reproductions of damaged maps, saves that would not read
// back and files that are not regular files.
#include "campaign/editorvalues.h"
#include "campaign/mapimport.h"
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

    // Every cut of a map is refused by the import, whole it is taken, and every campaign saved
    // afterwards opens again.
    void cutMapsAreRefusedAndSavesOpen() {
        MessageRecorder messages;
        const QByteArray map = readWholeFile(demo.filePath("Maps/TarqCrossing.y6m"));
        const QString cut = scratch.filePath("TarqCrossing.y6m");
        const QString saved = scratch.filePath("saved.y6c");
        QList<int> sizes{map.size()};
        for (int size = 2; size < map.size(); size += size < map.size() - 40 ? 397 : 3)
            sizes.append(size);
        for (const int size : sizes) {
            writeWholeFile(cut, map.left(size));
            CmpCampaign campaign = loaded("Chain.y6c");
            QFile file(cut);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(importMap(campaign.scenarios[1], file), size == map.size() ? 1 : -1);
            QVERIFY(CampaignFile::save(campaign, saved, catalogue));
            QVERIFY(CampaignFile::load(saved, campaign, catalogue));
        }
        QVERIFY(messages.lines().isEmpty());
    }

    // Campaign data that would not read back (written for another map's scenario count) replace
    // nothing.
    void saveThatWouldNotReadBackKeepsTheFile() {
        MessageRecorder messages;
        const QString path = scratch.filePath("kept.y6c");
        writeWholeFile(path, "before");
        CmpCampaign campaign = loaded("Marches.y6c");
        currentCampaignMap = 25;
        QVERIFY(!CampaignFile::save(campaign, path, catalogue));
        QCOMPARE(readWholeFile(path), QByteArray("before"));
        QCOMPARE(messages.lines(),
                 QStringList("warning|Error|Cannot write file " + path +
                             ":\\nthe written campaign would not read back as this campaign."));
        QCOMPARE(currentCampaignMap, 25);
    }

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
