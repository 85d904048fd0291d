#pragma once

#include "campaign/cmpbonus.h"

#include <QList>
#include <QMetaType>

#include <cstdint>

// Starting options of kind 1: the player who receives the bonus and the bonuses to choose from.
struct StartingBonusSet {
    uint8_t player = 0;
    QList<CmpBonus> bonuses;
};

Q_DECLARE_METATYPE(StartingBonusSet)
