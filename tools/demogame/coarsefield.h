#pragma once

#include "terrain.h"

#include <QVector>

// A smooth field sampled every few pixels and interpolated in between: the broad noise fields
// need no more detail than that, and the generator runs in every test that builds a game.
class CoarseField {
public:
    // A field over a campaign map.
    template <typename Sample>
    CoarseField(int step, Sample sample)
        : CoarseField(DemoTerrain::width, DemoTerrain::height, step, sample) {}
    template <typename Sample>
    CoarseField(int width, int height, int step, Sample sample) : step(step) {
        columns = width / step + 2;
        rows = height / step + 2;
        values.resize(columns * rows);
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < columns; ++i)
                values[j * columns + i] = sample(float(i * step), float(j * step));
    }
    float at(int x, int y) const {
        const int i = x / step, j = y / step;
        const float tx = float(x % step) / step, ty = float(y % step) / step;
        const float *row = values.constData() + j * columns + i;
        const float top = row[0] + (row[1] - row[0]) * tx;
        const float bottom = row[columns] + (row[columns + 1] - row[columns]) * tx;
        return top + (bottom - top) * ty;
    }

private:
    int step, columns = 0, rows = 0;
    QVector<float> values;
};
