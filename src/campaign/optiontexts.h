#pragma once

#include "gamedata/gamecatalogue.h"

#include <QBitArray>
#include <QString>

#include <cstdint>

struct CmpBonus;
struct CmpCampaign;
struct CmpScenario;

// The one-line texts that describe options wherever they are shown: pure functions of the
// campaign model, the scenario's map summary and the catalogue's name tables.

// A hero field of `player` in the scenario: a reserved hero's text, the hero's custom name on
// the map, or its catalogue name. " (on map)" marks a hero the player owns on the map when
// markOnMap is set; " (in town)" marks one the player does not own there.
QString heroText(const CmpScenario &scenario, int player, uint16_t hero, bool markOnMap,
                 const GameCatalogue &catalogue = gameCatalogue());

// A starting bonus given to `player` in the scenario.
QString bonusText(const CmpScenario &scenario, int player, const CmpBonus &bonus,
                  const GameCatalogue &catalogue = gameCatalogue());

// "Player 1 (Red)" for player 0.
QString playerText(int player, const GameCatalogue &catalogue = gameCatalogue());

// The label of scenario `index` in the scenario lists: region and map file name, or number and
// map file name.
QString scenarioListText(const CmpCampaign &campaign, int campaignMap, int index,
                         const GameCatalogue &catalogue = gameCatalogue());

// The label of scenario `index` where another option refers to it: map name and region, or
// 0-based number and map name.
QString scenarioRefText(const CmpCampaign &campaign, int campaignMap, int index,
                        const GameCatalogue &catalogue = gameCatalogue());

// One bit per catalogue hero, set when the scenario's map neither enables the hero nor defines
// it as a custom hero. The scenario must have a map summary; without one every bit is set.
QBitArray unavailableHeroes(const CmpScenario &scenario,
                            const GameCatalogue &catalogue = gameCatalogue());

// Whether `hero` is kept out of the game by the map: never for the reserved heroes; always for
// a hero outside the catalogue.
bool isHeroUnavailable(const QBitArray &unavailable, uint16_t hero);
