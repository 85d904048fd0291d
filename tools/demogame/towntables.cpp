// The demo game's building tables: buildings every town may have, each town's special
// buildings, and the creature dwellings.

#include "tabletext.h"

namespace {

QStringList neutralBuildingTable() {
    static const char *const buildings[][2] = {
        {"Arcane Circle, Level 1", "Teaches the spells of the first circle."},
        {"Arcane Circle, Level 2", "Teaches the spells of the second circle."},
        {"Arcane Circle, Level 3", "Teaches the spells of the third circle."},
        {"Arcane Circle, Level 4", "Teaches the spells of the fourth circle."},
        {"Arcane Circle, Level 5", "Teaches the spells of the fifth circle."},
        {"Harbour", "Builds ships for heroes who cross the water."},
        {"Forge", "Sells the town's war machine."},
        {"Palisade", "Wooden walls and a gate."},
        {"Keep", "A keep with one archer tower; growth +50%."},
        {"Citadel", "Stone walls and three towers; growth doubled."},
        {"Resource Silo", "Yields one resource a day."},
        {"Village Hall", "Collects 500 gold a day."},
        {"Town Hall", "Collects 1000 gold a day."},
        {"Guildhall", "Collects 2000 gold a day."},
        {"Trading Post", "Trades resources at the town's rate."},
        {"Inn", "Hires heroes and hears rumours."}};
    QStringList lines = {QStringLiteral("Buildings of every town")};
    for (const auto &building : buildings)
        lines << cells({QLatin1String(building[0]), QLatin1String(building[1])});
    // Upgrades of the buildings above carry a cost column; the editor does not list them.
    lines << cells({"Great Harbour", "Builds ships and sells maps.", "2500"});
    lines << cells({"Stone Keep", "A keep with two towers.", "5000"});
    lines << QStringLiteral("END");
    return lines;
}

QStringList specialBuildingTable() {
    static const char *const buildings[] = {
        // Bastion, 0 to 7
        "Lighthouse", "Hippogriff Aviary", "Town Granary", "Colossus Plinth", "Royal Stables",
        "Brotherhood of the Blade", "Cathedral of Dawn", "Bell Tower",
        // Grove, 8 to 16
        "Mystic Pond", "Fairy Ring", "Rainbow Arch", "Fountain of Fortune", "Treasury",
        "Dryad Grove", "Elder Tree", "Moonwell Sanctum", "Grove Reserve",
        // Spire, 17 to 25
        "Library Annex", "Sculptor's Wing", "Wall of Knowledge", "Lookout Tower",
        "Artifact Merchants", "Great Library", "Skyward Observatory", "Mana Vortex", "Spire Vault",
        // Pit, 26 to 33
        "Sulphur Pit", "Gate of Flame", "Order of Fire", "Brimstone Clouds", "Kennel Yard",
        "Hall of Chains", "Altar of the Burning One", "Ash Vents",
        // Crypt, 34 to 42
        "Veil of Darkness", "Unearthed Graves", "Ossuary", "Crypt Gate", "Soul Lantern",
        "Bone Loom", "Mausoleum of Kings", "Grave Wall", "Pit of Echoes",
        // Deep, 43 to 49
        "Mushroom Rings", "Deep Vault", "Mana Font", "Summoning Gate", "War Scholars' Academy",
        "Guardian of the Deep", "Deep Gate",
        // Warcamp, 50 to 57
        "Escape Tunnel", "Mess Hall", "Raider Camp", "Mercenary Guild", "Siege Yard",
        "Hall of Champions", "Warlord's Monument", "Totem Ring",
        // Marsh, 58 to 64
        "Trophy Hall", "Reed Huts", "Bog Shrine", "Glyphs of Fear", "Blood Obelisk", "Stockade",
        "Monolith of the Marsh",
        // Nexus, 65 to 71
        "Shard Garden", "Prism Tower", "Aether Well", "Nexus Gate", "Crystal Lens",
        "Elemental Nexus", "Astral Dome",
        // Buildings of several towns, 72 and 73; the random town, 74 to 80
        "Relic Monument", "Shipwright", "Horde Lodge, Level 1", "Horde Lodge, Level 2",
        "Horde Lodge, Level 2 (upg.)", "Horde Lodge, Level 3", "Horde Lodge, Level 4",
        "Horde Lodge, Level 5", "Town Wonder"};
    QStringList lines;
    for (const char *building : buildings) {
        const QString name = QLatin1String(building);
        lines << cells({name, QStringLiteral("The %1 of this town.").arg(name)});
    }
    lines << QStringLiteral("END");
    return lines;
}

QStringList dwellingTable() {
    static const char *const towns[][7] = {
        {"Drill Yard", "Archery Range", "Hippogriff Roost", "Hall of Oaths", "Chapel",
         "Jousting Lists", "Sanctuary of Light"},
        {"Pixie Glade", "Thicket", "Elven Lodge", "Deer Park", "Dryad Hollow", "Silver Meadow",
         "Drake Cliffs"},
        {"Workshop", "Sentinel Plinth", "Sage's Study", "Wind Altar", "Riddle Hall", "Cloud Keep",
         "Star Pool"},
        {"Imp Crucible", "Brute Pens", "Kennels", "Brimstone Forge", "Chain Gaol",
         "Nightmare Stable", "Fiend Throne"},
        {"Open Graves", "Bone Yard", "Wailing Tower", "Blood Vault", "Barrow", "Lich Spire",
         "Wyrm Crypt"},
        {"Crawler Nest", "Harpy Loft", "Gazer Pillar", "Ogre Tunnel", "Serpent Den", "Shadow Pit",
         "Chasm Lair"},
        {"Raider Tents", "Wolf Pens", "Orc Tower", "Ogre Fort", "Roc Cliff", "Cyclops Cave",
         "Behemoth Crag"},
        {"Mud Pits", "Lizard Den", "Hive", "Basilisk Pit", "Gorgon Lair", "Wyvern Nest",
         "Hydra Pond"},
        {"Frost Shrine", "Ember Shrine", "Stone Shrine", "Wave Shrine", "Spark Shrine",
         "Mist Shrine", "Prism Shrine"}};
    QStringList lines;
    auto row = [&](const QString &name, int level) {
        lines << cells({name, QStringLiteral("Recruits creatures of level %1.").arg(level)});
    };
    for (const auto &town : towns) {
        for (int level = 0; level < 7; ++level)
            row(QLatin1String(town[level]), level + 1);
        for (int level = 0; level < 7; ++level)
            row(QStringLiteral("Upg. ") + QLatin1String(town[level]), level + 1);
    }
    for (int level = 1; level <= 7; ++level)
        row(QStringLiteral("Level %1 Dwelling").arg(level), level);
    for (int level = 1; level <= 7; ++level)
        row(QStringLiteral("Upg. Level %1 Dwelling").arg(level), level);
    lines << QStringLiteral("END");
    return lines;
}

} // namespace

QVector<DemoArchiveEntry> demoTownTables() {
    const QString bitmap = QStringLiteral("Y6bitmap");
    return {tableEntry(bitmap, QStringLiteral("BldgNeut.TXT"), neutralBuildingTable()),
            tableEntry(bitmap, QStringLiteral("BldgSpec.txt"), specialBuildingTable(), true),
            tableEntry(bitmap, QStringLiteral("Dwelling.txt"), dwellingTable())};
}
