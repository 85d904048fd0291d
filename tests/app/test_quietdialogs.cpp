// Normal work is quiet: with a sample campaign open, opening and closing every dialog of the
// editor writes nothing to standard error and tells the user nothing. Every dialog is modal and
// gone once closed.

#include "app/editorresources.h"
#include "campaign/campaigncompare.h"
#include "campaignfilefixture.h"
#include "gamedata/gamefolder.h"
#include "gamedata/lodarchiveset.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "widgetlookup.h"

#include <QAction>
#include <QDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList written;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &text) {
    // The offscreen platform of the tests says what it cannot do for a window; a desktop
    // platform does not.
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        written.append(text);
}

} // namespace

class TestQuietDialogs : public QObject {
    Q_OBJECT

private:
    QTemporaryDir demo;

private slots:
    void initTestCase() {
        registerEditorResources();
        sampleCampaignFolder(demo);
        setGameFolder(demo.path());
        useSettingsFolder(demo.filePath(QStringLiteral("settings")));
        loadLodArchives();
        setGameCatalogue(mainWindowCatalogue(demo.path()));
    }

    void everyDialogOpensAndClosesQuietly() {
        MessageRecorder recorder;
        written.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        {
            MainWindow window;
            window.show();
            window.loadFile(demo.filePath(QStringLiteral("Maps/Chain.y6c")));
            const CmpCampaign opened = window.campaign();
            const struct {
                const char *action;
                const char *dialog;
            } dialogs[] = {{"campaignProperties", "EditCampaign"},
                           {"actionConvertCmp", "ConvertCampaign"},
                           {"actionAbout", "AboutVadOz"},
                           {"scenarioProperties", "ScenarioInfo"},
                           {"actionNew", "newcampaign"}};
            for (const auto &entry : dialogs) {
                whenShown<QDialog>(entry.dialog, [](QDialog *dialog) {
                    QVERIFY(dialog->isModal());
                    // Every page of a dialog with tabs is shown once.
                    if (auto *tabs = dialog->findChild<QTabWidget *>())
                        for (int tab = 0; tab < tabs->count(); ++tab)
                            tabs->setCurrentIndex(tab);
                    dialog->reject();
                });
                window.findChild<QAction *>(QLatin1String(entry.action))->trigger();
            }
            QVERIFY(sameSavedCampaign(window.campaign(), opened, gameCatalogue()));
            QCOMPARE(window.findChildren<QDialog *>().size(), 0);
        }
        qInstallMessageHandler(previous);
        QCOMPARE(written, QStringList());
        QCOMPARE(recorder.lines(), QStringList());
    }
};

QTEST_MAIN(TestQuietDialogs)
#include "test_quietdialogs.moc"
