// tarq-campaign's text and conversion commands on the demo game: export-texts, import-texts and
// convert, their messages on standard error and their exit statuses.

#include "campaignfilefixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

class TestCampaignTextTool : public QObject {
    Q_OBJECT

private:
    QTemporaryDir demo;
    QTemporaryDir scratch;
    QString mapsFolder;

    ProcessResult tool(const QStringList &arguments) {
        return runProgram(QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE),
                          arguments + QStringList{QStringLiteral("--game"), demo.path()},
                          scratch.path());
    }

    QStringList errorLines(const ProcessResult &result) {
        return QString::fromUtf8(result.standardError).split('\n', Qt::SkipEmptyParts);
    }

    QJsonObject info(const QString &path) {
        return QJsonDocument::fromJson(tool({"info", path}).standardOutput).object();
    }

    QString sample(const char *name) { return mapsFolder + '/' + QLatin1String(name); }
    QString scratchFile(const char *name) { return scratch.filePath(QLatin1String(name)); }

private slots:
    void initTestCase() {
        QVERIFY(demo.isValid() && scratch.isValid());
        mapsFolder = sampleCampaignFolder(demo);
    }

    void helpDescribesTheCommands() {
        const ProcessResult result =
            runProgram(QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE), {"--help"}, scratch.path());
        QCOMPARE(result.exitCode, 0);
        for (const char *word :
             {"export-texts", "import-texts", "convert", "--map", "--background"})
            QVERIFY2(result.standardOutput.contains(word), word);
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("export-texts with one file") << QStringList{"export-texts", "a.y6c"};
        QTest::newRow("import-texts with two files")
            << QStringList{"import-texts", "a.y6c", "b.txt"};
        QTest::newRow("convert without target") << QStringList{"convert", "a.y6c", "b.y6c"};
        QTest::newRow("convert with both")
            << QStringList{"convert", "a.y6c", "b.y6c", "--map", "3", "--background", "1"};
        QTest::newRow("convert with a word") << QStringList{"convert", "a", "b", "--map", "x"};
        QTest::newRow("--map on another command") << QStringList{"resave", "a", "b", "--map", "3"};
    }

    void usageErrors() {
        QFETCH(QStringList, arguments);
        const ProcessResult result = tool(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.standardError.contains("Usage:"));
    }

    void exportEditImportSaveReopen() {
        const QString text = scratchFile("marches.txt");
        ProcessResult result = tool({"export-texts", sample("Marches.y6c"), text});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.standardError.isEmpty());
        QByteArray file = readWholeFile(text);
        QVERIFY(file.startsWith("Name:\r\nThe Marches\r\n\r\nDescription:\r\n"));

        file.replace("The Marches", "Die Marken");
        file.replace("Homeward.", "Heimw\xe4rts.\tEnde");
        writeWholeFile(text, file);
        const QString translated = scratchFile("translated.y6c");
        result = tool({"import-texts", sample("Marches.y6c"), text, translated});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.standardError.isEmpty());
        const QJsonObject campaign = info(translated);
        QCOMPARE(campaign.value("name").toString(), QStringLiteral("Die Marken"));
        QCOMPARE(campaign.value("scenarios")[1]["epilogues"][1]["text"].toString(),
                 QStringLiteral("Heimw\u00e4rts.\nEnde"));

        // The translated campaign exports the edited file again.
        const QString again = scratchFile("again.txt");
        QCOMPARE(tool({"export-texts", translated, again}).exitCode, 0);
        QCOMPARE(readWholeFile(again), file);
    }

    void refusals() {
        const QString text = scratchFile("chain.txt");
        QCOMPARE(tool({"export-texts", sample("Chain.y6c"), text}).exitCode, 0);
        const QString target = scratchFile("refused.y6c");
        ProcessResult result = tool({"import-texts", sample("Marches.y6c"), text, target});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(errorLines(result),
                 QStringList{QStringLiteral("warning|Error|Cannot read file %1 - incorrect "
                                            "campaign text:\\nUnknown error.")
                                 .arg(text)});
        QVERIFY(!QFile::exists(target));

        const QString missing = scratchFile("missing.txt");
        result = tool({"import-texts", sample("Chain.y6c"), missing, target});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(errorLines(result).value(0).startsWith(
            QStringLiteral("warning|Error|Cannot read file %1:\\n").arg(missing)));

        const QString unwritable = scratchFile("no-such-folder/out.txt");
        result = tool({"export-texts", sample("Chain.y6c"), unwritable});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(errorLines(result).value(0).startsWith(
            QStringLiteral("warning|Error|Cannot write file %1:\\n").arg(unwritable)));
    }

    void convertBothWays() {
        // Chain: without map, three scenarios with maps; campaign map 3 has four regions.
        const QString withMap = scratchFile("chain-with-map.y6c");
        ProcessResult result = tool({"convert", sample("Chain.y6c"), withMap, "--map", "3"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(errorLines(result),
                 QStringList{"question|Save changes|Do you really want to convert the campaign "
                             "to different type?"});
        QJsonObject campaign = info(withMap);
        QCOMPARE(campaign.value("withMap").toBool(), true);
        QCOMPARE(campaign.value("campaignMap").toInt(), 3);
        const QJsonArray scenarios = campaign.value("scenarios").toArray();
        QCOMPARE(scenarios.size(), 4);
        QCOMPARE(scenarios[2]["prerequisites"].toArray(), QJsonArray({1}));
        QVERIFY(scenarios[3]["mapHeader"].isNull());

        // Marches: with map, five scenarios with maps, to background 1.
        const QString withoutMap = scratchFile("marches-without-map.y6c");
        result = tool({"convert", sample("Marches.y6c"), withoutMap, "--background", "1"});
        QCOMPARE(result.exitCode, 0);
        campaign = info(withoutMap);
        QCOMPARE(campaign.value("withMap").toBool(), false);
        QCOMPARE(campaign.value("background").toInt(), 1);
        QCOMPARE(campaign.value("scenarioCount").toInt(), 5);

        // Too few regions: the question warns.
        result = tool({"convert", withoutMap, scratchFile("small.y6c"), "--map", "26"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(errorLines(result),
                 QStringList{"question|Save changes|Do you really want to convert the campaign "
                             "to different type? Some scenarios will be deleted!"});
        QCOMPARE(info(scratchFile("small.y6c")).value("scenarios").toArray().size(), 3);

        // The wrong kind of target, and one the game does not have.
        QCOMPARE(tool({"convert", sample("Marches.y6c"), withMap, "--map", "3"}).exitCode, 2);
        QCOMPARE(tool({"convert", sample("Chain.y6c"), withMap, "--map", "200"}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestCampaignTextTool)
#include "test_campaigntexttool.moc"
