// Campaign map figures on the demo game's kind-1 campaign map with the most regions, opened in
// the main window with a campaign whose regions are in all three states: the main window's
// own rebuild of the map view on an empty image cache (cold) and on a filled one (warm),
// composing every region picture in all three states from an empty cache, and the rate of
// composition alone (masks already decoded). Each time is the median of many runs after a
// warm-up, in the thread's own processor time, so that other programs sharing the machine do
// not count.

#include "benchsupport.h"

#include "app/editorresources.h"
#include "app/mainwindow.h"
#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "campaignmap/campaignregionlookup.h"
#include "campaignmap/regionpicture.h"
#include "campaignmap/regionstate.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/imagecache.h"
#include "gamedata/moddatafile.h"
#include "gamedata/tstream.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>

#include <ctime>
#include <iterator>

namespace {

constexpr int warmUpRuns = 3;
constexpr int runs = 31;

double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The median of `runs` processor times of body after `warmUpRuns` untimed ones, in
// milliseconds: the first runs fill the file system's cache and settle the allocator.
template <typename Body> double medianThreadMs(Body body) {
    for (int i = 0; i < warmUpRuns; ++i)
        body();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = threadMs();
        body();
        times.push_back(threadMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

const int allStates[] = {RegionHasMap, RegionSelected, RegionEmpty};

// The image cache as the editor starts with it.
void emptyImageCache() {
    ImageCache &cache = imageCache();
    cache.transparentPictures.clear();
    cache.opaquePictures.clear();
    cache.trueColorPictures.clear();
    cache.composedPictures2.clear();
    cache.composedPictures4.clear();
}

// The kind-1 campaign map with the most regions.
int largestMaskMap() {
    int best = -1;
    int bestCount = 0;
    const auto &maps = gameCatalogue().campaignMaps;
    for (auto map = maps.constBegin(); map != maps.constEnd(); ++map)
        if (map->picturesGiven && map->regions.size() > bestCount) {
            best = map.key();
            bestCount = map->regions.size();
        }
    return best;
}

// Every region picture of the map in every state, in the colour of its region index.
void composeAll(int campaignMap, int regions) {
    for (int region = 0; region < regions; ++region)
        for (int state : allStates)
            regionPicture(campaignMap, region, state, region % 8);
}

// The pixels composeAll composes: those inside each region's shape (opaque in its fill mask),
// once per state; the pixels around the shape are passed over.
qint64 composedPixels(int campaignMap, int regions) {
    qint64 pixels = 0;
    for (int region = 0; region < regions; ++region) {
        const QImage fill =
            imageCache()
                .transparentPicture(campaignRegionDefinition(campaignMap, region).picture3)
                .convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < fill.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(fill.constScanLine(y));
            for (int x = 0; x < fill.width(); ++x)
                pixels += qAlpha(row[x]) != 0 ? 1 : 0;
        }
    }
    return pixels * int(std::size(allStates));
}

// A campaign on the map with every region's scenario, in the colour of its index; every
// second scenario embeds one of the demo game's maps, and region 0 is selected when opened,
// so that the regions are in all three states. Saved into folder; returns the file's path.
QString writeCampaign(const QString &folder, int campaignMap) {
    QFile mapFile(folder + QStringLiteral("/Maps/TarqCrossing.y6m"));
    if (!mapFile.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray map = mapFile.readAll();
    CmpCampaign campaign;
    resetCampaign(campaign, uint8_t(campaignMap), true, 0, 0);
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        CmpScenario &scenario = campaign.scenarios[i];
        scenario.regionColor = uint8_t(i % 8);
        if (i % 2) {
            scenario.mapName = QStringLiteral("TarqCrossing.y6m");
            scenario.mapData = map;
        }
    }
    const QString path = folder + QStringLiteral("/Regions.y6c");
    return CampaignFile::save(campaign, path) ? path : QString();
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerEditorResources();
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // cache traces
    QTemporaryDir folder;
    if (!folder.isValid() || !generateDemoGame(folder.path())) {
        std::fprintf(stderr, "bench-campaignmap: cannot write the demo game\n");
        return 1;
    }
    // The main window's settings (recent files, last folder) stay in the temporary folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    setGameFolder(folder.path());
    auto stream = openFileStream(gamePath(QStringLiteral("tarq.dat")), TFileStream::ReadOnly);
    if (!stream)
        return 1;
    modRecords() = readModDataFile(*stream);
    setGameCatalogue(buildGameCatalogue(QTextCodec::codecForName("Windows-1252")));
    const int campaignMap = largestMaskMap();
    if (campaignMap < 0) {
        std::fprintf(stderr, "bench-campaignmap: the demo game has no kind-1 campaign map\n");
        return 1;
    }
    const int regions = gameCatalogue().campaignMaps.value(campaignMap).regions.size();
    const QString campaignPath = writeCampaign(folder.path(), campaignMap);
    MainWindow window;
    window.loadFile(campaignPath);
    if (campaignPath.isEmpty() || window.regionItems.size() != regions) {
        std::fprintf(stderr, "bench-campaignmap: cannot open the campaign of the map\n");
        return 1;
    }

    const double cold = medianThreadMs([&] {
        emptyImageCache();
        window.rebuildCampaignMap();
    });
    printFigure("map rebuild cold", cold, "ms");
    const double warm = medianThreadMs([&] { window.rebuildCampaignMap(); });
    printFigure("map rebuild warm", warm, "ms");

    const double all = medianThreadMs([&] {
        emptyImageCache();
        composeAll(campaignMap, regions);
    });
    printFigure("compose all region states", all, "ms");

    // Composition alone: the masks stay decoded, only the composed pictures are dropped.
    const double compose = medianThreadMs([&] {
        imageCache().composedPictures4.clear();
        composeAll(campaignMap, regions);
    });
    const qint64 pixels = composedPixels(campaignMap, regions);
    printFigure("region composition", double(pixels) / (compose * 1000.0), "Mpx/s");
    return window.regionItems.size() == regions && pixels > 0 ? 0 : 1;
}
