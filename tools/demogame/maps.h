#pragma once

#include "demogame.h"

// Writes the sample maps (.y6m) into Maps/.
bool writeDemoMaps(const QString &gameDir, const DemoOptions &options, QString *error);
