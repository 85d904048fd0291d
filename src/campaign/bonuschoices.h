#pragma once

#include "gamedata/gamecatalogue.h"

#include <QList>
#include <QString>

struct CmpScenario;

// The entries the bonus editors offer, in the order shown: each a text and the number it stands
// for (a hero, spell, creature, building, artifact, skill, skill level or resource).
struct ChoiceEntry {
    QString text;
    int value = 0;
};
using ChoiceList = QList<ChoiceEntry>;

// The heroes of `player` that may receive a bonus: the most powerful hero, the generated hero
// when the player's main town generates one, then the player's heroes on the map in map order.
// The random hero never receives a bonus.
ChoiceList recipientChoices(const CmpScenario &scenario, int player,
                            const GameCatalogue &catalogue = gameCatalogue());
// Every spell, by name.
ChoiceList spellChoices(const GameCatalogue &catalogue = gameCatalogue());
// Every creature in the catalogue's creature order.
ChoiceList creatureChoices(const GameCatalogue &catalogue = gameCatalogue());
// Every artifact above 3 by name; artifacts 0 to 3 are never given as a bonus.
ChoiceList artifactChoices(const GameCatalogue &catalogue = gameCatalogue());
// The buildings of a main town of the given type in building order, except that town type 10
// shows buildings 19 and 20 at the end and town type 9 shows building 20 after building 29.
// The list is not filtered by the building rules; a chosen building is checked afterwards.
ChoiceList buildingChoices(int townType, const GameCatalogue &catalogue = gameCatalogue());
// Secondary skills and skill levels in number order.
ChoiceList secondarySkillChoices(const GameCatalogue &catalogue = gameCatalogue());
ChoiceList skillLevelChoices(const GameCatalogue &catalogue = gameCatalogue());
// The resources in number order, then the two special resources 253 and 254 by their general
// texts 27 and 28.
ChoiceList resourceChoices(const GameCatalogue &catalogue = gameCatalogue());
