// The language setting picks the translators: the editor's own captions and the toolkit's
// standard buttons both follow it, and a language without files keeps the English texts.

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
        QTest::newRow("absent") << -1 << "File"
                                << "Cancel" << english;
        QTest::newRow("English") << 0 << "File"
                                 << "Cancel" << english;
        QTest::newRow("English, 2") << 2 << "File"
                                    << "Cancel" << english;
        QTest::newRow("Russian") << 1 << QStringLiteral("Файл") << QStringLiteral("Отмена")
                                 << QStringLiteral("Veldmark: редактор кампаний Tarq");
        QTest::newRow("unknown") << 7 << "File"
                                 << "Cancel" << english;
    }

    void captionsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, fileMenu);
        QFETCH(QString, cancelButton);
        QFETCH(QString, applicationTitle);

        std::unique_ptr<QTranslator> translators[2];
        installTranslators(language, gameDir.path() + QStringLiteral("/Tarq_Data/"), translators);
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

    // Missing files are no failure: the interface keeps its built-in English texts.
    void missingFilesKeepEnglish() {
        QTemporaryDir empty;
        std::unique_ptr<QTranslator> translators[2];
        installTranslators(1, empty.path() + QLatin1Char('/'), translators);
        MainWindow window;
        QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menuFile"))->title(),
                 QStringLiteral("File"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
