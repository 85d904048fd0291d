// The about box: its text from the editor text table, its fixed form and its OK button.
#include "dialogs/about/aboutvadoz.h"
#include "gamedata/gamecatalogue.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using EditorTextTable = QMap<int, QStringList>;
Q_DECLARE_METATYPE(EditorTextTable)

namespace {

void installEditorTexts(const EditorTextTable &rows) {
    GameCatalogue catalogue;
    catalogue.editorTextTable = rows;
    setGameCatalogue(catalogue);
}

// Runs the dialog modally, as the main window does, and acts on it once it is shown.
int runModally(AboutVadOz &dialog, const std::function<void()> &action) {
    QTimer::singleShot(0, &dialog, action);
    return dialog.exec();
}

} // namespace

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
        QFETCH(QString, text);
        installEditorTexts(rows);
        AboutVadOz dialog;
        QLabel *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
    }

    // OK closes the box. Escape and the window's close button reject it as they do any dialog.
    void okCloses() {
        installEditorTexts({});
        AboutVadOz dialog;
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                              ->button(QDialogButtonBox::Ok);
        QCOMPARE(runModally(dialog, [ok] { QTest::mouseClick(ok, Qt::LeftButton); }),
                 int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
