#pragma once

#include <cstdint>

// Reserved values of a 16-bit hero field; every other value is a hero of the game catalogue.
constexpr uint16_t MostPowerfulHero = 65533;
constexpr uint16_t GeneratedHero = 65534;
constexpr uint16_t RandomHero = 65535;

inline bool isReservedHero(uint16_t hero) {
    return hero >= MostPowerfulHero;
}
