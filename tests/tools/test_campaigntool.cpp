// tarq-campaign run as a program on the demo game: JSON of campaigns and maps, exporting maps,
// exporting and importing texts, converting, messages on standard error and exit statuses.

#include "campaign/campaigncheck.h"
#include "campaignfilefixture.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class TestCampaignTool : public QObject {
    Q_OBJECT

private:
    QTemporaryDir demo;
    QTemporaryDir scratch;
    QString mapsFolder;

    ProcessResult tool(const QStringList &arguments, bool withGame = true) {
        QStringList all = arguments;
        if (withGame)
            all << QStringLiteral("--game") << demo.path();
        return runProgram(QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE), all, scratch.path());
    }

    QJsonObject json(const ProcessResult &result) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(result.standardOutput, &error);
        if (error.error != QJsonParseError::NoError)
            qWarning("not JSON: %s", qPrintable(error.errorString()));
        return document.object();
    }

    QStringList errorLines(const ProcessResult &result) {
        return QString::fromLocal8Bit(result.standardError).split('\n', Qt::SkipEmptyParts);
    }

    QString sample(const char *name) { return mapsFolder + '/' + QLatin1String(name); }
    QString scratchFile(const char *name) { return scratch.filePath(QLatin1String(name)); }
    QJsonObject info(const QString &path) { return json(tool({"info", path})); }

private slots:
    void initTestCase() {
        QVERIFY(demo.isValid() && scratch.isValid());
        mapsFolder = sampleCampaignFolder(demo);
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList();
        QTest::newRow("unknown command") << QStringList{"unzip", "a.y6c"};
        QTest::newRow("resave with one file") << QStringList{"resave", "a.y6c"};
        QTest::newRow("unknown option") << QStringList{"--verbose", "info", "a.y6c"};
        QTest::newRow("convert with both")
            << QStringList{"convert", "a.y6c", "b.y6c", "--map", "3", "--background", "1"};
        QTest::newRow("convert with a word") << QStringList{"convert", "a", "b", "--map", "x"};
        QTest::newRow("--map on another command") << QStringList{"resave", "a", "b", "--map", "3"};
        QTest::newRow("check with two files") << QStringList{"check", "a.y6c", "b.y6c"};
        QTest::newRow("--json on another command") << QStringList{"info", "a.y6c", "--json"};
    }

    void usageErrors() {
        QFETCH(QStringList, arguments);
        const ProcessResult result = tool(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.standardOutput.isEmpty());
        QVERIFY(result.standardError.contains("Usage:"));
    }

    // The campaign's own fields are those campaign.json holds (the unpack and pack test reads
    // them back strictly); info adds the file's version, each map's digest and its header.
    void infoPrintsTheWholeCampaign() {
        const ProcessResult result = tool({"info", sample("Marches.y6c")});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.standardError.isEmpty());
        const QJsonObject campaign = json(result);
        QCOMPARE(campaign.value("campaignFileVersion").toString(), QStringLiteral("1.7.3"));
        const QJsonArray scenarios = campaign.value("scenarios").toArray();
        const QJsonObject fens = scenarios[0].toObject();
        const QByteArray map = splitCampaignFile(readWholeFile(sample("Marches.y6c")))
                                   .maps.left(fens["mapSize"].toInt());
        const QString digest = QCryptographicHash::hash(map, QCryptographicHash::Sha256).toHex();
        QCOMPARE(fens["mapData"].toObject(),
                 (QJsonObject{{"size", map.size()}, {"sha256", digest}}));
        writeWholeFile(scratchFile("fens.y6m"), map);
        QCOMPARE(fens["mapHeader"].toObject(), json(tool({"map-info", scratchFile("fens.y6m")})));
        QVERIFY(scenarios[5]["mapHeader"].isNull() && scenarios[5]["startOptions"].isNull());
    }

    // check: 0 without errors (warnings alone too), 1 with errors, 2 for a file it cannot read;
    // the help lists every check.
    void checkExitStatuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("output");
        const QString broken = sample("Broken.y6c");
        QTest::newRow("clean") << QStringList{"check", sample("Chain.y6c")} << 0 << QStringList();
        QTest::newRow("warnings only")
            << QStringList{"check", sample("Marches.y6c")} << 0
            << QStringList{"warning|region-without-map|5|The region Kestrel Coast has no "
                           "scenario map and stays empty."};
        // The broken sample holds every error the check knows.
        QStringList errors{"error|map-unreadable|7|The map Damaged.y6m"}, ids;
        for (const CheckDefinition &check : campaignChecks()) {
            ids << QLatin1String(check.id);
            if (check.severity == CheckSeverity::Error)
                errors << QStringLiteral("error|%1|").arg(QLatin1String(check.id));
        }
        QTest::newRow("errors") << QStringList{"check", broken} << 1 << errors;
        QTest::newRow("errors as JSON")
            << QStringList{"check", broken, "--json"} << 1
            << QStringList{"[\n", "\"id\": \"no-starting-scenario\"", "\"scenario\": null",
                           "\"page\": \"starting-options\"", "\"severity\": \"warning\""};
        QTest::newRow("missing file")
            << QStringList{"check", scratch.filePath("missing.y6c")} << 2 << QStringList();
        QTest::newRow("not a campaign")
            << QStringList{"check", sample("GullRock.y6m")} << 2 << QStringList();
        QTest::newRow("every id in the help") << QStringList{"--help"} << 0 << ids;
    }

    void checkExitStatuses() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, output);
        const ProcessResult result = tool(arguments);
        QCOMPARE(result.exitCode, exitCode);
        const QString printed = QString::fromLocal8Bit(result.standardOutput);
        for (const QString &expected : output)
            QVERIFY2(printed.contains(expected), qPrintable(printed));
        if (output.isEmpty())
            QCOMPARE(printed, QString());
        QCOMPARE(result.standardError.isEmpty(), exitCode != 2);
    }

    // The library's own refusals reach standard error as they reach the editor's user (their
    // texts are checked where they are made); the rows here are the program's own.
    void refusedInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstError");
        const QString cut = scratch.filePath("cut.y6c");
        writeWholeFile(cut, readWholeFile(sample("Marches.y6c")).left(40));
        QTest::newRow("campaign cut short")
            << QStringList{"info", cut}
            << "tarq-campaign: " + cut + ": the campaign cannot be read";
        const QString unknownMap = scratch.filePath("unknown.y6m");
        writeWholeFile(unknownMap, QByteArray("\x63\0\0\0\x01", 5));
        QTest::newRow("map of an unknown format")
            << QStringList{"map-info", unknownMap}
            << "warning|Error|Unknown map format - probably of newer Tarq versions.";
        const QString cutMap = scratch.filePath("cut.y6m");
        writeWholeFile(cutMap, readWholeFile(sample("GullRock.y6m")).chopped(200));
        QTest::newRow("map cut short") << QStringList{"map-info", cutMap}
                                       << "warning|Error|Cannot read file cut.y6m. Map has errors.";
        const QString missingMap = scratch.filePath("missing.y6m");
        QTest::newRow("missing map")
            << QStringList{"map-info", missingMap}
            << "warning|Error|Cannot read file " + missingMap + ":\\nNo such file or directory.";
        const QString missingText = scratch.filePath("missing.txt");
        QTest::newRow("missing texts")
            << QStringList{"import-texts", sample("Chain.y6c"), missingText,
                           scratch.filePath("refused.y6c")}
            << "warning|Error|Cannot read file " + missingText + ":\\nNo such file or directory.";
        if (QFile::exists("/dev/full"))
            QTest::newRow("texts to a full disk")
                << QStringList{"export-texts", sample("Chain.y6c"), "/dev/full"}
                << "warning|Error|Cannot write file /dev/full:\\nNo space left on device.";
    }

    void refusedInput() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstError);
        const bool targetExisted = QFile::exists(arguments.last());
        const ProcessResult result = tool(arguments);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.standardOutput.isEmpty());
        QVERIFY2(!errorLines(result).isEmpty(), "no message");
        QCOMPARE(errorLines(result).first(), firstError);
        // A refused command writes no target.
        if (arguments.size() > 2 && !targetExisted)
            QVERIFY(!QFile::exists(arguments.last()));
    }

    // Without --game the catalogue comes from the program's own folder, not the current one.
    void gameFolderDefaultsToTheProgramsFolder() {
        const ProcessResult result = runProgram(QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE),
                                                {"info", "Maps/Marches.y6c"}, demo.path());
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.standardOutput.isEmpty());
    }

    // The maps' bytes are checked where the editor exports them; the program names each file.
    void exportMapsNamesEveryEmbeddedMap() {
        const QString folder = scratch.filePath("exported");
        const ProcessResult result = tool({"export-maps", sample("Chain.y6c"), folder});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QString::fromLocal8Bit(result.standardOutput).split('\n', Qt::SkipEmptyParts),
                 QStringList({folder + "/OldBorder.y6m", folder + "/Saltmarrow.y6m",
                              folder + "/GullRock.y6m"}));
    }

    // What an edited text file changes is checked by the library's tests; here the two
    // commands carry a translation into a saved campaign.
    void exportEditImport() {
        const QString text = scratchFile("marches.txt");
        QCOMPARE(tool({"export-texts", sample("Marches.y6c"), text}).exitCode, 0);
        writeWholeFile(text, readWholeFile(text).replace("The Marches", "Die Marken"));
        const QString translated = scratchFile("translated.y6c");
        const ProcessResult result =
            tool({"import-texts", sample("Marches.y6c"), text, translated});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.standardError.isEmpty());
        QCOMPARE(info(translated).value("name").toString(), QStringLiteral("Die Marken"));
    }

    // Which scenarios survive is checked by the conversion's own test; here the options choose
    // the target, and the wrong or a missing one is refused.
    void convertBothWays() {
        const QString withMap = scratchFile("chain-with-map.y6c");
        ProcessResult result = tool({"convert", sample("Chain.y6c"), withMap, "--map", "3"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(errorLines(result), QStringList()); // the command line asks nothing
        QCOMPARE(info(withMap).value("campaignMap").toInt(), 3);
        const QString withoutMap = scratchFile("marches-without-map.y6c");
        result = tool({"convert", sample("Marches.y6c"), withoutMap, "--background", "1"});
        QCOMPARE(result.exitCode, 0);
        const QJsonObject campaign = info(withoutMap);
        QCOMPARE(campaign.value("withMap").toBool(), false);
        QCOMPARE(campaign.value("background").toInt(), 1);
        QCOMPARE(tool({"convert", sample("Marches.y6c"), withMap, "--map", "3"}).exitCode, 2);
        QCOMPARE(tool({"convert", sample("Chain.y6c"), withMap, "--map", "200"}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestCampaignTool)
#include "test_campaigntool.moc"
