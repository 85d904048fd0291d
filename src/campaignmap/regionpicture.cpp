#include "campaignmap/regionpicture.h"

#include "campaignmap/campaignregionlookup.h"
#include "campaignmap/regionimage.h"
#include "gamedata/imagecache.h"
#include "gamedata/missingpicture.h"

namespace {

// The region's shape in grey.
QImage uncoloured(const QImage &piece) {
    QImage grey = piece.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x)
            row[x] = qRgba(qGray(row[x]), qGray(row[x]), qGray(row[x]), qAlpha(row[x]));
    }
    return grey;
}

QImage readyMadePicture(const CampaignRegionDef &definition, int state, int colour) {
    const QStringList pieces =
        state >= 0 && state < 3 ? definition.pieceLists[state] : QStringList();
    // A colour the pieces do not cover (a file may store any byte) shows the region without
    // colour, so that it can still be chosen and given a colour; the scenario keeps its byte.
    if (colour < 0 || colour >= pieces.size())
        return uncoloured(requiredTransparentPicture(pieces.value(0)));
    return requiredTransparentPicture(pieces.value(colour));
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
    // A picture that cannot be composed (its masks were reported missing) stays empty.
    cache.storeComposed4(quint32(campaignMap), quint32(region), quint32(state), quint32(colour),
                         composed);
    return composed;
}
