#pragma once

// The sample campaigns of the demo game, described field by field as the campaign file holds
// them. campaignwriter.cpp turns a description into the bytes of a .y6c file.

#include "demodescription.h"
#include "demogame.h"

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

#include <optional>

// A map file as it is embedded in a campaign: the bytes as stored on disk.
struct DemoEmbeddedMap {
    QString fileName;
    QByteArray stored;
};

struct DemoPage {
    int video = 0;
    int music = 0;
    QString text;
};

struct DemoScenario {
    std::optional<DemoEmbeddedMap> map;
    QVector<int> prerequisites; // scenario numbers
    int regionColor = 2;
    int difficulty = 1;
    QString regionText;
    std::optional<DemoPage> prologues[3];
    std::optional<DemoPage> epilogues[3];
    int heroKeeps = 0x0f; // experience, primary skills, secondary skills, spells
    QVector<int> creaturesKept;
    QVector<int> artifactsKept;
    QByteArray startOptions = QByteArray(1, '\0'); // the encoded block; kind 0 = none
};

struct DemoCampaign {
    QString fileName; // inside Maps/
    int version = 10;
    int subversion = 2;
    int modVersion[3] = {1, 7, 3};
    bool forbidNewerVersions = false;
    bool withMap = true;
    int background = 0;
    int scenarioCount = 0;
    int campaignMap = 24;
    QString name;
    QString description;
    bool difficultySelectable = false;
    int music = 34;
    QVector<DemoScenario> scenarios; // as many as the campaign's scenario count
};

// Encoded start options blocks.
namespace DemoStartOptions {
// A bonus: the type byte and its fields.
QByteArray spell(int hero, int spell);
QByteArray creature(int hero, int creature, int count);
QByteArray building(int building);
QByteArray artifact(int hero, int artifact);
QByteArray scroll(int hero, int spell);
QByteArray primarySkill(int hero, int attack, int defence, int spellPower, int knowledge);
QByteArray secondarySkill(int hero, int skill, int level);
QByteArray resource(int resource, int amount);
// Kind 1: the player who receives the chosen bonus and the bonuses.
QByteArray bonuses(int player, const QVector<QByteArray> &bonuses);
// Kind 2: (player, source scenario) pairs.
QByteArray crossovers(const QVector<QPair<int, int>> &entries);
// Kind 3: (player, hero) pairs.
QByteArray startingHeroes(const QVector<QPair<int, int>> &entries);
} // namespace DemoStartOptions

// The regions of a campaign map of the demo game; none for a map it does not have.
QVector<DemoRegion> demoCampaignRegions(int campaignMap, DemoLanguage language);

// Broken.y6c: one fault of every kind the campaign check reports as an error (brokencampaign.cpp).
DemoCampaign brokenCampaign(DemoLanguage language);

// Every sample campaign, embedding sample maps of the demo game, worded in its language.
QVector<DemoCampaign> demoCampaigns(const DemoOptions &options);
