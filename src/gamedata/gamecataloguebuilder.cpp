#include "gamedata/gamecataloguebuilder.h"

#include "gamedata/campaignmapscript.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/textcodec.h"
#include "gamedata/texttable.h"
#include "gamedata/townbuildings.h"

#include <QCoreApplication>
#include <QTextCodec>

#include <algorithm>

namespace {

// Creature ids that the game counts but never names.
bool isExcludedCreature(int id) {
    static const int excluded[] = {122, 124, 126, 128, 145, 146, 147, 148, 149, 150, 152};
    return std::find(std::begin(excluded), std::end(excluded), id) != std::end(excluded);
}

// The order in which creature choosers list the creatures: every id from 0 to 185 that is not
// excluded, grouped as the game groups its towns' creatures.
QList<int> fixedCreatureOrder() {
    QList<int> order;
    auto range = [&](int first, int last) {
        for (int id = first; id <= last; ++id)
            order.append(id);
    };
    range(0, 101);
    order << 104 << 105 << 106 << 107 << 102 << 103;
    range(108, 111);
    order << 118 << 119 << 112 << 127 << 115 << 123 << 114 << 129 << 113 << 125 << 120 << 121 << 130
          << 131;
    range(153, 158);
    order << 151;
    range(159, 166);
    order << 138;
    range(171, 185);
    order << 139 << 140 << 143 << 169 << 141 << 142 << 137 << 167 << 170 << 116 << 144 << 168 << 117
          << 136 << 132 << 133 << 134 << 135;
    return order;
}

// String k of a record when it has more than k strings, otherwise empty.
QByteArray accessorString(const ModRecord &record, int k) {
    return k < record.recordStrings.size() ? record.recordStrings[k] : QByteArray();
}

// String k of a record, or its last string when it has fewer; empty without strings.
QByteArray clampedString(const ModRecord &record, int k) {
    if (record.recordStrings.isEmpty())
        return QByteArray();
    return record.recordStrings[qMin(k, record.recordStrings.size() - 1)];
}

QStringList splitPieces(const QString &text) {
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

class CatalogueBuilder {
public:
    CatalogueBuilder(const LodArchiveSet &archives, const ModRecordList &records,
                     QTextCodec *textCodec, QTextCodec *localCodec)
        : archives(archives), records(records), codec(textCodec), localCodec(localCodec) {}

    GameCatalogue build() {
        readCreatures();
        readArtifacts();
        readMusic();
        readVideos();
        readVideoPictures();
        c.editorTextTable = cellTable("CmpEditr.txt");
        c.commandHintTable = cellTable("VadOzCmd.txt");
        if (readCampaignMaps())
            readBackgrounds();
        readHeroes();
        readResources();
        readPlayerColours();
        c.primarySkillNames = wholeLineTable("PriSkill.txt", 0, 0);
        c.generalTexts = wholeLineTable("JKTEXT.txt", 0, 1);
        c.skillLevelNames[1] = QCoreApplication::translate("QObject", "Basic");
        c.skillLevelNames[2] = QCoreApplication::translate("QObject", "Advanced");
        c.skillLevelNames[3] = QCoreApplication::translate("QObject", "Expert");
        readTownBuildings();
        readSecondarySkills();
        readSpells();
        return c;
    }

private:
    // The non-blank lines of a table after trimming head and tail lines.
    QStringList rows(const char *table, int head, int tail) const {
        QStringList lines = archives.readTableLines(QLatin1String(table), codec);
        trimLines(lines, head, tail);
        lines.erase(std::remove_if(lines.begin(), lines.end(), isBlankLine), lines.end());
        return lines;
    }

    QString text(const QByteArray &bytes) const { return codec->toUnicode(bytes); }

    // Each row, as a whole line, by row index.
    QMap<int, QString> wholeLineTable(const char *table, int head, int tail) const {
        QMap<int, QString> result;
        const QStringList lines = rows(table, head, tail);
        for (int i = 0; i < lines.size(); ++i)
            result.insert(i, lines[i]);
        return result;
    }

    // Cell 0 of each row with at least minimumCells cells, by the index among those rows.
    QMap<int, QString> firstCells(const QStringList &lines, int minimumCells) const {
        QMap<int, QString> result;
        int index = 0;
        for (const QString &line : lines) {
            const QStringList cells = splitCells(line);
            if (cells.size() >= minimumCells)
                result.insert(index++, cells[0]);
        }
        return result;
    }

    QMap<int, QStringList> cellTable(const char *table) const {
        QMap<int, QStringList> result;
        const QStringList lines = rows(table, 2, 0);
        for (int i = 0; i < lines.size(); ++i)
            result.insert(i, splitCells(lines[i]));
        return result;
    }

    template <typename Visit> void forEachRecord(const char *kind, Visit visit) const {
        for (const ModRecord &record : records) {
            if (record.kind == kind)
                visit(record);
        }
    }

    void readCreatures() {
        const QMap<int, QString> table = firstCells(rows("CRTRAITS.TXT", 2, 0), 12);
        for (auto it = table.begin(); it != table.end(); ++it) {
            if (!isExcludedCreature(it.key()))
                c.creatureNames.insert(it.key(), it.value());
        }
        c.creatureCount = 150;
        forEachRecord("monst", [&](const ModRecord &record) {
            ++c.creatureCount;
            if (!isExcludedCreature(record.id))
                c.creatureNames[record.id] = text(accessorString(record, 3));
        });
        c.creatureOrder = fixedCreatureOrder();
    }

    void readArtifacts() {
        c.artifactNames = firstCells(rows("artraits.txt", 2, 2), 12);
        c.artifactCount = 147;
        forEachRecord("art", [&](const ModRecord &record) {
            c.artifactNames[record.id] = text(accessorString(record, 1));
            c.artifactCount = record.id + 1;
        });
    }

    void readMusic() {
        c.musicNames = wholeLineTable("CmpMusic.txt", 0, 1);
        // Every list starts again at key 49, so a later list overwrites an earlier one.
        forEachRecord("music", [&](const ModRecord &record) {
            const QList<QByteArray> tokens = tokenizeList(clampedString(record, 8));
            for (int i = 0; i < tokens.size(); ++i)
                c.musicNames[49 + i] = localCodec->toUnicode(tokens[i]);
        });
    }

    void readVideos() {
        constexpr int lastTableVideo = 100;
        const QStringList lines = rows("CmpMovie.txt", 0, 0);
        int index = 0;
        for (; index < lines.size() && index <= lastTableVideo; ++index)
            c.videoNames.insert(index, lines[index]);
        forEachRecord("video", [&](const ModRecord &record) {
            const QString name = text(clampedString(record, 4));
            if (!name.isEmpty())
                c.videoNames[index] = name;
            ++index;
        });
    }

    void readVideoPictures() {
        forEachRecord("cmpmoviepic", [&](const ModRecord &record) {
            int index = 0;
            for (const QString &piece : splitPieces(text(accessorString(record, 8)))) {
                if (!piece.startsWith(QLatin1Char('#')))
                    c.videoPictures[index++] = piece;
            }
        });
    }

    // False when a map script was malformed: the maps after it are not read, nor the
    // backgrounds.
    bool readCampaignMaps() {
        for (const ModRecord &record : records) {
            if (record.kind != "campmap")
                continue;
            CampaignMapDef &map = c.campaignMaps[record.id];
            map.displayName = text(accessorString(record, 0));
            map.backgroundPicture = text(accessorString(record, 1));
            if (!readCampaignMapScript(text(accessorString(record, 8)), map))
                return false;
        }
        return true;
    }

    void readBackgrounds() {
        int index = 0;
        forEachRecord("cmpbackground", [&](const ModRecord &record) {
            for (const QString &piece : splitPieces(text(accessorString(record, 8))))
                c.campaignBackgrounds[index++] = piece;
        });
    }

    void readHeroes() {
        c.heroNames = firstCells(rows("HOTRAITS.TXT", 2, 1), 1);
        forEachRecord("hero", [&](const ModRecord &record) {
            c.heroNames[record.id] = text(clampedString(record, 6));
        });
    }

    void readResources() {
        constexpr int resourceCount = 7;
        const QStringList lines = rows("RESTYPES.txt", 0, 0);
        for (int i = 0; i < lines.size() && i < resourceCount; ++i)
            c.resourceNames.insert(i, lines[i]);
    }

    void readPlayerColours() {
        constexpr int playerCount = 8;
        QStringList lines = archives.readTableLines(QStringLiteral("PlColors.txt"), codec);
        // A ninth line is the colour of neutral objects, not of a player.
        if (lines.size() > playerCount)
            lines.removeLast();
        for (const QString &line : qAsConst(lines)) {
            if (!isBlankLine(line))
                c.playerColorNames.append(line);
        }
    }

    void readTownBuildings() {
        TownBuildingTables tables;
        for (const QString &line : rows("BldgNeut.TXT", 0, 1)) {
            const QStringList cells = splitCells(line);
            if (cells.size() == 2)
                tables.neutral.append(cells[0]);
        }
        for (const QString &line : rows("BldgSpec.txt", 0, 1))
            tables.special.append(splitCells(line)[0]);
        for (const QString &line : rows("Dwelling.txt", 0, 1))
            tables.dwellings.append(splitCells(line)[0]);
        c.townBuildingNames = buildTownBuildingNames(tables, records, codec);
    }

    void readSecondarySkills() {
        c.secondarySkillNames = firstCells(rows("SSTRAITS.txt", 2, 1), 1);
        forEachRecord("secskill", [&](const ModRecord &record) {
            c.secondarySkillNames[record.id] = text(accessorString(record, 1));
        });
    }

    void readSpells() {
        constexpr int unusedSpell = 57;
        constexpr int lastSpell = 69;
        int index = 0;
        for (const QString &line : rows("SPTRAITS.txt", 4, 1)) {
            // The table's section captions are no spells and take no id.
            if (line.startsWith(QLatin1String("Combat Spells")))
                continue;
            if (index != unusedSpell)
                c.spellNames.insert(index, splitCells(line)[0]);
            if (++index > lastSpell)
                break;
        }
    }

    const LodArchiveSet &archives;
    const ModRecordList &records;
    QTextCodec *codec;
    QTextCodec *localCodec;
    GameCatalogue c;
};

} // namespace

GameCatalogue buildGameCatalogue(const LodArchiveSet &archives, const ModRecordList &records,
                                 QTextCodec *textCodec, QTextCodec *localCodec) {
    return CatalogueBuilder(archives, records, textCodec, localCodec).build();
}

GameCatalogue buildGameCatalogue(QTextCodec *textCodec) {
    loadLodArchives();
    return buildGameCatalogue(lodArchives(), modRecords(), textCodec, fileTextCodec());
}
