#include "campaignmap/regionpicture.h"

#include "campaignmap/campaignregionlookup.h"
#include "campaignmap/regionimage.h"
#include "gamedata/gamepictures.h"
#include "gamedata/imagecache.h"
#include "gamedata/messages.h"

#include <QCoreApplication>

namespace {

// Texts shown by this file, in the RegionPicture translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RegionPicture)
};

QImage readyMadePicture(const CampaignRegionDef &definition, int state, int colour) {
    const QString name =
        state >= 0 && state < 3 ? definition.pieceLists[state].value(colour) : QString();
    const QImage image = decodeTransparentPicture(name);
    if (image.isNull())
        Messages::fatal(Texts::tr("Error"), Texts::tr("Can't find %1 file in lod file").arg(name),
                        1);
    return image;
}

} // namespace

QImage regionPicture(int campaignMap, int region, int state, int colour) {
    const CampaignMapDef &map = campaignMapDefinition(campaignMap);
    const CampaignRegionDef &definition = campaignRegionDefinition(campaignMap, region);
    if (!map.picturesGiven)
        return readyMadePicture(definition, state, colour);

    ImageCache &cache = imageCache();
    if (const auto cached = cache.findComposed4(quint32(campaignMap), quint32(region),
                                                quint32(state), quint32(colour)))
        return *cached;
    const QImage composed =
        composeRegionImage(colour, campaignMap, region, state, definition.picture3,
                           definition.picture1, definition.picture2);
    cache.storeComposed4(quint32(campaignMap), quint32(region), quint32(state), quint32(colour),
                         composed);
    if (composed.isNull())
        Messages::fatal(Texts::tr("Error"), Texts::tr("Unable to generate image"), 1);
    return composed;
}
