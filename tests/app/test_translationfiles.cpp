// The .ts files are current: lupdate run on the sources finds no text that they lack and they
// hold no text the sources no longer show. Every Russian entry is finished and keeps the
// placeholders of its source text.

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry {
    QString translation;
    bool finished = false;
};

// (context, source text and disambiguation comment) → entry, read from a .ts file.
using TsEntries = QMap<QPair<QString, QString>, Entry>;

QString sourceKey(const QString &source, const QString &comment) {
    return comment.isEmpty() ? source : source + QStringLiteral(" [") + comment + QLatin1Char(']');
}

TsEntries readTsFile(const QString &path, QString *error) {
    TsEntries entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    QString comment;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            comment.clear();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            Entry entry;
            const QStringRef type = xml.attributes().value(QLatin1String("type"));
            entry.finished = type.isEmpty();
            entry.translation = xml.readElementText();
            entries.insert({context, sourceKey(source, comment)}, entry);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return entries;
}

QSet<QString> placeholders(const QString &text) {
    QSet<QString> found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

QString describe(const QPair<QString, QString> &key) {
    return key.first + QStringLiteral(": \"") + key.second + QLatin1Char('"');
}

} // namespace

class TranslationFilesTest : public QObject {
    Q_OBJECT

private:
    TsEntries current; // what lupdate finds in the sources today

private slots:
    void initTestCase() {
        QTemporaryDir dir;
        const QString scan = dir.filePath(QStringLiteral("current.ts"));
        QProcess lupdate;
        lupdate.start(QStringLiteral(TARQ_LUPDATE_EXE),
                      {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral(TARQ_SOURCE_DIR "/src"),
                       QStringLiteral("-ts"), scan});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        QString error;
        current = readTsFile(scan, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(current.size() > 100);
    }

    void filesAreCurrent_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << QStringLiteral("cmp_en.ts");
        QTest::newRow("Russian") << QStringLiteral("cmp_ru.ts");
    }

    void filesAreCurrent() {
        QFETCH(QString, file);
        QString error;
        const TsEntries entries =
            readTsFile(QStringLiteral(TARQ_SOURCE_DIR "/translations/") + file, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        QStringList faults;
        for (auto it = current.cbegin(); it != current.cend(); ++it) {
            if (!entries.contains(it.key()))
                faults << QStringLiteral("missing ") + describe(it.key());
        }
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            if (!current.contains(it.key()))
                faults << QStringLiteral("no longer in the sources ") + describe(it.key());
            else if (!it->finished || it->translation.isEmpty())
                faults << QStringLiteral("unfinished ") + describe(it.key());
            else if (placeholders(it->translation) != placeholders(it.key().second))
                faults << QStringLiteral("placeholders differ in ") + describe(it.key());
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(faults.join(QLatin1Char('\n')) +
                            QStringLiteral("\nRun: cmake --build build --target "
                                           "update-translations, then translate the new texts")));
    }
};

QTEST_MAIN(TranslationFilesTest)
#include "test_translationfiles.moc"
