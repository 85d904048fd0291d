// tarq-campaign unpack and pack run as a program on the demo games: the round trip to the bytes
// the editor saves, the refused edits of campaign.json, and edits that reach the campaign.

#include "campaignfilefixture.h"

#include <QJsonDocument>
#include <QJsonObject>

class TestCampaignJsonPack : public QObject {
    Q_OBJECT

private:
    QTemporaryDir english;
    QTemporaryDir russian;
    QTemporaryDir scratch;
    QString marches; // Marches.y6c unpacked
    QByteArray marchesJson;

    ProcessResult tool(const QString &game, const QStringList &arguments) {
        return runProgram(QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE),
                          arguments + QStringList{"--game", game}, scratch.path());
    }

    // Marches.y6c packed after campaign.json was edited as a person would, in a text editor.
    ProcessResult packEdited(const QByteArray &from, const QByteArray &to, const QString &target) {
        writeWholeFile(marches + "/campaign.json", QByteArray(marchesJson).replace(from, to));
        return tool(english.path(), {"pack", marches, target});
    }

private slots:
    void initTestCase() {
        QVERIFY(english.isValid() && russian.isValid() && scratch.isValid());
        QString error;
        QVERIFY2(makeDemoGame(english.path(), {}, &error), qPrintable(error));
        QVERIFY2(makeDemoGame(russian.path(), {"--language", "ru"}, &error), qPrintable(error));
        marches = scratch.filePath("marches");
        QCOMPARE(tool(english.path(), {"unpack", english.filePath("Maps/Marches.y6c"), marches})
                     .exitCode,
                 0);
        marchesJson = readWholeFile(marches + "/campaign.json");
    }

    void packOfUnpackIsResave_data() {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("campaign");
        for (const auto &game :
             {std::make_pair("en", english.path()), std::make_pair("ru", russian.path())}) {
            for (const QString &path : sampleCampaignFiles(game.second + "/Maps"))
                QTest::newRow(qPrintable(game.first + (' ' + QFileInfo(path).fileName())))
                    << game.second << path;
        }
    }

    void packOfUnpackIsResave() {
        QFETCH(QString, game);
        QFETCH(QString, campaign);
        const QString folder = scratch.filePath("round-trip");
        QDir(folder).removeRecursively();
        const ProcessResult unpack = tool(game, {"unpack", campaign, folder});
        QCOMPARE(unpack.standardError + QByteArray::number(unpack.exitCode), QByteArray("0"));
        const ProcessResult pack = tool(game, {"pack", folder, scratch.filePath("packed.y6c")});
        QCOMPARE(pack.standardError + QByteArray::number(pack.exitCode), QByteArray("0"));
        QCOMPARE(tool(game, {"resave", campaign, scratch.filePath("resaved.y6c")}).exitCode, 0);
        QVERIFY(readWholeFile(scratch.filePath("packed.y6c")) ==
                readWholeFile(scratch.filePath("resaved.y6c")));
    }

    void refusedEdits_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("message");
        // Messages are one line, with their line breaks as \n.
        const QString json = "warning|Error|Cannot read file " + marches + "/campaign.json:\\n";
        const QByteArray map = "\"maps/00-GreywaterFens.y6m\"";
        const QString outside = english.filePath("Maps/Chain.y6c");
        QByteArray bonuses = "\"bonuses\": [";
        for (int i = 0; i < 253; ++i)
            bonuses += "{\"type\": 2, \"building\": 1},";

        QTest::newRow("unknown layout")
            << QByteArray("/1\"") << QByteArray("/2\"")
            << json + "format: unknown layout \"tarq-campaign/2\"; this program reads "
                      "\"tarq-campaign/1\".";
        QTest::newRow("missing key") << QByteArray("\"difficulty\": 1,") << QByteArray()
                                     << json + "scenarios[0].difficulty: missing.";
        QTest::newRow("unknown key")
            << QByteArray("\"difficulty\": 1,") << QByteArray("\"difficulty\": 1, \"colour\": 3,")
            << json + "scenarios[0].colour: unknown key.";
        QTest::newRow("wrong type")
            << QByteArray("\"music\": 49") << QByteArray("\"music\": \"49\"")
            << json + "music: expected a whole number from 0 to 255.";
        QTest::newRow("colour of 300")
            << QByteArray("\"regionColor\": 0") << QByteArray("\"regionColor\": 300")
            << json + "scenarios[0].regionColor: 300 is not a whole number from 0 to 255.";
        QTest::newRow("hero of 70000")
            << QByteArray("\"hero\": 5,") << QByteArray("\"hero\": 70000,")
            << json + "scenarios[0].startOptions.bonuses[0].hero: 70000 is not a whole number "
                      "from 0 to 65535.";
        QTest::newRow("bit beyond the set")
            << QByteArray("\"heroKeeps\": [\n                0") << QByteArray("\"heroKeeps\": [5")
            << json + "scenarios[0].heroKeeps[0]: 5 is not a whole number from 0 to 4.";
        QTest::newRow("text outside the code page")
            << QByteArray("where it all") << QByteArray("\xd0\x96")
            << json + "scenarios[0].regionText: the character \"\u0416\" (U+0416) cannot be "
                      "written in the campaign file's code page windows-1252.";
        QTest::newRow("256 bonuses")
            << QByteArray("\"bonuses\": [") << bonuses
            << json + "scenarios[0].startOptions.bonuses: 256 entries, but the campaign file "
                      "holds at most 255.";
        QTest::newRow("scenario count")
            << QByteArray("\"campaignMap\": 24") << QByteArray("\"campaignMap\": 26")
            << json + "scenarios: campaign map 26 has 3 regions, so the campaign has 3 "
                      "scenarios, not 6.";
        QTest::newRow("map outside the folder")
            << map << '"' + outside.toUtf8() + '"'
            << json + "scenarios[0].mapData: " + outside + " lies outside the folder.";
        QTest::newRow("missing map") << map << QByteArray("\"maps/none.y6m\"")
                                     << "warning|Error|Cannot read file " + marches +
                                            "/maps/none.y6m:\\nNo such file or directory.";
        QTest::newRow("damaged map")
            << map << QByteArray("\"campaign.json\"")
            << "warning|Error|" + marches +
                   "/campaign.json:\\nUnknown map format - probably of newer Tarq versions.";
    }

    void refusedEdits() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, message);
        const QString target = scratch.filePath("refused.y6c");
        const ProcessResult result = packEdited(from, to, target);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(QString::fromUtf8(result.standardError), message + '\n');
        QVERIFY(!QFile::exists(target));
    }

    void editedFieldsReachTheCampaign() {
        const QString packed = scratch.filePath("edited.y6c");
        const QByteArray edited = QByteArray(marchesJson)
                                      .replace("where it all", "redrawn, where it all")
                                      .replace("\"amount\": 2500", "\"amount\": 1234");
        QCOMPARE(packEdited(marchesJson, edited, packed).exitCode, 0);
        const QJsonObject info =
            QJsonDocument::fromJson(tool(english.path(), {"info", packed}).standardOutput).object();
        QCOMPARE(info["scenarios"][0]["regionText"].toString(),
                 QString("The fens, redrawn, where it all begins."));
        QCOMPARE(info["scenarios"][2]["startOptions"]["bonuses"][1]["amount"].toInt(), 1234);
    }
};

QTEST_GUILESS_MAIN(TestCampaignJsonPack)
#include "test_campaignjsonpack.moc"
