// The game's own tables in the demo game: creatures, artifacts, heroes, skills, spells, resources,
// colours and general texts.

#include "tabletext.h"

#include <QMap>

namespace {

QString englishPlural(const QString &name) {
    if (name.endsWith(QLatin1String("man")))
        return name.left(name.size() - 3) + QStringLiteral("men");
    if (name.endsWith(QLatin1Char('y')) && !name.endsWith(QLatin1String("ey")))
        return name.left(name.size() - 1) + QStringLiteral("ies");
    if (name.endsWith(QLatin1Char('f')))
        return name.left(name.size() - 1) + QStringLiteral("ves");
    if (name.endsWith(QLatin1Char('s')) || name.endsWith(QLatin1String("sh")) ||
        name.endsWith(QLatin1String("ch")))
        return name + QStringLiteral("es");
    if (name.endsWith(QLatin1String("kin")) || name.endsWith(QLatin1String("folk")))
        return name;
    return name + QLatin1Char('s');
}

// A creature's name; the English plural follows the rules above, the Russian one is given.
struct CreatureName {
    const char *english;
    const char *russian;
    const char *russianPlural;

    QString singular(DemoLanguage language) const { return Wording{english, russian}.in(language); }
    QString plural(DemoLanguage language) const {
        return language == DemoLanguage::Russian ? QString::fromUtf8(russianPlural)
                                                 : englishPlural(QString::fromUtf8(english));
    }
};

// Ids 0 to 111: eight towns of seven levels, each creature followed by its upgrade.
const CreatureName townCreatures[] = {
    // Bastion
    {"Footman", "Пехотинец", "Пехотинцы"},
    {"Pikeguard", "Алебардщик", "Алебардщики"},
    {"Bowman", "Лучник", "Лучники"},
    {"Longbowman", "Меткий стрелок", "Меткие стрелки"},
    {"Hippogriff", "Гиппогриф", "Гиппогрифы"},
    {"Royal Hippogriff", "Королевский гиппогриф", "Королевские гиппогрифы"},
    {"Sworn Blade", "Присягнувший мечник", "Присягнувшие мечники"},
    {"Oathkeeper", "Хранитель клятвы", "Хранители клятвы"},
    {"Friar", "Монах", "Монахи"},
    {"Abbot", "Аббат", "Аббаты"},
    {"Lancer", "Всадник", "Всадники"},
    {"Banneret", "Знаменосец", "Знаменосцы"},
    {"Seraph", "Серафим", "Серафимы"},
    {"High Seraph", "Верховный серафим", "Верховные серафимы"},
    // Grove
    {"Sprite", "Фея", "Феи"},
    {"Pixie Warden", "Пикси-страж", "Пикси-стражи"},
    {"Thornback Boar", "Шипастый вепрь", "Шипастые вепри"},
    {"Bramble Boar", "Терновый вепрь", "Терновые вепри"},
    {"Wood Elf", "Лесной эльф", "Лесные эльфы"},
    {"Elder Ranger", "Старший следопыт", "Старшие следопыты"},
    {"Stag Rider", "Всадник на олене", "Всадники на оленях"},
    {"Hart Lord", "Повелитель оленей", "Повелители оленей"},
    {"Dryad", "Дриада", "Дриады"},
    {"Oak Dryad", "Дубовая дриада", "Дубовые дриады"},
    {"Unicorn Mare", "Кобылица-единорог", "Кобылицы-единороги"},
    {"Moon Unicorn", "Лунный единорог", "Лунные единороги"},
    {"Forest Drake", "Лесной дракон", "Лесные драконы"},
    {"Emerald Drake", "Изумрудный дракон", "Изумрудные драконы"},
    // Spire
    {"Clay Homunculus", "Глиняный гомункул", "Глиняные гомункулы"},
    {"Brass Homunculus", "Латунный гомункул", "Латунные гомункулы"},
    {"Stone Sentinel", "Каменный страж", "Каменные стражи"},
    {"Obsidian Sentinel", "Обсидиановый страж", "Обсидиановые стражи"},
    {"Sage", "Мудрец", "Мудрецы"},
    {"Archsage", "Архимудрец", "Архимудрецы"},
    {"Wind Djinn", "Джинн ветра", "Джинны ветра"},
    {"Storm Djinn", "Джинн бури", "Джинны бури"},
    {"Riddler", "Загадочник", "Загадочники"},
    {"Elder Riddler", "Старший загадочник", "Старшие загадочники"},
    {"Cloud Giant", "Облачный великан", "Облачные великаны"},
    {"Storm Giant", "Грозовой великан", "Грозовые великаны"},
    {"Star Serpent", "Звёздный змей", "Звёздные змеи"},
    {"Comet Serpent", "Кометный змей", "Кометные змеи"},
    // Pit
    {"Fiendling", "Бесёнок", "Бесенята"},
    {"Hellspawn", "Исчадие ада", "Исчадия ада"},
    {"Horned Brute", "Рогатый громила", "Рогатые громилы"},
    {"Horned Ravager", "Рогатый разоритель", "Рогатые разорители"},
    {"Cinder Hound", "Угольный пёс", "Угольные псы"},
    {"Ash Hound", "Пепельный пёс", "Пепельные псы"},
    {"Brimstone Fiend", "Серный демон", "Серные демоны"},
    {"Brimstone Tyrant", "Серный тиран", "Серные тираны"},
    {"Chain Devil", "Цепной дьявол", "Цепные дьяволы"},
    {"Chain Warden", "Цепной страж", "Цепные стражи"},
    {"Nightmare Steed", "Конь-кошмар", "Кони-кошмары"},
    {"Hell Charger", "Адский скакун", "Адские скакуны"},
    {"Archfiend", "Архидемон", "Архидемоны"},
    {"Doom Archfiend", "Архидемон рока", "Архидемоны рока"},
    // Crypt
    {"Shambler", "Бродячий мертвец", "Бродячие мертвецы"},
    {"Ghoul", "Гуль", "Гули"},
    {"Bone Archer", "Костяной лучник", "Костяные лучники"},
    {"Bone Marksman", "Костяной стрелок", "Костяные стрелки"},
    {"Shade", "Тень", "Тени"},
    {"Banshee", "Банши", "Банши"},
    {"Bloodkin", "Кровопийца", "Кровопийцы"},
    {"Blood Lord", "Повелитель крови", "Повелители крови"},
    {"Barrow Knight", "Курганный рыцарь", "Курганные рыцари"},
    {"Grave Lord", "Владыка могил", "Владыки могил"},
    {"Lich Adept", "Лич-адепт", "Личи-адепты"},
    {"Lich Sovereign", "Лич-властелин", "Личи-властелины"},
    {"Bone Wyrm", "Костяной змий", "Костяные змии"},
    {"Ghost Wyrm", "Призрачный змий", "Призрачные змии"},
    // Deep
    {"Cave Crawler", "Пещерный ползун", "Пещерные ползуны"},
    {"Deep Crawler", "Глубинный ползун", "Глубинные ползуны"},
    {"Gloom Harpy", "Сумрачная гарпия", "Сумрачные гарпии"},
    {"Razor Harpy", "Гарпия-бритва", "Гарпии-бритвы"},
    {"Gazer", "Созерцатель", "Созерцатели"},
    {"Elder Gazer", "Старший созерцатель", "Старшие созерцатели"},
    {"Tunnel Ogre", "Туннельный огр", "Туннельные огры"},
    {"Tunnel Brute", "Туннельный громила", "Туннельные громилы"},
    {"Stone Serpent", "Каменный змей", "Каменные змеи"},
    {"Venom Serpent", "Ядовитый змей", "Ядовитые змеи"},
    {"Shadow Stalker", "Теневой охотник", "Теневые охотники"},
    {"Shadow Reaver", "Теневой жнец", "Теневые жнецы"},
    {"Chasm Wyrm", "Змий бездны", "Змии бездны"},
    {"Void Wyrm", "Змий пустоты", "Змии пустоты"},
    // Warcamp
    {"Raider", "Налётчик", "Налётчики"},
    {"Marauder", "Мародёр", "Мародёры"},
    {"Wolf Tamer", "Укротитель волков", "Укротители волков"},
    {"Wolf Lord", "Волчий вожак", "Волчьи вожаки"},
    {"Hill Orc", "Горный орк", "Горные орки"},
    {"Orc Warchief", "Орк-вождь", "Орки-вожди"},
    {"Ogre", "Огр", "Огры"},
    {"Ogre Shaman", "Огр-шаман", "Огры-шаманы"},
    {"Thunderbird", "Громовая птица", "Громовые птицы"},
    {"Storm Roc", "Грозовой рух", "Грозовые рухи"},
    {"Mountain Cyclops", "Горный циклоп", "Горные циклопы"},
    {"Cyclops Elder", "Старейшина циклопов", "Старейшины циклопов"},
    {"Tusk Behemoth", "Клыкастый бегемот", "Клыкастые бегемоты"},
    {"Elder Behemoth", "Древний бегемот", "Древние бегемоты"},
    // Marsh
    {"Mudling", "Грязевик", "Грязевики"},
    {"Bog Stalker", "Болотный охотник", "Болотные охотники"},
    {"Lizardfolk", "Ящер", "Ящеры"},
    {"Lizard Warden", "Ящер-страж", "Ящеры-стражи"},
    {"Dragonfly", "Стрекоза", "Стрекозы"},
    {"Hornet Drake", "Шершень-дракон", "Шершни-драконы"},
    {"Stone Basilisk", "Каменный василиск", "Каменные василиски"},
    {"Greater Basilisk", "Великий василиск", "Великие василиски"},
    {"Moss Gorgon", "Моховая горгона", "Моховые горгоны"},
    {"Iron Gorgon", "Железная горгона", "Железные горгоны"},
    {"Marsh Wyvern", "Болотная виверна", "Болотные виверны"},
    {"Wyvern Queen", "Королева виверн", "Королевы виверн"},
    {"Swamp Hydra", "Болотная гидра", "Болотные гидры"},
    {"Elder Hydra", "Древняя гидра", "Древние гидры"}};

// Ids 112 to 149: creatures of no town, slots the game keeps free, and its war machines.
const CreatureName neutralCreatures[] = {
    {"Frost Elemental", "Элементаль льда", "Элементали льда"},
    {"Ember Elemental", "Элементаль углей", "Элементали углей"},
    {"Stone Elemental", "Элементаль камня", "Элементали камня"},
    {"Wave Elemental", "Элементаль волн", "Элементали волн"},
    {"Golden Golem", "Золотой голем", "Золотые големы"},
    {"Diamond Golem", "Алмазный голем", "Алмазные големы"},
    {"Spark Elemental", "Элементаль искр", "Элементали искр"},
    {"Mist Elemental", "Элементаль тумана", "Элементали тумана"},
    {"Storm Elemental", "Элементаль бури", "Элементали бури"},
    {"Magma Elemental", "Элементаль магмы", "Элементали магмы"},
    {"NOT USED (1)", "НЕ ИСПОЛЬЗУЕТСЯ (1)", "НЕ ИСПОЛЬЗУЕТСЯ (1)"},
    {"Psyche Elemental", "Элементаль разума", "Элементали разума"},
    {"NOT USED (2)", "НЕ ИСПОЛЬЗУЕТСЯ (2)", "НЕ ИСПОЛЬЗУЕТСЯ (2)"},
    {"Mana Elemental", "Элементаль маны", "Элементали маны"},
    {"NOT USED (3)", "НЕ ИСПОЛЬЗУЕТСЯ (3)", "НЕ ИСПОЛЬЗУЕТСЯ (3)"},
    {"Fire Bird", "Жар-птица", "Жар-птицы"},
    {"NOT USED (4)", "НЕ ИСПОЛЬЗУЕТСЯ (4)", "НЕ ИСПОЛЬЗУЕТСЯ (4)"},
    {"Phoenix", "Феникс", "Фениксы"},
    {"Crystal Drake", "Хрустальный дракон", "Хрустальные драконы"},
    {"Faerie Drake", "Волшебный дракон", "Волшебные драконы"},
    {"Rust Drake", "Ржавый дракон", "Ржавые драконы"},
    {"Azure Drake", "Лазурный дракон", "Лазурные драконы"},
    {"Shadow Drake", "Теневой дракон", "Теневые драконы"},
    {"Elder Drake", "Древний дракон", "Древние драконы"},
    {"Wandering Monk", "Странствующий монах", "Странствующие монахи"},
    {"Hedge Knight", "Безземельный рыцарь", "Безземельные рыцари"},
    {"Peasant", "Крестьянин", "Крестьяне"},
    {"Halfling", "Полурослик", "Полурослики"},
    {"Boar", "Вепрь", "Вепри"},
    {"Mummy", "Мумия", "Мумии"},
    {"Nomad", "Кочевник", "Кочевники"},
    {"Rogue", "Разбойник", "Разбойники"},
    {"Troll", "Тролль", "Тролли"},
    {"Siege Engine", "Осадная машина", "Осадные машины"},
    {"Bolt Thrower", "Баллиста", "Баллисты"},
    {"Field Tent", "Походный шатёр", "Походные шатры"},
    {"Supply Wagon", "Обоз", "Обозы"},
    {"Arrow Turret", "Стрелковая башня", "Стрелковые башни"}};

constexpr int townCreatureCount = int(sizeof townCreatures / sizeof townCreatures[0]);

const CreatureName &creature(int id) {
    return id < townCreatureCount ? townCreatures[id] : neutralCreatures[id - townCreatureCount];
}

QStringList creatureTable(DemoLanguage language) {
    const DemoWords say{language};
    QStringList lines = {cells({say("Singular", "Единственное"),
                                say("Plural", "Множественное"),
                                say("Timber", "Дерево"),
                                say("Quicksilver", "Ртуть"),
                                say("Ore", "Руда"),
                                say("Brimstone", "Сера"),
                                say("Crystal", "Кристаллы"),
                                say("Gemstones", "Самоцветы"),
                                say("Gold", "Золото"),
                                say("Fight Value", "Сила в бою"),
                                say("AI Value", "Ценность для ИИ"),
                                say("Growth", "Прирост"),
                                say("Horde Growth", "Прирост орды"),
                                say("Hit Points", "Здоровье"),
                                say("Speed", "Скорость"),
                                say("Attack", "Атака"),
                                say("Defence", "Защита"),
                                say("Low", "Мин."),
                                say("High", "Макс."),
                                say("Shots", "Выстрелы"),
                                say("Spells", "Заклинания"),
                                say("Low", "Мин."),
                                say("High", "Макс."),
                                say("Ability Text", "Описание способности"),
                                say("Attributes", "Свойства")}),
                         cells({"",
                                "",
                                say("Cost", "Стоимость"),
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                "",
                                say("Damage", "Урон"),
                                "",
                                "",
                                "",
                                say("Adv. Map", "Карта"),
                                "",
                                "",
                                ""})};
    static const int costs[] = {60, 100, 200, 350, 550, 1200, 2800};
    static const int hitPoints[] = {8, 16, 30, 45, 80, 150, 220};
    const QString upgradedAbility =
        say("Strikes twice when its town is under siege.", "Бьёт дважды, когда его город в осаде.");
    int id = 0;
    auto row = [&](const CreatureName &name, int level, bool upgraded, bool townless) {
        const int cost = costs[level] * (upgraded ? 14 : 10) / 10;
        const int hp = hitPoints[level] + (upgraded ? hitPoints[level] / 4 : 0);
        const int attack = 3 + level * 3 + (upgraded ? 2 : 0);
        lines << cells({name.singular(language),
                        name.plural(language),
                        "0",
                        level >= 5 ? "1" : "0",
                        "0",
                        "0",
                        level == 6 ? "1" : "0",
                        "0",
                        QString::number(cost),
                        QString::number(cost * 3 + id),
                        QString::number(cost * 4 + id * 2),
                        QString::number(qMax(1, 14 - level * 2)),
                        townless ? "0" : "4",
                        QString::number(hp),
                        QString::number(4 + level + (upgraded ? 2 : 0)),
                        QString::number(attack),
                        QString::number(attack - 1),
                        QString::number(1 + level * 2),
                        QString::number(3 + level * 4),
                        level == 1 ? "12" : "0",
                        "0",
                        "20",
                        "50",
                        upgraded ? upgradedAbility : QString(),
                        upgraded ? "DOUBLE_WIDE" : ""});
        ++id;
    };
    for (int i = 0; i < townCreatureCount; ++i) {
        if (i % 14 == 0 && i > 0)
            lines << QStringLiteral("\t\t\t\t"); // the game separates the towns by tab lines
        row(townCreatures[i], (i % 14) / 2, i % 2 == 1, false);
    }
    lines << QStringLiteral("\t\t\t\t");
    for (const CreatureName &name : neutralCreatures)
        row(name, (id / 3) % 7, false, true);
    return lines;
}

QStringList artifactTable(DemoLanguage language) {
    const DemoWords say{language};
    const QString bonus = say("Bonus %1", "Бонус %1");
    QStringList lines = {
        cells({say("Name", "Название"), say("Cost", "Цена"), say("Slot", "Место"),
               say("Class", "Класс"), say("Description", "Описание"), bonus.arg(1), bonus.arg(2),
               bonus.arg(3), bonus.arg(4), bonus.arg(5), bonus.arg(6), bonus.arg(7)}),
        cells({"", "", "", "", "", "", "", "", "", "", "", ""})};
    struct Kind {
        Wording item;
        Wording slot;
        Wording bonus;
    };
    static const Wording rightHand = {"Right Hand", "Правая рука"};
    static const Wording neck = {"Neck", "Шея"};
    static const Wording misc = {"Misc", "Разное"};
    static const Wording attack = {"+%1 Attack", "+%1 к атаке"};
    static const Wording defence = {"+%1 Defence", "+%1 к защите"};
    static const Wording knowledge = {"+%1 Knowledge", "+%1 к знаниям"};
    static const Wording spellPower = {"+%1 Spell Power", "+%1 к силе магии"};
    static const Wording luck = {"+%1 Luck", "+%1 к удаче"};
    static const Wording morale = {"+%1 Morale", "+%1 к боевому духу"};
    static const Wording movement = {"+%1 movement points", "+%1 к очкам передвижения"};
    static const Kind kinds[] = {
        {{"Blade", "Клинок"}, rightHand, attack},
        {{"Shield", "Щит"}, {"Left Hand", "Левая рука"}, defence},
        {{"Helm", "Шлем"}, {"Head", "Голова"}, knowledge},
        {{"Cuirass", "Кираса"}, {"Torso", "Торс"}, defence},
        {{"Cloak", "Плащ"}, {"Shoulders", "Плечи"}, spellPower},
        {{"Ring", "Кольцо"}, {"Ring", "Кольцо"}, luck},
        {{"Amulet", "Амулет"}, neck, morale},
        {{"Boots", "Сапоги"}, {"Feet", "Ноги"}, movement},
        {{"Gauntlets", "Латные перчатки"}, misc, attack},
        {{"Orb", "Сфера"}, misc, spellPower},
        {{"Tome", "Фолиант"}, misc, knowledge},
        {{"Charm", "Оберег"}, misc, luck},
        {{"Pendant", "Подвеска"}, neck, {"+%1 spell points a day", "+%1 к очкам магии в день"}},
        {{"Girdle", "Пояс"}, misc, movement},
        {{"Bracers", "Наручи"}, misc, defence},
        {{"Lantern", "Фонарь"}, misc, {"+%1 sight radius", "+%1 к радиусу обзора"}},
        {{"Horn", "Рог"}, misc, morale},
        {{"Sceptre", "Скипетр"}, rightHand, spellPower}};
    // The Russian names put the origin in the genitive after the item: "Клинок Марок".
    static const Wording origins[] = {{"of the Marches", "Марок"}, {"of Embers", "тлеющих углей"},
                                      {"of the Tide", "прилива"},  {"of Thorns", "терний"},
                                      {"of the Watch", "дозора"},  {"of Dusk", "сумерек"},
                                      {"of the Fen", "топей"},     {"of Frost", "стужи"}};
    static const Wording classes[] = {
        {"Treasure", "Сокровище"}, {"Minor", "Малый"}, {"Major", "Великий"}, {"Relic", "Реликвия"}};
    const QString special = say("Special", "Особый");
    const QString spellbook = say("Spellbook", "Книга заклинаний");
    lines << cells({spellbook, "0", spellbook, special,
                    say("Holds the spells of its hero.", "Хранит заклинания своего героя."), "", "",
                    "", "", "", "", ""});
    lines << cells(
        {say("Spell Scroll", "Свиток заклинания"), "0", misc.in(language), special,
         say("Lets its hero cast one spell.", "Позволяет герою произнести одно заклинание."), "",
         "", "", "", "", "", ""});
    lines << cells({say("Relic of Ages", "Реликвия веков"), "0", misc.in(language), special,
                    say("The prize of every quest; raises a great monument.",
                        "Награда любого похода; воздвигает великий монумент."),
                    "", "", "", "", "", "", ""});
    for (int o = 0; o < 8; ++o) {
        for (const Kind &kind : kinds) {
            const int power = 1 + (o * 7 + int(&kind - kinds)) % 6;
            const QString name =
                QStringLiteral("%1 %2").arg(kind.item.in(language), origins[o].in(language));
            lines << cells({name, QString::number(power * 1000 + o * 250), kind.slot.in(language),
                            classes[power * 3 / 7].in(language), kind.bonus.in(language).arg(power),
                            "x", "", "", "", "", "", ""});
        }
    }
    lines << say("Combination artifacts are listed in the mod's data file.",
                 "Сборные артефакты перечислены в файле данных модификации.");
    lines << QStringLiteral("END");
    return lines;
}

QStringList heroTable(DemoLanguage language) {
    // Names are made of two syllables each.
    static const Wording first[] = {
        {"Al", "Ал"},   {"Bran", "Бран"}, {"Cor", "Кор"}, {"Dag", "Даг"}, {"El", "Эл"},
        {"Fen", "Фен"}, {"Gar", "Гар"},   {"Hal", "Хал"}, {"Ith", "Ит"},  {"Jor", "Йор"},
        {"Kel", "Кел"}, {"Lor", "Лор"},   {"Mor", "Мор"}, {"Nes", "Нес"}, {"Or", "Ор"},
        {"Per", "Пер"}, {"Quen", "Квен"}, {"Ras", "Рас"}, {"Sel", "Сел"}, {"Tor", "Тор"}};
    static const Wording last[] = {{"dric", "дрик"}, {"wyn", "вин"},   {"mund", "мунд"},
                                   {"ara", "ара"},   {"ion", "ион"},   {"ethe", "эта"},
                                   {"gar", "гар"},   {"isse", "исса"}, {"orn", "орн"}};
    // A few heroes from the southern and northern realms.
    static const QMap<int, Wording> foreigners = {{7, {"Aurélie", "Орели"}},
                                                  {33, {"Björna", "Бьёрна"}},
                                                  {71, {"Þórvald", "Торвальд"}},
                                                  {120, {"Inés", "Инес"}}};
    // The first creature of each town leads the heroes of that town; peasants follow them all.
    static const int troops[] = {0, 14, 32, 42, 56, 74, 84, 98};
    constexpr int peasant = 138;
    const DemoWords say{language};
    const QString army = say("Army%1", "Армия%1");
    const QString low = say("Low%1", "Мин%1");
    const QString high = say("High%1", "Макс%1");
    QStringList lines = {
        cells({say("Name", "Имя"), low.arg(1), high.arg(1), army.arg(1), low.arg(2), high.arg(2),
               army.arg(2), low.arg(3), high.arg(3), army.arg(3)}),
        cells({"", "", "", "", "", "", "", "", "", ""})};
    int id = 0;
    for (const Wording &a : first) {
        for (const Wording &b : last) {
            const QString name = foreigners.contains(id) ? foreigners.value(id).in(language)
                                                         : a.in(language) + b.in(language);
            const CreatureName &troop = creature(troops[(id / 16) % 8]);
            // The English table names the second army with a plain "s", whatever the creature.
            const QString secondArmy = language == DemoLanguage::Russian
                                           ? troop.plural(language)
                                           : troop.singular(language) + QStringLiteral("s");
            lines << cells({name, "10", "20", troop.singular(language), "4", "7", secondArmy, "1",
                            "3", creature(peasant).singular(language)});
            ++id;
        }
    }
    lines << say("End of hero list", "Конец списка героев");
    return lines;
}

QStringList secondarySkillTable(DemoLanguage language) {
    static const Wording skills[] = {{"Trailcraft", "Следопытство"},
                                     {"Marksmanship", "Стрельба"},
                                     {"Supply Lines", "Снабжение"},
                                     {"Scouting", "Разведка"},
                                     {"Parley", "Дипломатия"},
                                     {"Seamanship", "Мореходство"},
                                     {"Command", "Лидерство"},
                                     {"Scholarship", "Учёность"},
                                     {"Meditation", "Медитация"},
                                     {"Fortune", "Удача"},
                                     {"Siegecraft", "Осадное дело"},
                                     {"Arcane Insight", "Тайное знание"},
                                     {"Grave Lore", "Некромантия"},
                                     {"Estates", "Поместья"},
                                     {"Flame Lore", "Магия огня"},
                                     {"Wind Lore", "Магия воздуха"},
                                     {"Tide Lore", "Магия воды"},
                                     {"Stone Lore", "Магия земли"},
                                     {"Spell Exchange", "Обмен заклинаниями"},
                                     {"Tactics", "Тактика"},
                                     {"Field Surgery", "Полевая хирургия"},
                                     {"Blademastery", "Владение клинком"},
                                     {"Warding", "Стойкость"},
                                     {"Sorcery", "Чародейство"},
                                     {"Spell Resistance", "Сопротивление магии"},
                                     {"Mentoring", "Наставничество"},
                                     {"Insight", "Прозрение"},
                                     {"Tinkering", "Механика"}};
    const DemoWords say{language};
    const QString basic = say("Basic %1 serves the hero a little.",
                              "Навык «%1» на базовом уровне немного помогает герою.");
    const QString advanced = say("Advanced %1 serves the hero well.",
                                 "Навык «%1» на продвинутом уровне хорошо служит герою.");
    const QString expert = say("Expert %1 serves the hero greatly.",
                               "Навык «%1» на экспертном уровне служит герою превосходно.");
    QStringList lines = {cells({say("Name", "Название"), say("Basic", "Базовый"),
                                say("Advanced", "Продвинутый"), say("Expert", "Экспертный")}),
                         cells({"", say("Description", "Описание"), "", ""})};
    for (const Wording &skill : skills) {
        const QString name = skill.in(language);
        lines << cells({name, basic.arg(name), advanced.arg(name), expert.arg(name)});
    }
    lines << QStringLiteral("END");
    return lines;
}

QStringList spellTable(DemoLanguage language) {
    static const Wording adventure[] = {{"Summon Ship", "Призыв корабля"},
                                        {"Scuttle Ship", "Потопить корабль"},
                                        {"Farsight", "Ясновидение"},
                                        {"Earthsense", "Чутьё земли"},
                                        {"Reveal Treasure", "Поиск сокровищ"},
                                        {"Waterstride", "Хождение по воде"},
                                        {"Skyward", "Полёт"},
                                        {"Gate Step", "Шаг сквозь врата"},
                                        {"Homeward", "Возвращение домой"},
                                        {"Cloak of Mist", "Туманный покров"}};
    static const Wording combat[] = {{"Quicksand Trap", "Зыбучие пески"},
                                     {"Hidden Mines", "Скрытые мины"},
                                     {"Force Wall", "Силовая стена"},
                                     {"Flame Wall", "Стена огня"},
                                     {"Quake", "Землетрясение"},
                                     {"Arrow of Light", "Стрела света"},
                                     {"Ice Lance", "Ледяное копьё"},
                                     {"Chain Spark", "Цепная искра"},
                                     {"Thunderclap", "Раскат грома"},
                                     {"Fire Burst", "Огненный взрыв"},
                                     {"Inferno", "Пекло"},
                                     {"Meteor Rain", "Метеоритный дождь"},
                                     {"Death Pulse", "Волна смерти"},
                                     {"Bone Dust", "Костяная пыль"},
                                     {"Banish", "Изгнание"},
                                     {"Warding Gale", "Защитный вихрь"},
                                     {"Shield", "Щит"},
                                     {"Stone Skin", "Каменная кожа"},
                                     {"Blessing", "Благословение"},
                                     {"Withering", "Увядание"},
                                     {"Haste", "Ускорение"},
                                     {"Slowness", "Замедление"},
                                     {"Holy Wrath", "Святой гнев"},
                                     {"Righteous Fury", "Праведная ярость"},
                                     {"Rally", "Воодушевление"},
                                     {"Despair", "Отчаяние"},
                                     {"Fortune's Smile", "Улыбка фортуны"},
                                     {"Misfortune", "Неудача"},
                                     {"Cleanse", "Очищение"},
                                     {"Dampen Magic", "Подавление магии"},
                                     {"Magic Mirror", "Волшебное зеркало"},
                                     {"Heal", "Исцеление"},
                                     {"Renewal", "Обновление"},
                                     {"Raise Dead", "Поднятие мертвецов"},
                                     {"Hypnosis", "Гипноз"},
                                     {"Berserk", "Берсерк"},
                                     {"Blindness", "Слепота"},
                                     {"Befuddle", "Помрачение"},
                                     {"Forgetting", "Забывчивость"},
                                     {"Weakness", "Слабость"},
                                     {"Frenzy", "Неистовство"},
                                     {"Might", "Мощь"},
                                     {"Precision", "Точность"},
                                     {"Sorrow", "Скорбь"},
                                     {"Sharpness", "Острота клинков"},
                                     {"Cowardice", "Трусость"},
                                     {"Mirror Image", "Двойник"},
                                     {"(unused)", "(не используется)"},
                                     {"Soul Drain", "Похищение души"},
                                     {"Sacrifice", "Жертвоприношение"},
                                     {"Fire Aspect", "Облик огня"},
                                     {"Earth Aspect", "Облик земли"},
                                     {"Air Aspect", "Облик воздуха"},
                                     {"Water Aspect", "Облик воды"},
                                     {"Summon Sprites", "Призыв фей"},
                                     {"Counterspell", "Контрзаклинание"},
                                     {"Arcane Ward", "Тайная защита"},
                                     {"Teleport", "Телепортация"},
                                     {"Starfall", "Звездопад"},
                                     {"Tarq Ward", "Оберег Тарка"}};
    static const Wording abilities[] = {{"Stone Gaze", "Каменный взгляд"},
                                        {"Poison", "Яд"},
                                        {"Acid Breath", "Кислотное дыхание"},
                                        {"Curse", "Проклятие"},
                                        {"Age", "Старение"}};
    const DemoWords say{language};
    QStringList lines = {
        say("Spell Traits", "Свойства заклинаний"),
        cells({say("Name", "Название"), say("Abbr", "Сокр."), say("Level", "Уровень"),
               say("School", "Школа"), say("Cost", "Цена"), say("Power", "Сила"),
               say("Effect", "Действие")}),
        cells({"", "", "", "", "", "", ""}),
        cells({say("Adventure Spells", "Заклинания странствий"), "", "", "", "", "", ""})};
    const QString effect = say("Effect of %1", "Действие: %1");
    int id = 0;
    auto row = [&](const Wording &name) {
        const QString text = name.in(language);
        lines << cells({text, text.left(4).toUpper(), QString::number(1 + id % 5),
                        QStringLiteral("AFWE").mid(id % 4, 1), QString::number(5 + id % 20),
                        QString::number(10 + id), effect.arg(text)});
        ++id;
    };
    for (const Wording &name : adventure)
        row(name);
    // The game finds the combat sections by these English captions, in every language.
    lines << cells({"Combat Spells", "", "", "", "", "", ""});
    for (int i = 0; i < 30; ++i)
        row(combat[i]);
    lines << cells({"Combat Spells (continued)", "", "", "", "", "", ""});
    for (int i = 30; i < 60; ++i)
        row(combat[i]);
    // Abilities of creatures follow; the editor reads no further than spell 69.
    lines << cells({say("Creature Abilities", "Способности существ"), "", "", "", "", "", ""});
    for (const Wording &ability : abilities)
        row(ability);
    lines << QStringLiteral("END");
    return lines;
}

QStringList wordList(const std::initializer_list<Wording> &words, DemoLanguage language) {
    QStringList lines;
    for (const Wording &word : words)
        lines << word.in(language);
    return lines;
}

QStringList resourceTable(DemoLanguage language) {
    // The eighth line is a resource of the game's sequel the editor does not use.
    return wordList({{"Timber", "Дерево"},
                     {"Quicksilver", "Ртуть"},
                     {"Ore", "Руда"},
                     {"Brimstone", "Сера"},
                     {"Crystal", "Кристаллы"},
                     {"Gemstones", "Самоцветы"},
                     {"Gold", "Золото"},
                     {"Mithril", "Мифрил"}},
                    language);
}

QStringList primarySkillTable(DemoLanguage language) {
    return wordList({{"Attack", "Атака"},
                     {"Defence", "Защита"},
                     {"Spell Power", "Сила магии"},
                     {"Knowledge", "Знания"}},
                    language);
}

// The game's own colour names.
QStringList gameColourTable(DemoLanguage language) {
    return wordList({{"Red", "Красный"},
                     {"Blue", "Синий"},
                     {"Tan", "Коричневый"},
                     {"Green", "Зелёный"},
                     {"Orange", "Оранжевый"},
                     {"Purple", "Фиолетовый"},
                     {"Teal", "Бирюзовый"},
                     {"Pink", "Розовый"}},
                    language);
}

// The mod's colour names, with the colour of neutral objects as a ninth line.
QStringList modColourTable(DemoLanguage language) {
    return wordList({{"Crimson", "Багряный"},
                     {"Azure", "Лазурный"},
                     {"Sand", "Песочный"},
                     {"Verdant", "Изумрудный"},
                     {"Amber", "Янтарный"},
                     {"Violet", "Лиловый"},
                     {"Teal", "Бирюзовый"},
                     {"Rose", "Розовый"},
                     {"Grey", "Серый"}},
                    language);
}

QStringList generalTextTable(DemoLanguage language) {
    return wordList(
        {{"Are you sure?", "Вы уверены?"},
         {"Yes", "Да"},
         {"No", "Нет"},
         {"Okay", "Хорошо"},
         {"Cancel", "Отмена"},
         {"Day %d", "День %d"},
         {"Week %d", "Неделя %d"},
         {"Month %d", "Месяц %d"},
         {"You have found %d gold.", "Вы нашли %d золота."},
         {"Your hero has gained a level.", "Ваш герой получил новый уровень."},
         {"The enemy is too strong.", "Враг слишком силён."},
         {"This spot is already visited.", "Это место уже посещено."},
         {"Nothing happens.", "Ничего не происходит."},
         {"Not enough resources.", "Недостаточно ресурсов."},
         {"The road is blocked.", "Дорога перекрыта."},
         {"A new week begins.", "Начинается новая неделя."},
         {"A new month begins.", "Начинается новый месяц."},
         {"Your town has been captured!", "Ваш город захвачен!"},
         {"You have been defeated.", "Вы потерпели поражение."},
         {"Victory!", "Победа!"},
         {"Random", "Случайный"},
         {"None", "Нет"},
         {"Any", "Любой"},
         {"Unknown", "Неизвестно"},
         {"All players", "Все игроки"},
         {"Human or computer", "Человек или компьютер"},
         {"Computer only", "Только компьютер"},
         {"Timber and Ore", "Дерево и руда"},
         {"Quicksilver, Brimstone, Crystal and Gemstones", "Ртуть, сера, кристаллы и самоцветы"},
         {"Random hero", "Случайный герой"},
         {"Random town", "Случайный город"},
         {"Random monster", "Случайный монстр"},
         {"Random artifact", "Случайный артефакт"},
         {"Random resource", "Случайный ресурс"},
         {"END OF GENERAL TEXTS", "КОНЕЦ ОБЩИХ ТЕКСТОВ"}},
        language);
}

} // namespace

QVector<DemoArchiveEntry> demoGameTables(DemoLanguage language) {
    const QString bitmap = QStringLiteral("Y6bitmap");
    return {
        tableEntry(bitmap, QStringLiteral("CRTRAITS.TXT"), creatureTable(language), language, true),
        tableEntry(bitmap, QStringLiteral("artraits.txt"), artifactTable(language), language),
        tableEntry(bitmap, QStringLiteral("HOTRAITS.TXT"), heroTable(language), language, true),
        tableEntry(bitmap, QStringLiteral("RESTYPES.txt"), resourceTable(language), language),
        // The mod's language archive names the colours again and wins over the game's.
        tableEntry(bitmap, QStringLiteral("PlColors.txt"), gameColourTable(language), language),
        tableEntry(QStringLiteral("Tarq_lng"), QStringLiteral("PlColors.txt"),
                   modColourTable(language), language, true),
        tableEntry(bitmap, QStringLiteral("PriSkill.txt"), primarySkillTable(language), language),
        tableEntry(bitmap, QStringLiteral("JKTEXT.txt"), generalTextTable(language), language),
        tableEntry(bitmap, QStringLiteral("SSTRAITS.txt"), secondarySkillTable(language), language),
        tableEntry(bitmap, QStringLiteral("SPTRAITS.txt"), spellTable(language), language, true)};
}
