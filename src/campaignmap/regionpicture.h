#pragma once

#include <QImage>

// The picture of `region` of `campaignMap` in `state` (RegionState) and region colour `colour`.
// Kind-0 maps name a ready-made picture for it, decoded each time; kind-1 pictures are composed
// from the region's masks once per (campaign map, region, state, colour) and kept in the image
// cache. A picture that cannot be had ends the program with exit status 1 after its message.
QImage regionPicture(int campaignMap, int region, int state, int colour);
