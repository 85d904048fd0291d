#include "campaignmap/campaignregionitem.h"

#include "campaign/cmpscenario.h"
#include "campaign/editorvalues.h"
#include "campaignmap/mygraphicsscene.h"
#include "campaignmap/regionpicture.h"
#include "campaignmap/regionstate.h"
#include "gamedata/logging.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPixmap>
#include <QStyleOptionGraphicsItem>

int CampaignRegionItem::regionState() const {
    if (selected)
        return RegionSelected;
    return hasMap ? RegionHasMap : RegionEmpty;
}

void CampaignRegionItem::updatePicture() {
    setPixmap(QPixmap::fromImage(regionPicture(campaignMap, region, regionState(), colour)));
}

// The selected state shows in the picture itself; the toolkit's selection frame is never drawn.
void CampaignRegionItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                               QWidget *widget) {
    QStyleOptionGraphicsItem unselected(*option);
    unselected.state &= ~QStyle::State_Selected;
    QGraphicsPixmapItem::paint(painter, &unselected, widget);
}

// Selects the region. The toolkit's own handling is skipped, so regions cannot be dragged.
void CampaignRegionItem::mousePressEvent(QGraphicsSceneMouseEvent *event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
        event->ignore();
        return;
    }
    selectedRegion = region;
    if (selected)
        return;
    selected = true;
    if (mapScene) {
        for (QGraphicsItem *item : mapScene->items()) {
            if (item == this || item->data(mapItemKindKey).toInt() != RegionItem)
                continue;
            auto *other = static_cast<CampaignRegionItem *>(item);
            if (other->selected) {
                other->selected = false;
                other->updatePicture();
            }
        }
    }
    updatePicture();
    if (auto *notified = qobject_cast<MyGraphicsScene *>(mapScene))
        notified->reportRegionSelected(region);
}

void CampaignRegionItem::hoverEnterEvent(QGraphicsSceneHoverEvent *event) {
    QGraphicsPixmapItem::hoverEnterEvent(event);
    if (auto *notified = qobject_cast<MyGraphicsScene *>(mapScene))
        notified->reportRegionHovered(region);
}

void CampaignRegionItem::hoverLeaveEvent(QGraphicsSceneHoverEvent *event) {
    QGraphicsPixmapItem::hoverLeaveEvent(event);
    if (auto *notified = qobject_cast<MyGraphicsScene *>(mapScene))
        notified->reportRegionHovered(-1);
}

void updateRegionItem(CampaignRegionItem *item, const CmpScenario &scenario) {
    bool changed = false;
    if (item->colour != scenario.regionColor) {
        item->colour = scenario.regionColor;
        qCDebug(logRegions) << "Set current color to" << item->colour;
        changed = true;
    }
    if (item->hasMap != scenario.hasMap()) {
        item->hasMap = scenario.hasMap();
        changed = true;
    }
    if (changed)
        item->updatePicture();
}
