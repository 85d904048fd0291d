#pragma once

#include "campaign/herocrossoverset.h"
#include "campaign/startingbonusset.h"
#include "campaign/startingheroset.h"

#include <QSharedPointer>
#include <QVariant>

#include <cstdint>

// The kinds of starting options.
enum StartOptionKind : uint8_t {
    NoStartOptions = 0,
    BonusChoice = 1,       // value holds a StartingBonusSet
    CrossoverChoice = 2,   // value holds a HeroCrossoverSet
    StartingHeroChoice = 3 // value holds a StartingHeroSet
};

// The starting options of a scenario. Shared and never changed in place: an edit builds a new
// record and replaces the scenario's reference.
struct CmpScenarioStartOptions {
    uint8_t kind = NoStartOptions;
    QVariant value;

    // The set held, or an empty set when the variant holds another kind.
    StartingBonusSet bonusSet() const { return value.value<StartingBonusSet>(); }
    HeroCrossoverSet crossoverSet() const { return value.value<HeroCrossoverSet>(); }
    StartingHeroSet heroSet() const { return value.value<StartingHeroSet>(); }
};

// Optional start options: null means none.
using CmpStartOptionsRef = QSharedPointer<const CmpScenarioStartOptions>;

inline CmpStartOptionsRef makeStartOptions(const StartingBonusSet &set) {
    return CmpStartOptionsRef(new CmpScenarioStartOptions{BonusChoice, QVariant::fromValue(set)});
}
inline CmpStartOptionsRef makeStartOptions(const HeroCrossoverSet &set) {
    return CmpStartOptionsRef(
        new CmpScenarioStartOptions{CrossoverChoice, QVariant::fromValue(set)});
}
inline CmpStartOptionsRef makeStartOptions(const StartingHeroSet &set) {
    return CmpStartOptionsRef(
        new CmpScenarioStartOptions{StartingHeroChoice, QVariant::fromValue(set)});
}
