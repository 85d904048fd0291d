#include "gamedata/campaignmapscript.h"

#include <QStringList>

#include <algorithm>

bool readCampaignMapScript(const QString &script, CampaignMapDef &map) {
    QStringList lines = script.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    lines.erase(
        std::remove_if(lines.begin(), lines.end(),
                       [](const QString &line) { return line.startsWith(QLatin1Char('#')); }),
        lines.end());

    enum State { Kind, Count, Positions, Name, Pictures, Done };
    State state = Kind;
    int region = 0;
    int pictureLine = 0;
    for (int i = 0; i < lines.size() && state != Done; ++i) {
        const QString &line = lines[i];
        switch (state) {
        case Kind:
            map.mapKind = line.toInt();
            map.picturesGiven = map.mapKind == 1;
            state = Count;
            break;
        case Count: {
            // A count beyond the script's length cannot be meant: each region takes a line of
            // its own. Bounding it keeps a damaged record from allocating without limit.
            map.regionCount = qBound(0, line.toInt(), script.size());
            map.regions = QList<CampaignRegionDef>();
            map.regions.reserve(map.regionCount);
            for (int r = 0; r < map.regionCount; ++r)
                map.regions.append(CampaignRegionDef());
            state = map.regionCount > 0 ? Positions : Done;
            break;
        }
        case Positions: {
            const QStringList parts = line.split(QLatin1Char(' '));
            if (parts.size() != 2)
                return false;
            map.regions[region].x = parts[0].toInt();
            map.regions[region].y = parts[1].toInt();
            if (++region == map.regionCount) {
                region = 0;
                state = Name;
            }
            break;
        }
        case Name:
            map.regions[region].name = line;
            pictureLine = 0;
            state = Pictures;
            break;
        case Pictures: {
            // With a kind other than 0 and 1 this state takes every further line.
            CampaignRegionDef &def = map.regions[region];
            if (map.mapKind == 0)
                def.pieceLists[pictureLine] = line.split(QLatin1Char(' '));
            else if (map.mapKind == 1)
                (pictureLine == 0   ? def.picture3
                 : pictureLine == 1 ? def.picture1
                                    : def.picture2) = line;
            else
                break;
            if (++pictureLine == 3) {
                state = ++region < map.regionCount ? Name : Done;
            }
            break;
        }
        case Done:
            break;
        }
    }
    return true;
}
