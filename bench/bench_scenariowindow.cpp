// Timings of the scenario properties window: importing the largest demo map, importing an 8 MB
// map, and opening the window on a large campaign (8 scenarios with 8 MB maps each). The
// window works on a copy of the campaign that must share the map bytes, so its opening time
// must not grow with the maps; the last figure counts the map bytes the copy duplicated.

#include "benchsupport.h"

#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaign/mapimport.h"
#include "campaign/mapinflation.h"
#include "dialogs/scenario/scenarioinfo.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/moddatafile.h"
#include "gamedata/textcodec.h"
#include "gamedata/tstream.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCodec>

#include <zlib.h>

namespace {

constexpr int largeMapBytes = 8 * 1024 * 1024;
constexpr int largeCampaignScenarios = 8;

bool loadDemoCatalogue(const QString &folder) {
    setGameFolder(folder);
    setTextCodec(QTextCodec::codecForName("Windows-1252"));
    auto stream = openFileStream(gamePath(QStringLiteral("tarq.dat")), TFileStream::ReadOnly);
    if (!stream)
        return false;
    modRecords() = readModDataFile(*stream);
    setGameCatalogue(buildGameCatalogue(textCodec()));
    return true;
}

int importFile(CmpScenario &scenario, const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return importMap(scenario, file);
}

// The largest demo map that the editor accepts.
QString largestDemoMap(const QString &mapsFolder) {
    QString largest;
    qint64 largestSize = -1;
    const QFileInfoList maps =
        QDir(mapsFolder).entryInfoList({QStringLiteral("*.y6m")}, QDir::Files);
    for (const QFileInfo &map : maps) {
        CmpScenario probe;
        if (map.size() > largestSize && importFile(probe, map.absoluteFilePath()) == 1) {
            largest = map.absoluteFilePath();
            largestSize = map.size();
        }
    }
    return largest;
}

// An 8 MB map: the header of a demo map followed by a body of random bytes, gzip-compressed as
// the game's editor stores maps (random bytes keep the file at full size).
bool writeLargeMap(const QString &demoMap, const QString &path) {
    QFile in(demoMap);
    QByteArray map;
    if (!in.open(QIODevice::ReadOnly) || !inflateEmbeddedMap(in.readAll(), &map))
        return false;
    QByteArray body(largeMapBytes - map.size(), Qt::Uninitialized);
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32 *>(body.data()), body.size() / 4);
    map += body;
    gzFile out = gzopen(QFile::encodeName(path).constData(), "wb1");
    if (!out)
        return false;
    const bool written = gzwrite(out, map.constData(), unsigned(map.size())) == map.size();
    return gzclose(out) == Z_OK && written;
}

// A campaign on the demo campaign map with the most regions (at least 8), or a campaign
// without map, whose first 8 scenarios each import the large map on their own.
bool buildLargeCampaign(const QString &largeMap, CmpCampaign &campaign) {
    int bestMap = -1;
    int bestRegions = 0;
    const auto &maps = gameCatalogue().campaignMaps;
    for (auto it = maps.cbegin(); it != maps.cend(); ++it) {
        if (it.value().regionCount > bestRegions) {
            bestMap = it.key();
            bestRegions = it.value().regionCount;
        }
    }
    if (bestRegions >= largeCampaignScenarios)
        resetCampaign(campaign, uint8_t(bestMap), true, 0, 0);
    else
        resetCampaign(campaign, defaultCampaignMap, false, 0, largeCampaignScenarios);
    for (int i = 0; i < largeCampaignScenarios; ++i) {
        if (importFile(campaign.scenarios[i], largeMap) != 1)
            return false;
    }
    // Every scenario requires the one before it, so the prerequisite list has work to do.
    if (campaign.withMap) {
        for (int i = 1; i < largeCampaignScenarios; ++i)
            campaign.scenarios[i].prerequisites.setBit(i - 1);
    }
    return true;
}

double openWindowMs(const CmpCampaign &campaign) {
    QElapsedTimer timer;
    timer.start();
    ScenarioInfo window(nullptr, campaign, currentCampaignMap, largeCampaignScenarios - 1);
    window.show();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Map bytes of the window's copy that are not shared with the open campaign.
double copiedMapMegabytes(const CmpCampaign &campaign) {
    ScenarioInfo window(nullptr, campaign, currentCampaignMap, 0);
    qint64 copied = 0;
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        const QByteArray &original = campaign.scenarios[i].mapData;
        if (window.campaign().scenarios[i].mapData.constData() != original.constData())
            copied += original.size();
    }
    return double(copied) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!generateDemoGame(folder.path()) || !loadDemoCatalogue(folder.path())) {
        std::fprintf(stderr, "bench-scenariowindow: cannot write or read the demo game\n");
        return 1;
    }
    const QString demoMap = largestDemoMap(gamePath(QStringLiteral("Maps")));
    const QString largeMap = folder.filePath(QStringLiteral("LargeMap.y6m"));
    CmpCampaign campaign;
    if (demoMap.isEmpty() || !writeLargeMap(demoMap, largeMap) ||
        !buildLargeCampaign(largeMap, campaign)) {
        std::fprintf(stderr, "bench-scenariowindow: cannot build the large campaign\n");
        return 1;
    }
    std::fprintf(stderr, "largest demo map: %s (%lld bytes)\n",
                 qPrintable(QFileInfo(demoMap).fileName()), QFileInfo(demoMap).size());
    std::fprintf(stderr, "large campaign: %d of %d scenarios with maps of %lld bytes\n",
                 largeCampaignScenarios, campaign.scenarios.size(), QFileInfo(largeMap).size());

    printFigure("map import",
                medianMs(21,
                         [&] {
                             CmpScenario scenario;
                             importFile(scenario, demoMap);
                         }),
                "ms");
    printFigure("map import of an 8 MB map",
                medianMs(5,
                         [&] {
                             CmpScenario scenario;
                             importFile(scenario, largeMap);
                         }),
                "ms");
    printFigure("scenario window first open", openWindowMs(campaign), "ms");
    std::vector<double> opens;
    for (int run = 0; run < 15; ++run)
        opens.push_back(openWindowMs(campaign));
    std::sort(opens.begin(), opens.end());
    printFigure("scenario window open", opens[opens.size() / 2], "ms");
    printFigure("map bytes copied on open", copiedMapMegabytes(campaign), "MB");
    return 0;
}
