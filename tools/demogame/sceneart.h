#pragma once

#include <QImage>
#include <QSize>

// A painted landscape: sky, sun or moon, clouds, ranges of hills fading into the distance, and
// a castle, a lake or a burning town in front. Used for the backgrounds of campaigns without a
// map and for the pictures that stand for the videos.
struct SceneRecipe {
    enum class Mood { Dawn, Day, Dusk, Night, Storm, Fire };
    Mood mood = Mood::Day;
    quint32 seed = 1;
    bool castle = true;
    bool lake = false;
    bool framed = false; // a painted frame, for full-size backgrounds
};

QImage paintScene(QSize size, const SceneRecipe &recipe);
