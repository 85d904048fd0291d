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

    // The text with each line feed made a line end of the file, in the file's code page.
    static QByteArray fileText(const QString &text) {
        return fileTextCodec()->fromUnicode(QString(text).replace('\n', "\r\n"));
    }

private slots:
    void initTestCase() { setUpSamples(); }

    void exportLayout() {
        QCOMPARE(escapeLineBreaks(QStringLiteral("a\nb\r\nc\t")), QStringLiteral("a\tb\r\tc\t"));
        QCOMPARE(unescapeLineBreaks(QStringLiteral("a\tb\r\tc")), QStringLiteral("a\nb\r\nc"));
        CmpCampaign campaign = loaded(QStringLiteral("Marches.y6c"));
        const QByteArray file = exported(campaign);
        const QString header =
            QStringLiteral("Name:\nThe Marches\n\nDescription:\nSix regions of the Veldmark "
                           "Marches \u2014 from the Greywater Fens to the Kestrel Coast.\r\tWin "
                           "them all.\n\n");
        const QByteArray expectedStart = fileText(
            header +
            QStringLiteral(
                "\n%1\n\nRight-click text:\nThe fens, where it all begins.\n\nPrologue:\nMist lies "
                "on the Greywater Fens.\n\nEpilogue:\nThe fens are ours.\n\n\n%2\n\nRight-click "
                "text:\nHollowmere: the drowned town.\n\nPrologue:\nPage one of three.\n\n"
                "Prologue:\nPage two: Tarq rises.\n\nPrologue:\n\n\nEpilogue:\nThe mere is "
                "still.\n\nEpilogue:\nHomeward.\n\n\n%3\n\nRight-click text:\nBrannock Hills\n\n"
                "Prologue:\nOnly the third page is set.\n")
                .arg(scenarioRefText(campaign, 24, 0, catalogue),
                     scenarioRefText(campaign, 24, 1, catalogue),
                     scenarioRefText(campaign, 24, 2, catalogue)));
        QVERIFY(file.endsWith("\r\n\r\n"));
        QCOMPARE(file.left(expectedStart.size()), expectedStart);
        // The last scenario has no map: no block, although it has a page.
        QVERIFY(!file.contains("To be written.") && !file.contains("Kestrel Coast: no map yet."));
    }

    void exportImportExportIsIdentical_data() {
        QTest::addColumn<QString>("path");
        for (const QString &path : sampleCampaignFiles(mapsFolder))
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
    void exportImportExportIsIdentical() {
        QFETCH(QString, path);
        CmpCampaign campaign = loaded(path);
        const QList<QVariant> before = textsOf(campaign);
        const QByteArray first = exported(campaign);
        QString reason;
        QVERIFY2(importCampaignTexts(campaign, first, &reason, catalogue), qPrintable(reason));
        QCOMPARE(exported(campaign), first);
        // Same texts (line breaks included); pages of scenarios with maps are new records.
        const QList<QVariant> after = textsOf(campaign);
        QCOMPARE(after.size(), before.size());
        for (int i = 0; i < after.size(); ++i)
            if (after[i].type() == QVariant::String)
                QCOMPARE(after[i], before[i]);
    }

    // The refusal names the line where the file stopped fitting and what was expected there.
    void refusedFiles_data() {
        QTest::addColumn<QString>("campaignFile");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("where");
        const CmpCampaign marches = loaded(QStringLiteral("Marches.y6c"));
        const QByteArray good = exported(marches);
        const QList<QByteArray> lines = good.split('\n');
        const auto expected = [](int line, const QString &text) {
            return QStringLiteral("line %1: expected \"%2\"").arg(line).arg(text);
        };
        const auto ref = [&](int scenario) {
            return scenarioRefText(marches, marches.campaignMap, scenario, catalogue);
        };
        // Ends just before each label line (the file then holds every line before it); a
        // scenario's label follows an empty line.
        const QSet<QByteArray> labels{
            "Name:", "Description:", "Right-click text:", "Prologue:", "Epilogue:"};
        for (int i = 0; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (labels.contains(line) ||
                (line.contains(" \x97 ") && i > 0 && lines[i - 1].trimmed().isEmpty()))
                QTest::addRow("ends before line %d %s", i + 1, line.constData())
                    << "Marches.y6c" << lines.mid(0, i).join('\n') + (i ? "\n" : "")
                    << expected(i + 1, fileTextCodec()->toUnicode(line));
        }
        QTest::newRow("another campaign")
            << "Marches.y6c" << exported(loaded("Baronies.y6c")) << expected(8, ref(0));
        QTest::newRow("the other type's file")
            << "Chain.y6c" << exported(loaded("Format5.y6c")) << expected(8, "0. The Old Border");
        const auto changed = [&](const char *name, const QString &where,
                                 const std::function<void(CmpCampaign &)> &edit) {
            CmpCampaign campaign = marches;
            edit(campaign);
            QTest::newRow(name) << "Marches.y6c" << exported(campaign) << where;
        };
        changed("a map replaced", expected(41, ref(2)), [](CmpCampaign &c) {
            MapHeader header = *c.scenarios[2].mapHeader;
            header.name = QStringLiteral("Another map");
            c.scenarios[2].mapHeader = MapHeaderRef(new MapHeader(header));
        });
        changed("a map removed", expected(50, ref(3)),
                [](CmpCampaign &c) { c.scenarios[3].mapHeader.reset(); });
        changed("a page added", expected(55, "Epilogue:"), [](CmpCampaign &c) {
            c.scenarios[3].prologues[1] = makePrologue(0, 0, QStringLiteral("new"));
        });
        changed("a page deleted", expected(37, "Epilogue:"),
                [](CmpCampaign &c) { c.scenarios[1].epilogues[1].reset(); });
        QTest::newRow("empty file") << "Marches.y6c" << QByteArray() << expected(1, "Name:");
        QTest::newRow("Name: with a trailing blank")
            << "Marches.y6c" << QByteArray(good).replace(0, 5, "Name: ") << expected(1, "Name:");
        QTest::newRow("a label in another case")
            << "Marches.y6c" << QByteArray(good).replace("Right-click text:", "Right-click Text:")
            << expected(10, "Right-click text:");
    }
    void refusedFiles() {
        QFETCH(QString, campaignFile);
        QFETCH(QByteArray, file);
        QFETCH(QString, where);
        CmpCampaign campaign = loaded(campaignFile);
        const QList<QVariant> before = textsOf(campaign);
        QString reason;
        MessageRecorder messages;
        QVERIFY(!importCampaignTexts(campaign, file, &reason, catalogue));
        QCOMPARE(reason, where);
        QCOMPARE(textsOf(campaign), before);
        QVERIFY(messages.lines().isEmpty()); // the caller tells the user
    }

    // A translator's editor may save the file as UTF-8; the labels (with their dashes) and
    // the texts read the same.
    void utf8Files_data() {
        QTest::addColumn<QByteArray>("mark");
        QTest::newRow("UTF-8") << QByteArray();
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xef\xbb\xbf");
    }
    void utf8Files() {
        QFETCH(QByteArray, mark);
        CmpCampaign campaign = loaded(QStringLiteral("Marches.y6c"));
        QString text = fileTextCodec()->toUnicode(exported(campaign));
        text.replace(QStringLiteral("The Marches"), QStringLiteral("Marken \u2014 neu"));
        QString reason;
        QVERIFY2(importCampaignTexts(campaign, mark + text.toUtf8(), &reason, catalogue),
                 qPrintable(reason));
        QCOMPARE(campaign.name, QStringLiteral("Marken \u2014 neu"));
        // Exported again, in the campaign's codec, the file is the translator's text.
        QCOMPARE(exported(campaign), fileTextCodec()->fromUnicode(text));
    }

    void lineEndsAndTrailingLines() {
        CmpCampaign campaign = loaded(QStringLiteral("Chain.y6c"));
        campaign.name = QStringLiteral("Ends with a return\r");
        campaign.description = QStringLiteral("Stray \r inside");
        const QByteArray file = exported(campaign);
        CmpCampaign lf = loaded(QStringLiteral("Chain.y6c"));
        QVERIFY(
            importCampaignTexts(lf, QByteArray(file).replace("\r\n", "\n"), nullptr, catalogue));
        QCOMPARE(lf.name, QStringLiteral("Ends with a return"));
        QCOMPARE(lf.description, QStringLiteral("Stray \r inside"));
        CmpCampaign crlf = loaded(QStringLiteral("Chain.y6c"));
        QVERIFY(importCampaignTexts(crlf, file + "anything after\r\nthe end", nullptr, catalogue));
        QCOMPARE(crlf.name, campaign.name);
        QCOMPARE(crlf.description, campaign.description);
    }

    void translatorWorkflow() {
        const CmpCampaign original = loaded(QStringLiteral("Marches.y6c"));
        CmpCampaign campaign = original;
        // Every text line is prefixed; a line break becomes part of one text.
        QList<QByteArray> lines = exported(campaign).split('\n');
        const QSet<QByteArray> labels{
            "Name:", "Description:", "Right-click text:", "Prologue:", "Epilogue:"};
        for (int i = 1; i < lines.size(); ++i)
            if (labels.contains(lines[i - 1].trimmed()))
                lines[i] = "T: " + lines[i].chopped(1) + "\tsecond line\r";
        QVERIFY(importCampaignTexts(campaign, lines.join('\n'), nullptr, catalogue));
        const QString saved = scratch.filePath(QStringLiteral("translated.y6c"));
        QVERIFY(CampaignFile::save(campaign, saved, catalogue));
        const CmpCampaign reopened = loaded(saved);
        QCOMPARE(reopened.name, QStringLiteral("T: The Marches\nsecond line"));
        QCOMPARE(reopened.scenarios[0].regionText,
                 QStringLiteral("T: The fens, where it all begins.\nsecond line"));
        QCOMPARE(reopened.scenarios[1].prologues[2]->text, QStringLiteral("T: \nsecond line"));
        QCOMPARE(reopened.scenarios[1].epilogues[1]->text,
                 QStringLiteral("T: Homeward.\nsecond line"));
        // Brannock Hills holds only prologue slot 2: the page stays there, with its video and
        // music.
        const CmpScenario &hills = reopened.scenarios[2];
        QVERIFY(!hills.prologues[0] && !hills.prologues[1]);
        QCOMPARE(hills.prologues[2]->text,
                 QStringLiteral("T: Only the third page is set.\nsecond line"));
        QCOMPARE(hills.prologues[2]->video, original.scenarios[2].prologues[2]->video);
        QCOMPARE(hills.prologues[2]->music, original.scenarios[2].prologues[2]->music);
        // The scenario without a map keeps its texts.
        QCOMPARE(reopened.scenarios[5].regionText, QStringLiteral("Kestrel Coast: no map yet."));
        QCOMPARE(reopened.scenarios[5].prologues[0]->text, QStringLiteral("To be written."));
        QCOMPARE(exported(reopened), exported(campaign));
    }
};

QTEST_GUILESS_MAIN(TestCampaignTexts)
#include "test_campaigntexts.moc"
