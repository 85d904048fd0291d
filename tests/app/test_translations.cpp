// The language setting picks the translators: the editor's own captions and the toolkit's
// standard buttons both follow it, each file comes from the first folder that has it, and a
// language without files keeps the English texts.

#include "app/languagechoice.h"
#include "demogamefixture.h"
#include "mainwindowfixture.h"
#include "widgetlookup.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TranslationsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir gameDir;

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(makeDemoGame(gameDir.path(), {}, &error), qPrintable(error));
        setGameCatalogue(mainWindowCatalogue());
    }

    // Each file comes from the first folder that has it; missing files are no failure: the
    // interface keeps its built-in English texts.
    void captionsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("emptyFolderFirst");
        QTest::addColumn<bool>("withGameFolder");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("cancelButton");
        // Absent, English, the other English number and an unknown one all keep English.
        for (const int language : {-1, 0, 2, 7})
            QTest::addRow("English texts, language %d", language)
                << language << false << true << QStringLiteral("File") << QStringLiteral("Cancel");
        QTest::newRow("Russian") << 1 << false << true << QStringLiteral("Файл")
                                 << QStringLiteral("Отмена");
        QTest::newRow("no folder has the files")
            << 1 << true << false << QStringLiteral("File") << QStringLiteral("Cancel");
        QTest::newRow("a later folder has them")
            << 1 << true << true << QStringLiteral("Файл") << QStringLiteral("Отмена");
    }

    void captionsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(bool, emptyFolderFirst);
        QFETCH(bool, withGameFolder);
        QFETCH(QString, fileMenu);
        QFETCH(QString, cancelButton);

        QTemporaryDir empty;
        QStringList folders;
        if (emptyFolderFirst)
            folders.append(empty.path() + QLatin1Char('/'));
        if (withGameFolder)
            folders.append(gameDir.path() + QStringLiteral("/Tarq_Data/"));
        std::unique_ptr<QTranslator> translators[2];
        installTranslators(language, folders, translators);
        MainWindow window;
        QCOMPARE(widget<QMenu>(window, "menuFile")->title().remove(QLatin1Char('&')), fileMenu);
        const QString title = fileMenu == QLatin1String("File")
                                  ? QStringLiteral("Veldmark: Tarq Campaign Editor")
                                  : QStringLiteral("Veldmark: редактор кампаний Tarq");
        QCOMPARE(MainWindow::applicationTitle(), title);
        QVERIFY(window.windowTitle().endsWith(title));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                 cancelButton);
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
