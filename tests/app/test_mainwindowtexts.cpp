// The main window's text and conversion commands: Export Texts and Import Texts with their file
// dialogs and the last-folder setting, and Convert campaign through its dialog, driven by the
// real actions and widgets.

#include "app/campaignmodified.h"
#include "app/editorresources.h"
#include "campaign/campaigntexts.h"
#include "campaign/editorvalues.h"
#include "gamedata/gamefolder.h"
#include "gamedata/settingsfile.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

const QString titleEnd = QStringLiteral(" - Veldmark: Tarq Campaign Editor");
const QString textFilter = QStringLiteral("Text files (*.txt);;All Files (*)");

QAction *action(MainWindow &window, const char *name) {
    return window.findChild<QAction *>(QLatin1String(name));
}

// Acts on the modal dialog once it shows, as a user would.
void whenDialogShows(const std::function<void(QDialog *)> &act) {
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

} // namespace

class TestMainWindowTexts : public QObject {
    Q_OBJECT

private:
    QTemporaryDir demo;
    QString samples;
    QScopedPointer<QTemporaryDir> work;

    QString sample(const QString &name) {
        const QString copy = work->filePath(name);
        QFile::remove(copy);
        if (!QFile::copy(samples + QLatin1Char('/') + name, copy))
            qFatal("cannot copy %s", qPrintable(name));
        return copy;
    }

private slots:
    void initTestCase() {
        registerEditorResources();
        samples = sampleCampaignFolder(demo);
        setGameFolder(demo.path());
        setGameCatalogue(mainWindowCatalogue(demo.path()));
    }

    void init() {
        work.reset(new QTemporaryDir);
        useSettingsFolder(work->filePath(QStringLiteral("settings")));
        campaignModified = false;
        campaignFileVersion = editorVersion;
        sharedSettings() = SettingsFile();
    }

    void exportThenImport() {
        AnsweredMainWindow window;
        MessageRecorder recorder;
        const QString marches = sample(QStringLiteral("Marches.y6c"));
        window.loadFile(marches);
        const QString text = work->filePath(QStringLiteral("texts.txt"));

        // Export: the base name alone is proposed, and the folder setting stays untouched.
        window.answers = QStringList{text};
        action(window, "actionExport_Texts")->trigger();
        QCOMPARE(window.questions.last().caption, QStringLiteral("Save As"));
        QCOMPARE(window.questions.last().folderOrName, QStringLiteral("Marches"));
        QCOMPARE(window.questions.last().filter, textFilter);
        QCOMPARE(readWholeFile(text), exportCampaignTexts(window.campaign()));
        QVERIFY(sharedSettings().getText("Campaign Editor", "Path").isEmpty());
        QVERIFY(!campaignModified);
        QCOMPARE(window.windowTitle(), QStringLiteral("Marches.y6c") + titleEnd);

        // Import of the edited file: the folder offered is Maps of the game; the chosen file's
        // folder is stored; the texts change and the campaign is marked modified.
        QByteArray edited = readWholeFile(text);
        edited.replace("The fens are ours.", "Die S\xfcmpfe\tsind unser.");
        writeWholeFile(text, edited);
        window.answers = QStringList{text};
        action(window, "actionImport_Texts")->trigger();
        QCOMPARE(window.questions.last().caption, QStringLiteral("Open"));
        QCOMPARE(window.questions.last().folderOrName, gamePath(QStringLiteral("Maps")));
        QCOMPARE(window.questions.last().filter, textFilter);
        QCOMPARE(QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path")),
                 work->path());
        QCOMPARE(recorder.lines(), QStringList());
        QCOMPARE(window.campaign().scenarios[0].epilogues[0]->text,
                 QStringLiteral("Die S\u00fcmpfe\nsind unser."));
        QVERIFY(campaignModified);
        QCOMPARE(window.windowTitle(), QStringLiteral("Marches.y6c*") + titleEnd);
    }

    void refusedImportChangesNothing() {
        AnsweredMainWindow window;
        MessageRecorder recorder;
        window.loadFile(sample(QStringLiteral("Marches.y6c")));
        const QByteArray before = exportCampaignTexts(window.campaign());
        const QString text = work->filePath(QStringLiteral("other.txt"));
        QByteArray file = before;
        file.replace("The Marches", "Changed");
        file.replace("Homeward.\r\n\r\n", ""); // the last page of the second block is missing
        writeWholeFile(text, file);

        sharedSettings().setText("Campaign Editor", "Path", "/some/folder");
        window.answers = QStringList{text};
        window.importTexts();
        QCOMPARE(window.questions.last().folderOrName, QStringLiteral("/some/folder"));
        QCOMPARE(recorder.lines(),
                 QStringList{QStringLiteral("warning|Error|Cannot read file %1 - incorrect "
                                            "campaign text:\\nUnknown error.")
                                 .arg(text)});
        QCOMPARE(exportCampaignTexts(window.campaign()), before);
        QVERIFY(!campaignModified);

        // A file that cannot be opened: its own message, and the folder is stored already.
        recorder.clear();
        const QString missing = work->filePath(QStringLiteral("sub/missing.txt"));
        window.answers = QStringList{missing};
        window.importTexts();
        QCOMPARE(recorder.lines().size(), 1);
        QVERIFY(recorder.lines()[0].startsWith(
            QStringLiteral("warning|Error|Cannot read file %1:\\n").arg(missing)));
        QCOMPARE(QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path")),
                 work->filePath(QStringLiteral("sub")));

        // Cancelling asks nothing further and keeps the setting.
        recorder.clear();
        window.importTexts();
        window.exportTexts();
        QCOMPARE(recorder.lines(), QStringList());
        QCOMPARE(QString::fromUtf8(sharedSettings().getText("Campaign Editor", "Path")),
                 work->filePath(QStringLiteral("sub")));

        // An untitled campaign proposes "Untitled"; a file that cannot be created is reported.
        window.newFile();
        const QString unwritable = work->filePath(QStringLiteral("no/such/folder/x.txt"));
        window.answers = QStringList{unwritable};
        window.exportTexts();
        QCOMPARE(window.questions.last().folderOrName, QStringLiteral("Untitled"));
        QCOMPARE(recorder.lines().size(), 1);
        QVERIFY(recorder.lines()[0].startsWith(
            QStringLiteral("warning|Error|Cannot write file %1:\\n").arg(unwritable)));
    }

    void convertThroughTheDialog() {
        AnsweredMainWindow window;
        MessageRecorder recorder;
        window.loadFile(sample(QStringLiteral("Marches.y6c")));
        selectedRegion = 3;
        window.shownRegion = 3;

        QStringList offered;
        whenDialogShows([&offered](QDialog *dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("ConvertCampaign"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Convert Campaign"));
            QCOMPARE(dialog->findChild<QLabel *>("convertLabel")->text(),
                     QStringLiteral("Convert to campaign without map"));
            QCOMPARE(dialog->findChild<QLabel *>("bgLabel")->text(), QStringLiteral("Background"));
            QCOMPARE(dialog->findChild<QLabel *>("scCountLabel")->text(), QStringLiteral("5"));
            QVERIFY(dialog->findChild<QLabel *>("regCountLabel")->isHidden());
            auto *list = dialog->findChild<QListWidget *>("listWidget");
            for (int row = 0; row < list->count(); ++row)
                offered << list->item(row)->data(Qt::UserRole).toString();
            QCOMPARE(list->currentRow(), 0);
            list->setCurrentRow(1);
            QTest::mouseClick(
                dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
        });
        action(window, "actionConvertCmp")->trigger();
        QCOMPARE(offered.value(0), QStringLiteral("0"));
        QCOMPARE(offered, [] {
            QStringList all;
            for (int index : gameCatalogue().campaignBackgrounds.keys())
                all << QString::number(index);
            return all;
        }());
        QCOMPARE(recorder.lines(),
                 QStringList{"question|Save changes|Do you really want to convert the campaign "
                             "to different type?"});
        QVERIFY(!window.campaign().withMap);
        QCOMPARE(window.campaign().background, offered.value(1).toInt());
        QCOMPARE(window.campaign().scenarios.size(), 5);
        QVERIFY(campaignModified);
        QCOMPARE(window.windowTitle(), QStringLiteral("Marches.y6c*") + titleEnd);
        QCOMPARE(window.shownCampaignMap, 0);
        QCOMPARE(window.shownRegion, 0);
        QCOMPARE(currentCampaignMap, 0);
        QCOMPARE(selectedRegion, 0);
        QVERIFY(window.findChild<QLabel *>("regionLabel")->text().isEmpty());
    }

    void convertBackWithTheWarning() {
        // A campaign map of two regions, fewer than the three scenarios with maps of Chain.
        GameCatalogue catalogue = mainWindowCatalogue(demo.path());
        catalogue.campaignMaps[2] = catalogue.campaignMaps[24];
        catalogue.campaignMaps[2].regionCount = 2;
        catalogue.campaignMaps[2].regions = catalogue.campaignMaps[24].regions.mid(0, 2);
        setGameCatalogue(catalogue);
        AnsweredMainWindow window;
        MessageRecorder recorder;
        window.loadFile(sample(QStringLiteral("Chain.y6c")));

        // Answered No: nothing changes.
        recorder.queueAnswer(Messages::No);
        QStringList offered;
        whenDialogShows([&offered](QDialog *dialog) {
            QCOMPARE(dialog->findChild<QLabel *>("convertLabel")->text(),
                     QStringLiteral("Convert to campaign with map"));
            QCOMPARE(dialog->findChild<QLabel *>("bgLabel")->text(), QStringLiteral("Map"));
            QCOMPARE(dialog->findChild<QLabel *>("scCountLabel")->text(), QStringLiteral("3"));
            auto *list = dialog->findChild<QListWidget *>("listWidget");
            auto *regions = dialog->findChild<QLabel *>("regCountLabel");
            auto *warning = dialog->findChild<QLabel *>("warningLabel");
            for (int row = 0; row < list->count(); ++row)
                offered << list->item(row)->data(Qt::UserRole).toString();
            QCOMPARE(regions->text(), QStringLiteral("6"));
            QVERIFY(warning->text().isEmpty());
            list->setCurrentRow(offered.indexOf(QStringLiteral("26")));
            QCOMPARE(regions->text(), QStringLiteral("3"));
            QVERIFY(warning->text().isEmpty());
            list->setCurrentRow(offered.indexOf(QStringLiteral("2")));
            QCOMPARE(regions->text(), QStringLiteral("2"));
            QCOMPARE(warning->text(), QStringLiteral("Some scenarios will be deleted!"));
            dialog->accept();
        });
        window.openConvertCampaign();
        QCOMPARE(offered, (QStringList{"24", "2", "3", "25", "26"}));
        QCOMPARE(recorder.lines(),
                 QStringList{"question|Save changes|Do you really want to convert the campaign "
                             "to different type? Some scenarios will be deleted!"});
        QVERIFY(!window.campaign().withMap);
        QCOMPARE(window.campaign().scenarios.size(), 4);
        QVERIFY(!campaignModified);

        // Cancelled: no question at all.
        recorder.clear();
        whenDialogShows([](QDialog *dialog) { dialog->reject(); });
        window.openConvertCampaign();
        QCOMPARE(recorder.lines(), QStringList());
        QVERIFY(!window.campaign().withMap);

        // Yes: the map of twelve regions gets the chain and nine empty scenarios.
        whenDialogShows([](QDialog *dialog) {
            dialog->findChild<QListWidget *>("listWidget")->setCurrentRow(3);
            dialog->accept();
        });
        window.openConvertCampaign();
        QVERIFY(window.campaign().withMap);
        QCOMPARE(int(window.campaign().campaignMap), 25);
        QCOMPARE(window.campaign().scenarios.size(), 12);
        QVERIFY(window.campaign().scenarios[2].prerequisites.testBit(1));
        QCOMPARE(window.shownCampaignMap, 25);
        QCOMPARE(currentCampaignMap, 25);
        QVERIFY(campaignModified);
        setGameCatalogue(mainWindowCatalogue(demo.path()));
    }
};

QTEST_MAIN(TestMainWindowTexts)
#include "test_mainwindowtexts.moc"
