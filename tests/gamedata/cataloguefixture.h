#pragma once

// Small, complete sets of the tables the catalogue reads, written into a .lod archive of a
// temporary folder, and mod records built in code.

#include "demogame/lodwriter.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/lodarchiveset.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QVariant>

#include <climits>

// The entries with keys in [from, to] as "key=text; ...", to compare many names in one line.
template <typename Map> QString entries(const Map &map, int from = INT_MIN, int to = INT_MAX) {
    QStringList parts;
    for (auto it = map.lowerBound(from); it != map.end() && it.key() <= to; ++it)
        parts << QStringLiteral("%1=%2").arg(it.key()).arg(
            QVariant(it.value()).toStringList().join('|'));
    return parts.join(QStringLiteral("; "));
}

// The listed keys as "key=text; ...", an absent key as "key-".
inline QString pick(const QMap<int, QString> &map, const QList<int> &keys) {
    QStringList parts;
    for (int key : keys)
        parts << (map.contains(key) ? QStringLiteral("%1=%2").arg(key).arg(map[key])
                                    : QStringLiteral("%1-").arg(key));
    return parts.join(QStringLiteral("; "));
}

class CatalogueFixture {
public:
    CatalogueFixture() {
        const QByteArray header = "Name\tA\tB\r\nSingular\tPlural\r\n";
        tables["CRTRAITS.TXT"] = header + row("Peasant", 12) + row("Archer", 12);
        tables["artraits.txt"] = header + row("Sword", 12) + "\r\nArtifact footer\r\n\r\n";
        tables["CmpMusic.txt"] = "dawn\r\nnight\r\nend of list\r\n";
        tables["CmpMovie.txt"] = "INTRO\r\nOUTRO\r\n";
        tables["CmpEditr.txt"] = header + "Campaign Editor\tx\r\n";
        tables["VadOzCmd.txt"] = header + "Ready\r\nNew campaign\r\n";
        tables["HOTRAITS.TXT"] = header + "Orrin\t1\r\nValeska\t2\r\nHero footer\r\n";
        tables["RESTYPES.txt"] = "Wood\r\nMercury\r\nOre\r\nSulfur\r\nCrystal\r\nGems\r\nGold\r\n";
        tables["PlColors.txt"] =
            "Red\r\nBlue\r\nTan\r\nGreen\r\nOrange\r\nPurple\r\nTeal\r\nPink\r\n";
        tables["PriSkill.txt"] = "Attack\r\nDefense\r\nPower\r\nKnowledge\r\n";
        tables["JKTEXT.txt"] = "zero\r\none\r\nfooter\r\n";
        tables["BldgNeut.TXT"] = "Tavern\tx\r\nfooter\r\n";
        tables["BldgSpec.txt"] = "Special\r\nfooter\r\n";
        tables["Dwelling.txt"] = "Hut\r\nfooter\r\n";
        tables["SSTRAITS.txt"] = header + "Pathfinding\tx\r\nfooter\r\n";
        tables["SPTRAITS.txt"] = "a\r\nb\r\nc\r\nd\r\nSummon Boat\tx\r\nfooter\r\n";
    }

    static QByteArray row(const QByteArray &name, int cells) {
        QByteArray line = name;
        for (int i = 1; i < cells; ++i)
            line += "\t" + QByteArray::number(i);
        return line + "\r\n";
    }

    // Builds the catalogue from the tables (all but those in `leaveOut`) and records.
    GameCatalogue build(const QStringList &leaveOut = {}) {
        LodWriter lod;
        for (auto it = tables.begin(); it != tables.end(); ++it) {
            if (!leaveOut.contains(QString::fromLatin1(it.key())))
                lod.add(it.key(), it.value(), (it.key().size() % 2) == 0);
        }
        lod.write(folder.filePath("Tarq.lod"));
        LodArchiveSet archives;
        archives.load(folder.path());
        return buildGameCatalogue(archives, records, QTextCodec::codecForName(textCodec),
                                  QTextCodec::codecForName(localCodec));
    }

    void addRecord(const QByteArray &name, const QList<QByteArray> &strings) {
        ModRecord record;
        record.name = name;
        record.recordStrings = strings;
        splitRecordName(name, &record.kind, &record.id);
        records.append(record);
    }
    // A record whose string k is text and whose other strings are "-".
    void addRecord(const QByteArray &name, int count, int k, const QByteArray &text) {
        QList<QByteArray> strings;
        for (int i = 0; i < count; ++i)
            strings.append(i == k ? text : QByteArray("-"));
        addRecord(name, strings);
    }

    QMap<QByteArray, QByteArray> tables;
    ModRecordList records;
    QByteArray textCodec = "Windows-1252";
    QByteArray localCodec = "Windows-1252";
    QTemporaryDir folder;
};
