#pragma once

#include <QRect>

// The part of a background picture the campaign map shows: 456 by 600 pixels from the top left.
const QRect campaignMapRect(0, 0, 456, 600);
