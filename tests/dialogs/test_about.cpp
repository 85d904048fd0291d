// The about box: its text from the editor text table.
#include "dialogs/about/aboutvadoz.h"
#include "gamedata/gamecatalogue.h"

#include <QLabel>
#include <QtTest>

using EditorTextTable = QMap<int, QStringList>;
Q_DECLARE_METATYPE(EditorTextTable)

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void labelText_data() {
        QTest::addColumn<EditorTextTable>("rows");
        QTest::addColumn<QString>("text");

        QTest::newRow("rows 0, 7 and 1 around the version")
            << EditorTextTable({{0, {"Campaign Editor", "second cell"}},
                                {1, {"Made by the team"}},
                                {2, {"not shown"}},
                                {7, {"Thanks to the testers"}}})
            << "Campaign Editor\nVersion Tarq\n\nThanks to the testers\n\nMade by the team";
        QTest::newRow("percent sequences stay as they are")
            << EditorTextTable({{0, {"Editor %1"}}, {1, {"%2 and %3"}}, {7, {"100%"}}})
            << "Editor %1\nVersion Tarq\n\n100%\n\n%2 and %3";
        QTest::newRow("missing rows and cells leave empty lines")
            << EditorTextTable({{0, {}}, {1, {"Credits"}}}) << "\nVersion Tarq\n\n\n\nCredits";
    }

    void labelText() {
        QFETCH(EditorTextTable, rows);
        GameCatalogue catalogue;
        catalogue.editorTextTable = rows;
        setGameCatalogue(catalogue);
        AboutVadOz dialog;
        QTEST(dialog.findChild<QLabel *>(QStringLiteral("label"))->text(), "text");
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
