<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutVadOz</name>
    <message>
        <source>About Campaign Editor</source>
        <translation>О редакторе кампаний</translation>
    </message>
</context>
<context>
    <name>BonusCreatureDlg</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Hero:</source>
        <translation>Герой:</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>Количество:</translation>
    </message>
    <message>
        <source>Creature type:</source>
        <translation>Тип существа:</translation>
    </message>
</context>
<context>
    <name>BonusDialog</name>
    <message>
        <source>Edit Starting Bonus</source>
        <translation>Стартовый бонус</translation>
    </message>
    <message>
        <source>Select a bonus type:</source>
        <translation>Выберите тип бонуса:</translation>
    </message>
    <message>
        <source>Spell</source>
        <translation>Заклинание</translation>
    </message>
    <message>
        <source>Creature</source>
        <translation>Существо</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>Постройка</translation>
    </message>
    <message>
        <source>Artifact</source>
        <translation>Артефакт</translation>
    </message>
    <message>
        <source>Spell scroll</source>
        <translation>Свиток с заклинанием</translation>
    </message>
    <message>
        <source>Primary skill</source>
        <translation>Первичный навык</translation>
    </message>
    <message>
        <source>Secondary skill</source>
        <translation>Вторичный навык</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ресурс</translation>
    </message>
</context>
<context>
    <name>CampaignCheck</name>
    <message>
        <source>A bonus names spell %1, which the game does not have.</source>
        <translation>Бонус называет заклинание %1, которого нет в игре.</translation>
    </message>
    <message>
        <source>A bonus names creature %1, which the game does not have.</source>
        <translation>Бонус называет существо %1, которого нет в игре.</translation>
    </message>
    <message>
        <source>A bonus names artifact %1, which the game does not have.</source>
        <translation>Бонус называет артефакт %1, которого нет в игре.</translation>
    </message>
    <message>
        <source>A bonus names secondary skill %1 at level %2, which the game does not have.</source>
        <translation>Бонус называет вторичный навык %1 уровня %2, которого нет в игре.</translation>
    </message>
    <message>
        <source>A bonus names resource %1, which the game does not have.</source>
        <translation>Бонус называет ресурс %1, которого нет в игре.</translation>
    </message>
    <message>
        <source>A starting bonus is of type %1, which the game does not know.</source>
        <translation>Стартовый бонус имеет тип %1, неизвестный игре.</translation>
    </message>
    <message>
        <source>Prologue page %1 shows video %2, which the game does not have.</source>
        <translation>Страница пролога %1 показывает видео %2, которого нет в игре.</translation>
    </message>
    <message>
        <source>Epilogue page %1 shows video %2, which the game does not have.</source>
        <translation>Страница эпилога %1 показывает видео %2, которого нет в игре.</translation>
    </message>
    <message>
        <source>Prologue page %1 plays music %2, which the game does not have.</source>
        <translation>Страница пролога %1 играет музыку %2, которой нет в игре.</translation>
    </message>
    <message>
        <source>Epilogue page %1 plays music %2, which the game does not have.</source>
        <translation>Страница эпилога %1 играет музыку %2, которой нет в игре.</translation>
    </message>
    <message>
        <source>Crossover heroes keep creatures the game does not have: %1.</source>
        <translation>Переходящие герои сохраняют существ, которых нет в игре: %1.</translation>
    </message>
    <message>
        <source>Crossover heroes keep artifacts the game does not have: %1.</source>
        <translation>Переходящие герои сохраняют артефакты, которых нет в игре: %1.</translation>
    </message>
    <message>
        <source>The campaign plays music %1, which the game does not have.</source>
        <translation>Кампания играет музыку %1, которой нет в игре.</translation>
    </message>
    <message>
        <source>The region colour %1 is not one of the eight player colours.</source>
        <translation>Цвет региона %1 не входит в восемь цветов игроков.</translation>
    </message>
    <message>
        <source>The map %1 is damaged and cannot be unpacked.</source>
        <translation>Карта %1 повреждена, её невозможно распаковать.</translation>
    </message>
    <message>
        <source>The map %1 is cut short and cannot be read.</source>
        <translation>Карта %1 обрезана, её невозможно прочитать.</translation>
    </message>
    <message>
        <source>The region %1 has no scenario map and stays empty.</source>
        <translation>У региона %1 нет карты сценария, он останется пустым.</translation>
    </message>
    <message>
        <source>The map %1 has no name.</source>
        <translation>У карты %1 нет названия.</translation>
    </message>
    <message>
        <source>The scenario requires itself, so it can never be played.</source>
        <translation>Сценарий требует сам себя, поэтому в него никогда не сыграть.</translation>
    </message>
    <message>
        <source>These scenarios require each other in a circle, so none of them can be played: %1.</source>
        <translation>Эти сценарии требуют друг друга по кругу, поэтому ни в один из них не сыграть: %1.</translation>
    </message>
    <message>
        <source>No scenario of the campaign has a map.</source>
        <translation>Ни у одного сценария кампании нет карты.</translation>
    </message>
    <message>
        <source>Every scenario requires another one, so no scenario can be played first.</source>
        <translation>Каждый сценарий требует другой, поэтому ни с одного сценария нельзя начать.</translation>
    </message>
    <message>
        <source>The scenario requires %1, which has no map and can never be won.</source>
        <translation>Сценарий требует %1: у него нет карты, и его никогда не пройти.</translation>
    </message>
    <message>
        <source>The scenario can never be reached: it requires %1, which can never be played.</source>
        <translation>До сценария никогда не дойти: он требует %1, в который никогда не сыграть.</translation>
    </message>
    <message>
        <source>The scenario offers %1 starting options; the game shows at most %2.</source>
        <translation>Стартовых вариантов в сценарии: %1; игра показывает не больше %2.</translation>
    </message>
    <message>
        <source>The starting bonuses go to %1, whom no human may play on this map.</source>
        <translation>Стартовые бонусы получает %1, за которого на этой карте не может играть человек.</translation>
    </message>
    <message>
        <source>%1: %2 does not own this hero on the map.</source>
        <translation>%1: у игрока %2 нет этого героя на карте.</translation>
    </message>
    <message>
        <source>%1: the main town of %2 generates no hero.</source>
        <translation>%1: главный город игрока %2 не создаёт героя.</translation>
    </message>
    <message>
        <source>A bonus builds building %1, but %2 has no main town of a known type.</source>
        <translation>Бонус строит здание %1, но у игрока %2 нет главного города известного типа.</translation>
    </message>
    <message>
        <source>A bonus builds building %1, which a main town of type %2 (that of %3) cannot have.</source>
        <translation>Бонус строит здание %1, которого не бывает в главном городе типа %2 (у игрока %3).</translation>
    </message>
    <message>
        <source>The starting hero %1 goes to %2, whom no human may play on this map.</source>
        <translation>Стартовый герой %1 достаётся игроку %2, за которого на этой карте не может играть человек.</translation>
    </message>
    <message>
        <source>The starting hero %1: %2 does not own this hero on the map and has no main town that generates a hero.</source>
        <translation>Стартовый герой %1: у игрока %2 нет этого героя на карте и нет главного города, создающего героя.</translation>
    </message>
    <message>
        <source>The starting hero %1 of %2: the map keeps this hero out of the game.</source>
        <translation>Стартовый герой %1 игрока %2: карта исключает этого героя из игры.</translation>
    </message>
    <message>
        <source>The hero from %1 goes to %2, whom no human may play on this map.</source>
        <translation>Герой из сценария %1 достаётся игроку %2, за которого на этой карте не может играть человек.</translation>
    </message>
    <message>
        <source>The hero from %1 cannot come over: that scenario is not won before this one.</source>
        <translation>Герой из сценария %1 не может перейти: тот сценарий не проходится раньше этого.</translation>
    </message>
    <message>
        <source>The hero from %1 is offered more than once.</source>
        <translation>Герой из сценария %1 предлагается больше одного раза.</translation>
    </message>
    <message>
        <source>The campaign has no name.</source>
        <translation>У кампании нет названия.</translation>
    </message>
    <message>
        <source>The campaign description has %1 characters; the game shows %2.</source>
        <translation>Символов в описании кампании: %1; игра показывает %2.</translation>
    </message>
    <message>
        <source>The region text has %1 characters; the game shows %2.</source>
        <translation>Символов в тексте региона: %1; игра показывает %2.</translation>
    </message>
</context>
<context>
    <name>CampaignFile</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Maps in this campaign contain corrupted data, and campaign can&apos;t be opened.
</source>
        <translation>Карты этой кампании содержат повреждённые данные, поэтому открыть кампанию невозможно.
</translation>
    </message>
    <message>
        <source>Can&apos;t open file %1</source>
        <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Не удаётся записать файл %1:
%2.</translation>
    </message>
    <message>
        <source>Invalid campaign file version!

File version = %1
Current version = %2</source>
        <translation>Неверная версия файла кампании!

Версия файла: %1
Текущая версия: %2</translation>
    </message>
    <message>
        <source>Invalid campaign file subversion!

File subversion = %1
Current subversion = %2</source>
        <translation>Неверная подверсия файла кампании!

Подверсия файла: %1
Текущая подверсия: %2</translation>
    </message>
    <message>
        <source>This campaign was made for a newer version of Tarq %1.%2.%3. It is impossible to open it in older version.
</source>
        <translation>Эта кампания создана для более новой версии Tarq %1.%2.%3. Открыть её в более старой версии невозможно.
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>This campaign was made for an older version of Tarq %1.%2.%3, and the author of the campaign restricted its launch in newer versions of Tarq. You can edit this campaign, but its Tarq version will be updated to %4.%5.%6, and in this version the map may become unplayable.</source>
        <translation>Эта кампания создана для более старой версии Tarq %1.%2.%3, и её автор запретил запускать её в более новых версиях Tarq. Кампанию можно изменить, но её версия Tarq будет обновлена до %4.%5.%6, и в этой версии карта может оказаться непригодной для игры.</translation>
    </message>
    <message>
        <source>the written campaign would not read back as this campaign</source>
        <translation>записанная кампания не прочиталась бы обратно как эта кампания</translation>
    </message>
</context>
<context>
    <name>CampaignFolder</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Не удаётся прочитать файл %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Не удаётся записать файл %1:
%2.</translation>
    </message>
    <message>
        <source>scenarios[%1].mapData: %2 lies outside the folder</source>
        <translation>scenarios[%1].mapData: %2 находится вне папки</translation>
    </message>
</context>
<context>
    <name>CampaignJson</name>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>ожидается объект</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>неизвестный ключ</translation>
    </message>
    <message>
        <source>expected an array</source>
        <translation>ожидается массив</translation>
    </message>
    <message>
        <source>expected %1 entries, found %2</source>
        <translation>ожидается элементов: %1, найдено: %2</translation>
    </message>
    <message>
        <source>%1 entries, but the campaign file holds at most %2</source>
        <translation>элементов: %1, но файл кампании вмещает не более %2</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation>ожидается целое число от %1 до %2</translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 не является целым числом от %2 до %3</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>ожидается true или false</translation>
    </message>
    <message>
        <source>expected an object or null</source>
        <translation>ожидается объект или null</translation>
    </message>
    <message>
        <source>expected the name of a map file or null</source>
        <translation>ожидается имя файла карты или null</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>ожидается текст</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) cannot be written in the campaign file&apos;s code page %3</source>
        <translation>символ «%1» (U+%2) нельзя записать в кодовой странице файлов кампаний %3</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>не JSON: %1 в байте %2</translation>
    </message>
    <message>
        <source>unknown layout &quot;%1&quot;; this program reads &quot;%2&quot;</source>
        <translation>неизвестный формат «%1»; эта программа читает «%2»</translation>
    </message>
    <message>
        <source>expected &quot;%1&quot;</source>
        <translation>ожидается «%1»</translation>
    </message>
    <message>
        <source>campaign map %1 has %2 regions, so the campaign has %2 scenarios, not %3</source>
        <translation>на карте кампании %1 регионов: %2, поэтому сценариев в кампании должно быть %2, а не %3</translation>
    </message>
    <message>
        <source>scenarioCount is %1, but there are %2 scenarios</source>
        <translation>scenarioCount равно %1, но сценариев %2</translation>
    </message>
</context>
<context>
    <name>ConvertCampaign</name>
    <message>
        <source>Convert Campaign</source>
        <translation>Преобразование кампании</translation>
    </message>
    <message>
        <source>Convert to...</source>
        <translation>Преобразовать в...</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Scenario count:</source>
        <translation>Число сценариев:</translation>
    </message>
    <message>
        <source>Region count:</source>
        <translation>Число регионов:</translation>
    </message>
    <message>
        <source>Do you really want to convert the campaign to different type? Some scenarios will be deleted!</source>
        <translation>Вы действительно хотите изменить тип кампании? Некоторые сценарии будут удалены!</translation>
    </message>
    <message>
        <source>Do you really want to convert the campaign to different type?</source>
        <translation>Вы действительно хотите изменить тип кампании?</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Сохранение изменений</translation>
    </message>
    <message>
        <source>Convert to campaign with map</source>
        <translation>Преобразовать в кампанию с картой</translation>
    </message>
    <message>
        <source>Convert to campaign without map</source>
        <translation>Преобразовать в кампанию без карты</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Some scenarios will be deleted!</source>
        <translation>Некоторые сценарии будут удалены!</translation>
    </message>
</context>
<context>
    <name>DragAndDropHandler</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Only local files can be opened; %1 is not one.</source>
        <translation>Открыть можно только локальные файлы; %1 к ним не относится.</translation>
    </message>
</context>
<context>
    <name>EditCampaign</name>
    <message>
        <source>Campaign Properties</source>
        <translation>Свойства кампании</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Карта:</translation>
    </message>
    <message>
        <source>Scenario &amp;difficulty is user selectable</source>
        <translation>&amp;Сложность сценариев выбирает игрок</translation>
    </message>
    <message>
        <source>Forbid launch in newer Tarq versions</source>
        <translation>Запретить запуск в более новых версиях Tarq</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Tarq %1.%2.%3</source>
        <translation>Tarq %1.%2.%3</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Сохранение изменений</translation>
    </message>
    <message>
        <source>Do you really want to change the background?</source>
        <translation>Вы действительно хотите сменить фон?</translation>
    </message>
</context>
<context>
    <name>FindingsWindow</name>
    <message>
        <source>Campaign Check</source>
        <translation>Проверка кампании</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Важность</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Сценарий</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Проблема</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Кампания</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Проблем не найдено.</translation>
    </message>
    <message>
        <source>Errors: %1. Warnings: %2. Double-click a finding to mend it.</source>
        <translation>Ошибок: %1. Предупреждений: %2. Дважды щёлкните по строке, чтобы исправить.</translation>
    </message>
</context>
<context>
    <name>HeroCrossover</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Source scenario</source>
        <translation>Из сценария</translation>
    </message>
    <message>
        <source>Player position</source>
        <translation>Позиция игрока</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>HeroCrossoverDialog</name>
    <message>
        <source>Edit Hero Crossover Option</source>
        <translation>Вариант переноса героя</translation>
    </message>
    <message>
        <source>Source scenario:</source>
        <translation>Из сценария:</translation>
    </message>
    <message>
        <source>Player position: </source>
        <translation>Позиция игрока: </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Veldmark Campaign Editor</source>
        <translation>Редактор кампаний Veldmark</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Создать...</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Export Texts...</source>
        <translation>Экспорт текстов...</translation>
    </message>
    <message>
        <source>Import Texts...</source>
        <translation>Импорт текстов...</translation>
    </message>
    <message>
        <source>Refresh Scenario Maps</source>
        <translation>Обновить карты сценариев</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Export Scenario Maps</source>
        <translation>Экспорт карт сценариев</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Campaign Properties</source>
        <translation>Свойства кампании</translation>
    </message>
    <message>
        <source>Ctrl+Enter</source>
        <translation>Ctrl+Enter</translation>
    </message>
    <message>
        <source>Scenario Properties</source>
        <translation>Свойства сценария</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>About Campaign Editor...</source>
        <translation>О редакторе кампаний...</translation>
    </message>
    <message>
        <source>Convert campaign...</source>
        <translation>Преобразовать кампанию...</translation>
    </message>
    <message>
        <source>Veldmark: Tarq Campaign Editor</source>
        <translation>Veldmark: редактор кампаний Tarq</translation>
    </message>
    <message>
        <source>Untitled.y6c</source>
        <translation>Безымянный.y6c</translation>
    </message>
    <message>
        <source>%1%3 - %2</source>
        <translation>%1%3 - %2</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Не удаётся прочитать файл %1:
%2.</translation>
    </message>
    <message>
        <source>Open Map File</source>
        <translation>Открыть кампанию</translation>
    </message>
    <message>
        <source>Veldmark campaign (*.y6c);;All Files (*)</source>
        <translation>Кампания Veldmark (*.y6c);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the campaign?</source>
        <translation>Версия кампании будет обновлена, и открыть кампанию в более старых версиях редактора кампаний Tarq будет невозможно. Вы действительно хотите сохранить кампанию?</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Безымянный</translation>
    </message>
    <message>
        <source>Campaign version will be updated and it will be impossible to open the campaign in older versions of Tarq campaign editor. Do you really want to save the %1?</source>
        <translation>Версия кампании будет обновлена, и открыть кампанию в более старых версиях редактора кампаний Tarq будет невозможно. Вы действительно хотите сохранить «%1»?</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в «%1»?</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All Files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Не удаётся записать файл %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read file %1 - incorrect campaign text:
%2.</source>
        <translation>Не удаётся прочитать файл %1 — неверный текст кампании:
%2.</translation>
    </message>
    <message>
        <source>line %1: expected &quot;%2&quot;</source>
        <translation>строка %1: ожидалось «%2»</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo the last change to the campaign</source>
        <translation>Отменить последнее изменение кампании</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Повторить отменённое изменение</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Import Texts</source>
        <translation>Импорт текстов</translation>
    </message>
    <message>
        <source>Convert Campaign</source>
        <translation>Преобразование кампании</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the campaign and start an empty one</source>
        <translation>Закрыть кампанию и начать пустую</translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <source>%1 is a map, not a campaign. Maps are imported into a scenario in Scenario Properties.</source>
        <translation>%1 — это карта, а не кампания. Карты импортируются в сценарий в окне свойств сценария.</translation>
    </message>
    <message>
        <source>Check Campaign</source>
        <translation>Проверить кампанию</translation>
    </message>
    <message>
        <source>Find what keeps the game from playing the campaign as meant</source>
        <translation>Найти то, что не даст игре пройти кампанию так, как задумано</translation>
    </message>
    <message>
        <source>The campaign has %1 errors. Save anyway?</source>
        <translation>В кампании ошибок: %1. Всё равно сохранить?</translation>
    </message>
</context>
<context>
    <name>MapBrowser</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Failed to open the sound driver.</source>
        <translation>Не удалось открыть звуковой драйвер.</translation>
    </message>
    <message>
        <source>The digital audio driver of Tarq_Data\mss32.dll failed. Choose another output device in the sound settings of Windows.</source>
        <translation>Цифровой звуковой драйвер Tarq_Data\mss32.dll не работает. Выберите другое устройство вывода в настройках звука Windows.</translation>
    </message>
    <message>
        <source>No audio driver could be opened (%1). Choose one with the environment variable SDL_AUDIODRIVER: %2.</source>
        <translation>Не удалось открыть ни один звуковой драйвер (%1). Выберите драйвер переменной окружения SDL_AUDIODRIVER: %2.</translation>
    </message>
    <message>
        <source>The audio driver &quot;%1&quot; failed (%2). Choose another one with the environment variable SDL_AUDIODRIVER: %3.</source>
        <translation>Звуковой драйвер «%1» не работает (%2). Выберите другой переменной окружения SDL_AUDIODRIVER: %3.</translation>
    </message>
</context>
<context>
    <name>MyQGraphicsView</name>
    <message>
        <source>Properties...</source>
        <translation>Свойства...</translation>
    </message>
</context>
<context>
    <name>NewCampaign</name>
    <message>
        <source>Campaign map</source>
        <translation>Карта кампании</translation>
    </message>
    <message>
        <source>Campaign background</source>
        <translation>Фон кампании</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot read file %1. Map has errors.</source>
        <translation>Не удаётся прочитать файл %1. Карта содержит ошибки.</translation>
    </message>
    <message>
        <source>This map was made for an newer version of Tarq %1.%2.%3. This map cannot be added to campaign in version %4.%5.%6.</source>
        <translation>Эта карта создана для более новой версии Tarq %1.%2.%3. Её нельзя добавить в кампанию версии %4.%5.%6.</translation>
    </message>
    <message>
        <source>This map was made for an older version of Tarq %1.%2.%3, and the author of the map restricted its use in campaigns of newer versions of Tarq. This map cannot be added to campaign in version %4.%5.%6.</source>
        <translation>Эта карта создана для более старой версии Tarq %1.%2.%3, и её автор запретил использовать её в кампаниях более новых версий Tarq. Её нельзя добавить в кампанию версии %4.%5.%6.</translation>
    </message>
    <message>
        <source>Unknown map format - probably of newer Tarq versions.</source>
        <translation>Неизвестный формат карты — вероятно, из более новой версии Tarq.</translation>
    </message>
    <message>
        <source>Most powerful hero</source>
        <translation>Самый сильный герой</translation>
    </message>
    <message>
        <source>Generated hero</source>
        <translation>Сгенерированный герой</translation>
    </message>
    <message>
        <source> (in town)</source>
        <translation> (в городе)</translation>
    </message>
    <message>
        <source>Random hero</source>
        <translation>Случайный герой</translation>
    </message>
    <message>
        <source> (on map)</source>
        <translation> (на карте)</translation>
    </message>
    <message>
        <source>Give %1 spell to %2</source>
        <translation>%2 получает заклинание «%1»</translation>
    </message>
    <message>
        <source>Build %1 at Main Town</source>
        <translation>Постройка в главном городе: %1</translation>
    </message>
    <message>
        <source>Give %1 to %2</source>
        <translation>%2 получает: %1</translation>
    </message>
    <message>
        <source>Give %1 Spell Scroll to %2</source>
        <translation>%2 получает свиток с заклинанием «%1»</translation>
    </message>
    <message>
        <source>Receive %1 %2</source>
        <translation>Игрок получает: %2 (%1)</translation>
    </message>
    <message>
        <source>Unknown bonus (type %1)</source>
        <translation>Неизвестный бонус (тип %1)</translation>
    </message>
    <message>
        <source>Player %1 (%2)</source>
        <translation>Игрок %1 (%2)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>%1. Empty</source>
        <translation>%1. Пусто</translation>
    </message>
    <message>
        <source>No scenario</source>
        <translation>Нет сценария</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Базовый</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Продвинутый</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t find %1 file in lod file</source>
        <translation>Файл %1 не найден в LOD-архиве</translation>
    </message>
    <message>
        <source>Give %1 %2 to %3</source>
        <comment>creature bonus: count, creature, hero</comment>
        <translation>%3 получает: %2 (%1)</translation>
    </message>
    <message>
        <source>Give %1 %2 to %3</source>
        <comment>secondary skill bonus: level, skill, hero</comment>
        <translation>%3 получает навык «%2» (%1)</translation>
    </message>
    <message>
        <source>Archives were searched in %1.</source>
        <translation>Архивы искались в папке %1.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>These archive entries are damaged (their data lies past the end of the file) and are not used:
%1</source>
        <translation>Эти записи архивов повреждены (их данные лежат за концом файла) и не используются:
%1</translation>
    </message>
</context>
<context>
    <name>ScenarioCrossover</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Crossover heroes details</source>
        <translation>Что переносится вместе с героями</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Опыт</translation>
    </message>
    <message>
        <source>Primary Skills</source>
        <translation>Первичные навыки</translation>
    </message>
    <message>
        <source>Secondary Skills</source>
        <translation>Вторичные навыки</translation>
    </message>
    <message>
        <source>Spells</source>
        <translation>Заклинания</translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation>Артефакты</translation>
    </message>
    <message>
        <source>Creature types:</source>
        <translation>Типы существ:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Снять все</translation>
    </message>
    <message>
        <source>Crossover Artifacts:</source>
        <translation>Переносимые артефакты:</translation>
    </message>
</context>
<context>
    <name>ScenarioGeneral</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Region name</source>
        <translation>Название региона</translation>
    </message>
    <message>
        <source>Scenario name</source>
        <translation>Название сценария</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Region color</source>
        <translation>Цвет региона</translation>
    </message>
    <message>
        <source>Map file</source>
        <translation>Файл карты</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Импорт...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Default difficulty:</source>
        <translation>Сложность по умолчанию:</translation>
    </message>
    <message>
        <source>Prerequisites:</source>
        <translation>Предварительные сценарии:</translation>
    </message>
    <message>
        <source>Region right-click text:</source>
        <translation>Текст при щелчке правой кнопкой по региону:</translation>
    </message>
    <message>
        <source>Veldmark map (*.y6m);;All Files (*)</source>
        <translation>Карта Veldmark (*.y6m);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Не удаётся прочитать файл %1:
%2.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>ScenarioInfo</name>
    <message>
        <source>Scenario Properties</source>
        <translation>Свойства сценария</translation>
    </message>
    <message>
        <source>Scenario list</source>
        <translation>Список сценариев</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Prologue</source>
        <translation>Пролог</translation>
    </message>
    <message>
        <source>Epilogue</source>
        <translation>Эпилог</translation>
    </message>
    <message>
        <source>Crossover Options</source>
        <translation>Перенос героев</translation>
    </message>
    <message>
        <source>Starting Options</source>
        <translation>Стартовые варианты</translation>
    </message>
    <message>
        <source>Do you really want to delete all scenarios?</source>
        <translation>Вы действительно хотите удалить все сценарии?</translation>
    </message>
</context>
<context>
    <name>ScenarioPrologue</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Has prologue</source>
        <translation>Есть пролог</translation>
    </message>
    <message>
        <source>Set up</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Видео:</translation>
    </message>
    <message>
        <source>Music:</source>
        <translation>Музыка:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Сообщение:</translation>
    </message>
    <message>
        <source>Has epilogue</source>
        <translation>Есть эпилог</translation>
    </message>
</context>
<context>
    <name>ScenarioStartOptions</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Starting options are:</source>
        <translation>На старте игроку предлагаются:</translation>
    </message>
    <message>
        <source>Starting bonus options</source>
        <translation>Стартовые бонусы</translation>
    </message>
    <message>
        <source>Hero crossover options</source>
        <translation>Переносимые герои</translation>
    </message>
    <message>
        <source>Starting hero options</source>
        <translation>Стартовые герои</translation>
    </message>
</context>
<context>
    <name>StartingBonus</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Player position:</source>
        <translation>Позиция игрока:</translation>
    </message>
    <message>
        <source>Starting bonus option</source>
        <translation>Вариант стартового бонуса</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>StartingHeroDialog</name>
    <message>
        <source>Edit Starting Hero Option</source>
        <translation>Вариант стартового героя</translation>
    </message>
    <message>
        <source>Hero Identity:</source>
        <translation>Герой:</translation>
    </message>
    <message>
        <source>Player position: </source>
        <translation>Позиция игрока: </translation>
    </message>
</context>
<context>
    <name>StartingHeroOptions</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Hero</source>
        <translation>Герой</translation>
    </message>
    <message>
        <source>Player position</source>
        <translation>Позиция игрока</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>bonus_multibox_dlg</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Получатель:</translation>
    </message>
    <message>
        <source>Item 1:</source>
        <translation>Элемент 1:</translation>
    </message>
    <message>
        <source>Item 2:</source>
        <translation>Элемент 2:</translation>
    </message>
    <message>
        <source>Spell:</source>
        <translation>Заклинание:</translation>
    </message>
    <message>
        <source>Building:</source>
        <translation>Постройка:</translation>
    </message>
    <message>
        <source>Artifact:</source>
        <translation>Артефакт:</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Навык:</translation>
    </message>
    <message>
        <source>Skill level:</source>
        <translation>Уровень навыка:</translation>
    </message>
</context>
<context>
    <name>bonus_value_dlg</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Datatype:</source>
        <translation>Тип данных:</translation>
    </message>
    <message>
        <source>Value1:</source>
        <translation>Значение 1:</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Получатель:</translation>
    </message>
    <message>
        <source>Attack skill:</source>
        <translation>Атака:</translation>
    </message>
    <message>
        <source>Defense skill:</source>
        <translation>Защита:</translation>
    </message>
    <message>
        <source>Spell power:</source>
        <translation>Сила магии:</translation>
    </message>
    <message>
        <source>Knowledge:</source>
        <translation>Знания:</translation>
    </message>
    <message>
        <source>Resource type:</source>
        <translation>Тип ресурса:</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Количество</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Veldmark Campaign Editor cannot be launched because Tarq_settings.ini was not found. 
Tarq_settings.ini must be in Veldmark root folder.</source>
        <translation>Не удаётся запустить редактор кампаний Veldmark: не найден файл Tarq_settings.ini. 
Файл Tarq_settings.ini должен находиться в корневой папке Veldmark.</translation>
    </message>
    <message>
        <source>Campaign Editor cannot be launched because Tarq.dat was not found. 
Tarq.dat must be in Veldmark root folder.</source>
        <translation>Не удаётся запустить редактор кампаний: не найден файл Tarq.dat. 
Файл Tarq.dat должен находиться в корневой папке Veldmark.</translation>
    </message>
    <message>
        <source>Error in Tarq_Settings.ini: field &quot;Tarq.dat Text Encoding&quot; is invalid.</source>
        <translation>Ошибка в Tarq_Settings.ini: недопустимое значение поля «Tarq.dat Text Encoding».</translation>
    </message>
</context>
<context>
    <name>newcampaign</name>
    <message>
        <source>New Campaign</source>
        <translation>Новая кампания</translation>
    </message>
    <message>
        <source>Campaign type</source>
        <translation>Тип кампании</translation>
    </message>
    <message>
        <source>Campaign with map</source>
        <translation>Кампания с картой</translation>
    </message>
    <message>
        <source>Campaign without map</source>
        <translation>Кампания без карты</translation>
    </message>
    <message>
        <source>Campaign map</source>
        <translation>Карта кампании</translation>
    </message>
</context>
</TS>
