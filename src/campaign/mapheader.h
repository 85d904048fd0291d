#pragma once

#include "campaign/cmpversion.h"
#include "campaign/mapplayer.h"

#include <QBitArray>
#include <QByteArray>
#include <QList>
#include <QSharedPointer>
#include <QString>

#include <array>
#include <cstdint>

// The victory condition of a map. Which fields are read depends on `type`.
struct MapVictoryCondition {
    uint8_t type = 255; // 255 = none
    bool allowNormalVictory = false;
    bool appliesToComputer = false;
    uint16_t object = 0; // artifact (0, 10) or creature (1); resource (2)
    uint32_t amount = 0; // creature or resource amount
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t level = 0;
    uint8_t hallLevel = 0;
    uint8_t castleLevel = 0;
    uint32_t days = 0;
};

// The loss condition of a map.
struct MapLossCondition {
    uint8_t type = 255; // 255 = none
    uint8_t x = 0;
    uint8_t y = 0;
    uint8_t level = 0;
    uint16_t days = 0;
};

// A hero that the map defines with its own portrait and name.
struct MapCustomHero {
    uint8_t hero = 0;
    uint8_t portrait = 0;
    QString name;
    uint8_t players = 0; // bit p set = player p may hire the hero
};

// The summary of a scenario's map, read from the header of the map file. Shared between the
// scenario and the pages that inspect it; a new import replaces it as a whole.
struct MapHeader {
    uint32_t format = 0;
    uint32_t subversion = 0; // format 32 only
    CmpVersion version;      // format 32 from subversion 8: the mod version that saved the map
    uint8_t modFlag1 = 0;    // format 32 from subversion 1
    uint8_t modFlag2 = 0;
    uint32_t extraCount = 0; // from subversion 2
    uint32_t extraValue = 0; // from subversion 4
    uint8_t extraValueFlag = 0;
    uint8_t extraFlag = 0;            // from subversion 7
    bool forbidNewerVersions = false; // from subversion 8
    bool hasPlayers = false;
    uint32_t size = 0;
    bool twoLevels = false;
    QString name;
    QString description;
    uint8_t difficulty = 0;
    uint8_t levelLimit = 0;
    static constexpr int playerCount = 8;
    std::array<MapPlayer, playerCount> players;
    MapVictoryCondition victoryCondition;
    MapLossCondition lossCondition;
    uint8_t teamCount = 0;
    std::array<uint8_t, 8> teams{};
    QBitArray allowedHeroes; // a set bit enables the hero on the map
    QByteArray placeholderHeroes;
    QList<MapCustomHero> customHeroes;
};

using MapHeaderRef = QSharedPointer<const MapHeader>;
