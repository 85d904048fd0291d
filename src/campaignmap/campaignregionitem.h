#pragma once

#include <QGraphicsPixmapItem>

class QGraphicsScene;
struct CmpScenario;

// Item data under this key tells the scene's items apart.
constexpr int mapItemKindKey = 256;
enum MapItemKind { BackgroundItem = 0, RegionItem = 1 };

// One clickable region of the campaign map. Its picture shows its colour and state (selected,
// with a map, or empty); a left or right press selects it and tells the scene, and so does the
// pointer moving onto it and off it.
class CampaignRegionItem : public QGraphicsPixmapItem {
public:
    CampaignRegionItem() { setAcceptHoverEvents(true); }

    // RegionSelected, RegionHasMap or RegionEmpty.
    int regionState() const;
    // Sets the picture of the item's colour and state.
    void updatePicture();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    int colour = 2;
    int campaignMap = 0;
    int region = 0; // equal to the scenario index
    bool selected = false;
    bool hasMap = false;
    QGraphicsScene *mapScene = nullptr;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent *event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent *event) override;
};

// Takes the scenario's region colour and map state, recomputing the picture when either changed.
void updateRegionItem(CampaignRegionItem *item, const CmpScenario &scenario);
