#include "gamedata/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

bool isRegularFile(const QString &path) {
    return QFileInfo(path).isFile();
}

bool openRegularFile(QFile &file, QString *reason) {
    if (!isRegularFile(file.fileName())) {
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(ENOENT));
        return false;
    }
    if (file.open(QIODevice::ReadOnly))
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}
