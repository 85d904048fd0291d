#pragma once

#include "campaign/cmpherocrossover.h"

#include <QList>
#include <QMetaType>

// Starting options of kind 2: the heroes carried over to choose from.
struct HeroCrossoverSet {
    QList<CmpHeroCrossover> crossovers;
};

Q_DECLARE_METATYPE(HeroCrossoverSet)
