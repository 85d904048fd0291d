// tarq-campaign unpack and pack run as a program on the demo games: the round trip to the bytes
// the editor saves (so every field written is read back), and the refused edits of
// campaign.json.

#include "campaignfilefixture.h"

class TestCampaignJsonPack : public QObject {
    Q_OBJECT

private:
    QTemporaryDir english;
    QTemporaryDir russian;
    QTemporaryDir scratch;
    QString marches; // Marches.y6c unpacked
    QByteArray marchesJson;

    // The tool's messages, then its exit status.
    QString run(const QString &game, const QStringList &arguments) {
        const ProcessResult result = runProgram(QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE),
                                                arguments + QStringList{"--game", game});
        return QString::fromUtf8(result.standardError) + QString::number(result.exitCode);
    }

private slots:
    void initTestCase() {
        QVERIFY(english.isValid() && russian.isValid() && scratch.isValid());
        QString error;
        QVERIFY2(makeDemoGame(english.path(), {}, &error), qPrintable(error));
        QVERIFY2(makeDemoGame(russian.path(), {"--language", "ru"}, &error), qPrintable(error));
        marches = scratch.filePath("marches");
        QCOMPARE(run(english.path(), {"unpack", english.filePath("Maps/Marches.y6c"), marches}),
                 QString("0"));
        marchesJson = readWholeFile(marches + "/campaign.json");
    }

    void packOfUnpackIsResave_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("campaign");
        for (const QString &game : {english.path(), russian.path()}) {
            for (const QString &path : sampleCampaignFiles(game + "/Maps"))
                QTest::newRow(qPrintable((game == english.path() ? "en " : "ru ") +
                                         QFileInfo(path).fileName()))
                    << game << path;
        }
    }

    void packOfUnpackIsResave() {
        QFETCH(QString, game);
        QFETCH(QString, campaign);
        const QString folder = scratch.filePath("round-trip");
        QDir(folder).removeRecursively();
        QCOMPARE(run(game, {"unpack", campaign, folder}), QString("0"));
        QCOMPARE(run(game, {"pack", folder, scratch.filePath("packed.y6c")}), QString("0"));
        QCOMPARE(run(game, {"resave", campaign, scratch.filePath("resaved.y6c")}), QString("0"));
        QVERIFY(readWholeFile(scratch.filePath("packed.y6c")) ==
                readWholeFile(scratch.filePath("resaved.y6c")));
    }

    void refusedEdits_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message");
        // One line per message, its line breaks written as \n, then the exit status.
        const QString json = "warning|Error|Cannot read file " + marches + "/campaign.json:\\n";
        const QString map = "\"maps/00-GreywaterFens.y6m\"";
        const QString outside = english.filePath("Maps/Chain.y6c");
        const QString bonuses =
            "\"bonuses\": [" + QString("{\"type\": 2, \"building\": 1},").repeated(253);

        QTest::newRow("unknown layout") << "/1\""
                                        << "/2\""
                                        << json + "format: unknown layout \"tarq-campaign/2\"; "
                                                  "this program reads \"tarq-campaign/1\".";
        QTest::newRow("missing key") << "\"difficulty\": 1,"
                                     << "" << json + "scenarios[0].difficulty: missing.";
        QTest::newRow("unknown key")
            << "\"difficulty\": 1,"
            << "\"difficulty\": 1, \"colour\": 3," << json + "scenarios[0].colour: unknown key.";
        QTest::newRow("wrong type")
            << "\"music\": 49"
            << "\"music\": \"49\"" << json + "music: expected a whole number from 0 to 255.";
        QTest::newRow("colour of 300")
            << "\"regionColor\": 0"
            << "\"regionColor\": 300"
            << json + "scenarios[0].regionColor: 300 is not a whole number from 0 to 255.";
        QTest::newRow("hero of 70000")
            << "\"hero\": 5,"
            << "\"hero\": 70000,"
            << json + "scenarios[0].startOptions.bonuses[0].hero: 70000 is not a whole number "
                      "from 0 to 65535.";
        QTest::newRow("text outside the code page")
            << "where it all"
            << "\u0416"
            << json + "scenarios[0].regionText: the character \"\u0416\" (U+0416) cannot be "
                      "written in the campaign file's code page windows-1252.";
        QTest::newRow("256 bonuses") << "\"bonuses\": [" << bonuses
                                     << json + "scenarios[0].startOptions.bonuses: 256 entries, "
                                               "but the campaign file holds at most 255.";
        QTest::newRow("scenario count") << "\"campaignMap\": 24"
                                        << "\"campaignMap\": 26"
                                        << json + "scenarios: campaign map 26 has 3 regions, so "
                                                  "the campaign has 3 scenarios, not 6.";
        QTest::newRow("map outside the folder")
            << map << '"' + outside + '"'
            << json + "scenarios[0].mapData: " + outside + " lies outside the folder.";
        QTest::newRow("missing map") << map << "\"maps/none.y6m\""
                                     << "warning|Error|Cannot read file " + marches +
                                            "/maps/none.y6m:\\nNo such file or directory.";
        QTest::newRow("damaged map") << map << "\"campaign.json\""
                                     << "warning|Error|" + marches +
                                            "/campaign.json:\\nUnknown map format - probably of "
                                            "newer Tarq versions.";
    }

    void refusedEdits() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        // Marches packed after its campaign.json was edited as people do, in a text editor.
        const QByteArray edited = QByteArray(marchesJson).replace(from.toUtf8(), to.toUtf8());
        writeWholeFile(marches + "/campaign.json", edited);
        const QString target = scratch.filePath("refused.y6c");
        QCOMPARE(run(english.path(), {"pack", marches, target}), message + "\n1");
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_GUILESS_MAIN(TestCampaignJsonPack)
#include "test_campaignjsonpack.moc"
