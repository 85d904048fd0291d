#pragma once

#include <QMetaType>

#include <cstdint>

// A hero carried over into a scenario: the receiving player and the earlier scenario the hero
// comes from.
struct CmpHeroCrossover {
    uint8_t player = 0;
    uint8_t scenario = 0;
};

inline bool operator==(const CmpHeroCrossover &a, const CmpHeroCrossover &b) {
    return a.player == b.player && a.scenario == b.scenario;
}

Q_DECLARE_METATYPE(CmpHeroCrossover)
