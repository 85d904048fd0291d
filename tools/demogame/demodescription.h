#pragma once

// The demo game in one place: names, campaign maps and the mod's records. The writers of the
// individual files (settings, tarq.dat, archives, pictures, music, maps, campaigns) take what
// they need from here, so that every file tells the same story.

#include "wording.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

struct DemoRegion {
    QString name;
    QPoint position; // top left corner of the region's pictures on the campaign map
    // Kind 1: the three mask pictures (fill, border, glow); kind 0: three piece lists, each
    // with one picture per colour.
    QStringList pictures;
    QList<QStringList> pieceLists;
};

struct DemoCampaignMap {
    int id = 0;
    QString displayName;
    QString backgroundPicture;
    int mapKind = 1;
    QVector<DemoRegion> regions;
};

// One record of tarq.dat.
struct DemoModRecord {
    QByteArray name;
    QByteArray secondName;
    QList<QByteArray> strings;
    QByteArray dataBlock; // written with data flag 1 when not null
    QVector<int> numbers;
};

// The campaign maps, their names and their regions' names in the language.
QVector<DemoCampaignMap> demoCampaignMaps(DemoLanguage language);
// Picture names of the backgrounds of campaigns without a map.
QStringList demoCampaignBackgrounds();
// Music: the rows of the music table, then the names the mod adds (table keys 49 onwards).
QStringList demoMusicTableNames();
QStringList demoModMusicNames();
// Videos: the rows of the video table, then the names the mod adds.
QStringList demoVideoTableNames();
QStringList demoModVideoNames();
// One picture per video (table videos first, then the mod's).
QStringList demoVideoPictures();

// The campaign map script of a "campmap" record.
QByteArray campaignMapScript(const DemoCampaignMap &map, DemoLanguage language);
// Every record of tarq.dat, in file order, its texts in the language's code page.
QVector<DemoModRecord> demoModRecords(DemoLanguage language);

// The name of an upgraded building or dwelling, made from the plain one.
extern const Wording upgradedBuildingName;
