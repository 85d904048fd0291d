// The tables of the mod and its campaign editor: campaign music and videos, the editor's texts
// and the hints of its commands.

#include "demodescription.h"
#include "tabletext.h"

namespace {

QStringList musicTable() {
    return demoMusicTableNames() << QStringLiteral("END");
}

// Read without trimming: no header, no footer.
QStringList videoTable() {
    return demoVideoTableNames();
}

QStringList editorTextTable() {
    static const char *const rows[][2] = {
        {"Veldmark Campaign Editor", "about box: title"},
        {"Copyright \xc2\xa9 2026 The Tarq Team. All rights reserved.", "about box: rights"},
        {"Campaign", "caption"},
        {"Scenario", "caption"},
        {"Region", "caption"},
        {"Untitled campaign", "window title"},
        {"Campaign files (*.y6c)", "file dialog"},
        {"Made for the Tarq modification of Veldmark by the Tarq Team.", "about box: credits"},
        {"Map files (*.y6m)", "file dialog"},
        {"Text files (*.txt)", "file dialog"},
        {"No map", "scenario list"},
        {"Prologue", "page"},
        {"Epilogue", "page"},
        {"Crossover", "page"},
        {"Starting options", "page"},
        {"Starting bonus", "option"},
        {"Crossover hero", "option"},
        {"Starting hero", "option"},
        {"Player", "caption"},
        {"Hero", "caption"},
        {"Town", "caption"},
        {"Experience", "crossover"},
        {"Primary skills", "crossover"},
        {"Secondary skills", "crossover"},
        {"Spells", "crossover"},
        {"Easy", "difficulty 0"},
        {"Normal", "difficulty 1"},
        {"Hard", "difficulty 2"},
        {"Expert", "difficulty 3"},
        {"Impossible", "difficulty 4"},
        {"Artifacts", "crossover"},
        {"Creatures", "crossover"},
        {"Prerequisites", "caption"},
        {"Region colour", "caption"},
        {"Right-click text", "caption"},
        {"Default difficulty", "caption"},
        {"Music", "caption"},
        {"Video", "caption"},
        {"Background", "caption"},
        {"Campaign map", "caption"},
        {"Description", "caption"},
        {"Name", "caption"},
        {"Scenario count", "caption"},
        {"Random", "list item"},
        {"None", "list item"},
        {"Most powerful hero", "hero list"},
        {"Generated hero", "hero list"},
        {"Random hero", "hero list"},
        {"Spell", "bonus"},
        {"Creature", "bonus"},
        {"Building", "bonus"},
        {"Artifact", "bonus"},
        {"Spell scroll", "bonus"},
        {"Primary skill", "bonus"},
        {"Secondary skill", "bonus"},
        {"Let the player choose the difficulty", "campaign properties: check box"},
        {"Resource", "bonus"},
        {"Play", "music button"},
        {"Stop", "music button"}};
    QStringList lines = {QStringLiteral("Texts of the campaign editor"),
                         cells({"Text", "Used for"})};
    for (const auto &row : rows)
        lines << cells({QString::fromUtf8(row[0]), QLatin1String(row[1])});
    return lines;
}

QStringList commandHintTable() {
    static const char *const rows[][2] = {
        {"Ready", "status bar"},
        {"Create a new campaign", "New"},
        {"Open an existing campaign", "Open"},
        {"Save the campaign", "Save"},
        {"Save the campaign under a new name", "Save As"},
        {"Show the editor's version and authors", "About"},
        {"Quit the campaign editor", "Exit"},
        {"Undo the last change", "Undo"},
        {"Redo the last undone change", "Redo"},
        {"Open this recently used campaign", "Recent file"},
        {"Add a scenario to the campaign", "Add scenario"},
        {"Remove the selected scenario", "Remove scenario"},
        {"Move the scenario up", "Move up"},
        {"Move the scenario down", "Move down"},
        {"Import a map into the selected scenario", "Import map"},
        {"Export the map of the selected scenario", "Export map"},
        {"Reload every scenario map from its map file", "Refresh Scenario Maps"},
        {"Write every scenario map to a map file", "Export Scenario Maps"},
        {"Edit the campaign's name, description, music and map", "Campaign Properties"},
        {"Edit the selected scenario", "Scenario Properties"},
        {"Write all campaign texts to a text file", "Export Texts"},
        {"Read the campaign texts back from a text file", "Import Texts"}};
    QStringList lines = {QStringLiteral("Command hints of the campaign editor"),
                         cells({"Hint", "Command"})};
    for (const auto &row : rows)
        lines << cells({QLatin1String(row[0]), QLatin1String(row[1])});
    return lines;
}

} // namespace

QVector<DemoArchiveEntry> demoModTables() {
    const QString tarq = QStringLiteral("Tarq");
    const QString language = QStringLiteral("Tarq_lng");
    return {tableEntry(tarq, QStringLiteral("CmpMusic.txt"), musicTable()),
            tableEntry(tarq, QStringLiteral("CmpMovie.txt"), videoTable(), true),
            tableEntry(language, QStringLiteral("CmpEditr.txt"), editorTextTable(), true),
            tableEntry(language, QStringLiteral("VadOzCmd.txt"), commandHintTable())};
}
