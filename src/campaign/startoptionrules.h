#pragma once

#include "gamedata/gamecatalogue.h"

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

// Which rule an entry breaks, so that the pages' trace and the campaign check can say why.
enum class StartOptionFault {
    None,
    NoSuchPlayer,       // the player is not one of the map's eight
    NotHumanPlayable,   // a starting hero or crossover for a player no human may play
    NoMainTown,         // a building bonus for a player without a main town of a known type
    BuildingNotAllowed, // a building bonus that the main town's type forbids
    NoGeneratedHero,    // a generated or town hero for a player whose town generates none
    HeroNotOnMap,       // a hero bonus for a hero the player does not own on the map
    HeroUnavailable,    // a starting hero from the town that the map keeps out of the game
    SourceNotRequired,  // a crossover from a scenario that this one does not require
};

// A bonus given to `player`: a hero bonus needs the most powerful hero, a generated hero of a
// player whose main town generates one, or a hero the player owns on the map; a building bonus
// needs a main town of a known type that allows the building; a resource bonus always passes.
// Bonuses of unknown types are kept as they are.
StartOptionFault bonusFault(const CmpScenario &scenario, int player, const CmpBonus &bonus);
// A starting hero: its player is human-playable and owns the hero on the map, or generates a
// hero that the map does not keep out of the game.
StartOptionFault startingHeroFault(const CmpScenario &scenario, const StartingHero &entry,
                                   const GameCatalogue &catalogue = gameCatalogue());
// A crossover: its player is human-playable. With `sources` given (the scenarios this one
// requires), it must come from one of them.
StartOptionFault crossoverFault(const CmpScenario &scenario, const CmpHeroCrossover &entry,
                                const QList<int> *sources = nullptr);

// Whether `player` may still receive a starting hero when the heroes of `takenHeroes` (the
// other starting-hero rows) are already given: the player is human-playable and owns a hero on
// the map that is not taken, or its main town generates a hero.
bool isPlayerFreeForStartingHero(const CmpScenario &scenario, const QList<uint16_t> &takenHeroes,
                                 int player);
// The same with no rows taken.
bool isPlayerFreeForStartingHero(const CmpScenario &scenario, int player);
