#pragma once

#include "gamedata/moddatafile.h"

#include <QMap>
#include <QString>
#include <QStringList>

class QTextCodec;

// The first cells of the three building tables, row by row.
struct TownBuildingTables {
    QStringList neutral;   // BldgNeut.TXT, rows of exactly two cells
    QStringList special;   // BldgSpec.txt
    QStringList dwellings; // Dwelling.txt: 14 per town, 7 plain then 7 upgraded
};

// Town type -> building id -> name, for the random town (-1) and every town type, with the
// mod's dwellings and special buildings.
QMap<int, QMap<int, QString>> buildTownBuildingNames(const TownBuildingTables &tables,
                                                     const ModRecordList &records,
                                                     QTextCodec *codec);
