#include "gamedata/missingpicture.h"

#include "gamedata/gamepictures.h"
#include "gamedata/imagecache.h"
#include "gamedata/messages.h"

#include <QCoreApplication>

void reportMissingPicture(const QString &name) {
    QSet<QString> &reported = imageCache().reportedMissing;
    if (reported.contains(name))
        return;
    reported.insert(name);
    Messages::warning(
        QCoreApplication::translate("QObject", "Error"),
        QCoreApplication::translate("QObject", "Can't find %1 file in lod file").arg(name));
}

QImage requiredTransparentPicture(const QString &name) {
    const QImage image = decodeTransparentPicture(name);
    if (image.isNull())
        reportMissingPicture(name);
    return image;
}
