#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// A hero that a player owns on the map.
struct MapHero {
    uint8_t id = 0;
    QString name; // the map's custom name; empty when the map gives none
};

// One of the eight players of a map header. Fields a format lacks stay 0 or empty.
struct MapPlayer {
    bool canHumanPlay = false;
    bool canComputerPlay = false;
    uint8_t aiTactic = 0;
    uint8_t extraByte = 0;     // absent in format 21
    uint16_t allowedTowns = 0; // one byte in format 14
    bool randomTown = false;
    // The byte as read: only exactly 1 announces the town fields, but any non-zero value counts
    // as having a main town.
    uint8_t hasMainTown = 0;
    bool generateHeroAtMainTown = false;
    uint8_t mainTownType = 0; // 255 = none or random
    uint8_t mainTownX = 0;
    uint8_t mainTownY = 0;
    uint8_t mainTownLevel = 0;
    bool randomHero = false;
    uint8_t mainHero = 0; // 255 = none
    uint8_t mainHeroPortrait = 0;
    QString mainHeroName;
    uint8_t placeholderCount = 0;
    QList<MapHero> heroes; // in map order

    bool ownsMainTown() const { return hasMainTown != 0; }
    // Both a main town and the flag that it generates a hero.
    bool generatesHero() const { return hasMainTown != 0 && generateHeroAtMainTown; }
    bool ownsHero(uint16_t hero) const;
};
