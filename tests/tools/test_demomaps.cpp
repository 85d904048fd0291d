#include "demogamefixture.h"
#include "filebytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The sample maps are fixtures of byte-exact tests elsewhere, so two runs of the generator must
// write the same bytes.
class TestDemoMaps : public QObject {
    Q_OBJECT

private slots:
    void mapsAreReproducible() {
        QTemporaryDir first;
        QTemporaryDir second;
        QString error;
        QVERIFY2(generateDemoGame(first.path(), {}, &error), qPrintable(error));
        QVERIFY2(generateDemoGame(second.path(), {}, &error), qPrintable(error));
        const QStringList maps =
            QDir(first.filePath(QStringLiteral("Maps"))).entryList({QStringLiteral("*.y6m")});
        QVERIFY(maps.size() >= 15);
        int compressed = 0;
        for (const QString &name : maps) {
            const QByteArray bytes = readWholeFile(first.filePath(QStringLiteral("Maps/") + name));
            QVERIFY2(bytes == readWholeFile(second.filePath(QStringLiteral("Maps/") + name)),
                     qPrintable(name));
            QVERIFY2(bytes.size() > 1000, qPrintable(name));
            if (bytes.startsWith("\x1f\x8b"))
                ++compressed;
        }
        QVERIFY(compressed > 0 && compressed < maps.size());
    }
};

QTEST_GUILESS_MAIN(TestDemoMaps)
#include "test_demomaps.moc"
