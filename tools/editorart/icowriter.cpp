#include "icowriter.h"

#include <QDataStream>

namespace {

QByteArray bitmapEntry(const QImage &source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4; // mask rows are padded to 32 bits
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
    out << quint32(40) << qint32(size) << qint32(size * 2) << quint16(1) << quint16(32)
        << quint32(0) << quint32(size * size * 4 + maskStride * size) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = size - 1; y >= 0; --y) { // bottom row first
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                << quint8(qAlpha(row[x]));
    }
    for (int y = size - 1; y >= 0; --y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray maskRow(maskStride, '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(row[x]) == 0)
                maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(maskRow.constData(), maskRow.size());
    }
    return bytes;
}

} // namespace

QByteArray icoFile(const QList<QImage> &images) {
    QList<QByteArray> entries;
    for (const QImage &image : images)
        entries.append(bitmapEntry(image));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size()); // ICONDIR: reserved, icon, count
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int size = images[i].width();
        out << quint8(size >= 256 ? 0 : size) << quint8(size >= 256 ? 0 : size) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(entries[i].size()) << offset;
        offset += entries[i].size();
    }
    for (const QByteArray &entry : entries)
        out.writeRawData(entry.constData(), entry.size());
    return bytes;
}
