#include "campaign/campaignjson.h"

#include "campaign/campaignjsonfields.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include <type_traits>

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

// Writes each visited field under its key: numbers, flags and texts as they are, bit sets as the
// indices of their set bits.
struct FieldWriter {
    QJsonObject &json;

    template <typename Field> void operator()(const char *key, const Field &field) const {
        if constexpr (std::is_same<Field, QBitArray>::value)
            json.insert(QLatin1String(key), setBits(field));
        else if constexpr (std::is_same<Field, QString>::value || std::is_same<Field, bool>::value)
            json.insert(QLatin1String(key), field);
        else
            json.insert(QLatin1String(key), qint64(field));
    }
};

template <typename Record> QJsonObject recordJson(Record record) {
    QJsonObject json;
    visitRecordFields(record, FieldWriter{json});
    return json;
}

QJsonArray pages(const std::array<CmpPrologueRef, pageSlotCount> &pageRefs) {
    QJsonArray result;
    for (const CmpPrologueRef &page : pageRefs)
        result.append(page.isNull() ? QJsonValue(QJsonValue::Null) : recordJson(*page));
    return result;
}

QJsonObject bonusJson(CmpBonus bonus) {
    QJsonObject json{{"type", bonus.type}};
    visitBonusFields(bonus, FieldWriter{json});
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
            crossovers.append(recordJson(entry));
        json.insert("crossovers", crossovers);
        break;
    }
    case StartingHeroChoice: {
        QJsonArray heroes;
        for (const StartingHero &entry : options->heroSet().heroes)
            heroes.append(recordJson(entry));
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

// The scenario without its map, which info and unpack show each in their own way.
QJsonObject scenarioJson(const CmpScenario &scenario) {
    QJsonObject json;
    visitScenarioFields(scenario, FieldWriter{json});
    json.insert("prologues", pages(scenario.prologues));
    json.insert("epilogues", pages(scenario.epilogues));
    json.insert("startOptions", startOptionsJson(scenario.startOptions));
    return json;
}

QJsonObject campaignJson(const CmpCampaign &campaign, const QJsonArray &scenarios) {
    QJsonObject json;
    visitCampaignFields(campaign, FieldWriter{json});
    json.insert("scenarios", scenarios);
    return json;
}

} // namespace

QJsonObject campaignJson(const CmpCampaign &campaign) {
    QJsonArray scenarios;
    for (const CmpScenario &scenario : campaign.scenarios) {
        QJsonObject json = scenarioJson(scenario);
        const QByteArray digest =
            QCryptographicHash::hash(scenario.mapData, QCryptographicHash::Sha256);
        json.insert("mapSize", qint64(scenario.mapSize));
        json.insert("mapHeader", scenario.mapHeader.isNull()
                                     ? QJsonValue(QJsonValue::Null)
                                     : QJsonValue(mapHeaderJson(*scenario.mapHeader)));
        json.insert("mapData", QJsonObject{{"size", scenario.mapData.size()},
                                           {"sha256", QString::fromLatin1(digest.toHex())}});
        scenarios.append(json);
    }
    return campaignJson(campaign, scenarios);
}

QJsonObject campaignJson(const CmpCampaign &campaign, const QStringList &mapFiles) {
    QJsonArray scenarios;
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        QJsonObject json = scenarioJson(campaign.scenarios[i]);
        const QString mapFile = mapFiles.value(i);
        json.insert("mapData", mapFile.isEmpty() ? QJsonValue(QJsonValue::Null) : mapFile);
        scenarios.append(json);
    }
    QJsonObject json = campaignJson(campaign, scenarios);
    json.insert("format", QLatin1String(campaignJsonFormat));
    return json;
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
