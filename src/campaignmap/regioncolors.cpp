#include "campaignmap/regioncolors.h"

#include <array>

QColor regionColors(int colour) {
    static const std::array<QColor, regionColorCount> colours = {
        QColor(255, 0, 0),    QColor(80, 130, 255), QColor(193, 139, 84), QColor(42, 173, 9),
        QColor(247, 131, 30), QColor(175, 16, 196), QColor(47, 189, 179), QColor(221, 127, 132)};
    if (colour < 0 || colour >= regionColorCount)
        return QColor();
    return colours[colour];
}
