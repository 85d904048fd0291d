// tarq-demo-game: writes a small but complete game folder for the campaign editor: the shared
// settings file, the mod's data file, the archives with tables and pictures, music, maps and
// sample campaigns.

#include "demogame.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    // Pictures are drawn with QPainter; no screen is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the demo game folder OUTDIR."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("Folder to write."));
    QCommandLineOption language(QStringLiteral("language"),
                                QStringLiteral("Game language: en (default) or ru."),
                                QStringLiteral("LANG"), QStringLiteral("en"));
    QCommandLineOption fullSize(QStringLiteral("full-size"),
                                QStringLiteral("Pad the archives to a real game's size."));
    QCommandLineOption noMusic(QStringLiteral("no-music"),
                               QStringLiteral("Do not encode the MP3 files."));
    QCommandLineOption looseEntries(
        QStringLiteral("entries-only"),
        QStringLiteral("Write the archive entries (tables, pictures) as loose files into OUTDIR "
                       "instead of the game (seeds for the fuzz targets)."));
    parser.addOptions({language, fullSize, noMusic, looseEntries});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: tarq-demo-game [--language en|ru] [--full-size] "
                             "[--no-music] OUTDIR\n");
        return 2;
    }
    DemoOptions options;
    const QString languageName = parser.value(language);
    if (languageName != QLatin1String("en") && languageName != QLatin1String("ru")) {
        std::fprintf(stderr, "tarq-demo-game: unknown language %s\n", qPrintable(languageName));
        return 2;
    }
    options.language =
        languageName == QLatin1String("ru") ? DemoLanguage::Russian : DemoLanguage::English;
    options.fullSize = parser.isSet(fullSize);
    options.music = !parser.isSet(noMusic);
    QString error;
    const QString outDir = parser.positionalArguments().first();
    const bool written = parser.isSet(looseEntries) ? writeLooseEntries(outDir, options, &error)
                                                    : writeDemoGame(outDir, options, &error);
    if (!written) {
        std::fprintf(stderr, "tarq-demo-game: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
