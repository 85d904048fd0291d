#pragma once

#include "demogame.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

// A hero a player owns on a demo map; an empty name keeps the game's name.
struct DemoMapHero {
    uint8_t id = 0;
    QByteArray name;
};

// One player of a demo map, in the terms of the map header.
struct DemoMapPlayer {
    bool human = false;
    bool computer = false;
    uint8_t aiTactic = 0;
    uint8_t extraByte = 0;         // every format but 21; the allowed towns byte of format 14
    uint16_t allowedTowns = 0x7ff; // formats after 14
    bool randomTown = false;
    uint8_t mainTown = 0; // 1 = has a main town; other non-zero bytes are written as they are
    bool generateHero = false;
    uint8_t townType = 255; // 255 = random
    uint8_t townX = 0, townY = 0, townLevel = 0;
    bool randomHero = false;
    uint8_t mainHero = 255; // 255 = none
    uint8_t mainHeroPortrait = 0;
    QByteArray mainHeroName;
    uint8_t placeholders = 0;
    QList<DemoMapHero> heroes; // formats after 14
};

struct DemoCustomHero {
    uint8_t hero = 0;
    uint8_t portrait = 0;
    QByteArray name;
    uint8_t players = 0xff;
};

// One sample map: its file, its header and the shape of its body.
struct DemoMap {
    QString fileName;
    bool compressed = true;
    uint32_t format = 28;
    uint32_t subversion = 0;                                       // format 32
    uint32_t versionMajor = 1, versionMinor = 7, versionPatch = 3; // format 32, subversion 8
    bool forbidNewer = false;                                      // format 32, subversion 8
    bool hasPlayers = true;
    uint32_t size = 36;
    bool twoLevels = false;
    QByteArray name;
    QByteArray description;
    uint8_t difficulty = 1;
    uint8_t levelLimit = 0;
    DemoMapPlayer players[8];
    QByteArray victoryCondition = QByteArray(1, char(255)); // encoded, type byte first
    QByteArray lossCondition = QByteArray(1, char(255));
    uint8_t teamCount = 0;
    uint8_t teams[8] = {};
    QList<int> allowedHeroes;   // enabled heroes; every hero when empty
    uint32_t modHeroBits = 180; // bit count of the hero set of format 32
    QByteArray placeholderHeroes;
    QList<DemoCustomHero> customHeroes;
    // What an editor makes of the map: importable, or refused with which code.
    int expectedImport = 1;
};

// Every sample map of the demo game, its texts in the language's code page.
QVector<DemoMap> demoMaps(DemoLanguage language);
// The sample maps' file names, the same in every language.
QStringList demoMapFileNames();
// The file of a sample map as written into Maps/ (gzip-compressed or plain); empty for a name
// that is not a sample map. Campaign writers embed these bytes.
QByteArray demoMapFile(const QString &fileName, DemoLanguage language);
// The uncompressed map of a sample map.
QByteArray demoMapBytes(const DemoMap &map);

// Writes the sample maps (.y6m) into Maps/.
bool writeDemoMaps(const QString &gameDir, const DemoOptions &options, QString *error);
