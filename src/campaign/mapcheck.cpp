// The campaign check of the embedded maps: a region left without a map, a map whose header the
// game cannot read or whose version is newer than the campaign's, and a map without a name.

#include "campaign/campaigncheckrun.h"
#include "campaign/editorvalues.h"
#include "campaign/mapheaderreader.h"
#include "campaign/mapimport.h"
#include "campaign/mapsummaries.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignCheck)
};

QString regionName(const CampaignCheckRun &run, int index) {
    const QString name =
        run.catalogue.campaignMaps.value(run.campaign.campaignMap).regions.value(index).name;
    return name.isEmpty() ? QString::number(index + 1) : name;
}

// A scenario holds map bytes without a summary: reads them again as loading does, to say why
// the summary is missing.
void reportUnreadableMap(CampaignCheckRun &run, int index) {
    const CmpScenario &scenario = run.scenario(index);
    const QString name = scenario.mapName.isEmpty() ? run.label(index) : scenario.mapName;
    QByteArray inflated;
    MapHeader header;
    const int result = scenario.mapData.size() == qint64(scenario.mapSize)
                           ? readEmbeddedMapSummary(scenario.mapData, &inflated, &header)
                           : 0;
    if (result == MapWithoutPlayers) { // what a map that cannot be inflated reads as
        run.add(CheckId::MapUnreadable, index, CheckPage::General,
                Texts::tr("The map %1 is damaged and cannot be unpacked.").arg(name));
        return;
    }
    if (result >= 0) {
        run.add(CheckId::MapUnreadable, index, CheckPage::General,
                Texts::tr("The map %1 is cut short and cannot be read.").arg(name));
        return;
    }
    // The refusal names the map's version through the editor-wide value, put back after.
    const CmpVersion before = mapFileVersion;
    noteMapFileVersion(header);
    const QString refusal = mapErrorMessage(result, name);
    mapFileVersion = before;
    run.add(result == MapOfNewerVersion ? CheckId::MapNewerVersion : CheckId::MapUnreadable, index,
            CheckPage::General, refusal);
}

} // namespace

void checkMaps(CampaignCheckRun &run) {
    for (int index = 0; index < run.scenarioCount(); ++index) {
        const CmpScenario &scenario = run.scenario(index);
        if (!run.isPlayed(index)) {
            if (run.campaign.withMap)
                run.add(CheckId::RegionWithoutMap, index, CheckPage::General,
                        Texts::tr("The region %1 has no scenario map and stays empty.")
                            .arg(regionName(run, index)));
        } else if (!scenario.hasMap()) {
            reportUnreadableMap(run, index);
        } else if (scenario.mapHeader->name.trimmed().isEmpty()) {
            run.add(CheckId::EmptyScenarioName, index, CheckPage::General,
                    Texts::tr("The map %1 has no name.").arg(scenario.mapName));
        }
    }
}
