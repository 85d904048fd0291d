// The tables of the mod and its campaign editor: campaign music and videos, the editor's texts
// and the hints of its commands.

#include "demodescription.h"
#include "tabletext.h"

#include <array>
#include <initializer_list>

namespace {

QStringList musicTable() {
    return demoMusicTableNames() << QStringLiteral("END");
}

// Read without trimming: no header, no footer.
QStringList videoTable() {
    return demoVideoTableNames();
}

// Each row: the text, then what it is used for.
QStringList wordedTable(const Wording &title, const Wording (&header)[2],
                        const std::initializer_list<std::array<Wording, 2>> &rows,
                        DemoLanguage language) {
    QStringList lines = {title.in(language),
                         cells({header[0].in(language), header[1].in(language)})};
    for (const auto &row : rows)
        lines << cells({row[0].in(language), row[1].in(language)});
    return lines;
}

QStringList editorTextTable(DemoLanguage language) {
    const Wording caption = {"caption", "подпись"};
    const Wording fileDialog = {"file dialog", "выбор файла"};
    const Wording page = {"page", "страница"};
    const Wording option = {"option", "вариант"};
    const Wording crossover = {"crossover", "переход"};
    const Wording listItem = {"list item", "пункт списка"};
    const Wording heroList = {"hero list", "список героев"};
    const Wording bonus = {"bonus", "бонус"};
    const Wording musicButton = {"music button", "кнопка музыки"};
    return wordedTable(
        {"Texts of the campaign editor", "Тексты редактора кампаний"},
        {{"Text", "Текст"}, {"Used for", "Где используется"}},
        {{{{"Veldmark Campaign Editor", "Редактор кампаний Вельдмарка"},
           {"about box: title", "окно «О программе»: заголовок"}}},
         {{{"Copyright \u00a9 2026 The Tarq Team. All rights reserved.",
            "\u00a9 2026 Команда Тарка. Все права защищены."},
           {"about box: rights", "окно «О программе»: права"}}},
         {{{"Campaign", "Кампания"}, caption}},
         {{{"Scenario", "Сценарий"}, caption}},
         {{{"Region", "Регион"}, caption}},
         {{{"Untitled campaign", "Безымянная кампания"}, {"window title", "заголовок окна"}}},
         {{{"Campaign files (*.y6c)", "Файлы кампаний (*.y6c)"}, fileDialog}},
         {{{"Made for the Tarq modification of Veldmark by the Tarq Team.",
            "Создано командой Тарка для модификации Тарк игры Вельдмарк."},
           {"about box: credits", "окно «О программе»: авторы"}}},
         {{{"Map files (*.y6m)", "Файлы карт (*.y6m)"}, fileDialog}},
         {{{"Text files (*.txt)", "Текстовые файлы (*.txt)"}, fileDialog}},
         {{{"No map", "Нет карты"}, {"scenario list", "список сценариев"}}},
         {{{"Prologue", "Пролог"}, page}},
         {{{"Epilogue", "Эпилог"}, page}},
         {{{"Crossover", "Переход"}, page}},
         {{{"Starting options", "Стартовые условия"}, page}},
         {{{"Starting bonus", "Стартовый бонус"}, option}},
         {{{"Crossover hero", "Переходящий герой"}, option}},
         {{{"Starting hero", "Стартовый герой"}, option}},
         {{{"Player", "Игрок"}, caption}},
         {{{"Hero", "Герой"}, caption}},
         {{{"Town", "Город"}, caption}},
         {{{"Experience", "Опыт"}, crossover}},
         {{{"Primary skills", "Первичные навыки"}, crossover}},
         {{{"Secondary skills", "Вторичные навыки"}, crossover}},
         {{{"Spells", "Заклинания"}, crossover}},
         {{{"Easy", "Лёгкий"}, {"difficulty 0", "сложность 0"}}},
         {{{"Normal", "Обычный"}, {"difficulty 1", "сложность 1"}}},
         {{{"Hard", "Трудный"}, {"difficulty 2", "сложность 2"}}},
         {{{"Expert", "Эксперт"}, {"difficulty 3", "сложность 3"}}},
         {{{"Impossible", "Невозможный"}, {"difficulty 4", "сложность 4"}}},
         {{{"Artifacts", "Артефакты"}, crossover}},
         {{{"Creatures", "Существа"}, crossover}},
         {{{"Prerequisites", "Условия доступа"}, caption}},
         {{{"Region colour", "Цвет региона"}, caption}},
         {{{"Right-click text", "Текст по правому щелчку"}, caption}},
         {{{"Default difficulty", "Сложность по умолчанию"}, caption}},
         {{{"Music", "Музыка"}, caption}},
         {{{"Video", "Видео"}, caption}},
         {{{"Background", "Фон"}, caption}},
         {{{"Campaign map", "Карта кампании"}, caption}},
         {{{"Description", "Описание"}, caption}},
         {{{"Name", "Название"}, caption}},
         {{{"Scenario count", "Число сценариев"}, caption}},
         {{{"Random", "Случайно"}, listItem}},
         {{{"None", "Нет"}, listItem}},
         {{{"Most powerful hero", "Сильнейший герой"}, heroList}},
         {{{"Generated hero", "Созданный герой"}, heroList}},
         {{{"Random hero", "Случайный герой"}, heroList}},
         {{{"Spell", "Заклинание"}, bonus}},
         {{{"Creature", "Существо"}, bonus}},
         {{{"Building", "Здание"}, bonus}},
         {{{"Artifact", "Артефакт"}, bonus}},
         {{{"Spell scroll", "Свиток заклинания"}, bonus}},
         {{{"Primary skill", "Первичный навык"}, bonus}},
         {{{"Secondary skill", "Вторичный навык"}, bonus}},
         {{{"Let the player choose the difficulty", "Игрок сам выбирает сложность"},
           {"campaign properties: check box", "свойства кампании: флажок"}}},
         {{{"Resource", "Ресурс"}, bonus}},
         {{{"Play", "Играть"}, musicButton}},
         {{{"Stop", "Стоп"}, musicButton}}},
        language);
}

QStringList commandHintTable(DemoLanguage language) {
    return wordedTable(
        {"Command hints of the campaign editor", "Подсказки команд редактора кампаний"},
        {{"Hint", "Подсказка"}, {"Command", "Команда"}},
        {{{{"Ready", "Готово"}, {"status bar", "строка состояния"}}},
         {{{"Create a new campaign", "Создать новую кампанию"}, {"New", "Создать"}}},
         {{{"Open an existing campaign", "Открыть существующую кампанию"}, {"Open", "Открыть"}}},
         {{{"Save the campaign", "Сохранить кампанию"}, {"Save", "Сохранить"}}},
         {{{"Save the campaign under a new name", "Сохранить кампанию под новым именем"},
           {"Save As", "Сохранить как"}}},
         {{{"Show the editor's version and authors", "Показать версию и авторов редактора"},
           {"About", "О программе"}}},
         {{{"Quit the campaign editor", "Выйти из редактора кампаний"}, {"Exit", "Выход"}}},
         {{{"Undo the last change", "Отменить последнее изменение"}, {"Undo", "Отменить"}}},
         {{{"Redo the last undone change", "Вернуть отменённое изменение"}, {"Redo", "Повторить"}}},
         {{{"Open this recently used campaign", "Открыть эту недавнюю кампанию"},
           {"Recent file", "Недавний файл"}}},
         {{{"Add a scenario to the campaign", "Добавить сценарий в кампанию"},
           {"Add scenario", "Добавить сценарий"}}},
         {{{"Remove the selected scenario", "Удалить выбранный сценарий"},
           {"Remove scenario", "Удалить сценарий"}}},
         {{{"Move the scenario up", "Переместить сценарий вверх"}, {"Move up", "Вверх"}}},
         {{{"Move the scenario down", "Переместить сценарий вниз"}, {"Move down", "Вниз"}}},
         {{{"Import a map into the selected scenario", "Импортировать карту в выбранный сценарий"},
           {"Import map", "Импорт карты"}}},
         {{{"Export the map of the selected scenario", "Экспортировать карту выбранного сценария"},
           {"Export map", "Экспорт карты"}}},
         {{{"Reload every scenario map from its map file",
            "Перечитать карты всех сценариев из их файлов"},
           {"Refresh Scenario Maps", "Обновить карты сценариев"}}},
         {{{"Write every scenario map to a map file", "Записать карту каждого сценария в файл"},
           {"Export Scenario Maps", "Экспорт карт сценариев"}}},
         {{{"Edit the campaign's name, description, music and map",
            "Изменить название, описание, музыку и карту кампании"},
           {"Campaign Properties", "Свойства кампании"}}},
         {{{"Edit the selected scenario", "Изменить выбранный сценарий"},
           {"Scenario Properties", "Свойства сценария"}}},
         {{{"Write all campaign texts to a text file",
            "Записать все тексты кампании в текстовый файл"},
           {"Export Texts", "Экспорт текстов"}}},
         {{{"Read the campaign texts back from a text file",
            "Прочитать тексты кампании из текстового файла"},
           {"Import Texts", "Импорт текстов"}}}},
        language);
}

} // namespace

QVector<DemoArchiveEntry> demoModTables(DemoLanguage language) {
    const QString tarq = QStringLiteral("Tarq");
    const QString tarqLanguage = QStringLiteral("Tarq_lng");
    // Music and video names are file names: the same in every language.
    return {tableEntry(tarq, QStringLiteral("CmpMusic.txt"), musicTable(), language),
            tableEntry(tarq, QStringLiteral("CmpMovie.txt"), videoTable(), language, true),
            tableEntry(tarqLanguage, QStringLiteral("CmpEditr.txt"), editorTextTable(language),
                       language, true),
            tableEntry(tarqLanguage, QStringLiteral("VadOzCmd.txt"), commandHintTable(language),
                       language)};
}
