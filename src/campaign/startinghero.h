#pragma once

#include <QMetaType>

#include <cstdint>

// A starting hero offered to a player; `hero` may be one of the reserved hero values.
struct StartingHero {
    uint8_t player = 0;
    uint16_t hero = 0;
};

inline bool operator==(const StartingHero &a, const StartingHero &b) {
    return a.player == b.player && a.hero == b.hero;
}

Q_DECLARE_METATYPE(StartingHero)
