#pragma once

// The region pictures of the demo campaign maps, made from the terrain's region partition.
// Kind 1 maps get three greyscale masks per region (alpha 0 outside the region's shape):
//   fill   - the shape itself;
//   border - a thin dark band along the shape's edge (red = how much of the colour stays);
//   glow   - a wider band inside the edge, red rising from 0 at the edge to 255 inside.
// Kind 0 maps get finished pictures per state and colour, drawn the way the game composes the
// masks, over the map's own terrain.

#include <QImage>
#include <QRect>

class DemoTerrain;

enum class RegionMask { Fill, Border, Glow };

QImage regionMask(const DemoTerrain &terrain, int region, RegionMask kind);
// "cmpdash.pcx": diagonal bands whose red is the opacity of an empty region's glow band.
QImage dashPattern();
// A ready-made region picture for state 0 (has a map), 1 (selected) or 2 (empty) in one of
// the eight region colours, opaque inside the region and see-through outside.
// The region's masks and the dash pattern are given, as they are shared by all its pictures.
struct RegionMasks {
    QRect rect; // where the region's pictures lie on the map
    QImage fill, border, glow;
};
RegionMasks regionMasks(const DemoTerrain &terrain, int region);
QImage readyMadeRegionPicture(const QImage &background, const QImage &dash,
                              const RegionMasks &masks, int state, int colour);
