#pragma once

#include <QMetaType>

#include <cstdint>

// The eight starting bonus records, one per bonus type (the index in the comment). They travel
// in variants, so each is registered under its own name.

struct BonusSpell { // 0
    uint16_t hero = 0;
    uint8_t spell = 0;
};

struct BonusCreature { // 1
    uint16_t hero = 0;
    uint16_t creature = 0;
    uint16_t count = 0;
};

struct BonusBuilding { // 2
    uint8_t building = 0;
};

struct BonusArtifact { // 3
    uint16_t hero = 0;
    uint16_t artifact = 0;
};

struct BonusScroll { // 4
    uint16_t hero = 0;
    uint8_t spell = 0;
};

struct BonusPrimarySkill { // 5
    uint16_t hero = 0;
    uint8_t attack = 0;
    uint8_t defence = 0;
    uint8_t spellPower = 0;
    uint8_t knowledge = 0;
};

struct BonusSecondarySkill { // 6
    uint16_t hero = 0;
    uint8_t skill = 0;
    uint8_t level = 0;
};

struct BonusResource { // 7
    uint8_t resource = 0;
    int32_t amount = 0;
};

inline bool operator==(const BonusSpell &a, const BonusSpell &b) {
    return a.hero == b.hero && a.spell == b.spell;
}
inline bool operator==(const BonusCreature &a, const BonusCreature &b) {
    return a.hero == b.hero && a.creature == b.creature && a.count == b.count;
}
inline bool operator==(const BonusBuilding &a, const BonusBuilding &b) {
    return a.building == b.building;
}
inline bool operator==(const BonusArtifact &a, const BonusArtifact &b) {
    return a.hero == b.hero && a.artifact == b.artifact;
}
inline bool operator==(const BonusScroll &a, const BonusScroll &b) {
    return a.hero == b.hero && a.spell == b.spell;
}
inline bool operator==(const BonusPrimarySkill &a, const BonusPrimarySkill &b) {
    return a.hero == b.hero && a.attack == b.attack && a.defence == b.defence &&
           a.spellPower == b.spellPower && a.knowledge == b.knowledge;
}
inline bool operator==(const BonusSecondarySkill &a, const BonusSecondarySkill &b) {
    return a.hero == b.hero && a.skill == b.skill && a.level == b.level;
}
inline bool operator==(const BonusResource &a, const BonusResource &b) {
    return a.resource == b.resource && a.amount == b.amount;
}

Q_DECLARE_METATYPE(BonusSpell)
Q_DECLARE_METATYPE(BonusCreature)
Q_DECLARE_METATYPE(BonusBuilding)
Q_DECLARE_METATYPE(BonusArtifact)
Q_DECLARE_METATYPE(BonusScroll)
Q_DECLARE_METATYPE(BonusPrimarySkill)
Q_DECLARE_METATYPE(BonusSecondarySkill)
Q_DECLARE_METATYPE(BonusResource)
