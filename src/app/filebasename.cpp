#include "app/filebasename.h"

#include <QFileInfo>

QString fileBaseName(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 1 ? name.left(dot) : name;
}
