#pragma once

// Helpers of the scenario window tests: a small catalogue with named regions, colours and
// difficulties, campaigns built in code, the prerequisite graph written as text, and answers
// for the file dialogs the window opens.

#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamepictures.h"
#include "widgetlookup.h"

#include <QListWidget>
#include <QStringList>
#include <QtTest>

constexpr int testCampaignMap = 24;
constexpr int testRegionCount = 6;

// Campaign map 24 with six regions "Region 0" to "Region 5", eight colours, five difficulties
// "Level 0" to "Level 4", and one video and one music for the prologue pages; the video's
// picture is served instead of the archives' entries.
inline GameCatalogue scenarioWindowCatalogue() {
    GameCatalogue catalogue;
    catalogue.videoNames[0] = QStringLiteral("Intro");
    catalogue.videoPictures[0] = QStringLiteral("Intro.pcx");
    catalogue.musicNames[0] = QStringLiteral("Dawn");
    setPictureEntryFetcher([](const QString &name) -> std::optional<QByteArray> {
        if (name != QLatin1String("Intro.pcx"))
            return std::nullopt;
        // A true-colour picture of 4 x 2 grey pixels.
        QByteArray bytes("\0\0\0\0\4\0\0\0\2\0\0\0", 12);
        return bytes + QByteArray(4 * 2 * 3, char(0x80));
    });
    CampaignMapDef map;
    map.regionCount = testRegionCount;
    for (int r = 0; r < testRegionCount; ++r) {
        CampaignRegionDef region;
        region.name = QStringLiteral("Region %1").arg(r);
        map.regions.append(region);
    }
    catalogue.campaignMaps.insert(testCampaignMap, map);
    catalogue.playerColorNames =
        QStringList{"Red", "Blue", "Tan", "Green", "Orange", "Purple", "Teal", "Pink", "Neutral"};
    for (int level = 0; level < 5; ++level)
        catalogue.editorTextTable[25 + level] = QStringList{QStringLiteral("Level %1").arg(level)};
    catalogue.creatureCount = 157;
    catalogue.artifactCount = 149;
    return catalogue;
}

// Gives the scenario a map summary named name, stored as "<name>.y6m".
inline void giveMap(CmpScenario &scenario, const QString &name) {
    auto header = QSharedPointer<MapHeader>::create();
    header->name = name;
    header->hasPlayers = true;
    scenario.mapHeader = header;
    scenario.mapName = name + QStringLiteral(".y6m");
    scenario.mapData = QByteArray("map bytes of ") + name.toUtf8();
    scenario.mapSize = uint32_t(scenario.mapData.size());
}

// A campaign with map on campaign map 24; scenario i gets the map "M<i>" unless listed in
// withoutMap.
inline CmpCampaign campaignWithMap(const QList<int> &withoutMap = {}) {
    CmpCampaign campaign;
    resetCampaign(campaign, testCampaignMap, true, 0, 0);
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        if (!withoutMap.contains(i))
            giveMap(campaign.scenarios[i], QStringLiteral("M%1").arg(i));
    }
    return campaign;
}

// A campaign without map whose scenarios carry the map names "S1.y6m", "S2.y6m"... (names only,
// so that the list labels tell them apart).
inline CmpCampaign campaignWithoutMap(int count) {
    CmpCampaign campaign;
    resetCampaign(campaign, testCampaignMap, false, 0, count);
    for (int i = 0; i < count; ++i)
        campaign.scenarios[i].mapName = QStringLiteral("S%1.y6m").arg(i + 1);
    return campaign;
}

// The prerequisite graph as text: "a>b" for every set bit b of scenario a, in order.
inline QString prerequisiteEdges(const CmpCampaign &campaign) {
    QStringList edges;
    for (int a = 0; a < campaign.scenarios.size(); ++a) {
        const QBitArray &bits = campaign.scenarios[a].prerequisites;
        for (int b = 0; b < bits.size(); ++b) {
            if (bits.testBit(b))
                edges.append(QStringLiteral("%1>%2").arg(a).arg(b));
        }
    }
    return edges.join(QLatin1Char(' '));
}

inline void setPrerequisiteEdges(CmpCampaign &campaign, const QString &edges) {
    for (const QString &edge : edges.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList ends = edge.split(QLatin1Char('>'));
        campaign.scenarios[ends[0].toInt()].prerequisites.setBit(ends[1].toInt());
    }
}

// The prerequisite list as text: each item's scenario index followed by "+" (checked), "="
// (checked and disabled) or "-" (unchecked).
inline QString prerequisiteListState(const QListWidget *list) {
    QStringList states;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem *item = list->item(row);
        const bool checked = item->checkState() == Qt::Checked;
        const bool enabled = item->flags() & Qt::ItemIsEnabled;
        states.append(item->data(Qt::UserRole).toString() +
                      (checked ? (enabled ? "+" : "=") : "-"));
    }
    return states.join(QLatin1Char(' '));
}
