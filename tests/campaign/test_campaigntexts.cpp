// Campaign text files: the exact layout, byte-exact export-import-export of every sample
// campaign, the files that do not fit and change nothing, page slots, and a translator's
// round trip through a saved campaign file.

#include "campaignfilefixture.h"
#include "messagerecorder.h"

#include "campaign/campaignfile.h"
#include "campaign/campaigntexts.h"
#include "campaign/cmpcampaign.h"
#include "campaign/optiontexts.h"

class TestCampaignTexts : public QObject, protected SampleCampaigns {
    Q_OBJECT

private:
    QByteArray exported(const CmpCampaign &campaign) {
        return exportCampaignTexts(campaign, catalogue);
    }

    // Every text the import may change, with the page references, so that "unchanged" also
    // means the pages were not replaced.
    static QList<QVariant> textsOf(const CmpCampaign &campaign) {
        QList<QVariant> texts{campaign.name, campaign.description};
        for (const CmpScenario &scenario : campaign.scenarios) {
            texts << scenario.regionText;
            for (const auto *pages : {&scenario.prologues, &scenario.epilogues})
                for (const CmpPrologueRef &page : *pages)
                    texts << quintptr(page.data()) << (page ? page->text : QString());
        }
        return texts;
    }

    static QByteArray crlf(const QStringList &lines) {
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += fileTextCodec()->fromUnicode(line) + "\r\n";
        return bytes;
    }

private slots:
    void initTestCase() { setUpSamples(); }

    void escapingTurnsLineBreaksIntoTabs() {
        QCOMPARE(escapeLineBreaks(QStringLiteral("a\nb\r\nc\t")), QStringLiteral("a\tb\r\tc\t"));
        QCOMPARE(unescapeLineBreaks(QStringLiteral("a\tb\r\tc")), QStringLiteral("a\nb\r\nc"));
    }

    void exportLayout() {
        CmpCampaign campaign = loaded(QStringLiteral("Marches.y6c"));
        const QByteArray file = exported(campaign);
        QVERIFY(!file.startsWith("\xef\xbb\xbf"));
        QVERIFY(file.endsWith("\r\n\r\n"));
        const QString ref0 = scenarioRefText(campaign, 24, 0, catalogue);
        const QString ref1 = scenarioRefText(campaign, 24, 1, catalogue);
        const QString ref2 = scenarioRefText(campaign, 24, 2, catalogue);
        const QByteArray expectedStart = crlf(
            {"Name:",
             "The Marches",
             "",
             "Description:",
             QStringLiteral("Six regions of the Veldmark Marches \u2014 from the Greywater Fens to "
                            "the Kestrel Coast.\r\tWin them all."),
             "",
             "",
             ref0,
             "",
             "Right-click text:",
             "The fens, where it all begins.",
             "",
             "Prologue:",
             "Mist lies on the Greywater Fens.",
             "",
             "Epilogue:",
             "The fens are ours.",
             "",
             "",
             ref1,
             "",
             "Right-click text:",
             "Hollowmere: the drowned town.",
             "",
             "Prologue:",
             "Page one of three.",
             "",
             "Prologue:",
             "Page two: Tarq rises.",
             "",
             "Prologue:",
             "",
             "",
             "Epilogue:",
             "The mere is still.",
             "",
             "Epilogue:",
             "Homeward.",
             "",
             "",
             ref2,
             "",
             "Right-click text:",
             "Brannock Hills",
             "",
             "Prologue:",
             "Only the third page is set.",
             ""});
        QCOMPARE(file.left(expectedStart.size()), expectedStart);
        // The last scenario has no map: no block, although it has a page.
        QVERIFY(!file.contains("To be written."));
        QVERIFY(!file.contains("Kestrel Coast: no map yet."));

        // Without scenarios with maps only the six header lines remain, and they read back.
        for (CmpScenario &scenario : campaign.scenarios)
            scenario.mapHeader.reset();
        QCOMPARE(exported(campaign),
                 crlf({"Name:", "The Marches", "", "Description:",
                       QStringLiteral("Six regions of the Veldmark Marches \u2014 from the "
                                      "Greywater Fens to the Kestrel Coast.\r\tWin them all."),
                       ""}));
        QVERIFY(importCampaignTexts(campaign, exported(campaign), nullptr, catalogue));
    }

    void exportImportExportIsIdentical() {
        const QStringList files = sampleCampaignFiles(mapsFolder);
        QVERIFY(files.size() >= 8);
        for (const QString &path : files) {
            CmpCampaign campaign = loaded(QFileInfo(path).fileName());
            const QList<QVariant> before = textsOf(campaign);
            const QByteArray first = exported(campaign);
            QString reason;
            QVERIFY2(importCampaignTexts(campaign, first, &reason, catalogue),
                     qPrintable(path + ": " + reason));
            QCOMPARE(exported(campaign), first);
            // Same texts (line breaks included); pages of scenarios with maps are new records.
            QList<QVariant> after = textsOf(campaign);
            QCOMPARE(after.size(), before.size());
            for (int i = 0; i < after.size(); ++i)
                if (after[i].type() == QVariant::String)
                    QCOMPARE(after[i], before[i]);
        }
    }

    void refusedFiles_data() {
        QTest::addColumn<QString>("campaignFile");
        QTest::addColumn<QByteArray>("file");

        const CmpCampaign marches = loaded(QStringLiteral("Marches.y6c"));
        const QByteArray good = exported(marches);
        const QList<QByteArray> lines = good.split('\n');
        // Ends just before each label line (the file then holds every line before it).
        for (int i = 0; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (line != "Name:" && line != "Description:" && line != "Right-click text:" &&
                line != "Prologue:" && line != "Epilogue:" && !line.contains(" \x97 "))
                continue;
            QByteArray truncated;
            for (int k = 0; k < i; ++k)
                truncated += lines[k] + '\n';
            QTest::addRow("ends before line %d %s", i + 1, line.constData())
                << "Marches.y6c" << truncated;
        }
        QTest::newRow("another campaign")
            << "Marches.y6c" << exported(loaded(QStringLiteral("Baronies.y6c")));
        QTest::newRow("the other type's file")
            << "Chain.y6c" << exported(loaded(QStringLiteral("Format5.y6c")));

        CmpCampaign replaced = marches;
        MapHeader header = *replaced.scenarios[2].mapHeader;
        header.name = QStringLiteral("Another map");
        replaced.scenarios[2].mapHeader = MapHeaderRef(new MapHeader(header));
        QTest::newRow("a map replaced") << "Marches.y6c" << exported(replaced);

        CmpCampaign removed = marches;
        removed.scenarios[3].mapHeader.reset();
        QTest::newRow("a map removed") << "Marches.y6c" << exported(removed);

        CmpCampaign added = marches;
        added.scenarios[3].prologues[1] = makePrologue(0, 0, QStringLiteral("new"));
        QTest::newRow("a page added") << "Marches.y6c" << exported(added);

        CmpCampaign deleted = marches;
        deleted.scenarios[1].epilogues[1].reset();
        QTest::newRow("a page deleted") << "Marches.y6c" << exported(deleted);

        QTest::newRow("empty file") << "Marches.y6c" << QByteArray();
        QByteArray blank = good;
        blank.replace(0, 5, "Name: ");
        QTest::newRow("Name: with a trailing blank") << "Marches.y6c" << blank;
        QByteArray lowerCase = good;
        lowerCase.replace("Right-click text:", "Right-click Text:");
        QTest::newRow("a label in another case") << "Marches.y6c" << lowerCase;
    }

    void refusedFiles() {
        QFETCH(QString, campaignFile);
        QFETCH(QByteArray, file);
        CmpCampaign campaign = loaded(campaignFile);
        const QList<QVariant> before = textsOf(campaign);
        QString reason;
        MessageRecorder messages;
        QVERIFY(!importCampaignTexts(campaign, file, &reason, catalogue));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(textsOf(campaign), before);
        QVERIFY(messages.lines().isEmpty()); // the caller tells the user
    }

    void pageSlotsAreFilledInOrder() {
        CmpCampaign campaign = loaded(QStringLiteral("Marches.y6c"));
        // Brannock Hills: only prologue slot 2 holds a page.
        CmpScenario &hills = campaign.scenarios[2];
        QVERIFY(!hills.prologues[0] && !hills.prologues[1] && hills.prologues[2]);
        const uint8_t video = hills.prologues[2]->video;
        const uint8_t music = hills.prologues[2]->music;
        QByteArray file = exported(campaign);
        QCOMPARE(file.count("Only the third page is set."), 1);
        file.replace("Only the third page is set.", "Third\tpage");
        QVERIFY(importCampaignTexts(campaign, file, nullptr, catalogue));
        QVERIFY(!hills.prologues[0] && !hills.prologues[1]);
        QCOMPARE(hills.prologues[2]->text, QStringLiteral("Third\npage"));
        QCOMPARE(hills.prologues[2]->video, video);
        QCOMPARE(hills.prologues[2]->music, music);
    }

    void lineEndsAndTrailingLines() {
        CmpCampaign campaign = loaded(QStringLiteral("Chain.y6c"));
        campaign.name = QStringLiteral("Ends with a return\r");
        campaign.description = QStringLiteral("Stray \r inside");
        const QByteArray file = exported(campaign);
        CmpCampaign lf = loaded(QStringLiteral("Chain.y6c"));
        QByteArray unix = file;
        unix.replace("\r\n", "\n");
        QVERIFY(importCampaignTexts(lf, unix, nullptr, catalogue));
        QCOMPARE(lf.name, QStringLiteral("Ends with a return"));
        QCOMPARE(lf.description, QStringLiteral("Stray \r inside"));

        CmpCampaign crlfCopy = loaded(QStringLiteral("Chain.y6c"));
        QVERIFY(
            importCampaignTexts(crlfCopy, file + "anything after\r\nthe end", nullptr, catalogue));
        QCOMPARE(crlfCopy.name, campaign.name);
        QCOMPARE(crlfCopy.description, campaign.description);
    }

    void translatorWorkflow() {
        CmpCampaign campaign = loaded(QStringLiteral("Marches.y6c"));
        // Every text line is prefixed; a line break becomes part of one text.
        QList<QByteArray> lines = exported(campaign).split('\n');
        QSet<QByteArray> labels{
            "Name:", "Description:", "Right-click text:", "Prologue:", "Epilogue:"};
        for (int i = 1; i < lines.size(); ++i)
            if (labels.contains(lines[i - 1].trimmed()))
                lines[i] = "T: " + lines[i].chopped(1) + "\tsecond line\r";
        CmpCampaign edited = campaign;
        QVERIFY(importCampaignTexts(edited, lines.join('\n'), nullptr, catalogue));

        const QString saved = scratch.filePath(QStringLiteral("translated.y6c"));
        QVERIFY(CampaignFile::save(edited, saved, catalogue));
        CmpCampaign reopened;
        QVERIFY(CampaignFile::load(saved, reopened, catalogue));
        QCOMPARE(reopened.name, QStringLiteral("T: The Marches\nsecond line"));
        QCOMPARE(reopened.scenarios[0].regionText,
                 QStringLiteral("T: The fens, where it all begins.\nsecond line"));
        QCOMPARE(reopened.scenarios[1].prologues[2]->text, QStringLiteral("T: \nsecond line"));
        QCOMPARE(reopened.scenarios[1].epilogues[1]->text,
                 QStringLiteral("T: Homeward.\nsecond line"));
        QCOMPARE(reopened.scenarios[1].epilogues[1]->video, uint8_t(25));
        // The scenario without a map keeps its texts.
        QCOMPARE(reopened.scenarios[5].regionText, QStringLiteral("Kestrel Coast: no map yet."));
        QCOMPARE(reopened.scenarios[5].prologues[0]->text, QStringLiteral("To be written."));
        QCOMPARE(exported(reopened), exported(edited));
    }
};

QTEST_GUILESS_MAIN(TestCampaignTexts)
#include "test_campaigntexts.moc"
