#pragma once

#include "campaign/bonusrecords.h"

#include <QVariant>

#include <cstdint>

// The bonus types, in the order of their records.
enum BonusType : uint8_t {
    SpellBonus = 0,
    CreatureBonus = 1,
    BuildingBonus = 2,
    ArtifactBonus = 3,
    ScrollBonus = 4,
    PrimarySkillBonus = 5,
    SecondarySkillBonus = 6,
    ResourceBonus = 7,
    BonusTypeCount = 8
};

// One starting bonus: its type and the record of that type. A damaged file can carry a type of
// 8 or more; such a bonus has an empty value and is kept as it is.
struct CmpBonus {
    uint8_t type = 0;
    QVariant value;

    // The record held, or a zero-filled record when the variant holds another type.
    template <typename Record> Record record() const { return value.value<Record>(); }

    template <typename Record> static CmpBonus make(uint8_t type, const Record &record) {
        return CmpBonus{type, QVariant::fromValue(record)};
    }
};

// Carried by data-driven tests and item data as a whole bonus.
Q_DECLARE_METATYPE(CmpBonus)

// Equal when both types are the same known type and the records of that type are equal field
// by field; bonuses of unknown types are never equal, not even to themselves.
bool operator==(const CmpBonus &a, const CmpBonus &b);
inline bool operator!=(const CmpBonus &a, const CmpBonus &b) {
    return !(a == b);
}

// The hero field of the bonus record, for the types that name a hero (0, 1, 3, 4, 5, 6).
bool bonusHasHero(uint8_t type);
uint16_t bonusHero(const CmpBonus &bonus);
