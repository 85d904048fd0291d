#include "campaign/bonuschoices.h"

#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/optiontexts.h"

#include <algorithm>

namespace {

constexpr int lastReservedArtifact = 3;
constexpr int specialResources[] = {253, 254};
constexpr int specialResourceTexts[] = {27, 28};

ChoiceList inNumberOrder(const QMap<int, QString> &names) {
    ChoiceList list;
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        list.append({it.value(), it.key()});
    return list;
}

// Stable, so that equal names keep their number order.
ChoiceList sortedByName(ChoiceList list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const ChoiceEntry &a, const ChoiceEntry &b) { return a.text < b.text; });
    return list;
}

int positionOf(const ChoiceList &list, int value) {
    for (int i = 0; i < list.size(); ++i)
        if (list[i].value == value)
            return i;
    return -1;
}

// Moves the entry of `building` from its place in the walk to just after `after`, or to the end
// when `after` is not listed.
void moveBuildingAfter(ChoiceList &list, int building, int after) {
    const int from = positionOf(list, building);
    if (from < 0)
        return;
    const ChoiceEntry entry = list.takeAt(from);
    const int anchor = after < 0 ? -1 : positionOf(list, after);
    list.insert(anchor < 0 ? list.size() : anchor + 1, entry);
}

} // namespace

ChoiceList recipientChoices(const CmpScenario &scenario, int player,
                            const GameCatalogue &catalogue) {
    const auto entry = [&](uint16_t hero) {
        return ChoiceEntry{heroText(scenario, player, hero, true, catalogue), hero};
    };
    ChoiceList list = {entry(MostPowerfulHero)};
    if (!scenario.mapHeader || player < 0 || player >= MapHeader::playerCount)
        return list;
    const MapPlayer &owner = scenario.mapHeader->players[size_t(player)];
    if (owner.generateHeroAtMainTown)
        list.append(entry(GeneratedHero));
    for (const MapHero &hero : owner.heroes)
        list.append(entry(hero.id));
    return list;
}

ChoiceList spellChoices(const GameCatalogue &catalogue) {
    return sortedByName(inNumberOrder(catalogue.spellNames));
}

ChoiceList creatureChoices(const GameCatalogue &catalogue) {
    ChoiceList list;
    for (int creature : catalogue.creatureOrder)
        list.append({catalogue.creatureNames.value(creature), creature});
    return list;
}

ChoiceList artifactChoices(const GameCatalogue &catalogue) {
    ChoiceList list;
    for (auto it = catalogue.artifactNames.cbegin(); it != catalogue.artifactNames.cend(); ++it)
        if (it.key() > lastReservedArtifact)
            list.append({it.value(), it.key()});
    return sortedByName(list);
}

ChoiceList buildingChoices(int townType, const GameCatalogue &catalogue) {
    ChoiceList list = inNumberOrder(catalogue.townBuildingNames.value(townType));
    if (townType == 10) {
        moveBuildingAfter(list, 19, -1);
        moveBuildingAfter(list, 20, -1);
    } else if (townType == 9) {
        moveBuildingAfter(list, 20, 29);
    }
    return list;
}

ChoiceList secondarySkillChoices(const GameCatalogue &catalogue) {
    return inNumberOrder(catalogue.secondarySkillNames);
}

ChoiceList skillLevelChoices(const GameCatalogue &catalogue) {
    return inNumberOrder(catalogue.skillLevelNames);
}

ChoiceList resourceChoices(const GameCatalogue &catalogue) {
    ChoiceList list = inNumberOrder(catalogue.resourceNames);
    for (int i = 0; i < 2; ++i)
        list.append({catalogue.generalTexts.value(specialResourceTexts[i]), specialResources[i]});
    return list;
}
