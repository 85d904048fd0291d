// The Russian demo game: its texts reach the editor through the Cyrillic code page, in the game
// catalogue and in the sample campaigns (loaded, saved back, exported and imported as text).

#include "campaignfilefixture.h"
#include "messagerecorder.h"

#include "campaign/campaignfile.h"
#include "campaign/campaigntexts.h"
#include "campaign/cmpcampaign.h"

class TestRussianDemoGame : public QObject {
    Q_OBJECT

private:
    QTemporaryDir russian;
    QTemporaryDir scratch;
    QString mapsFolder;
    GameCatalogue catalogue;
    QTextCodec *cyrillic = QTextCodec::codecForName("Windows-1251");

    CmpCampaign loaded(const QString &name) {
        CmpCampaign campaign;
        if (!CampaignFile::load(mapsFolder + QLatin1Char('/') + name, campaign, catalogue))
            qWarning("cannot load %s", qPrintable(name));
        return campaign;
    }

private slots:
    void initTestCase() {
        QVERIFY(russian.isValid() && scratch.isValid());
        QString error;
        QVERIFY2(makeDemoGame(russian.path(), {"--language", "ru"}, &error), qPrintable(error));
        mapsFolder = russian.filePath(QStringLiteral("Maps"));
        MessageRecorder messages;
        catalogue = demoGameCatalogue(russian.path(), "Windows-1251");
        QCOMPARE(messages.lines(), QStringList());
        setTextCodec(cyrillic);
    }

    void catalogueNames_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const GameCatalogue &c = catalogue;
        QTest::newRow("hero with yo") << c.heroNames.value(33) << "Бьёрна";
        QTest::newRow("mod hero") << c.heroNames.value(180) << "Вадоз Серый";
        // Spells after the English section captions keep their ids.
        QTest::newRow("colour") << c.playerColorNames.value(0) << "Багряный";
        QTest::newRow("mod dwelling")
            << c.townBuildingNames.value(9).value(22) << "Тростниковая хижина";
        QTest::newRow("copyright")
            << c.editorTextTable.value(1).value(0) << "© 2026 Команда Тарка. Все права защищены.";
        // Music names are file names.
        QTest::newRow("music") << c.musicNames.value(49) << "Tarq Frontier";
    }
    void catalogueNames() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void samples_data() {
        QTest::addColumn<QString>("name");
        const QStringList files = sampleCampaignFiles(mapsFolder);
        QVERIFY(files.size() >= 8);
        for (const QString &path : files)
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << QFileInfo(path).fileName();
    }

    // Each sample saves back byte for byte (older formats as Format10Sub2.y6c, the same campaign
    // in format 10), and its text file is written in the Cyrillic code page and reads back into
    // the same texts and the same file.
    void samples() {
        QFETCH(QString, name);
        MessageRecorder messages;
        CmpCampaign campaign = loaded(name);
        const QString target = scratch.filePath(QStringLiteral("saved.y6c"));
        QVERIFY(CampaignFile::save(campaign, target, catalogue));
        const CampaignFileParts parts = splitCampaignFile(readWholeFile(target));
        const CampaignFileParts expected = splitCampaignFile(readWholeFile(
            mapsFolder + '/' + (name.startsWith("Format") ? "Format10Sub2.y6c" : name)));
        QCOMPARE(parts.content.toHex(), expected.content.toHex());
        QCOMPARE(parts.maps, expected.maps);

        const QByteArray first = exportCampaignTexts(campaign, catalogue);
        QVERIFY(first.startsWith("Name:\r\n" + cyrillic->fromUnicode(campaign.name) + "\r\n"));
        QString reason;
        QVERIFY2(importCampaignTexts(campaign, first, &reason, catalogue), qPrintable(reason));
        QCOMPARE(exportCampaignTexts(campaign, catalogue), first);
        QCOMPARE(messages.lines(), QStringList());
    }

    // The campaign's own texts and the embedded maps' headers decode to the Russian wording.
    void campaignTextsDecode() {
        const CmpCampaign marches = loaded(QStringLiteral("Marches.y6c"));
        QCOMPARE(marches.name, QStringLiteral("Марки Вельдмарка"));
        QCOMPARE(marches.description,
                 QStringLiteral("Шесть регионов Марок Вельдмарка \u2014 от Сероводных топей до "
                                "Берега Пустельги.\r\nЗавоюйте их все."));
        const CmpScenario &fens = marches.scenarios[0];
        QCOMPARE(fens.regionText, QStringLiteral("Топи, где всё начинается."));
        QCOMPARE(fens.epilogues[0]->text, QStringLiteral("Топи наши."));
        QCOMPARE(fens.mapHeader->name, QStringLiteral("Сероводные топи"));
        QVERIFY(fens.mapHeader->description.startsWith(QStringLiteral("Над топями лежит")));
        QCOMPARE(fens.mapHeader->customHeroes.value(0).name, QStringLiteral("Сэр Алдрик"));
        QCOMPARE(loaded(QStringLiteral("Format5.y6c")).scenarios.value(0).prologues[0]->text,
                 QStringLiteral("Снег на перевале."));
    }
};

QTEST_GUILESS_MAIN(TestRussianDemoGame)
#include "test_russiandemogame.moc"
