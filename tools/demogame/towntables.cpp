// The demo game's building tables: buildings every town may have, each town's special
// buildings, and the creature dwellings.

#include "demodescription.h"
#include "tabletext.h"

namespace {

QStringList neutralBuildingTable(DemoLanguage language) {
    static const Wording buildings[][2] = {
        {{"Arcane Circle, Level 1", "Круг магии, уровень 1"},
         {"Teaches the spells of the first circle.", "Обучает заклинаниям первого круга."}},
        {{"Arcane Circle, Level 2", "Круг магии, уровень 2"},
         {"Teaches the spells of the second circle.", "Обучает заклинаниям второго круга."}},
        {{"Arcane Circle, Level 3", "Круг магии, уровень 3"},
         {"Teaches the spells of the third circle.", "Обучает заклинаниям третьего круга."}},
        {{"Arcane Circle, Level 4", "Круг магии, уровень 4"},
         {"Teaches the spells of the fourth circle.", "Обучает заклинаниям четвёртого круга."}},
        {{"Arcane Circle, Level 5", "Круг магии, уровень 5"},
         {"Teaches the spells of the fifth circle.", "Обучает заклинаниям пятого круга."}},
        {{"Harbour", "Гавань"},
         {"Builds ships for heroes who cross the water.",
          "Строит корабли для героев, пересекающих воду."}},
        {{"Forge", "Кузница"}, {"Sells the town's war machine.", "Продаёт боевую машину города."}},
        {{"Palisade", "Частокол"}, {"Wooden walls and a gate.", "Деревянные стены и ворота."}},
        {{"Keep", "Форт"},
         {"A keep with one archer tower; growth +50%.",
          "Форт с одной башней лучников; прирост +50%."}},
        {{"Citadel", "Цитадель"},
         {"Stone walls and three towers; growth doubled.",
          "Каменные стены и три башни; прирост удвоен."}},
        {{"Resource Silo", "Склад ресурсов"},
         {"Yields one resource a day.", "Даёт один ресурс в день."}},
        {{"Village Hall", "Сельская управа"},
         {"Collects 500 gold a day.", "Приносит 500 золота в день."}},
        {{"Town Hall", "Ратуша"}, {"Collects 1000 gold a day.", "Приносит 1000 золота в день."}},
        {{"Guildhall", "Дом гильдий"},
         {"Collects 2000 gold a day.", "Приносит 2000 золота в день."}},
        {{"Trading Post", "Торговый пост"},
         {"Trades resources at the town's rate.", "Обменивает ресурсы по курсу города."}},
        {{"Inn", "Таверна"},
         {"Hires heroes and hears rumours.", "Здесь нанимают героев и слушают слухи."}}};
    QStringList lines = {Wording{"Buildings of every town", "Здания всех городов"}.in(language)};
    for (const auto &building : buildings)
        lines << cells({building[0].in(language), building[1].in(language)});
    // Upgrades of the buildings above carry a cost column; the editor does not list them.
    static const Wording upgrades[][2] = {
        {{"Great Harbour", "Большая гавань"},
         {"Builds ships and sells maps.", "Строит корабли и продаёт карты."}},
        {{"Stone Keep", "Каменный форт"}, {"A keep with two towers.", "Форт с двумя башнями."}}};
    lines << cells({upgrades[0][0].in(language), upgrades[0][1].in(language), "2500"});
    lines << cells({upgrades[1][0].in(language), upgrades[1][1].in(language), "5000"});
    lines << QStringLiteral("END");
    return lines;
}

QStringList specialBuildingTable(DemoLanguage language) {
    static const Wording buildings[] = {
        // Bastion, 0 to 7
        {"Lighthouse", "Маяк"},
        {"Hippogriff Aviary", "Вольер гиппогрифов"},
        {"Town Granary", "Городской амбар"},
        {"Colossus Plinth", "Постамент колосса"},
        {"Royal Stables", "Королевские конюшни"},
        {"Brotherhood of the Blade", "Братство клинка"},
        {"Cathedral of Dawn", "Собор рассвета"},
        {"Bell Tower", "Колокольня"},
        // Grove, 8 to 16
        {"Mystic Pond", "Мистический пруд"},
        {"Fairy Ring", "Кольцо фей"},
        {"Rainbow Arch", "Радужная арка"},
        {"Fountain of Fortune", "Фонтан удачи"},
        {"Treasury", "Сокровищница"},
        {"Dryad Grove", "Роща дриад"},
        {"Elder Tree", "Древнее древо"},
        {"Moonwell Sanctum", "Святилище лунного колодца"},
        {"Grove Reserve", "Заповедная роща"},
        // Spire, 17 to 25
        {"Library Annex", "Пристройка библиотеки"},
        {"Sculptor's Wing", "Крыло скульптора"},
        {"Wall of Knowledge", "Стена знаний"},
        {"Lookout Tower", "Смотровая башня"},
        {"Artifact Merchants", "Торговцы артефактами"},
        {"Great Library", "Великая библиотека"},
        {"Skyward Observatory", "Небесная обсерватория"},
        {"Mana Vortex", "Вихрь маны"},
        {"Spire Vault", "Хранилище шпиля"},
        // Pit, 26 to 33
        {"Sulphur Pit", "Серная яма"},
        {"Gate of Flame", "Врата пламени"},
        {"Order of Fire", "Орден огня"},
        {"Brimstone Clouds", "Серные облака"},
        {"Kennel Yard", "Псарня"},
        {"Hall of Chains", "Зал цепей"},
        {"Altar of the Burning One", "Алтарь Пылающего"},
        {"Ash Vents", "Пепельные жерла"},
        // Crypt, 34 to 42
        {"Veil of Darkness", "Покров тьмы"},
        {"Unearthed Graves", "Разрытые могилы"},
        {"Ossuary", "Оссуарий"},
        {"Crypt Gate", "Врата склепа"},
        {"Soul Lantern", "Фонарь душ"},
        {"Bone Loom", "Костяной станок"},
        {"Mausoleum of Kings", "Мавзолей королей"},
        {"Grave Wall", "Кладбищенская стена"},
        {"Pit of Echoes", "Яма отголосков"},
        // Deep, 43 to 49
        {"Mushroom Rings", "Грибные кольца"},
        {"Deep Vault", "Глубинное хранилище"},
        {"Mana Font", "Источник маны"},
        {"Summoning Gate", "Врата призыва"},
        {"War Scholars' Academy", "Академия военных наук"},
        {"Guardian of the Deep", "Страж глубин"},
        {"Deep Gate", "Глубинные врата"},
        // Warcamp, 50 to 57
        {"Escape Tunnel", "Тайный ход"},
        {"Mess Hall", "Трапезная"},
        {"Raider Camp", "Лагерь налётчиков"},
        {"Mercenary Guild", "Гильдия наёмников"},
        {"Siege Yard", "Осадный двор"},
        {"Hall of Champions", "Зал чемпионов"},
        {"Warlord's Monument", "Монумент полководца"},
        {"Totem Ring", "Круг тотемов"},
        // Marsh, 58 to 64
        {"Trophy Hall", "Зал трофеев"},
        {"Reed Huts", "Тростниковые хижины"},
        {"Bog Shrine", "Болотное святилище"},
        {"Glyphs of Fear", "Знаки страха"},
        {"Blood Obelisk", "Кровавый обелиск"},
        {"Stockade", "Острог"},
        {"Monolith of the Marsh", "Монолит болот"},
        // Nexus, 65 to 71
        {"Shard Garden", "Сад осколков"},
        {"Prism Tower", "Призматическая башня"},
        {"Aether Well", "Колодец эфира"},
        {"Nexus Gate", "Врата узла"},
        {"Crystal Lens", "Хрустальная линза"},
        {"Elemental Nexus", "Узел стихий"},
        {"Astral Dome", "Астральный купол"},
        // Buildings of several towns, 72 and 73; the random town, 74 to 80
        {"Relic Monument", "Монумент реликвии"},
        {"Shipwright", "Верфь"},
        {"Horde Lodge, Level 1", "Приют орды, уровень 1"},
        {"Horde Lodge, Level 2", "Приют орды, уровень 2"},
        {"Horde Lodge, Level 2 (upg.)", "Приют орды, уровень 2 (улучш.)"},
        {"Horde Lodge, Level 3", "Приют орды, уровень 3"},
        {"Horde Lodge, Level 4", "Приют орды, уровень 4"},
        {"Horde Lodge, Level 5", "Приют орды, уровень 5"},
        {"Town Wonder", "Чудо города"}};
    const QString description = Wording{"The %1 of this town.", "%1 этого города."}.in(language);
    QStringList lines;
    for (const Wording &building : buildings) {
        const QString name = building.in(language);
        lines << cells({name, description.arg(name)});
    }
    lines << QStringLiteral("END");
    return lines;
}

QStringList dwellingTable(DemoLanguage language) {
    static const Wording towns[][7] = {{{"Drill Yard", "Плац"},
                                        {"Archery Range", "Стрельбище"},
                                        {"Hippogriff Roost", "Гнездовье гиппогрифов"},
                                        {"Hall of Oaths", "Зал клятв"},
                                        {"Chapel", "Часовня"},
                                        {"Jousting Lists", "Ристалище"},
                                        {"Sanctuary of Light", "Святилище света"}},
                                       {{"Pixie Glade", "Поляна пикси"},
                                        {"Thicket", "Чаща"},
                                        {"Elven Lodge", "Эльфийский дом"},
                                        {"Deer Park", "Олений парк"},
                                        {"Dryad Hollow", "Лощина дриад"},
                                        {"Silver Meadow", "Серебряный луг"},
                                        {"Drake Cliffs", "Драконьи утёсы"}},
                                       {{"Workshop", "Мастерская"},
                                        {"Sentinel Plinth", "Постамент стражей"},
                                        {"Sage's Study", "Кабинет мудреца"},
                                        {"Wind Altar", "Алтарь ветра"},
                                        {"Riddle Hall", "Зал загадок"},
                                        {"Cloud Keep", "Облачная твердыня"},
                                        {"Star Pool", "Звёздный пруд"}},
                                       {{"Imp Crucible", "Горнило бесов"},
                                        {"Brute Pens", "Загоны громил"},
                                        {"Kennels", "Псарни"},
                                        {"Brimstone Forge", "Серная кузня"},
                                        {"Chain Gaol", "Цепная темница"},
                                        {"Nightmare Stable", "Конюшня кошмаров"},
                                        {"Fiend Throne", "Трон демонов"}},
                                       {{"Open Graves", "Открытые могилы"},
                                        {"Bone Yard", "Костяной двор"},
                                        {"Wailing Tower", "Башня плача"},
                                        {"Blood Vault", "Кровавый склеп"},
                                        {"Barrow", "Курган"},
                                        {"Lich Spire", "Шпиль личей"},
                                        {"Wyrm Crypt", "Склеп змиев"}},
                                       {{"Crawler Nest", "Гнездо ползунов"},
                                        {"Harpy Loft", "Насест гарпий"},
                                        {"Gazer Pillar", "Столп созерцателей"},
                                        {"Ogre Tunnel", "Туннель огров"},
                                        {"Serpent Den", "Логово змеев"},
                                        {"Shadow Pit", "Теневая яма"},
                                        {"Chasm Lair", "Логово бездны"}},
                                       {{"Raider Tents", "Шатры налётчиков"},
                                        {"Wolf Pens", "Волчьи загоны"},
                                        {"Orc Tower", "Башня орков"},
                                        {"Ogre Fort", "Форт огров"},
                                        {"Roc Cliff", "Утёс рухов"},
                                        {"Cyclops Cave", "Пещера циклопов"},
                                        {"Behemoth Crag", "Скала бегемотов"}},
                                       {{"Mud Pits", "Грязевые ямы"},
                                        {"Lizard Den", "Логово ящеров"},
                                        {"Hive", "Улей"},
                                        {"Basilisk Pit", "Яма василисков"},
                                        {"Gorgon Lair", "Логово горгон"},
                                        {"Wyvern Nest", "Гнездо виверн"},
                                        {"Hydra Pond", "Пруд гидр"}},
                                       {{"Frost Shrine", "Святилище льда"},
                                        {"Ember Shrine", "Святилище углей"},
                                        {"Stone Shrine", "Святилище камня"},
                                        {"Wave Shrine", "Святилище волн"},
                                        {"Spark Shrine", "Святилище искр"},
                                        {"Mist Shrine", "Святилище тумана"},
                                        {"Prism Shrine", "Святилище призмы"}}};
    const DemoWords say{language};
    const QString recruits =
        say("Recruits creatures of level %1.", "Нанимает существ %1-го уровня.");
    const QString upgraded = upgradedBuildingName.in(language);
    QStringList lines;
    auto row = [&](const QString &name, int level) { lines << cells({name, recruits.arg(level)}); };
    for (const auto &town : towns) {
        for (int level = 0; level < 7; ++level)
            row(town[level].in(language), level + 1);
        for (int level = 0; level < 7; ++level)
            row(upgraded.arg(town[level].in(language)), level + 1);
    }
    const QString dwelling = say("Level %1 Dwelling", "Жилище %1-го уровня");
    const QString upgradedDwelling = say("Upg. Level %1 Dwelling", "Улучш. жилище %1-го уровня");
    for (int level = 1; level <= 7; ++level)
        row(dwelling.arg(level), level);
    for (int level = 1; level <= 7; ++level)
        row(upgradedDwelling.arg(level), level);
    lines << QStringLiteral("END");
    return lines;
}

} // namespace

QVector<DemoArchiveEntry> demoTownTables(DemoLanguage language) {
    const QString bitmap = QStringLiteral("Y6bitmap");
    return {tableEntry(bitmap, QStringLiteral("BldgNeut.TXT"), neutralBuildingTable(language),
                       language),
            tableEntry(bitmap, QStringLiteral("BldgSpec.txt"), specialBuildingTable(language),
                       language, true),
            tableEntry(bitmap, QStringLiteral("Dwelling.txt"), dwellingTable(language), language)};
}
