// tarq-campaign unpack and pack run as a program on the demo games: the round trip to the bytes
// the editor saves, the refused edits of campaign.json, and an edit that reaches the campaign.

#include "campaignfilefixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The value at a path of keys and indices replaced (removed when `value` is undefined).
QJsonValue replaced(const QJsonValue &root, QStringList path, const QJsonValue &value) {
    if (path.isEmpty())
        return value;
    const QString step = path.takeFirst();
    if (root.isArray()) {
        QJsonArray array = root.toArray();
        const int index = step.toInt();
        if (index == array.size())
            array.append(replaced(QJsonValue(), path, value));
        else
            array[index] = replaced(array[index], path, value);
        return array;
    }
    QJsonObject object = root.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = replaced(object[step], path, value);
    return object;
}

} // namespace

class TestCampaignJsonPack : public QObject {
    Q_OBJECT

private:
    QTemporaryDir english;
    QTemporaryDir russian;
    QTemporaryDir scratch;

    ProcessResult tool(const QString &game, const QStringList &arguments) {
        return runProgram(QStringLiteral(TARQ_CAMPAIGN_TOOL_EXE),
                          arguments + QStringList{"--game", game}, scratch.path());
    }

    QString marches; // Marches.y6c unpacked, its campaign.json edited by the refusal rows
    QJsonObject marchesJson;

    // Unpacks a sample of the English demo game into a scratch folder.
    QString unpacked(const QString &sample, const QString &name) {
        const QString folder = scratch.filePath(name);
        const ProcessResult result =
            tool(english.path(), {"unpack", english.filePath("Maps/" + sample), folder});
        if (result.exitCode != 0)
            qWarning("unpack: %s", result.standardError.constData());
        return folder;
    }

    QJsonObject readJson(const QString &path) {
        return QJsonDocument::fromJson(readWholeFile(path)).object();
    }

private slots:
    void initTestCase() {
        QVERIFY(english.isValid() && russian.isValid() && scratch.isValid());
        QString error;
        QVERIFY2(makeDemoGame(english.path(), {}, &error), qPrintable(error));
        QVERIFY2(makeDemoGame(russian.path(), {"--language", "ru"}, &error), qPrintable(error));
        marches = unpacked("Marches.y6c", "marches");
        marchesJson = readJson(marches + "/campaign.json");
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
        QCOMPARE(unpack.standardError, QByteArray());
        QCOMPARE(unpack.exitCode, 0);
        const QString packed = scratch.filePath("packed.y6c");
        const ProcessResult pack = tool(game, {"pack", folder, packed});
        QCOMPARE(pack.standardError, QByteArray());
        QCOMPARE(pack.exitCode, 0);
        const QString resaved = scratch.filePath("resaved.y6c");
        QCOMPARE(tool(game, {"resave", campaign, resaved}).exitCode, 0);
        QVERIFY(readWholeFile(packed) == readWholeFile(resaved));
    }

    void refusedEdits_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("message");
        const QJsonValue removed = QJsonValue(QJsonValue::Undefined);
        QJsonArray bonuses;
        for (int i = 0; i < 256; ++i)
            bonuses.append(QJsonObject{{"type", 2}, {"building", 1}});
        const QString outside = english.filePath("Maps/Chain.y6c");
        // Messages appear on one line, with their line breaks as \n.
        const QString json = "warning|Error|Cannot read file " + marches + "/campaign.json:\\n";
        const QString map = "warning|Error|" + marches + '/';

        QTest::newRow("unknown layout")
            << "format" << QJsonValue("tarq-campaign/2")
            << json + "format: unknown layout \"tarq-campaign/2\"; this program reads "
                      "\"tarq-campaign/1\".";
        QTest::newRow("missing key")
            << "scenarios/0/difficulty" << removed << json + "scenarios[0].difficulty: missing.";
        QTest::newRow("unknown key")
            << "scenarios/1/colour" << QJsonValue(3) << json + "scenarios[1].colour: unknown key.";
        QTest::newRow("text for a number")
            << "music" << QJsonValue("34")
            << json + "music: expected a whole number from 0 to 255.";
        QTest::newRow("number for a flag")
            << "withMap" << QJsonValue(1) << json + "withMap: expected true or false.";
        QTest::newRow("colour of 300")
            << "scenarios/2/regionColor" << QJsonValue(300)
            << json + "scenarios[2].regionColor: 300 is not a whole number from 0 to 255.";
        QTest::newRow("hero of 70000")
            << "scenarios/4/startOptions/heroes/1/hero" << QJsonValue(70000)
            << json + "scenarios[4].startOptions.heroes[1].hero: 70000 is not a whole number from "
                      "0 to 65535.";
        QTest::newRow("artifact beyond the game's")
            << "scenarios/0/artifactsKept" << QJsonValue(QJsonArray{3, 149})
            << json + "scenarios[0].artifactsKept[1]: 149 is not a whole number from 0 to 148.";
        QTest::newRow("text outside the code page")
            << "scenarios/1/regionText" << QJsonValue("Fens \u0416")
            << json + "scenarios[1].regionText: the character \"\u0416\" (U+0416) cannot be "
                      "written in the campaign file's code page windows-1252.";
        QTest::newRow("256 bonuses")
            << "scenarios/0/startOptions/bonuses" << QJsonValue(bonuses)
            << json + "scenarios[0].startOptions.bonuses: 256 entries, but the campaign file "
                      "holds at most 255.";
        QTest::newRow("one scenario too many")
            << "scenarios/6" << QJsonValue(QJsonObject())
            << json + "scenarios: campaign map 24 has 6 regions, so the campaign has 6 scenarios, "
                      "not 7.";
        QTest::newRow("map outside the folder")
            << "scenarios/0/mapData" << QJsonValue(outside)
            << json + "scenarios[0].mapData: " + outside + " lies outside the folder.";
        QTest::newRow("missing map") << "scenarios/0/mapData" << QJsonValue("maps/none.y6m")
                                     << "warning|Error|Cannot read file " + marches +
                                            "/maps/none.y6m:\\nNo such file or directory.";
        QTest::newRow("damaged map")
            << "scenarios/0/mapData" << QJsonValue("campaign.json")
            << map + "campaign.json:\\nUnknown map format - probably of newer Tarq versions.";
    }

    void refusedEdits() {
        QFETCH(QString, path);
        QFETCH(QJsonValue, value);
        QFETCH(QString, message);
        const QJsonValue edited = replaced(marchesJson, path.split('/'), value);
        writeWholeFile(marches + "/campaign.json", QJsonDocument(edited.toObject()).toJson());
        const QString target = scratch.filePath("refused.y6c");
        const ProcessResult result = tool(english.path(), {"pack", marches, target});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(QString::fromUtf8(result.standardError), message + '\n');
        QVERIFY(!QFile::exists(target));
    }

    void editedFieldsReachTheCampaign() {
        const QString folder = unpacked("Marches.y6c", "edited");
        QJsonValue json = readJson(folder + "/campaign.json");
        json = replaced(json, {"scenarios", "1", "regionText"}, "The fens, redrawn");
        json = replaced(json, {"scenarios", "2", "startOptions", "bonuses", "1", "amount"}, 1234);
        writeWholeFile(folder + "/campaign.json", QJsonDocument(json.toObject()).toJson());
        const QString packed = scratch.filePath("edited.y6c");
        QCOMPARE(tool(english.path(), {"pack", folder, packed}).exitCode, 0);
        const QJsonObject info =
            QJsonDocument::fromJson(tool(english.path(), {"info", packed}).standardOutput).object();
        QCOMPARE(info["scenarios"][1]["regionText"].toString(), QString("The fens, redrawn"));
        QCOMPARE(info["scenarios"][2]["startOptions"]["bonuses"][1]["amount"].toInt(), 1234);
    }
};

QTEST_GUILESS_MAIN(TestCampaignJsonPack)
#include "test_campaignjsonpack.moc"
