#include "campaign/optiontexts.h"

#include "campaign/cmpbonus.h"
#include "campaign/cmpcampaign.h"
#include "campaign/heroids.h"

#include <QObject>
#include <QStringList>

namespace {

// General texts that name the two special resource values.
constexpr uint8_t firstSpecialResource = 253;
constexpr int firstSpecialResourceText = 27;

QString resourceName(uint8_t resource, const GameCatalogue &catalogue) {
    if (resource >= firstSpecialResource && resource < 255)
        return catalogue.generalTexts.value(firstSpecialResourceText + resource -
                                            firstSpecialResource);
    return catalogue.resourceNames.value(resource);
}

QString primarySkillList(const BonusPrimarySkill &skills, const GameCatalogue &catalogue) {
    const uint8_t amounts[] = {skills.attack, skills.defence, skills.spellPower, skills.knowledge};
    QString list;
    for (int skill = 0; skill < 4; ++skill) {
        if (amounts[skill] == 0)
            continue;
        if (!list.isEmpty())
            list += QStringLiteral(", ");
        list += QStringLiteral("+%1 %2").arg(QString::number(amounts[skill]),
                                             catalogue.primarySkillNames.value(skill));
    }
    return list;
}

QString regionName(int campaignMap, int index, const GameCatalogue &catalogue) {
    return catalogue.campaignMaps.value(campaignMap).regions.value(index).name;
}

const CmpScenario *scenarioAt(const CmpCampaign &campaign, int index) {
    if (index < 0 || index >= campaign.scenarios.size())
        return nullptr;
    return &campaign.scenarios[index];
}

} // namespace

QString heroText(const CmpScenario &scenario, int player, uint16_t hero, bool markOnMap,
                 const GameCatalogue &catalogue) {
    switch (hero) {
    case MostPowerfulHero:
        return QObject::tr("Most powerful hero");
    case GeneratedHero:
        return QObject::tr("Generated hero") + QObject::tr(" (in town)");
    case RandomHero:
        return QObject::tr("Random hero") + QObject::tr(" (in town)");
    default:
        break;
    }
    bool onMap = false;
    if (const MapPlayer *owner = scenarioPlayer(scenario, player)) {
        for (const MapHero &entry : owner->heroes) {
            if (entry.id != hero)
                continue;
            onMap = true;
            // A placed hero without a custom name does not end the search: a later entry of
            // the same hero may carry one.
            if (!entry.name.isEmpty())
                return markOnMap ? entry.name + QObject::tr(" (on map)") : entry.name;
        }
    }
    const QString name = catalogue.heroNames.value(hero);
    if (!onMap)
        return name + QObject::tr(" (in town)");
    return markOnMap ? name + QObject::tr(" (on map)") : name;
}

QString bonusText(const CmpScenario &scenario, int player, const CmpBonus &bonus,
                  const GameCatalogue &catalogue) {
    const auto hero = [&](uint16_t id) { return heroText(scenario, player, id, false, catalogue); };
    switch (bonus.type) {
    case SpellBonus: {
        const auto spell = bonus.record<BonusSpell>();
        return QObject::tr("Give %1 spell to %2")
            .arg(catalogue.spellNames.value(spell.spell), hero(spell.hero));
    }
    case CreatureBonus: {
        const auto creature = bonus.record<BonusCreature>();
        return QObject::tr("Give %1 %2 to %3", "creature bonus: count, creature, hero")
            .arg(QString::number(creature.count), catalogue.creatureNames.value(creature.creature),
                 hero(creature.hero));
    }
    case BuildingBonus: {
        const auto building = bonus.record<BonusBuilding>();
        const MapPlayer *owner = scenarioPlayer(scenario, player);
        const int townType = owner ? owner->mainTownType : 255;
        return QObject::tr("Build %1 at Main Town")
            .arg(catalogue.townBuildingNames.value(townType).value(building.building));
    }
    case ArtifactBonus: {
        const auto artifact = bonus.record<BonusArtifact>();
        return QObject::tr("Give %1 to %2")
            .arg(catalogue.artifactNames.value(artifact.artifact), hero(artifact.hero));
    }
    case ScrollBonus: {
        const auto scroll = bonus.record<BonusScroll>();
        return QObject::tr("Give %1 Spell Scroll to %2")
            .arg(catalogue.spellNames.value(scroll.spell), hero(scroll.hero));
    }
    case PrimarySkillBonus: {
        const auto skills = bonus.record<BonusPrimarySkill>();
        return QObject::tr("Give %1 to %2")
            .arg(primarySkillList(skills, catalogue), hero(skills.hero));
    }
    case SecondarySkillBonus: {
        const auto skill = bonus.record<BonusSecondarySkill>();
        return QObject::tr("Give %1 %2 to %3", "secondary skill bonus: level, skill, hero")
            .arg(catalogue.skillLevelNames.value(skill.level),
                 catalogue.secondarySkillNames.value(skill.skill), hero(skill.hero));
    }
    case ResourceBonus: {
        const auto resource = bonus.record<BonusResource>();
        return QObject::tr("Receive %1 %2")
            .arg(QString::number(uint32_t(resource.amount)),
                 resourceName(resource.resource, catalogue));
    }
    default:
        // Only a damaged file carries other types; they are kept and shown as what they are.
        return QObject::tr("Unknown bonus (type %1)").arg(bonus.type);
    }
}

QString playerText(int player, const GameCatalogue &catalogue) {
    return QObject::tr("Player %1 (%2)")
        .arg(QString::number(player + 1), catalogue.playerColorNames.value(player));
}

QString scenarioListText(const CmpCampaign &campaign, int campaignMap, int index,
                         const GameCatalogue &catalogue) {
    const CmpScenario *scenario = scenarioAt(campaign, index);
    const QString mapName = scenario ? scenario->mapName : QString();
    if (campaign.withMap)
        return QObject::tr("%1 — %2").arg(regionName(campaignMap, index, catalogue),
                                          mapName.isEmpty() ? QObject::tr("Empty") : mapName);
    if (mapName.isEmpty())
        return QObject::tr("%1. Empty").arg(index + 1);
    return QStringLiteral("%1. %2").arg(QString::number(index + 1), mapName);
}

QString scenarioRefText(const CmpCampaign &campaign, int campaignMap, int index,
                        const GameCatalogue &catalogue) {
    const CmpScenario *scenario = scenarioAt(campaign, index);
    const bool hasMap = scenario && scenario->mapHeader;
    if (campaign.withMap)
        return QObject::tr("%1 — %2").arg(hasMap ? scenario->mapHeader->name
                                                 : QObject::tr("No scenario"),
                                          regionName(campaignMap, index, catalogue));
    // Referred scenarios are numbered from 0, unlike the scenario lists.
    if (hasMap)
        return QObject::tr("%1. %2").arg(QString::number(index), scenario->mapHeader->name);
    return QStringLiteral("%1. %2").arg(QString::number(index), QObject::tr("No scenario"));
}

QBitArray unavailableHeroes(const CmpScenario &scenario, const GameCatalogue &catalogue) {
    const int heroCount = catalogue.heroNames.size();
    QBitArray unavailable(heroCount, true);
    if (!scenario.mapHeader)
        return unavailable;
    const QBitArray &allowed = scenario.mapHeader->allowedHeroes;
    for (int hero = 0; hero < qMin(heroCount, allowed.size()); ++hero)
        if (allowed.testBit(hero))
            unavailable.clearBit(hero);
    for (const MapCustomHero &custom : scenario.mapHeader->customHeroes)
        if (custom.hero < heroCount)
            unavailable.clearBit(custom.hero);
    return unavailable;
}

bool isHeroUnavailable(const QBitArray &unavailable, uint16_t hero) {
    if (isReservedHero(hero))
        return false;
    return hero >= unavailable.size() || unavailable.testBit(hero);
}
