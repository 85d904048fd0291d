#include "campaign/mapexport.h"

#include "campaign/cmpcampaign.h"

#include <QFile>
#include <QFileInfo>

QStringList exportScenarioMaps(const CmpCampaign &campaign, const QString &folder,
                               QStringList *failed) {
    QStringList written;
    for (const CmpScenario &scenario : campaign.scenarios) {
        // A name from the file never leads out of the chosen folder.
        const QString name = QFileInfo(scenario.mapName).fileName();
        if (name.isEmpty())
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(scenario.mapData) == scenario.mapData.size() && file.flush()) {
            written.append(path);
        } else if (failed) {
            failed->append(path);
        }
    }
    return written;
}
