// Inputs that once crashed, hung or over-allocated in a fuzz target, read again by the same
// reader. Each folder of tests/fuzz/regressions is named after its fuzz target.

#include "campaign/campaignfile.h"
#include "campaign/campaigntexts.h"
#include "campaign/cmpcampaign.h"
#include "campaign/cmpscenario.h"
#include "campaign/mapheaderreader.h"
#include "filebytes.h"
#include "gamedata/gamepictures.h"
#include "gamedata/lodarchive.h"
#include "gamedata/moddatafile.h"
#include "gamedata/settingsfile.h"
#include "messagerecorder.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Feeds one input to the reader its fuzz target exercises.
void readAsTarget(const QString &target, const QString &path) {
    const QByteArray bytes = readWholeFile(path);
    if (target == QLatin1String("picture-truecolor")) {
        decodeTrueColorPicture(bytes);
    } else if (target == QLatin1String("picture-paletted")) {
        decodeTransparentPictureBytes(bytes);
        decodeOpaquePictureBytes(bytes);
    } else if (target == QLatin1String("lod-archive")) {
        LodArchive archive;
        if (archive.read(path))
            for (const QString &key : archive.directory.keys())
                archive.readData(archive.directory.value(key));
    } else if (target == QLatin1String("mod-data")) {
        parseModData(bytes);
    } else if (target == QLatin1String("settings-file")) {
        SettingsFile().parse(bytes);
    } else if (target == QLatin1String("map-header")) {
        CmpScenario scenario;
        readMapHeader(scenario, bytes, true);
        readMapHeader(scenario, bytes, false);
    } else if (target == QLatin1String("text-import")) {
        CmpCampaign campaign;
        resetCampaign(campaign, 24, true, 0, 0);
        importCampaignTexts(campaign, bytes);
    } else if (target == QLatin1String("campaign-load")) {
        CmpCampaign campaign;
        CampaignFile::load(path, campaign);
    } else {
        QFAIL(qPrintable(QStringLiteral("no reader for fuzz target %1").arg(target)));
    }
}

} // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT

private slots:
    void readEveryKeptInput_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("path");
        const QString folder = QFINDTESTDATA("../fuzz/regressions");
        QVERIFY(!folder.isEmpty());
        QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QFileInfo file(files.next());
            QTest::newRow(qPrintable(file.dir().dirName() + '/' + file.fileName()))
                << file.dir().dirName() << file.filePath();
        }
    }

    // Each input must be read without a crash or sanitizer report.
    void readEveryKeptInput() {
        QFETCH(QString, target);
        QFETCH(QString, path);
        MessageRecorder messages;
        readAsTarget(target, path);
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "test_fuzzregressions.moc"
