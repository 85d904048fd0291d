#pragma once

// Whole files as bytes, for the tests that compare or prepare what lies on disk.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

// The file's bytes; none when it cannot be read.
inline QByteArray readWholeFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

inline void writeWholeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}
