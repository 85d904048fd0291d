// The Russian demo game: its texts reach the editor through the Cyrillic code page, in the game
// catalogue, in the sample campaigns (loaded, saved back, exported and imported as text) and in
// a whole run of the editor.

#include "campaignfilefixture.h"
#include "messagerecorder.h"

#include "campaign/campaignfile.h"
#include "campaign/campaigntexts.h"
#include "campaign/cmpcampaign.h"

#include <QRegularExpression>
#include <QSettings>

class TestRussianDemoGame : public QObject {
    Q_OBJECT

private:
    QTemporaryDir russian;
    QTemporaryDir english;
    QTemporaryDir scratch;
    QString mapsFolder;
    GameCatalogue catalogue;
    GameCatalogue englishCatalogue;
    QTextCodec *cyrillic = QTextCodec::codecForName("Windows-1251");

    CmpCampaign loaded(const QString &name) {
        CmpCampaign campaign;
        if (!CampaignFile::load(mapsFolder + QLatin1Char('/') + name, campaign, catalogue))
            qWarning("cannot load %s", qPrintable(name));
        return campaign;
    }

    QByteArray saved(const CmpCampaign &campaign) {
        const QString target = scratch.filePath(QStringLiteral("saved.y6c"));
        if (!CampaignFile::save(campaign, target, catalogue))
            return QByteArray();
        return readWholeFile(target);
    }

    static bool hasCyrillic(const QString &text) {
        static const QRegularExpression letter(QStringLiteral("[\u0410-\u044f\u0401\u0451]"));
        return text.contains(letter);
    }

    // Every name of the map holds a Russian letter.
    static QStringList notRussian(const QMap<int, QString> &names) {
        QStringList found;
        for (const QString &name : names)
            if (!hasCyrillic(name))
                found << name;
        return found;
    }

private slots:
    void initTestCase() {
        QVERIFY(russian.isValid() && english.isValid() && scratch.isValid());
        QString error;
        QVERIFY2(makeDemoGame(russian.path(), {"--language", "ru"}, &error), qPrintable(error));
        QVERIFY2(makeDemoGame(english.path(), {}, &error), qPrintable(error));
        mapsFolder = russian.filePath(QStringLiteral("Maps"));
        MessageRecorder messages;
        catalogue = demoGameCatalogue(russian.path(), "Windows-1251");
        englishCatalogue = demoGameCatalogue(english.path());
        QCOMPARE(messages.lines(), QStringList());
        setTextCodec(cyrillic);
    }

    void catalogueNames_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const GameCatalogue &c = catalogue;
        QTest::newRow("creature") << c.creatureNames.value(0) << "Пехотинец";
        QTest::newRow("upgraded creature") << c.creatureNames.value(13) << "Верховный серафим";
        QTest::newRow("mod creature") << c.creatureNames.value(151) << "Болотная нежить";
        QTest::newRow("artifact") << c.artifactNames.value(0) << "Книга заклинаний";
        QTest::newRow("composed artifact") << c.artifactNames.value(3) << "Клинок Марок";
        QTest::newRow("mod artifact") << c.artifactNames.value(150) << "Корона Марок";
        QTest::newRow("hero") << c.heroNames.value(0) << "Алдрик";
        QTest::newRow("hero with yo") << c.heroNames.value(33) << "Бьёрна";
        QTest::newRow("mod hero") << c.heroNames.value(180) << "Вадоз Серый";
        // Spells after the English section captions keep their ids.
        QTest::newRow("spell") << c.spellNames.value(10) << "Зыбучие пески";
        QTest::newRow("spell after caption") << c.spellNames.value(40) << "Волшебное зеркало";
        QTest::newRow("skill") << c.secondarySkillNames.value(0) << "Следопытство";
        QTest::newRow("mod skill") << c.secondarySkillNames.value(28) << "Полевое дело";
        QTest::newRow("resource") << c.resourceNames.value(6) << "Золото";
        QTest::newRow("colour") << c.playerColorNames.value(0) << "Багряный";
        QTest::newRow("general text") << c.generalTexts.value(27) << "Дерево и руда";
        QTest::newRow("campaign map") << c.campaignMaps.value(24).displayName << "Марки Вельдмарка";
        QTest::newRow("region") << c.campaignMaps.value(24).regions.value(0).name
                                << "Сероводные топи";
        QTest::newRow("island region")
            << c.campaignMaps.value(3).regions.value(3).name << "Бухта грабителей";
        QTest::newRow("building") << c.townBuildingNames.value(0).value(0) << "Сельская управа";
        QTest::newRow("dwelling") << c.townBuildingNames.value(0).value(40)
                                  << "Улучш. Святилище света";
        QTest::newRow("mod dwelling")
            << c.townBuildingNames.value(9).value(22) << "Тростниковая хижина";
        QTest::newRow("editor text") << c.editorTextTable.value(25).value(0) << "Лёгкий";
        QTest::newRow("copyright")
            << c.editorTextTable.value(1).value(0) << "© 2026 Команда Тарка. Все права защищены.";
        QTest::newRow("command hint") << c.commandHintTable.value(0).value(0) << "Готово";
        QTest::newRow("command") << c.commandHintTable.value(9).value(1) << "Недавний файл";
        // Music names are file names.
        QTest::newRow("music") << c.musicNames.value(49) << "Tarq Frontier";
    }

    void catalogueNames() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // The tables keep the English tables' lines and cells: every id the editor indexes by line is
    // where it is in the English game, and every name in it is Russian.
    void catalogueHasTheEnglishStructure() {
        const GameCatalogue &c = catalogue;
        const GameCatalogue &e = englishCatalogue;
        QCOMPARE(c.creatureNames.keys(), e.creatureNames.keys());
        QCOMPARE(c.creatureCount, e.creatureCount);
        QCOMPARE(c.artifactNames.keys(), e.artifactNames.keys());
        QCOMPARE(c.artifactCount, e.artifactCount);
        QCOMPARE(c.heroNames.keys(), e.heroNames.keys());
        QCOMPARE(c.spellNames.keys(), e.spellNames.keys());
        QCOMPARE(c.secondarySkillNames.keys(), e.secondarySkillNames.keys());
        QCOMPARE(c.primarySkillNames.keys(), e.primarySkillNames.keys());
        QCOMPARE(c.resourceNames.keys(), e.resourceNames.keys());
        QCOMPARE(c.generalTexts.keys(), e.generalTexts.keys());
        QCOMPARE(c.playerColorNames.size(), e.playerColorNames.size());
        QCOMPARE(c.musicNames, e.musicNames);
        QCOMPARE(c.videoNames, e.videoNames);
        QCOMPARE(c.videoPictures, e.videoPictures);
        QCOMPARE(c.campaignBackgrounds, e.campaignBackgrounds);
        QCOMPARE(c.townBuildingNames.keys(), e.townBuildingNames.keys());
        for (int town : e.townBuildingNames.keys()) {
            QCOMPARE(c.townBuildingNames.value(town).keys(),
                     e.townBuildingNames.value(town).keys());
            QCOMPARE(notRussian(c.townBuildingNames.value(town)), QStringList());
        }
        QCOMPARE(c.campaignMaps.keys(), e.campaignMaps.keys());
        for (int map : e.campaignMaps.keys()) {
            const CampaignMapDef &ours = c.campaignMaps.value(map);
            const CampaignMapDef &theirs = e.campaignMaps.value(map);
            QCOMPARE(ours.regionCount, theirs.regionCount);
            QCOMPARE(ours.mapKind, theirs.mapKind);
            QVERIFY(hasCyrillic(ours.displayName));
            for (int r = 0; r < theirs.regions.size(); ++r) {
                QVERIFY2(hasCyrillic(ours.regions[r].name), qPrintable(theirs.regions[r].name));
                QCOMPARE(ours.regions[r].x, theirs.regions[r].x);
                QCOMPARE(ours.regions[r].picture1, theirs.regions[r].picture1);
                QCOMPARE(ours.regions[r].pieceLists[2], theirs.regions[r].pieceLists[2]);
            }
        }
        for (const auto *tables : {&c.editorTextTable, &c.commandHintTable}) {
            const auto &english =
                tables == &c.editorTextTable ? e.editorTextTable : e.commandHintTable;
            QCOMPARE(tables->keys(), english.keys());
            for (int row : english.keys()) {
                QCOMPARE(tables->value(row).size(), english.value(row).size());
                for (const QString &cell : tables->value(row))
                    QVERIFY2(hasCyrillic(cell), qPrintable(cell));
            }
        }
        for (const auto *names :
             {&c.creatureNames, &c.artifactNames, &c.heroNames, &c.spellNames,
              &c.secondarySkillNames, &c.primarySkillNames, &c.resourceNames, &c.generalTexts})
            QCOMPARE(notRussian(*names), QStringList());
    }

    void roundTripIsByteExact_data() {
        QTest::addColumn<QString>("path");
        const QStringList files = sampleCampaignFiles(mapsFolder);
        QVERIFY(files.size() >= 8);
        for (const QString &path : files)
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    // Format 10 subversion 2 files come back byte for byte; older ones come back as the same
    // campaign in format 10, which the generator also wrote as Format10Sub2.y6c.
    void roundTripIsByteExact() {
        QFETCH(QString, path);
        MessageRecorder messages;
        const CampaignFileParts original = splitCampaignFile(readWholeFile(path));
        QVERIFY(!original.content.isEmpty());
        const bool newest = original.content.startsWith(QByteArray("\x0a\0\0\0\x02\0\0\0", 8));
        const CampaignFileParts expected =
            newest ? original : splitCampaignFile(readWholeFile(mapsFolder + "/Format10Sub2.y6c"));
        const CampaignFileParts parts =
            splitCampaignFile(saved(loaded(QFileInfo(path).fileName())));
        QCOMPARE(parts.content.toHex(), expected.content.toHex());
        QCOMPARE(parts.maps, expected.maps);
        QCOMPARE(messages.lines(), QStringList());
    }

    // The campaign's own texts and the embedded maps' headers decode to the Russian wording.
    void campaignTextsDecode() {
        const CmpCampaign marches = loaded(QStringLiteral("Marches.y6c"));
        QCOMPARE(marches.name, QStringLiteral("Марки Вельдмарка"));
        QCOMPARE(marches.description,
                 QStringLiteral("Шесть регионов Марок Вельдмарка \u2014 от Сероводных топей до "
                                "Берега Пустельги.\r\nЗавоюйте их все."));
        QCOMPARE(marches.scenarios.size(), 6);
        const CmpScenario &fens = marches.scenarios[0];
        QCOMPARE(fens.regionText, QStringLiteral("Топи, где всё начинается."));
        QVERIFY(fens.prologues[0]);
        QCOMPARE(fens.prologues[0]->text, QStringLiteral("Туман лежит над Сероводными топями."));
        QCOMPARE(fens.epilogues[0]->text, QStringLiteral("Топи наши."));
        QCOMPARE(fens.mapName, QStringLiteral("GreywaterFens.y6m"));
        QVERIFY(fens.hasMap());
        QCOMPARE(fens.mapHeader->name, QStringLiteral("Сероводные топи"));
        QVERIFY(fens.mapHeader->description.startsWith(QStringLiteral("Над топями лежит")));
        QCOMPARE(fens.mapHeader->customHeroes.value(0).name, QStringLiteral("Сэр Алдрик"));
        QCOMPARE(marches.scenarios[1].prologues[1]->text,
                 QStringLiteral("Страница вторая: Тарк восстаёт."));

        const CmpCampaign baronies = loaded(QStringLiteral("Baronies.y6c"));
        QCOMPARE(baronies.scenarios.value(0).regionText, QStringLiteral("Ольховая Топь"));
        QCOMPARE(baronies.scenarios.value(0).mapHeader->name, QStringLiteral("Тернхольм"));
        const CmpCampaign oldest = loaded(QStringLiteral("Format5.y6c"));
        QCOMPARE(oldest.name, QStringLiteral("Перевал Змиева Хребта"));
        QCOMPARE(oldest.scenarios.value(0).prologues[0]->text, QStringLiteral("Снег на перевале."));
    }

    // The text file of every sample campaign is written in the Cyrillic code page and reads back
    // into the same texts and the same file.
    void textExportImportIsIdentical() {
        const QStringList files = sampleCampaignFiles(mapsFolder);
        for (const QString &path : files) {
            CmpCampaign campaign = loaded(QFileInfo(path).fileName());
            const QByteArray first = exportCampaignTexts(campaign, catalogue);
            QVERIFY(first.startsWith("Name:\r\n" + cyrillic->fromUnicode(campaign.name) + "\r\n"));
            QString reason;
            QVERIFY2(importCampaignTexts(campaign, first, &reason, catalogue),
                     qPrintable(path + ": " + reason));
            QCOMPARE(exportCampaignTexts(campaign, catalogue), first);
        }
    }

    // A translator's edit of a Russian text file reaches the saved campaign.
    void editedTextReachesTheCampaignFile() {
        CmpCampaign campaign = loaded(QStringLiteral("Marches.y6c"));
        QByteArray file = exportCampaignTexts(campaign, catalogue);
        const QByteArray before = cyrillic->fromUnicode(QStringLiteral("Топи наши."));
        const QByteArray after = cyrillic->fromUnicode(QStringLiteral("Топи снова наши!"));
        QCOMPARE(file.count(before), 1);
        file.replace(before, after);
        QVERIFY(importCampaignTexts(campaign, file, nullptr, catalogue));
        const QString target = scratch.filePath(QStringLiteral("edited.y6c"));
        QVERIFY(CampaignFile::save(campaign, target, catalogue));
        QVERIFY(splitCampaignFile(readWholeFile(target)).content.contains(after));
        CmpCampaign reread;
        QVERIFY(CampaignFile::load(target, reread, catalogue));
        QCOMPARE(reread.scenarios[0].epilogues[0]->text, QStringLiteral("Топи снова наши!"));
    }

    // The whole program starts on the Russian game and opens its main sample campaign.
    void editorOpensRussianCampaign() {
        const QString marches = mapsFolder + QStringLiteral("/Marches.y6c");
        const QString config = scratch.filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        const ProcessResult result = runEditor({QStringLiteral("--game"), russian.path(), marches});
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(!result.crashed);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(!result.standardError.contains('|'), result.standardError.constData());
        const QSettings stored(config + QStringLiteral("/vadoz_info.conf"), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("recentFileList")).toStringList(),
                 QStringList{marches});
    }
};

QTEST_GUILESS_MAIN(TestRussianDemoGame)
#include "test_russiandemogame.moc"
