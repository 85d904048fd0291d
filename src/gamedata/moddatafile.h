#pragma once

#include <QByteArray>
#include <QList>
#include <QVector>

#include <cstdint>

class TStream;

// One named record of the mod's data file "tarq.dat". The editor uses only kind, id and the
// strings; the rest is kept as read.
struct ModRecord {
    QByteArray name;
    QByteArray secondName;
    QList<QByteArray> recordStrings;
    QByteArray dataBlock; // null when the record has no data block
    QVector<int32_t> numbers;
    QByteArray kind; // "monst" of "monst151"
    int id = -1;     // 151 of "monst151"; -1 when the name ends in no digit
};

using ModRecordList = QVector<ModRecord>;

// Reads every record of the file from offset 0. A wrong magic gives no records; a file that ends
// inside a record keeps the records read before it. Counts and lengths are never trusted beyond
// the bytes that remain.
ModRecordList readModDataFile(TStream &stream);
ModRecordList parseModData(const QByteArray &bytes);

// Splits a record name into its kind (everything before the trailing digits) and id.
void splitRecordName(const QByteArray &name, QByteArray *kind, int *id);

// String k of the record at recordIndex when it has more than k strings, otherwise fallback.
// A negative k counts as 0; the index is clamped to the list.
QByteArray modRecordString(const ModRecordList &records, int recordIndex, int k,
                           const QByteArray &fallback = QByteArray());

// The records read at start-up, for the whole run.
ModRecordList &modRecords();
