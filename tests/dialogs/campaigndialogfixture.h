#pragma once

// A small catalogue for the campaign dialogs: campaign maps of every kind and region count,
// backgrounds, unsorted music names and the caption row of the difficulty check box.

#include "gamedata/gamecatalogue.h"
#include "widgetlookup.h"

inline CampaignMapDef campaignMapDef(const QString &name, int kind, int regionCount) {
    CampaignMapDef map;
    map.displayName = name;
    map.backgroundPicture = name + QStringLiteral(".pcx");
    map.mapKind = kind;
    map.picturesGiven = kind == 1;
    map.regionCount = regionCount;
    for (int r = 0; r < regionCount; ++r) {
        CampaignRegionDef region;
        region.name = QStringLiteral("%1 region %2").arg(name).arg(r);
        map.regions.append(region);
    }
    return map;
}

inline GameCatalogue campaignDialogCatalogue() {
    GameCatalogue catalogue;
    catalogue.campaignMaps[3] = campaignMapDef(QStringLiteral("Long Dead"), 0, 4);
    catalogue.campaignMaps[10] = campaignMapDef(QStringLiteral("Seven Isles"), 1, 7);
    catalogue.campaignMaps[17] = campaignMapDef(QStringLiteral("Unused Kind"), 2, 8);
    catalogue.campaignMaps[24] = campaignMapDef(QStringLiteral("Tarq Lands"), 1, 4);
    catalogue.campaignMaps[30] = campaignMapDef(QStringLiteral("Five Rivers"), 0, 5);
    catalogue.campaignBackgrounds = {{0, QStringLiteral("CampBack.pcx")},
                                     {1, QStringLiteral("CampDusk.pcx")},
                                     {2, QStringLiteral("CampSnow.pcx")}};
    catalogue.musicNames = {{0, QStringLiteral("cmp_tower")},
                            {1, QStringLiteral("cmp_dawn")},
                            {2, QStringLiteral("cmp_sea")},
                            {34, QStringLiteral("cmp_march")},
                            {49, QStringLiteral("Tarq \"Night\" Watch")}};
    catalogue.editorTextTable[55] = QStringList{QStringLiteral("Let the player choose")};
    return catalogue;
}
