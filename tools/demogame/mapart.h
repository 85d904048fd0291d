#pragma once

#include <QImage>

class DemoTerrain;

// The 456 x 600 background of a demo campaign map, drawn like an old hand-coloured map: sea
// with ripple lines along the coasts, shaded hills, forests, mountains, rivers, towns and roads.
QImage paintCampaignMap(const DemoTerrain &terrain);
