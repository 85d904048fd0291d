#include "campaign/campaignjson.h"

#include "campaign/cmpcampaign.h"

#include <QCryptographicHash>
#include <QJsonArray>

namespace {

QJsonArray setBits(const QBitArray &bits) {
    QJsonArray indices;
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            indices.append(i);
    }
    return indices;
}

QString versionText(const CmpVersion &version) {
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.patch);
}

QJsonArray pages(const std::array<CmpPrologueRef, pageSlotCount> &pageRefs) {
    QJsonArray result;
    for (const CmpPrologueRef &page : pageRefs) {
        if (page.isNull())
            result.append(QJsonValue::Null);
        else
            result.append(
                QJsonObject{{"video", page->video}, {"music", page->music}, {"text", page->text}});
    }
    return result;
}

QJsonObject bonusJson(const CmpBonus &bonus) {
    QJsonObject json{{"type", bonus.type}};
    switch (bonus.type) {
    case SpellBonus: {
        const auto record = bonus.record<BonusSpell>();
        json.insert("hero", record.hero);
        json.insert("spell", record.spell);
        break;
    }
    case CreatureBonus: {
        const auto record = bonus.record<BonusCreature>();
        json.insert("hero", record.hero);
        json.insert("creature", record.creature);
        json.insert("count", record.count);
        break;
    }
    case BuildingBonus:
        json.insert("building", bonus.record<BonusBuilding>().building);
        break;
    case ArtifactBonus: {
        const auto record = bonus.record<BonusArtifact>();
        json.insert("hero", record.hero);
        json.insert("artifact", record.artifact);
        break;
    }
    case ScrollBonus: {
        const auto record = bonus.record<BonusScroll>();
        json.insert("hero", record.hero);
        json.insert("spell", record.spell);
        break;
    }
    case PrimarySkillBonus: {
        const auto record = bonus.record<BonusPrimarySkill>();
        json.insert("hero", record.hero);
        json.insert("attack", record.attack);
        json.insert("defence", record.defence);
        json.insert("spellPower", record.spellPower);
        json.insert("knowledge", record.knowledge);
        break;
    }
    case SecondarySkillBonus: {
        const auto record = bonus.record<BonusSecondarySkill>();
        json.insert("hero", record.hero);
        json.insert("skill", record.skill);
        json.insert("level", record.level);
        break;
    }
    case ResourceBonus: {
        const auto record = bonus.record<BonusResource>();
        json.insert("resource", record.resource);
        json.insert("amount", record.amount);
        break;
    }
    default:
        break;
    }
    return json;
}

QJsonValue startOptionsJson(const CmpStartOptionsRef &options) {
    if (options.isNull())
        return QJsonValue::Null;
    QJsonObject json{{"kind", options->kind}};
    switch (options->kind) {
    case BonusChoice: {
        const StartingBonusSet set = options->bonusSet();
        QJsonArray bonuses;
        for (const CmpBonus &bonus : set.bonuses)
            bonuses.append(bonusJson(bonus));
        json.insert("player", set.player);
        json.insert("bonuses", bonuses);
        break;
    }
    case CrossoverChoice: {
        QJsonArray crossovers;
        for (const CmpHeroCrossover &entry : options->crossoverSet().crossovers)
            crossovers.append(QJsonObject{{"player", entry.player}, {"scenario", entry.scenario}});
        json.insert("crossovers", crossovers);
        break;
    }
    case StartingHeroChoice: {
        QJsonArray heroes;
        for (const StartingHero &entry : options->heroSet().heroes)
            heroes.append(QJsonObject{{"player", entry.player}, {"hero", entry.hero}});
        json.insert("heroes", heroes);
        break;
    }
    default:
        break;
    }
    return json;
}

QJsonObject playerJson(const MapPlayer &player) {
    QJsonArray heroes;
    for (const MapHero &hero : player.heroes)
        heroes.append(QJsonObject{{"id", hero.id}, {"name", hero.name}});
    return QJsonObject{{"canHumanPlay", player.canHumanPlay},
                       {"canComputerPlay", player.canComputerPlay},
                       {"aiTactic", player.aiTactic},
                       {"extraByte", player.extraByte},
                       {"allowedTowns", player.allowedTowns},
                       {"randomTown", player.randomTown},
                       {"hasMainTown", player.hasMainTown},
                       {"generateHeroAtMainTown", player.generateHeroAtMainTown},
                       {"mainTownType", player.mainTownType},
                       {"mainTownX", player.mainTownX},
                       {"mainTownY", player.mainTownY},
                       {"mainTownLevel", player.mainTownLevel},
                       {"randomHero", player.randomHero},
                       {"mainHero", player.mainHero},
                       {"mainHeroPortrait", player.mainHeroPortrait},
                       {"mainHeroName", player.mainHeroName},
                       {"placeholderCount", player.placeholderCount},
                       {"heroes", heroes}};
}

QJsonObject victoryJson(const MapVictoryCondition &condition) {
    return QJsonObject{{"type", condition.type},
                       {"allowNormalVictory", condition.allowNormalVictory},
                       {"appliesToComputer", condition.appliesToComputer},
                       {"object", condition.object},
                       {"amount", double(condition.amount)},
                       {"x", condition.x},
                       {"y", condition.y},
                       {"level", condition.level},
                       {"hallLevel", condition.hallLevel},
                       {"castleLevel", condition.castleLevel},
                       {"days", double(condition.days)}};
}

QJsonObject lossJson(const MapLossCondition &condition) {
    return QJsonObject{{"type", condition.type},
                       {"x", condition.x},
                       {"y", condition.y},
                       {"level", condition.level},
                       {"days", condition.days}};
}

QJsonObject scenarioJson(const CmpScenario &scenario) {
    const QByteArray digest =
        QCryptographicHash::hash(scenario.mapData, QCryptographicHash::Sha256);
    return QJsonObject{{"mapName", scenario.mapName},
                       {"mapSize", double(scenario.mapSize)},
                       {"prerequisites", setBits(scenario.prerequisites)},
                       {"regionColor", scenario.regionColor},
                       {"difficulty", scenario.difficulty},
                       {"regionText", scenario.regionText},
                       {"prologues", pages(scenario.prologues)},
                       {"epilogues", pages(scenario.epilogues)},
                       {"heroKeeps", setBits(scenario.heroKeeps)},
                       {"artifactsKept", setBits(scenario.artifactsKept)},
                       {"creaturesKept", setBits(scenario.creaturesKept)},
                       {"startOptions", startOptionsJson(scenario.startOptions)},
                       {"mapHeader", scenario.mapHeader.isNull()
                                         ? QJsonValue(QJsonValue::Null)
                                         : QJsonValue(mapHeaderJson(*scenario.mapHeader))},
                       {"mapData", QJsonObject{{"size", scenario.mapData.size()},
                                               {"sha256", QString::fromLatin1(digest.toHex())}}}};
}

} // namespace

QJsonObject campaignJson(const CmpCampaign &campaign) {
    QJsonArray scenarios;
    for (const CmpScenario &scenario : campaign.scenarios)
        scenarios.append(scenarioJson(scenario));
    return QJsonObject{{"version", campaign.version},
                       {"campaignMap", campaign.campaignMap},
                       {"name", campaign.name},
                       {"description", campaign.description},
                       {"difficultySelectable", campaign.difficultySelectable},
                       {"music", campaign.music},
                       {"scenarios", scenarios},
                       {"withMap", campaign.withMap},
                       {"background", campaign.background},
                       {"scenarioCount", campaign.scenarioCount},
                       {"forbidNewerVersions", campaign.forbidNewerVersions}};
}

QJsonObject mapHeaderJson(const MapHeader &header) {
    QJsonArray players;
    for (const MapPlayer &player : header.players)
        players.append(playerJson(player));
    QJsonArray teams;
    for (uint8_t team : header.teams)
        teams.append(team);
    QJsonArray customHeroes;
    for (const MapCustomHero &hero : header.customHeroes)
        customHeroes.append(QJsonObject{{"hero", hero.hero},
                                        {"portrait", hero.portrait},
                                        {"name", hero.name},
                                        {"players", hero.players}});
    return QJsonObject{{"format", double(header.format)},
                       {"subversion", double(header.subversion)},
                       {"mapFileVersion", versionText(header.version)},
                       {"forbidNewerVersions", header.forbidNewerVersions},
                       {"hasPlayers", header.hasPlayers},
                       {"size", double(header.size)},
                       {"twoLevels", header.twoLevels},
                       {"name", header.name},
                       {"description", header.description},
                       {"difficulty", header.difficulty},
                       {"levelLimit", header.levelLimit},
                       {"players", players},
                       {"victoryCondition", victoryJson(header.victoryCondition)},
                       {"lossCondition", lossJson(header.lossCondition)},
                       {"teamCount", header.teamCount},
                       {"teams", teams},
                       {"allowedHeroes", setBits(header.allowedHeroes)},
                       {"placeholderHeroes", QString::fromLatin1(header.placeholderHeroes.toHex())},
                       {"customHeroes", customHeroes}};
}
