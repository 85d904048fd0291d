#include "campaignmap/campaignmappreview.h"

#include "campaignmap/campaignmapsize.h"
#include "campaignmap/campaignregionlookup.h"
#include "campaignmap/regioncolors.h"
#include "campaignmap/regionimage.h"
#include "campaignmap/regionstate.h"
#include "gamedata/gamepictures.h"
#include "gamedata/imagecache.h"
#include "gamedata/logging.h"
#include "gamedata/missingpicture.h"

#include <QLabel>
#include <QPainter>

namespace {

// A region of the preview: drawn selected in the default colour.
QImage previewRegionPicture(const CampaignMapDef &map, int campaignMap, int region) {
    const CampaignRegionDef &definition = map.regions.at(region);
    if (!map.picturesGiven)
        return requiredTransparentPicture(
            definition.pieceLists[RegionSelected].value(defaultRegionColor));
    ImageCache &cache = imageCache();
    if (const auto cached = cache.findComposed2(quint32(campaignMap), quint32(region)))
        return *cached;
    qCDebug(logRegions) << "GENERATE REGION" << campaignMap << region;
    const QImage composed =
        composeRegionImage(defaultRegionColor, campaignMap, region, RegionSelected,
                           definition.picture3, definition.picture1, definition.picture2);
    cache.storeComposed2(quint32(campaignMap), quint32(region), composed);
    return composed;
}

} // namespace

void renderCampaignMapPreview(QLabel *label, const QString &backgroundName, bool withMap,
                              int campaignMap) {
    std::optional<QByteArray> bytes = fetchPictureEntry(backgroundName);
    if (!bytes)
        return;
    QImage image = campaignMapPart(decodeTrueColorPicture(*bytes));
    bytes.reset();
    if (withMap) {
        QPainter painter(&image);
        painter.drawRect(campaignMapRect.adjusted(0, 0, -1, -1));
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        const CampaignMapDef &map = campaignMapDefinition(campaignMap);
        for (int region = 0; region < map.regions.size(); ++region) {
            // A region whose picture is missing (and reported) is left out.
            const QImage picture = previewRegionPicture(map, campaignMap, region);
            if (picture.isNull())
                continue;
            const CampaignRegionDef &definition = map.regions.at(region);
            painter.drawImage(QPoint(definition.x, definition.y), picture);
        }
    }
    label->setPixmap(QPixmap::fromImage(
        image.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
