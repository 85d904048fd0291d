// The game's own tables in the demo game: creatures, artifacts, heroes, skills, spells, resources,
// colours and general texts.

#include "tabletext.h"

namespace {

QString plural(const QString &name) {
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

// Ids 0 to 111: eight towns of seven levels, each creature followed by its upgrade.
const char *const townCreatures[] = {
    // Bastion
    "Footman", "Pikeguard", "Bowman", "Longbowman", "Hippogriff", "Royal Hippogriff", "Sworn Blade",
    "Oathkeeper", "Friar", "Abbot", "Lancer", "Banneret", "Seraph", "High Seraph",
    // Grove
    "Sprite", "Pixie Warden", "Thornback Boar", "Bramble Boar", "Wood Elf", "Elder Ranger",
    "Stag Rider", "Hart Lord", "Dryad", "Oak Dryad", "Unicorn Mare", "Moon Unicorn", "Forest Drake",
    "Emerald Drake",
    // Spire
    "Clay Homunculus", "Brass Homunculus", "Stone Sentinel", "Obsidian Sentinel", "Sage",
    "Archsage", "Wind Djinn", "Storm Djinn", "Riddler", "Elder Riddler", "Cloud Giant",
    "Storm Giant", "Star Serpent", "Comet Serpent",
    // Pit
    "Fiendling", "Hellspawn", "Horned Brute", "Horned Ravager", "Cinder Hound", "Ash Hound",
    "Brimstone Fiend", "Brimstone Tyrant", "Chain Devil", "Chain Warden", "Nightmare Steed",
    "Hell Charger", "Archfiend", "Doom Archfiend",
    // Crypt
    "Shambler", "Ghoul", "Bone Archer", "Bone Marksman", "Shade", "Banshee", "Bloodkin",
    "Blood Lord", "Barrow Knight", "Grave Lord", "Lich Adept", "Lich Sovereign", "Bone Wyrm",
    "Ghost Wyrm",
    // Deep
    "Cave Crawler", "Deep Crawler", "Gloom Harpy", "Razor Harpy", "Gazer", "Elder Gazer",
    "Tunnel Ogre", "Tunnel Brute", "Stone Serpent", "Venom Serpent", "Shadow Stalker",
    "Shadow Reaver", "Chasm Wyrm", "Void Wyrm",
    // Warcamp
    "Raider", "Marauder", "Wolf Tamer", "Wolf Lord", "Hill Orc", "Orc Warchief", "Ogre",
    "Ogre Shaman", "Thunderbird", "Storm Roc", "Mountain Cyclops", "Cyclops Elder", "Tusk Behemoth",
    "Elder Behemoth",
    // Marsh
    "Mudling", "Bog Stalker", "Lizardfolk", "Lizard Warden", "Dragonfly", "Hornet Drake",
    "Stone Basilisk", "Greater Basilisk", "Moss Gorgon", "Iron Gorgon", "Marsh Wyvern",
    "Wyvern Queen", "Swamp Hydra", "Elder Hydra"};

// Ids 112 to 149: creatures of no town, slots the game keeps free, and its war machines.
const char *const neutralCreatures[] = {"Frost Elemental",
                                        "Ember Elemental",
                                        "Stone Elemental",
                                        "Wave Elemental",
                                        "Golden Golem",
                                        "Diamond Golem",
                                        "Spark Elemental",
                                        "Mist Elemental",
                                        "Storm Elemental",
                                        "Magma Elemental",
                                        "NOT USED (1)",
                                        "Psyche Elemental",
                                        "NOT USED (2)",
                                        "Mana Elemental",
                                        "NOT USED (3)",
                                        "Fire Bird",
                                        "NOT USED (4)",
                                        "Phoenix",
                                        "Crystal Drake",
                                        "Faerie Drake",
                                        "Rust Drake",
                                        "Azure Drake",
                                        "Shadow Drake",
                                        "Elder Drake",
                                        "Wandering Monk",
                                        "Hedge Knight",
                                        "Peasant",
                                        "Halfling",
                                        "Boar",
                                        "Mummy",
                                        "Nomad",
                                        "Rogue",
                                        "Troll",
                                        "Siege Engine",
                                        "Bolt Thrower",
                                        "Field Tent",
                                        "Supply Wagon",
                                        "Arrow Turret"};

QStringList creatureTable() {
    QStringList lines = {
        cells({"Singular",  "Plural",  "Timber",       "Quicksilver",  "Ore",
               "Brimstone", "Crystal", "Gemstones",    "Gold",         "Fight Value",
               "AI Value",  "Growth",  "Horde Growth", "Hit Points",   "Speed",
               "Attack",    "Defence", "Low",          "High",         "Shots",
               "Spells",    "Low",     "High",         "Ability Text", "Attributes"}),
        cells({"", "", "Cost", "", "",       "", "", "", "",         "", "", "", "",
               "", "", "",     "", "Damage", "", "", "", "Adv. Map", "", "", ""})};
    static const int costs[] = {60, 100, 200, 350, 550, 1200, 2800};
    static const int hitPoints[] = {8, 16, 30, 45, 80, 150, 220};
    int id = 0;
    auto row = [&](const QString &name, int level, bool upgraded, bool townless) {
        const int cost = costs[level] * (upgraded ? 14 : 10) / 10;
        const int hp = hitPoints[level] + (upgraded ? hitPoints[level] / 4 : 0);
        const int attack = 3 + level * 3 + (upgraded ? 2 : 0);
        const QString ability =
            upgraded ? QStringLiteral("Strikes twice when its town is under siege.") : QString();
        lines << cells({name,
                        plural(name),
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
                        ability,
                        upgraded ? "DOUBLE_WIDE" : ""});
        ++id;
    };
    for (int i = 0; i < 112; ++i) {
        if (i % 14 == 0 && i > 0)
            lines << QStringLiteral("\t\t\t\t"); // the game separates the towns by tab lines
        row(QString::fromLatin1(townCreatures[i]), (i % 14) / 2, i % 2 == 1, false);
    }
    lines << QStringLiteral("\t\t\t\t");
    for (const char *name : neutralCreatures)
        row(QString::fromLatin1(name), (id / 3) % 7, false, true);
    return lines;
}

QStringList artifactTable() {
    QStringList lines = {cells({"Name", "Cost", "Slot", "Class", "Description", "Bonus 1",
                                "Bonus 2", "Bonus 3", "Bonus 4", "Bonus 5", "Bonus 6", "Bonus 7"}),
                         cells({"", "", "", "", "", "", "", "", "", "", "", ""})};
    struct Kind {
        const char *item;
        const char *slot;
        const char *bonus;
    };
    static const Kind kinds[] = {{"Blade", "Right Hand", "+%1 Attack"},
                                 {"Shield", "Left Hand", "+%1 Defence"},
                                 {"Helm", "Head", "+%1 Knowledge"},
                                 {"Cuirass", "Torso", "+%1 Defence"},
                                 {"Cloak", "Shoulders", "+%1 Spell Power"},
                                 {"Ring", "Ring", "+%1 Luck"},
                                 {"Amulet", "Neck", "+%1 Morale"},
                                 {"Boots", "Feet", "+%1 movement points"},
                                 {"Gauntlets", "Misc", "+%1 Attack"},
                                 {"Orb", "Misc", "+%1 Spell Power"},
                                 {"Tome", "Misc", "+%1 Knowledge"},
                                 {"Charm", "Misc", "+%1 Luck"},
                                 {"Pendant", "Neck", "+%1 spell points a day"},
                                 {"Girdle", "Misc", "+%1 movement points"},
                                 {"Bracers", "Misc", "+%1 Defence"},
                                 {"Lantern", "Misc", "+%1 sight radius"},
                                 {"Horn", "Misc", "+%1 Morale"},
                                 {"Sceptre", "Right Hand", "+%1 Spell Power"}};
    static const char *const origins[] = {"of the Marches", "of Embers", "of the Tide", "of Thorns",
                                          "of the Watch",   "of Dusk",   "of the Fen",  "of Frost"};
    static const char *const classes[] = {"Treasure", "Minor", "Major", "Relic"};
    lines << cells({"Spellbook", "0", "Spellbook", "Special", "Holds the spells of its hero.", "",
                    "", "", "", "", "", ""});
    lines << cells({"Spell Scroll", "0", "Misc", "Special", "Lets its hero cast one spell.", "", "",
                    "", "", "", "", ""});
    lines << cells({"Relic of Ages", "0", "Misc", "Special",
                    "The prize of every quest; raises a great monument.", "", "", "", "", "", "",
                    ""});
    for (int o = 0; o < 8; ++o) {
        for (const Kind &kind : kinds) {
            const int power = 1 + (o * 7 + int(&kind - kinds)) % 6;
            const QString name =
                QStringLiteral("%1 %2").arg(QLatin1String(kind.item), QLatin1String(origins[o]));
            lines << cells({name, QString::number(power * 1000 + o * 250), QLatin1String(kind.slot),
                            QLatin1String(classes[power * 3 / 7]),
                            QString::fromLatin1(kind.bonus).arg(power), "x", "", "", "", "", "",
                            ""});
        }
    }
    lines << QStringLiteral("Combination artifacts are listed in the mod's data file.");
    lines << QStringLiteral("END");
    return lines;
}

QStringList heroTable() {
    static const char *const first[] = {"Al",  "Bran", "Cor",  "Dag", "El",  "Fen", "Gar",
                                        "Hal", "Ith",  "Jor",  "Kel", "Lor", "Mor", "Nes",
                                        "Or",  "Per",  "Quen", "Ras", "Sel", "Tor"};
    static const char *const last[] = {"dric", "wyn", "mund", "ara", "ion",
                                       "ethe", "gar", "isse", "orn"};
    static const char *const troops[] = {"Footman",  "Sprite", "Sage",   "Fiendling",
                                         "Shambler", "Gazer",  "Raider", "Mudling"};
    QStringList lines = {cells({"Name", "Low1", "High1", "Army1", "Low2", "High2", "Army2", "Low3",
                                "High3", "Army3"}),
                         cells({"", "", "", "", "", "", "", "", "", ""})};
    int id = 0;
    for (const char *a : first) {
        for (const char *b : last) {
            QString name = QLatin1String(a) + QLatin1String(b);
            // A few heroes from the southern and northern realms.
            if (id == 7)
                name = QStringLiteral("Aurélie");
            else if (id == 33)
                name = QStringLiteral("Björna");
            else if (id == 71)
                name = QStringLiteral("Þórvald");
            else if (id == 120)
                name = QStringLiteral("Inés");
            const QString troop = QLatin1String(troops[(id / 16) % 8]);
            lines << cells({name, "10", "20", troop, "4", "7", troop + QStringLiteral("s"), "1",
                            "3", "Peasant"});
            ++id;
        }
    }
    lines << QStringLiteral("End of hero list");
    return lines;
}

QStringList secondarySkillTable() {
    static const char *const skills[] = {
        "Trailcraft",    "Marksmanship",   "Supply Lines", "Scouting",       "Parley",
        "Seamanship",    "Command",        "Scholarship",  "Meditation",     "Fortune",
        "Siegecraft",    "Arcane Insight", "Grave Lore",   "Estates",        "Flame Lore",
        "Wind Lore",     "Tide Lore",      "Stone Lore",   "Spell Exchange", "Tactics",
        "Field Surgery", "Blademastery",   "Warding",      "Sorcery",        "Spell Resistance",
        "Mentoring",     "Insight",        "Tinkering"};
    QStringList lines = {cells({"Name", "Basic", "Advanced", "Expert"}),
                         cells({"", "Description", "", ""})};
    for (const char *skill : skills) {
        const QString name = QLatin1String(skill);
        lines << cells({name, QStringLiteral("Basic %1 serves the hero a little.").arg(name),
                        QStringLiteral("Advanced %1 serves the hero well.").arg(name),
                        QStringLiteral("Expert %1 serves the hero greatly.").arg(name)});
    }
    lines << QStringLiteral("END");
    return lines;
}

QStringList spellTable() {
    static const char *const adventure[] = {
        "Summon Ship", "Scuttle Ship", "Farsight",  "Earthsense", "Reveal Treasure",
        "Waterstride", "Skyward",      "Gate Step", "Homeward",   "Cloak of Mist"};
    static const char *const combat[] = {
        "Quicksand Trap", "Hidden Mines",   "Force Wall",      "Flame Wall",
        "Quake",          "Arrow of Light", "Ice Lance",       "Chain Spark",
        "Thunderclap",    "Fire Burst",     "Inferno",         "Meteor Rain",
        "Death Pulse",    "Bone Dust",      "Banish",          "Warding Gale",
        "Shield",         "Stone Skin",     "Blessing",        "Withering",
        "Haste",          "Slowness",       "Holy Wrath",      "Righteous Fury",
        "Rally",          "Despair",        "Fortune's Smile", "Misfortune",
        "Cleanse",        "Dampen Magic",   "Magic Mirror",    "Heal",
        "Renewal",        "Raise Dead",     "Hypnosis",        "Berserk",
        "Blindness",      "Befuddle",       "Forgetting",      "Weakness",
        "Frenzy",         "Might",          "Precision",       "Sorrow",
        "Sharpness",      "Cowardice",      "Mirror Image",    "(unused)",
        "Soul Drain",     "Sacrifice",      "Fire Aspect",     "Earth Aspect",
        "Air Aspect",     "Water Aspect",   "Summon Sprites",  "Counterspell",
        "Arcane Ward",    "Teleport",       "Starfall",        "Tarq Ward"};
    QStringList lines = {QStringLiteral("Spell Traits"),
                         cells({"Name", "Abbr", "Level", "School", "Cost", "Power", "Effect"}),
                         cells({"", "", "", "", "", "", ""}),
                         cells({"Adventure Spells", "", "", "", "", "", ""})};
    int id = 0;
    auto row = [&](const char *name) {
        const QString text = QLatin1String(name);
        lines << cells({text, text.left(4).toUpper(), QString::number(1 + id % 5),
                        QStringLiteral("AFWE").mid(id % 4, 1), QString::number(5 + id % 20),
                        QString::number(10 + id), QStringLiteral("Effect of %1").arg(text)});
        ++id;
    };
    for (const char *name : adventure)
        row(name);
    lines << cells({"Combat Spells", "", "", "", "", "", ""});
    for (int i = 0; i < 30; ++i)
        row(combat[i]);
    lines << cells({"Combat Spells (continued)", "", "", "", "", "", ""});
    for (int i = 30; i < 60; ++i)
        row(combat[i]);
    // Abilities of creatures follow; the editor reads no further than spell 69.
    lines << cells({"Creature Abilities", "", "", "", "", "", ""});
    for (const char *ability : {"Stone Gaze", "Poison", "Acid Breath", "Curse", "Age"})
        row(ability);
    lines << QStringLiteral("END");
    return lines;
}

QStringList resourceTable() {
    // The eighth line is a resource of the game's sequel the editor does not use.
    return {"Timber", "Quicksilver", "Ore", "Brimstone", "Crystal", "Gemstones", "Gold", "Mithril"};
}

QStringList primarySkillTable() {
    return {"Attack", "Defence", "Spell Power", "Knowledge"};
}

// The game's own colour names.
QStringList gameColourTable() {
    return {"Red", "Blue", "Tan", "Green", "Orange", "Purple", "Teal", "Pink"};
}

// The mod's colour names, with the colour of neutral objects as a ninth line.
QStringList modColourTable() {
    return {"Crimson", "Azure", "Sand", "Verdant", "Amber", "Violet", "Teal", "Rose", "Grey"};
}

QStringList generalTextTable() {
    return {"Are you sure?",
            "Yes",
            "No",
            "Okay",
            "Cancel",
            "Day %d",
            "Week %d",
            "Month %d",
            "You have found %d gold.",
            "Your hero has gained a level.",
            "The enemy is too strong.",
            "This spot is already visited.",
            "Nothing happens.",
            "Not enough resources.",
            "The road is blocked.",
            "A new week begins.",
            "A new month begins.",
            "Your town has been captured!",
            "You have been defeated.",
            "Victory!",
            "Random",
            "None",
            "Any",
            "Unknown",
            "All players",
            "Human or computer",
            "Computer only",
            "Timber and Ore",
            "Quicksilver, Brimstone, Crystal and Gemstones",
            "Random hero",
            "Random town",
            "Random monster",
            "Random artifact",
            "Random resource",
            "END OF GENERAL TEXTS"};
}

} // namespace

QVector<DemoArchiveEntry> demoGameTables() {
    const QString bitmap = QStringLiteral("Y6bitmap");
    return {tableEntry(bitmap, QStringLiteral("CRTRAITS.TXT"), creatureTable(), true),
            tableEntry(bitmap, QStringLiteral("artraits.txt"), artifactTable()),
            tableEntry(bitmap, QStringLiteral("HOTRAITS.TXT"), heroTable(), true),
            tableEntry(bitmap, QStringLiteral("RESTYPES.txt"), resourceTable()),
            // The mod's language archive names the colours again and wins over the game's.
            tableEntry(bitmap, QStringLiteral("PlColors.txt"), gameColourTable()),
            tableEntry(QStringLiteral("Tarq_lng"), QStringLiteral("PlColors.txt"), modColourTable(),
                       true),
            tableEntry(bitmap, QStringLiteral("PriSkill.txt"), primarySkillTable()),
            tableEntry(bitmap, QStringLiteral("JKTEXT.txt"), generalTextTable()),
            tableEntry(bitmap, QStringLiteral("SSTRAITS.txt"), secondarySkillTable()),
            tableEntry(bitmap, QStringLiteral("SPTRAITS.txt"), spellTable(), true)};
}
