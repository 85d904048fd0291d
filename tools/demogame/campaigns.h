#pragma once

#include "demogame.h"

// Writes the sample campaigns (.y6c) into Maps/; runs after the maps are written.
bool writeDemoCampaigns(const QString &gameDir, const DemoOptions &options, QString *error);
