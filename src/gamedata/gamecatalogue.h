#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One region of a campaign map, as the mod's campaign map script describes it.
struct CampaignRegionDef {
    int x = 0;
    int y = 0;
    QString name;
    QStringList pieceLists[3]; // map kind 0: list s holds, by colour, the picture in state s
    QString picture1;          // map kind 1: the three mask pictures
    QString picture2;
    QString picture3;
};

struct CampaignMapDef {
    int regionCount = 0;
    QList<CampaignRegionDef> regions;
    QString displayName;
    QString backgroundPicture;
    int mapKind = 0;
    bool picturesGiven = false; // mapKind == 1
};

// The names and definitions of the game's objects, read once at start-up from the game's text
// tables and the mod's records, read-only afterwards. A key never stored reads as empty text.
struct GameCatalogue {
    QMap<int, QString> heroNames;
    QMap<int, QString> creatureNames;
    int creatureCount = 150;
    QList<int> creatureOrder;
    QMap<int, QString> artifactNames;
    int artifactCount = 147;
    QMap<int, QString> spellNames;
    QMap<int, QString> secondarySkillNames;
    QMap<int, QString> primarySkillNames;
    QMap<int, QString> skillLevelNames;
    QMap<int, QString> generalTexts;
    QMap<int, QString> resourceNames;
    QStringList playerColorNames;
    QMap<int, QMap<int, QString>> townBuildingNames;
    QMap<int, CampaignMapDef> campaignMaps;
    QMap<int, QString> campaignBackgrounds;
    QMap<int, QString> videoNames;
    QMap<int, QString> videoPictures;
    QMap<int, QString> musicNames;
    QMap<int, QStringList> editorTextTable;
    QMap<int, QStringList> commandHintTable;
};

// The catalogue of the running editor. Empty until start-up builds it.
const GameCatalogue &gameCatalogue();
// Replaces the catalogue of the running editor (start-up, and tests with catalogues of their own).
void setGameCatalogue(const GameCatalogue &catalogue);
