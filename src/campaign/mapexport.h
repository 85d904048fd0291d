#pragma once

#include <QString>
#include <QStringList>

struct CmpCampaign;

// Writes the embedded map of every scenario that names one into the folder, under its map name
// (without any folder the name may carry), exactly as stored, replacing files of the same name.
// Goes on past files it cannot write; returns the paths written and, in *failed, the others.
QStringList exportScenarioMaps(const CmpCampaign &campaign, const QString &folder,
                               QStringList *failed = nullptr);
