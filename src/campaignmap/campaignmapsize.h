#pragma once

#include <QImage>
#include <QRect>

// The part of a background picture the campaign map shows: 456 by 600 pixels from the top left.
const QRect campaignMapRect(0, 0, 456, 600);

// The shown part of a decoded background. A picture of exactly the map's size is taken as it is,
// saving a copy of its pixels on every rebuild.
inline QImage campaignMapPart(QImage picture) {
    if (picture.size() == campaignMapRect.size())
        return picture;
    return picture.copy(campaignMapRect);
}
