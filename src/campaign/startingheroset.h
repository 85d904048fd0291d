#pragma once

#include "campaign/startinghero.h"

#include <QList>
#include <QMetaType>

// Starting options of kind 3: the starting heroes to choose from.
struct StartingHeroSet {
    QList<StartingHero> heroes;
};

Q_DECLARE_METATYPE(StartingHeroSet)
