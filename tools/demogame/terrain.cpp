#include "terrain.h"

#include "coarsefield.h"
#include "noise.h"

#include <QMap>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int W = DemoTerrain::width;
constexpr int H = DemoTerrain::height;

struct Bump {
    float u, v, radius, strength;
};

float bumpField(const QVector<Bump> &bumps, float u, float v) {
    float best = -1;
    for (const Bump &b : bumps) {
        const float d = std::hypot((u - b.u) * 0.76f, v - b.v) / b.radius;
        best = std::max(best, b.strength * (1.0f - d));
    }
    return best;
}

// The broad shape of each map's land, in map units (u from 0 to 1 across, v down).
float landShape(DemoTerrain::Style style, float u, float v) {
    switch (style) {
    case DemoTerrain::Style::Marches: {
        // A coast running down the east side and turning west in the south; hill country, not
        // mountains, inland.
        const float coast = 0.72f - 0.1f * std::sin(v * 5.0f) - 0.22f * std::max(0.0f, v - 0.62f);
        const float west = 1.7f * (coast - u);
        const float north = (v - 0.04f) * 3.0f;
        const float south = (0.93f - v) * 3.0f;
        return std::min({west, north, south, 0.42f + 0.25f * u}) + 0.1f;
    }
    case DemoTerrain::Style::Isles:
        return bumpField({{0.28f, 0.2f, 0.15f, 0.9f},
                          {0.74f, 0.3f, 0.14f, 0.9f},
                          {0.3f, 0.68f, 0.16f, 0.9f},
                          {0.72f, 0.79f, 0.13f, 0.9f},
                          {0.52f, 0.5f, 0.04f, 0.6f},
                          {0.9f, 0.56f, 0.035f, 0.6f},
                          {0.1f, 0.45f, 0.03f, 0.6f}},
                         u, v) -
               0.06f;
    case DemoTerrain::Style::Baronies: {
        const float du = std::abs(u - 0.5f) / 0.46f, dv = std::abs(v - 0.5f) / 0.46f;
        const float edge = std::pow(std::pow(du, 4.0f) + std::pow(dv, 4.0f), 0.25f);
        const float lake = 0.5f * std::max(0.0f, 1.0f - std::hypot(u - 0.58f, v - 0.47f) / 0.06f);
        return 0.8f * (1.0f - edge) + 0.1f - lake;
    }
    case DemoTerrain::Style::Pass:
        return 0.6f;
    }
    return 0;
}

// The pass: a valley winding up the map between two mountain ranges.
float valleyCentre(float v) {
    return 0.5f + 0.17f * std::sin(v * 6.6f + 0.6f);
}

struct Recipe {
    DemoTerrain::Style style;
    quint32 seed;
    QVector<QPointF> townSpots; // map units
};

Recipe recipeFor(int mapId) {
    switch (mapId) {
    case 3:
        return {
            DemoTerrain::Style::Isles, 31, {{0.28, 0.2}, {0.74, 0.28}, {0.3, 0.67}, {0.72, 0.78}}};
    case 25: {
        QVector<QPointF> spots;
        const float jitter[12][2] = {{.02f, .01f},  {-.03f, .02f},  {.01f, -.02f}, {.03f, .01f},
                                     {-.01f, .03f}, {.02f, -.02f},  {-.02f, .0f},  {.0f, .02f},
                                     {.03f, -.01f}, {-.03f, -.02f}, {.01f, .01f},  {.02f, .0f}};
        for (int r = 0; r < 12; ++r)
            spots.append(
                QPointF(0.2 + 0.3 * (r % 3) + jitter[r][0], 0.17 + 0.22 * (r / 3) + jitter[r][1]));
        return {DemoTerrain::Style::Baronies, 25, spots};
    }
    case 26:
        return {
            DemoTerrain::Style::Pass,
            26,
            {{valleyCentre(0.83f), 0.83}, {valleyCentre(0.5f), 0.5}, {valleyCentre(0.17f), 0.17}}};
    default:
        return {
            DemoTerrain::Style::Marches,
            24,
            {{0.2, 0.16}, {0.55, 0.17}, {0.18, 0.46}, {0.52, 0.45}, {0.22, 0.78}, {0.55, 0.76}}};
    }
}

void buildFields(DemoTerrain &t, const Recipe &recipe) {
    const Noise shape(recipe.seed), detail(recipe.seed + 101), wet(recipe.seed + 202),
        warp(recipe.seed + 303);
    t.elevation.resize(W * H);
    t.moisture.resize(W * H);
    t.passable.resize(W * H);
    // A warped coast looks drawn by hand rather than by a formula.
    const CoarseField warpU(
        4, [&](float x, float y) { return 0.05f * warp.fractal(x / W * 4, y / H * 4, 3); });
    const CoarseField warpV(
        4, [&](float x, float y) { return 0.05f * warp.fractal(x / W * 4 + 50, y / H * 4, 3); });
    const CoarseField wetness(
        4, [&](float x, float y) { return wet.fractal(x / W * 3.5f, y / H * 3.5f, 4); });
    const CoarseField relief(
        2, [&](float x, float y) { return shape.fractal(x / W * 5, y / H * 5, 5); });
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const float u = float(x) / W, v = float(y) / H;
            const float wu = u + warpU.at(x, y), wv = v + warpV.at(x, y);
            const float roughness = recipe.style == DemoTerrain::Style::Baronies ? 0.2f : 0.28f;
            float e = landShape(recipe.style, wu, wv) + roughness * relief.at(x, y);
            bool passable = true;
            if (recipe.style == DemoTerrain::Style::Pass) {
                const float off =
                    std::abs(wu - valleyCentre(wv)) / (0.1f + 0.03f * std::sin(v * 9));
                e = 0.15f + 0.75f * std::min(1.0f, off * off) + 0.12f * relief.at(x, y);
                passable = off < 1.0f;
            }
            const int i = t.index(x, y);
            t.elevation[i] = e + 0.02f * detail.fractal(u * 30, v * 30, 3);
            t.moisture[i] = wetness.at(x, y);
            t.passable[i] = passable && t.elevation[i] > 0;
        }
}

// Splitting by nearest town leaves stray pieces: a sliver of an islet or a bay shore cut off
// from the rest of its region. Each piece that is not its region's main body joins the
// neighbouring region it shares the longest border with (smallest pieces first); a piece with
// no neighbour, an islet of its own, stays.
void mergeStrayPieces(DemoTerrain &t) {
    QVector<int> piece(W * H, -1);
    QVector<int> pieceRegion, pieceSize;
    QVector<int> stack;
    for (int start = 0; start < W * H; ++start) {
        if (t.region[start] < 0 || piece[start] >= 0)
            continue;
        const int id = pieceRegion.size();
        pieceRegion.append(t.region[start]);
        pieceSize.append(0);
        piece[start] = id;
        stack.append(start);
        while (!stack.isEmpty()) {
            const int i = stack.takeLast();
            ++pieceSize[id];
            const int x = i % W, y = i / W;
            for (const QPoint &n :
                 {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                if (n.x() < 0 || n.y() < 0 || n.x() >= W || n.y() >= H)
                    continue;
                const int j = t.index(n.x(), n.y());
                if (piece[j] < 0 && t.region[j] == t.region[start]) {
                    piece[j] = id;
                    stack.append(j);
                }
            }
        }
    }
    QVector<int> mainPiece(t.towns.size(), -1);
    for (int id = 0; id < pieceRegion.size(); ++id) {
        int &main = mainPiece[pieceRegion[id]];
        if (main < 0 || pieceSize[id] > pieceSize[main])
            main = id;
    }
    QVector<int> strays;
    for (int id = 0; id < pieceRegion.size(); ++id)
        if (mainPiece[pieceRegion[id]] != id)
            strays.append(id);
    std::sort(strays.begin(), strays.end(),
              [&](int a, int b) { return pieceSize[a] < pieceSize[b]; });
    for (int id : strays) {
        QVector<int> shared(t.towns.size(), 0);
        for (int i = 0; i < W * H; ++i) {
            if (piece[i] != id)
                continue;
            const int x = i % W, y = i / W;
            for (const QPoint &n :
                 {QPoint(x - 1, y), QPoint(x + 1, y), QPoint(x, y - 1), QPoint(x, y + 1)}) {
                if (n.x() < 0 || n.y() < 0 || n.x() >= W || n.y() >= H)
                    continue;
                const int r = t.region[t.index(n.x(), n.y())];
                if (r >= 0 && piece[t.index(n.x(), n.y())] != id)
                    ++shared[r];
            }
        }
        const auto best = std::max_element(shared.begin(), shared.end());
        if (*best == 0)
            continue;
        const int joined = int(best - shared.begin());
        for (int i = 0; i < W * H; ++i)
            if (piece[i] == id)
                t.region[i] = joined;
    }
}

// Regions: the land is split among the towns by nearest town, measured from a warped point so
// that the borders wander like old boundaries instead of running straight.
void buildRegions(DemoTerrain &t, const Recipe &recipe) {
    const Noise warp(recipe.seed + 404);
    for (const QPointF &spot : recipe.townSpots)
        t.towns.append(QPoint(int(spot.x() * W), int(spot.y() * H)));
    const QVector<QPoint> spots = t.towns;
    t.region.fill(-1, W * H);
    const CoarseField warpX(
        2, [&](float x, float y) { return 38 * warp.fractal(x / 80.0f, y / 80.0f, 5); });
    const CoarseField warpY(
        2, [&](float x, float y) { return 38 * warp.fractal(x / 80.0f + 31, y / 80.0f, 5); });
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (!t.passable[t.index(x, y)])
                continue;
            const float wx = x + warpX.at(x, y), wy = y + warpY.at(x, y);
            int best = -1;
            float bestDistance = 1e9f;
            for (int r = 0; r < spots.size(); ++r) {
                const float d = std::hypot(wx - spots[r].x(), wy - spots[r].y());
                if (d < bestDistance) {
                    bestDistance = d;
                    best = r;
                }
            }
            t.region[t.index(x, y)] = best;
        }
    mergeStrayPieces(t);
    QVector<bool> edge(W * H, false);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int r = t.region[t.index(x, y)];
            if (r < 0)
                continue;
            auto differs = [&](int nx, int ny) {
                return nx < 0 || ny < 0 || nx >= W || ny >= H || t.region[t.index(nx, ny)] != r;
            };
            edge[t.index(x, y)] =
                differs(x - 1, y) || differs(x + 1, y) || differs(x, y - 1) || differs(x, y + 1);
        }
    t.edgeDistance = distanceToSources(edge, W, H);
    // Each region's seat: its pixel nearest to the planned spot, well inside its borders.
    QVector<float> seatDistance(t.towns.size(), 1e9f);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int i = t.index(x, y), r = t.region[i];
            if (r < 0 || t.edgeDistance[i] < 10)
                continue;
            const float d = std::hypot(float(x - spots[r].x()), float(y - spots[r].y()));
            if (d < seatDistance[r]) {
                seatDistance[r] = d;
                t.towns[r] = QPoint(x, y);
            }
        }
    t.regionRects.fill(QRect(), t.towns.size());
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int r = t.region[t.index(x, y)];
            if (r >= 0)
                t.regionRects[r] |= QRect(x, y, 1, 1);
        }
}

void buildCoast(DemoTerrain &t) {
    QVector<bool> land(W * H), sea(W * H);
    for (int i = 0; i < W * H; ++i) {
        land[i] = t.elevation[i] > 0;
        sea[i] = !land[i];
    }
    t.coastDistance = distanceToSources(land, W, H);
    t.inlandDistance = distanceToSources(sea, W, H);
}

} // namespace

QVector<float> distanceToSources(const QVector<bool> &source, int width, int height) {
    const float far = 1e6f, straight = 1.0f, diagonal = 1.4142f;
    QVector<float> result(width * height);
    float *d = result.data();
    for (int i = 0; i < result.size(); ++i)
        d[i] = source[i] ? 0 : far;
    // Two chamfer passes: from the top left, then from the bottom right.
    for (int y = 0; y < height; ++y) {
        float *row = d + y * width, *above = row - width;
        for (int x = 0; x < width; ++x) {
            float v = row[x];
            if (x > 0)
                v = std::min(v, row[x - 1] + straight);
            if (y > 0) {
                v = std::min(v, above[x] + straight);
                if (x > 0)
                    v = std::min(v, above[x - 1] + diagonal);
                if (x + 1 < width)
                    v = std::min(v, above[x + 1] + diagonal);
            }
            row[x] = v;
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        float *row = d + y * width, *below = row + width;
        for (int x = width - 1; x >= 0; --x) {
            float v = row[x];
            if (x + 1 < width)
                v = std::min(v, row[x + 1] + straight);
            if (y + 1 < height) {
                v = std::min(v, below[x] + straight);
                if (x + 1 < width)
                    v = std::min(v, below[x + 1] + diagonal);
                if (x > 0)
                    v = std::min(v, below[x - 1] + diagonal);
            }
            row[x] = v;
        }
    }
    return result;
}

const DemoTerrain &demoTerrain(int mapId) {
    static QMap<int, std::shared_ptr<DemoTerrain>> built;
    auto &slot = built[mapId];
    if (!slot) {
        slot = std::make_shared<DemoTerrain>();
        const Recipe recipe = recipeFor(mapId);
        slot->mapId = mapId;
        slot->style = recipe.style;
        slot->seed = recipe.seed;
        buildFields(*slot, recipe);
        buildRegions(*slot, recipe);
        buildCoast(*slot);
    }
    return *slot;
}
