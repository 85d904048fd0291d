#include "demogame.h"

#include "archives.h"
#include "campaigns.h"
#include "maps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool writeGameFile(const QString &gameDir, const QString &relativePath, const QByteArray &bytes,
                   QString *error) {
    const QString path = gameDir + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool writeDemoGame(const QString &gameDir, const DemoOptions &options, QString *error) {
    if (!QDir().mkpath(gameDir)) {
        *error = QStringLiteral("cannot create %1").arg(gameDir);
        return false;
    }
    return writeSettingsFile(gameDir, options, error) && writeTarqDat(gameDir, options, error) &&
           writeArchives(gameDir, options, error) && writeMusic(gameDir, options, error) &&
           writeTranslations(gameDir, error) && writeDemoMaps(gameDir, options, error) &&
           writeDemoCampaigns(gameDir, options, error);
}

bool writeLooseEntries(const QString &dir, const DemoOptions &options, QString *error) {
    for (const DemoArchiveEntry &entry : demoTableEntries(options) + demoPictureEntries(options)) {
        if (!writeGameFile(dir, entry.name, entry.bytes, error))
            return false;
    }
    return true;
}
