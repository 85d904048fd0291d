#pragma once

// The land of one demo campaign map: elevation, moisture and the regions that tile the land.
// The background drawing and the region masks are both made from it, so they always agree.

#include <QPoint>
#include <QRect>
#include <QVector>

class DemoTerrain {
public:
    static constexpr int width = 456;
    static constexpr int height = 600;

    enum class Style { Marches, Isles, Baronies, Pass };

    int mapId = 0;
    Style style = Style::Marches;
    quint32 seed = 0;
    QVector<float> elevation;      // above 0: land
    QVector<float> moisture;       // -1 dry to 1 wet
    QVector<bool> passable;        // land a region may cover (the pass's valley floor, or all land)
    QVector<int> region;           // region index of each pixel, -1 outside every region
    QVector<float> edgeDistance;   // distance to the nearest region edge, inside regions
    QVector<float> coastDistance;  // at sea: distance to the nearest land
    QVector<float> inlandDistance; // on land: distance to the nearest sea
    QVector<QPoint> towns;         // one seat per region
    QVector<QRect> regionRects;    // bounding box of each region

    int index(int x, int y) const { return y * width + x; }
    // Outside the map counts as sea.
    bool isLand(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && elevation[index(x, y)] > 0;
    }
};

// The terrain of a demo campaign map (24, 3, 25 or 26), built on first use.
const DemoTerrain &demoTerrain(int mapId);

// Chamfer distance of every pixel to the nearest pixel where `source` is true.
QVector<float> distanceToSources(const QVector<bool> &source, int width, int height);
