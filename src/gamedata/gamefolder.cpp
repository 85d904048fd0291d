#include "gamedata/gamefolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString chosenFolder;
}

QString gameFolder() {
    if (!chosenFolder.isEmpty())
        return chosenFolder;
    return QCoreApplication::applicationDirPath();
}

void setGameFolder(const QString &folder) {
    chosenFolder = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

QString gamePath(const QString &relativePath) {
    return gameFolder() + QLatin1Char('/') + relativePath;
}
