#include "bytewriter.h"
#include "demodescription.h"
#include "demogame.h"

bool writeTarqDat(const QString &gameDir, const DemoOptions &options, QString *error) {
    const QVector<DemoModRecord> records = demoModRecords(options.language);
    ByteWriter out;
    out.raw("HDAT");
    out.i32(1); // format
    out.i32(records.size());
    for (const DemoModRecord &record : records) {
        out.string(record.name);
        out.string(record.secondName);
        out.i32(record.strings.size());
        for (const QByteArray &text : record.strings)
            out.string(text);
        out.u8(record.dataBlock.isNull() ? 0 : 1);
        if (!record.dataBlock.isNull())
            out.string(record.dataBlock);
        out.i32(record.numbers.size());
        for (int number : record.numbers)
            out.i32(number);
    }
    return writeGameFile(gameDir, QStringLiteral("tarq.dat"), out.data(), error);
}
