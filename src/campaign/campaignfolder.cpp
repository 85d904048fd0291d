#include "campaign/campaignfolder.h"

#include "campaign/campaignfile.h"
#include "campaign/campaignjson.h"
#include "campaign/campaignjsonreader.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaign/mapimport.h"
#include "gamedata/messages.h"
#include "gamedata/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace CampaignFolder {

namespace {

// Texts shown by this file, in the CampaignFolder translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignFolder)
};

const char *const jsonName = "campaign.json";
const char *const mapFolderName = "maps";

bool cannotRead(const QString &path, const QString &reason) {
    Messages::warning(
        Texts::tr("Error"),
        Texts::tr("Cannot read file %1:\n%2.").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

// Written in place, as export-maps writes: a save file would wait for every map to reach the disk,
// which makes unpacking a large campaign several times slower than writing its bytes.
bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size() && file.flush())
        return true;
    Messages::warning(Texts::tr("Error"),
                      Texts::tr("Cannot write file %1:\n%2.")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

// Reads the map file `name` of scenario `index` into the scenario. The file must lie inside the
// folder, symbolic links resolved, so that a campaign.json cannot make pack read elsewhere.
bool readMap(const QString &folder, const QString &name, int index, CmpScenario &scenario) {
    const QString jsonPath = QDir(folder).filePath(QLatin1String(jsonName));
    const QString path = QDir(folder).filePath(name);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString inside = QDir(QFileInfo(folder).canonicalFilePath()).relativeFilePath(canonical);
    if (!canonical.isEmpty() && (QDir::isAbsolutePath(inside) || inside == QLatin1String("..") ||
                                 inside.startsWith(QLatin1String("../"))))
        return cannotRead(
            jsonPath,
            Texts::tr("scenarios[%1].mapData: %2 lies outside the folder").arg(index).arg(name));
    QFile file(canonical.isEmpty() ? path : canonical);
    QString reason;
    if (!openRegularFile(file, &reason))
        return cannotRead(path, reason);
    scenario.mapData = file.readAll();
    scenario.mapSize = uint32_t(scenario.mapData.size());
    const int result = CampaignFile::readEmbeddedMapHeader(scenario);
    if (result >= 0)
        return true;
    Messages::warning(Texts::tr("Error"), QDir::toNativeSeparators(path) + QStringLiteral(":\n") +
                                              mapErrorMessage(result, QFileInfo(path).fileName()));
    return false;
}

} // namespace

bool write(const CmpCampaign &campaign, const QString &folder) {
    QStringList mapFiles;
    bool anyMap = false;
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        const CmpScenario &scenario = campaign.scenarios[i];
        if (scenario.mapData.isEmpty()) {
            mapFiles.append(QString());
            continue;
        }
        anyMap = true;
        // A map name from the file never leads out of the folder.
        mapFiles.append(QStringLiteral("%1/%2-%3")
                            .arg(QLatin1String(mapFolderName))
                            .arg(i, 2, 10, QLatin1Char('0'))
                            .arg(QFileInfo(scenario.mapName).fileName()));
    }
    QDir().mkpath(folder);
    if (anyMap)
        QDir(folder).mkpath(QLatin1String(mapFolderName));
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        if (!mapFiles[i].isEmpty() &&
            !writeFile(QDir(folder).filePath(mapFiles[i]), campaign.scenarios[i].mapData))
            return false;
    }
    const QByteArray json =
        QJsonDocument(campaignJson(campaign, mapFiles)).toJson(QJsonDocument::Indented);
    return writeFile(QDir(folder).filePath(QLatin1String(jsonName)), json);
}

bool read(const QString &folder, CmpCampaign &campaign, const GameCatalogue &catalogue) {
    const QString jsonPath = QDir(folder).filePath(QLatin1String(jsonName));
    QFile file(jsonPath);
    QString reason;
    if (!openRegularFile(file, &reason))
        return cannotRead(jsonPath, reason);
    CmpCampaign result;
    QStringList mapFiles;
    QString problem;
    if (!readCampaignJson(file.readAll(), result, mapFiles, &problem, catalogue))
        return cannotRead(jsonPath, problem);
    for (int i = 0; i < mapFiles.size(); ++i) {
        if (!mapFiles[i].isEmpty() && !readMap(folder, mapFiles[i], i, result.scenarios[i]))
            return false;
    }
    currentCampaignMap = result.campaignMap;
    campaign = result;
    return true;
}

} // namespace CampaignFolder
