#include "campaign/mapimport.h"

#include "campaign/campaignfile.h"
#include "campaign/cmpscenario.h"
#include "campaign/editorvalues.h"
#include "campaign/mapheaderreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <zlib.h>

namespace {
constexpr int chunkSize = 8192;

// Texts shown by this file, in the QObject translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(QObject)
};
} // namespace

bool readUncompressedFile(const QString &path, QByteArray *bytes) {
    gzFile in = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!in)
        return false;
    bytes->clear();
    char chunk[chunkSize];
    for (;;) {
        const int count = gzread(in, chunk, chunkSize);
        // A damaged stream ends the reading; what came before it is kept.
        if (count <= 0)
            break;
        bytes->append(chunk, count);
    }
    gzclose(in);
    return true;
}

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
