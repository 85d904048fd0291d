// The language setting picks the translators: the editor's own captions and the toolkit's
// standard buttons both follow it, each file comes from the first folder that has it, and a
// language without files keeps the English texts.

#include "app/languagechoice.h"
#include "demogamefixture.h"
#include "mainwindowfixture.h"

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

    void captionsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("cancelButton");
        QTest::addColumn<QString>("applicationTitle");
        const QString english = QStringLiteral("Veldmark: Tarq Campaign Editor");
        // Absent, English, the other English number and an unknown one all keep English.
        for (const int language : {-1, 0, 2, 7})
            QTest::addRow("English texts, language %d", language)
                << language << QStringLiteral("File") << QStringLiteral("Cancel") << english;
        QTest::newRow("Russian") << 1 << QStringLiteral("Файл") << QStringLiteral("Отмена")
                                 << QStringLiteral("Veldmark: редактор кампаний Tarq");
    }

    void captionsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, fileMenu);
        QFETCH(QString, cancelButton);
        QFETCH(QString, applicationTitle);

        std::unique_ptr<QTranslator> translators[2];
        installTranslators(language, {gameDir.path() + QStringLiteral("/Tarq_Data/")}, translators);
        MainWindow window;
        auto *menu = window.findChild<QMenu *>(QStringLiteral("menuFile"));
        QVERIFY(menu);
        QCOMPARE(menu->title().remove(QLatin1Char('&')), fileMenu);
        QCOMPARE(MainWindow::applicationTitle(), applicationTitle);
        QVERIFY(window.windowTitle().endsWith(applicationTitle));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                 cancelButton);
    }

    // Each file comes from the first folder that has it; missing files are no failure: the
    // interface keeps its built-in English texts.
    void filesFromTheFirstFolderThatHasThem_data() {
        QTest::addColumn<bool>("withGameFolder");
        QTest::addColumn<QString>("fileMenu");
        QTest::newRow("none has them") << false << "File";
        QTest::newRow("a later folder has them") << true << QStringLiteral("Файл");
    }

    void filesFromTheFirstFolderThatHasThem() {
        QFETCH(bool, withGameFolder);
        QFETCH(QString, fileMenu);
        QTemporaryDir empty;
        QStringList folders{empty.path() + QLatin1Char('/')};
        if (withGameFolder)
            folders.append(gameDir.path() + QStringLiteral("/Tarq_Data/"));
        std::unique_ptr<QTranslator> translators[2];
        installTranslators(1, folders, translators);
        MainWindow window;
        QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menuFile"))->title().remove('&'),
                 fileMenu);
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
