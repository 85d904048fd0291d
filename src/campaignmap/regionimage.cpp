#include "campaignmap/regionimage.h"

#include "campaignmap/campaignregionlookup.h"
#include "campaignmap/regioncolors.h"
#include "campaignmap/regionstate.h"
#include "gamedata/imagecache.h"
#include "gamedata/logging.h"
#include "gamedata/missingpicture.h"

#include <array>

namespace {

// The dash pattern that shows through the glow of empty regions, laid over the whole map.
const QString dashPictureName = QStringLiteral("cmpdash.pcx");

// Region alphas: a selected or mapped region is more solid than an empty one.
constexpr int solidAlpha = 175;
constexpr int emptyAlpha = 121;

// Integer division rounding towards minus infinity: the selected glow divides negative products.
constexpr int floorDiv(int value, int divisor) {
    return value / divisor - ((value % divisor != 0) && ((value < 0) != (divisor < 0)) ? 1 : 0);
}

QImage argbPicture(const QImage &image) {
    return image.format() == QImage::Format_ARGB32 ? image
                                                   : image.convertToFormat(QImage::Format_ARGB32);
}

// A mask read row by row; pixels outside it read as transparent, so masks of unequal sizes
// leave the parts they do not cover unshaded.
class MaskRows {
public:
    explicit MaskRows(const QImage &mask) : image(argbPicture(mask)) {}
    const QRgb *row(int y) const {
        return y < image.height() ? reinterpret_cast<const QRgb *>(image.constScanLine(y))
                                  : nullptr;
    }
    int width() const { return image.width(); }

private:
    QImage image;
};

QRgb pixelAt(const QRgb *row, int x, int width) {
    return row && x < width ? row[x] : 0;
}

bool isOpaque(QRgb pixel) {
    return qAlpha(pixel) != 0;
}

struct Channels {
    int red, green, blue, alpha;
    template <typename Change> void changeColour(Change change) {
        red = change(red);
        green = change(green);
        blue = change(blue);
    }
    QRgb argb() const { return qRgba(red, green, blue, alpha); }
};

// The colour of a solid region's pixel under the glow, by glow red. Selected: the glow
// lightens towards white (glow red 0 gives white, 255 the plain colour). HasMap: the glow
// darkens to between half and the full colour. The pixel loop only looks the colour up.
std::array<Channels, 256> glowedColours(const Channels &base, int state) {
    std::array<Channels, 256> table;
    for (int g = 0; g < 256; ++g) {
        Channels c = base;
        if (state == RegionSelected)
            c.changeColour([g](int v) { return 255 + floorDiv((v - 255) * g, 256); });
        else
            c.changeColour([g](int v) { return floorDiv(v * floorDiv(g + 255, 2), 256); });
        c.alpha = solidAlpha;
        table[g] = c;
    }
    return table;
}

// Under the border each channel keeps border red / 256 of itself; the alpha stays.
QRgb bordered(Channels c, QRgb border) {
    if (isOpaque(border)) {
        const unsigned b = qRed(border);
        c.changeColour([b](int v) { return int((b * unsigned(v)) / 256); });
    }
    return c.argb();
}

QRgb solidRegionPixel(const Channels &base, const std::array<Channels, 256> &glowed, QRgb glow,
                      QRgb border) {
    return bordered(isOpaque(glow) ? glowed[qRed(glow)] : base, border);
}

// Empty: under the glow the dash pattern gives the alpha, the colour stays.
QRgb emptyRegionPixel(Channels c, QRgb glow, QRgb border, QRgb dash) {
    if (isOpaque(glow))
        c.alpha = qRed(dash);
    return bordered(c, border);
}

// Positive remainder: the dash pattern repeats where a region reaches beyond it.
int wrap(int value, int length) {
    const int rest = value % length;
    return rest < 0 ? rest + length : rest;
}

} // namespace

QImage composeRegionImage(int colour, int campaignMap, int region, int state, const QString &fill,
                          const QString &border, const QString &glow) {
    ImageCache &cache = imageCache();
    const bool empty = state == RegionEmpty;
    const std::array<std::pair<QString, const char *>, 3> masks = {{
        {fill, empty ? "Fill image is null" : "No fill img"},
        {border, empty ? "Border image is null" : "No border img"},
        {glow, empty ? "Glow image is null" : "No glow img"},
    }};
    std::array<QImage, 3> pictures;
    for (size_t i = 0; i < masks.size(); ++i) {
        pictures[i] = cache.transparentPicture(masks[i].first);
        if (pictures[i].isNull()) {
            qCDebug(logRegions) << masks[i].second << masks[i].first;
            reportMissingPicture(masks[i].first);
            return QImage();
        }
    }
    QImage dash;
    if (empty) {
        dash = argbPicture(cache.transparentPicture(dashPictureName));
        if (dash.isNull()) {
            reportMissingPicture(dashPictureName);
            return QImage();
        }
    }

    QImage result = argbPicture(pictures[0]).copy();
    const MaskRows borderRows(pictures[1]);
    const MaskRows glowRows(pictures[2]);
    const QColor colourValue = regionColors(colour);
    const Channels base{colourValue.red(), colourValue.green(), colourValue.blue(),
                        empty ? emptyAlpha : solidAlpha};
    const CampaignRegionDef &definition = campaignRegionDefinition(campaignMap, region);
    const std::array<Channels, 256> glowed = glowedColours(base, state);

    const int width = result.width();
    const int borderWidth = borderRows.width();
    const int glowWidth = glowRows.width();
    const int dashWidth = empty ? dash.width() : 1;
    const int firstDashColumn = empty ? wrap(definition.x, dashWidth) : 0;
    for (int r = 0; r < result.height(); ++r) {
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(r));
        const QRgb *borderRow = borderRows.row(r);
        const QRgb *glowRow = glowRows.row(r);
        const QRgb *dashRow = empty ? reinterpret_cast<const QRgb *>(
                                          dash.constScanLine(wrap(definition.y + r, dash.height())))
                                    : nullptr;
        int dashColumn = firstDashColumn;
        for (int k = 0; k < width;
             ++k, dashColumn = dashColumn + 1 == dashWidth ? 0 : dashColumn + 1) {
            if (qAlpha(out[k]) == 0)
                continue; // outside the region's shape
            const QRgb borderPixel = pixelAt(borderRow, k, borderWidth);
            const QRgb glowPixel = pixelAt(glowRow, k, glowWidth);
            out[k] = empty ? emptyRegionPixel(base, glowPixel, borderPixel, dashRow[dashColumn])
                           : solidRegionPixel(base, glowed, glowPixel, borderPixel);
        }
    }
    return result;
}
