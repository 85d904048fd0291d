#pragma once

// Composition of a kind-1 region picture from its three masks: the fill mask gives the shape,
// the glow mask shades it (or, for an empty region, lets the dash pattern through) and the
// border mask darkens its edge.

#include <QImage>
#include <QString>

// The picture of `region` of `campaignMap` in `state` (RegionState) and region colour `colour`,
// from the named fill, border and glow masks. A mask missing from the archives gives a null
// image after a debug trace and its warning.
QImage composeRegionImage(int colour, int campaignMap, int region, int state, const QString &fill,
                          const QString &border, const QString &glow);
