#pragma once

#include <QList>

#include <cstdint>

struct CmpBonus;
struct CmpHeroCrossover;
struct CmpScenario;
struct StartingHero;

// The rules that keep a scenario's starting options consistent with its map. Each rule reads
// the scenario's map summary; a scenario without one has nothing to check against, so every
// entry passes.

// Whether a building bonus may be given for a main town of the given type.
bool isBuildingAllowed(uint8_t building, uint8_t townType);

// A bonus given to `player`: a hero bonus needs the most powerful hero, a generated hero of a
// player whose main town generates one, or a hero the player owns on the map; a building bonus
// needs a main town of a known type that allows the building; a resource bonus always passes.
// Bonuses of unknown types are kept as they are.
bool isBonusValid(const CmpScenario &scenario, int player, const CmpBonus &bonus);

// A starting hero: its player is human-playable and owns the hero on the map, or generates a
// hero that the map does not keep out of the game.
bool isStartingHeroValid(const CmpScenario &scenario, const StartingHero &entry);

// A crossover: its player is human-playable.
bool isCrossoverValid(const CmpScenario &scenario, const CmpHeroCrossover &entry);

// Whether `player` may still receive a starting hero when the heroes of `takenHeroes` (the
// other starting-hero rows) are already given: the player is human-playable and owns a hero on
// the map that is not taken, or its main town generates a hero.
bool isPlayerFreeForStartingHero(const CmpScenario &scenario, const QList<uint16_t> &takenHeroes,
                                 int player);
// The same with no rows taken.
bool isPlayerFreeForStartingHero(const CmpScenario &scenario, int player);
