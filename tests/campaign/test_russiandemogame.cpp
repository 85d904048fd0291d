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
        QString error;
        QVERIFY2(makeDemoGame(russian.path(), {"--language", "ru"}, &error), qPrintable(error));
        mapsFolder = russian.filePath(QStringLiteral("Maps"));
        MessageRecorder messages;
        catalogue = demoGameCatalogue(russian.path(), "Windows-1251");
        QCOMPARE(messages.lines(), QStringList());
        setTextCodec(cyrillic);
    }

    void names_data() {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const GameCatalogue &c = catalogue;
        QTest::newRow("hero with yo") << c.heroNames.value(33) << "Бьёрна";
        QTest::newRow("mod hero") << c.heroNames.value(180) << "Вадоз Серый";
        QTest::newRow("colour") << c.playerColorNames.value(0) << "Багряный";
        QTest::newRow("mod dwelling")
            << c.townBuildingNames.value(9).value(22) << "Тростниковая хижина";
        QTest::newRow("copyright")
            << c.editorTextTable.value(1).value(0) << "© 2026 Команда Тарка. Все права защищены.";
        // Music names are file names.
        QTest::newRow("music") << c.musicNames.value(49) << "Tarq Frontier";
        // The campaign's own texts and the embedded maps' headers (each read by one text reader).
        const CmpCampaign marches = loaded(QStringLiteral("Marches.y6c"));
        QTest::newRow("campaign description")
            << marches.description
            << "Шесть регионов Марок Вельдмарка \u2014 от Сероводных топей до Берега Пустельги.\r\n"
               "Завоюйте их все.";
        QTest::newRow("map name") << marches.scenarios[0].mapHeader->name << "Сероводные топи";
    }
    void names() {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // The main sample saves back byte for byte, and its text file is written in the Cyrillic code
    // page and reads back into the same file.
    void savedAndExportedInTheCyrillicCodePage() {
        MessageRecorder messages;
        CmpCampaign campaign = loaded(QStringLiteral("Marches.y6c"));
        const QString target = scratch.filePath(QStringLiteral("saved.y6c"));
        QVERIFY(CampaignFile::save(campaign, target, catalogue));
        const CampaignFileParts parts = splitCampaignFile(readWholeFile(target));
        const CampaignFileParts expected =
            splitCampaignFile(readWholeFile(mapsFolder + QStringLiteral("/Marches.y6c")));
        QCOMPARE(parts.content.toHex(), expected.content.toHex());
        QCOMPARE(parts.maps, expected.maps);

        const QByteArray first = exportCampaignTexts(campaign, catalogue);
        QVERIFY(first.startsWith("Name:\r\n" + cyrillic->fromUnicode(campaign.name) + "\r\n"));
        QString reason;
        QVERIFY2(importCampaignTexts(campaign, first, &reason, catalogue), qPrintable(reason));
        QCOMPARE(exportCampaignTexts(campaign, catalogue), first);
        QCOMPARE(messages.lines(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestRussianDemoGame)
#include "test_russiandemogame.moc"
