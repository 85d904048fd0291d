// Campaign map figures on the demo game's largest kind-1 campaign map: composing every region
// picture in all three states from an empty cache, rebuilding the map scene once they are
// cached, and the composition rate alone (masks already decoded). The times are the thread's
// own processor time, so that other programs sharing the machine do not count.

#include "benchsupport.h"
#include "campaign/cmpcampaign.h"
#include "campaignmap/campaignmapscene.h"
#include "campaignmap/mygraphicsscene.h"
#include "campaignmap/regionpicture.h"
#include "campaignmap/regionstate.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/imagecache.h"
#include "gamedata/moddatafile.h"
#include "gamedata/tstream.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextCodec>

#include <ctime>

namespace {

double threadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The median of `runs` processor times of body, in milliseconds.
template <typename Body> double medianThreadMs(int runs, Body body) {
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

void emptyImageCache() {
    ImageCache &cache = imageCache();
    cache.transparentPictures.clear();
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

// Every region picture of the map in every state, in the colour of its region index; returns
// the number of pixels composed.
qint64 composeAll(int campaignMap, int regions) {
    qint64 pixels = 0;
    for (int region = 0; region < regions; ++region)
        for (int state : allStates) {
            const QImage picture = regionPicture(campaignMap, region, state, region % 8);
            pixels += qint64(picture.width()) * picture.height();
        }
    return pixels;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); // cache traces
    QTemporaryDir folder;
    if (!folder.isValid() || !generateDemoGame(folder.path())) {
        std::fprintf(stderr, "bench-campaignmap: cannot write the demo game\n");
        return 1;
    }
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

    // Cold: masks decoded and every picture composed from nothing.
    composeAll(campaignMap, regions); // the archives into the file system's cache
    const double cold = medianThreadMs(15, [&] {
        emptyImageCache();
        composeAll(campaignMap, regions);
    });
    printFigure("map rebuild cold", cold, "ms");

    // Warm: a scene rebuild of a campaign whose regions are in all three states.
    CmpCampaign campaign;
    resetCampaign(campaign, uint8_t(campaignMap), true, 0, 0);
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        campaign.scenarios[i].regionColor = uint8_t(i % 8);
        if (i % 2)
            campaign.scenarios[i].mapHeader = MapHeaderRef(new MapHeader);
    }
    MyGraphicsScene scene;
    int items = buildCampaignMapScene(&scene, campaign, campaignMap, 0).size();
    const double warm = medianThreadMs(
        25, [&] { items += buildCampaignMapScene(&scene, campaign, campaignMap, 0).size(); });
    printFigure("map rebuild warm", warm, "ms");

    // Composition alone: the masks stay decoded, only the composed pictures are dropped.
    qint64 pixels = 0;
    const double compose = medianThreadMs(15, [&] {
        imageCache().composedPictures4.clear();
        pixels = composeAll(campaignMap, regions);
    });
    printFigure("region composition", double(pixels) / (compose * 1000.0), "Mpx/s");
    return items == 26 * regions && pixels > 0 ? 0 : 1;
}
