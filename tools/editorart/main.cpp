// Draws the editor's own pictures at build time: the two splash pictures, the window icon and
// the application icon for the desktop in the given sizes, laid out as the icon theme's folder
// tree (hicolor/NxN/apps). Usage: tarq-editor-art OUTPUT_FOLDER VERSION ICON_SIZE...

#include "emblem.h"
#include "icowriter.h"
#include "splash.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

namespace {

QImage emblemImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Small icons need the emblem to fill the square; large ones get a little air.
    const qreal margin = size <= 32 ? 0 : size * 0.03;
    drawEmblem(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    painter.end();
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeDesktopIcons(const QDir &folder, const QStringList &sizes) {
    for (const QString &sizeText : sizes) {
        const int size = sizeText.toInt();
        const QString sizeFolder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (size <= 0 || !folder.mkpath(sizeFolder) ||
            !emblemImage(size).save(
                folder.filePath(sizeFolder + QStringLiteral("/tarq-campaign-editor.png"))))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    // Text needs the font system; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: tarq-editor-art OUTPUT_FOLDER VERSION ICON_SIZE...\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    QDir().mkpath(folder.path());
    const QString version = arguments[2];

    const SplashTexts english{QStringLiteral("VELDMARK"), QStringLiteral("Tarq Campaign Editor"),
                              QStringLiteral("Version %1").arg(version)};
    const SplashTexts russian{QStringLiteral("VELDMARK"), QStringLiteral("Редактор кампаний Tarq"),
                              QStringLiteral("Версия %1").arg(version)};
    QList<QImage> iconImages;
    for (int size : {16, 24, 32, 48, 64})
        iconImages.append(emblemImage(size));

    const bool written =
        drawSplash(english).save(folder.filePath(QStringLiteral("tarq_vadoz_en.png"))) &&
        drawSplash(russian).save(folder.filePath(QStringLiteral("tarq_vadoz_ru.png"))) &&
        writeFile(folder.filePath(QStringLiteral("vadoz.ico")), icoFile(iconImages)) &&
        writeDesktopIcons(folder, arguments.mid(3));
    if (!written) {
        std::fprintf(stderr, "tarq-editor-art: cannot write into %s\n", qPrintable(folder.path()));
        return 1;
    }
    return 0;
}
