#pragma once

// Shared pieces of the fuzz targets: a reporter that shows nothing, and a scratch file.

#include "gamedata/messages.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <unistd.h>

class SilentReporter : public Messages::Reporter {
public:
    Messages::Button show(const Messages::Message &message) override {
        return message.defaultButton;
    }
};

inline void installSilentReporter() {
    static SilentReporter reporter;
    Messages::install(&reporter);
}

// A file under /dev/shm (or /tmp) holding the input, rewritten for every run.
inline QString scratchFile(const QString &suffix, const uint8_t *data, size_t size) {
    static const QString folder = QFile::exists(QStringLiteral("/dev/shm"))
                                      ? QStringLiteral("/dev/shm")
                                      : QStringLiteral("/tmp");
    const QString path =
        QStringLiteral("%1/tarq-fuzz-%2%3").arg(folder).arg(::getpid()).arg(suffix);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}
