#include "campaign/mapimport.h"

#include "campaign/campaignfile.h"
#include "campaign/cmpscenario.h"
#include "campaign/editorvalues.h"
#include "campaign/mapheaderreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// Texts shown by this file, in the QObject translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(QObject)
};
} // namespace

int importMap(CmpScenario &scenario, QFile &file) {
    if (!file.seek(0))
        return 0;
    const QByteArray stored = file.readAll();
    if (stored.isEmpty() || stored.size() != file.size())
        return 0;
    CmpScenario imported = scenario;
    imported.mapData = stored;
    const int result = CampaignFile::readEmbeddedMapHeader(imported);
    if (result < 0)
        return result;
    if (!imported.mapHeader->hasPlayers)
        return MapWithoutPlayers;
    imported.mapSize = uint32_t(stored.size());
    imported.mapName = QFileInfo(file.fileName()).fileName();
    scenario = imported;
    return 1;
}

QString mapErrorMessage(int code, const QString &fileName) {
    switch (code) {
    case MapWithoutPlayers:
        return Texts::tr("Cannot read file %1. Map has errors.").arg(fileName);
    case MapOfNewerVersion:
        return Texts::tr(
                   "This map was made for an newer version of Tarq %1.%2.%3. This map cannot be "
                   "added to campaign in version %4.%5.%6.")
            .arg(mapFileVersion.major)
            .arg(mapFileVersion.minor)
            .arg(mapFileVersion.patch)
            .arg(editorVersion.major)
            .arg(editorVersion.minor)
            .arg(editorVersion.patch);
    case MapOfForbiddenOlder:
        return Texts::tr(
                   "This map was made for an older version of Tarq %1.%2.%3, and the author of the "
                   "map restricted its use in campaigns of newer versions of Tarq. This map cannot "
                   "be added to campaign in version %4.%5.%6.")
            .arg(mapFileVersion.major)
            .arg(mapFileVersion.minor)
            .arg(mapFileVersion.patch)
            .arg(editorVersion.major)
            .arg(editorVersion.minor)
            .arg(editorVersion.patch);
    case MapUnknownFormat:
        return Texts::tr("Unknown map format - probably of newer Tarq versions.");
    default:
        return QString();
    }
}
