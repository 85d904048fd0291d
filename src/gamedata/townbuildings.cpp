#include "gamedata/townbuildings.h"

#include <QTextCodec>

namespace {

constexpr int baseTownTypes = 9;
constexpr int dwellingsPerTown = 14;

QStringList recordLines(const ModRecord &record, int k, QTextCodec *codec) {
    const QByteArray text =
        k < record.recordStrings.size() ? record.recordStrings[k] : QByteArray();
    return codec->toUnicode(text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString recordText(const ModRecord &record, int k, QTextCodec *codec) {
    return codec->toUnicode(k < record.recordStrings.size() ? record.recordStrings[k]
                                                            : QByteArray());
}

bool isOneOf(int town, std::initializer_list<int> towns) {
    return std::find(towns.begin(), towns.end(), town) != towns.end();
}

} // namespace

QMap<int, QMap<int, QString>> buildTownBuildingNames(const TownBuildingTables &tables,
                                                     const ModRecordList &records,
                                                     QTextCodec *codec) {
    const QStringList &N = tables.neutral;
    const QStringList &S = tables.special;
    QMap<int, QStringList> D; // dwellings by town type
    QMap<int, QStringList> M; // the mod's special buildings by town type
    for (int i = 0; i < tables.dwellings.size() && i / dwellingsPerTown < baseTownTypes; ++i)
        D[i / dwellingsPerTown].append(tables.dwellings[i]);

    int townTypes = baseTownTypes;
    for (const ModRecord &record : records) {
        if (record.kind == "casdwcost") {
            D[record.id - 1] = recordLines(record, 7, codec);
            ++townTypes;
        } else if (record.kind == "casspcost") {
            M[record.id - 1] += recordLines(record, 7, codec);
        }
    }
    // After every "casspcost" record, whatever their order in the file.
    for (const ModRecord &record : records) {
        if (record.kind == "firebrdhorde")
            M[8].append(recordText(record, 5, codec));
    }

    QMap<int, QMap<int, QString>> names;
    for (int town = -1; town < townTypes; ++town) {
        QMap<int, QString> &b = names[town];
        b[0] = N.value(11);
        b[1] = N.value(12);
        b[2] = N.value(13);
        b[3] = N.value(7);
        b[4] = N.value(8);
        b[5] = N.value(9);
        b[6] = N.value(5);
        b[7] = N.value(15);
        b[8] = N.value(14);
        b[9] = S.value(72);
        if (isOneOf(town, {-1, 2, 5, 8, 10}))
            b[10] = S.value(73);
        const int taverns = isOneOf(town, {0, 9}) ? 4 : isOneOf(town, {6, 7}) ? 3 : 5;
        for (int i = 0; i < taverns; ++i)
            b[11 + i] = N.value(i);
        if (isOneOf(town, {-1, 0, 4, 7, 8, 9, 10}))
            b[16] = N.value(6);
        if (town >= 0) {
            static const int plain[] = {22, 25, 28, 31, 34, 37, 39};
            static const int upgraded[] = {23, 26, 29, 32, 35, 38, 40};
            const QStringList dwellings = D.value(town);
            for (int level = 0; level < 7; ++level) {
                b[plain[level]] = dwellings.value(level);
                b[upgraded[level]] = dwellings.value(7 + level);
            }
        } else {
            // The random town names the generic dwellings, one after another under one id, so
            // the last of each seven remains.
            for (int row = 126; row <= 132; ++row)
                b[22] = tables.dwellings.value(row);
            for (int row = 133; row <= 139; ++row)
                b[23] = tables.dwellings.value(row);
            b[24] = S.value(74);
            b[27] = S.value(75);
            b[30] = S.value(77);
            b[33] = S.value(78);
            b[36] = S.value(79);
        }
    }

    // Each town's own buildings, whatever the number of town types.
    struct Override {
        int town;
        int building;
        QString name;
    };
    const Override overrides[] = {
        {-1, 17, S.value(80)},
        {0, 17, S.value(6)},
        {0, 18, S.value(0)},
        {0, 19, S.value(5)},
        {0, 20, S.value(4)},
        {0, 30, S.value(1)},
        {1, 17, S.value(15)},
        {1, 18, S.value(8)},
        {1, 19, S.value(11)},
        {1, 20, S.value(12)},
        {1, 27, S.value(9)},
        {1, 36, S.value(13)},
        {2, 17, S.value(23)},
        {2, 18, S.value(21)},
        {2, 19, S.value(22)},
        {2, 20, S.value(20)},
        {2, 27, S.value(18)},
        {3, 17, S.value(32)},
        {3, 18, S.value(27)},
        {3, 19, S.value(28)},
        {3, 20, S.value(29)},
        {3, 30, S.value(30)},
        {4, 17, S.value(40)},
        {4, 18, S.value(34)},
        {4, 19, S.value(38)},
        {4, 20, S.value(39)},
        {4, 24, S.value(35)},
        {5, 17, S.value(48)},
        {5, 18, S.value(45)},
        {5, 19, S.value(46)},
        {5, 20, S.value(47)},
        {5, 24, S.value(43)},
        {6, 17, S.value(56)},
        {6, 18, S.value(50)},
        {6, 19, S.value(53)},
        {6, 20, S.value(54)},
        {6, 21, S.value(55)},
        {6, 24, S.value(51)},
        {7, 17, S.value(64)},
        {7, 18, S.value(58)},
        {7, 19, S.value(62)},
        {7, 20, S.value(63)},
        {7, 24, S.value(59)},
        {8, 17, S.value(71)},
        {8, 18, S.value(70)},
        {8, 19, M.value(8).value(0)},
        {9, 17, M.value(9).value(9)},
        {9, 18, M.value(9).value(5)},
        {9, 19, M.value(9).value(6)},
        {9, 20, M.value(9).value(4)},
        {9, 27, M.value(9).value(1)},
        {9, 33, M.value(9).value(7)},
        {10, 16, M.value(10).value(3)},
        {10, 17, M.value(10).value(9)},
        {10, 18, M.value(10).value(4)},
        {10, 19, M.value(10).value(5)},
        {10, 20, M.value(10).value(6)},
        {10, 30, M.value(10).value(1)},
    };
    for (const Override &entry : overrides)
        names[entry.town][entry.building] = entry.name;
    return names;
}
