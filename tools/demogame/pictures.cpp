#include "archives.h"
#include "demodescription.h"
#include "mapart.h"
#include "pictureencoder.h"
#include "regionart.h"
#include "sceneart.h"
#include "terrain.h"

namespace {

// Campaign map backgrounds and scenes live in the mod's archive, region pictures with the
// game's bitmaps.
const QString modArchive = QStringLiteral("Tarq");
const QString bitmapArchive = QStringLiteral("Y6bitmap");

const QSize videoPictureSize(200, 116);

void addMaskRegions(QVector<DemoArchiveEntry> &entries, const DemoCampaignMap &map,
                    const DemoTerrain &terrain) {
    for (int r = 0; r < map.regions.size(); ++r) {
        const RegionMasks masks = regionMasks(terrain, r);
        const QImage pictures[3] = {masks.fill, masks.border, masks.glow};
        for (int k = 0; k < 3; ++k) // every other region packed, so both ways are read
            entries.append({bitmapArchive, map.regions[r].pictures.value(k),
                            encodeGreyMask(pictures[k]), r % 2 == 0});
    }
}

void addReadyMadeRegions(QVector<DemoArchiveEntry> &entries, const DemoCampaignMap &map,
                         const DemoTerrain &terrain, const QImage &background, const QImage &dash) {
    for (int r = 0; r < map.regions.size(); ++r) {
        const RegionMasks masks = regionMasks(terrain, r);
        for (int state = 0; state < 3; ++state)
            for (int colour = 0; colour < 8; ++colour)
                entries.append({bitmapArchive, map.regions[r].pieceLists.value(state).value(colour),
                                encodeQuantizedPicture(
                                    readyMadeRegionPicture(background, dash, masks, state, colour)),
                                colour == 0});
    }
}

SceneRecipe videoRecipe(int index) {
    static const SceneRecipe::Mood moods[] = {
        SceneRecipe::Mood::Dawn, SceneRecipe::Mood::Day,   SceneRecipe::Mood::Night,
        SceneRecipe::Mood::Fire, SceneRecipe::Mood::Day,   SceneRecipe::Mood::Storm,
        SceneRecipe::Mood::Dusk, SceneRecipe::Mood::Night, SceneRecipe::Mood::Dawn};
    SceneRecipe recipe;
    recipe.mood = moods[index % 9];
    recipe.seed = quint32(100 + index * 7);
    recipe.castle = index % 4 != 1;
    recipe.lake = index == 4 || index % 5 == 2; // "RIVER" and a few others
    return recipe;
}

} // namespace

QVector<DemoArchiveEntry> demoPictureEntries(const DemoOptions &options) {
    QVector<DemoArchiveEntry> entries;
    const QImage dash = dashPattern();
    entries.append({bitmapArchive, QStringLiteral("cmpdash.pcx"), encodeGreyMask(dash), true});

    for (const DemoCampaignMap &map : demoCampaignMaps(options.language)) {
        const DemoTerrain &terrain = demoTerrain(map.id);
        const QImage background = paintCampaignMap(terrain);
        // Backgrounds in both true-colour layouts, stored plain (some video pictures are packed).
        const QByteArray bytes =
            map.id == 25 ? encodeP32fPicture(background) : encodeTrueColorPicture(background);
        entries.append({modArchive, map.backgroundPicture, bytes, false});
        if (map.mapKind == 0)
            addReadyMadeRegions(entries, map, terrain, background, dash);
        else
            addMaskRegions(entries, map, terrain);
    }

    const QStringList backgrounds = demoCampaignBackgrounds();
    const SceneRecipe::Mood backgroundMoods[] = {SceneRecipe::Mood::Dawn, SceneRecipe::Mood::Dusk,
                                                 SceneRecipe::Mood::Night};
    for (int i = 0; i < backgrounds.size(); ++i) {
        SceneRecipe recipe;
        recipe.mood = backgroundMoods[i % 3];
        recipe.seed = quint32(40 + i);
        recipe.lake = i == 1;
        recipe.framed = true;
        const QImage scene = paintScene(QSize(456, 600), recipe);
        entries.append({modArchive, backgrounds[i],
                        i == 1 ? encodeP32fPicture(scene) : encodeTrueColorPicture(scene), false});
    }

    const QStringList videoPictures = demoVideoPictures();
    for (int i = 0; i < videoPictures.size(); ++i)
        entries.append({modArchive, videoPictures[i],
                        encodeTrueColorPicture(paintScene(videoPictureSize, videoRecipe(i))),
                        i % 3 == 0});
    return entries;
}
