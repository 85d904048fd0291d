// Game data figures on a full-size demo game (as many archive entries as the real game ships).

#include "benchsupport.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/gamepictures.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/moddatafile.h"
#include "gamedata/tstream.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextCodec>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid() || !generateDemoGame(folder.path(), {QStringLiteral("--full-size")})) {
        std::fprintf(stderr, "bench-gamedata: cannot write the demo game\n");
        return 1;
    }
    setGameFolder(folder.path());
    auto stream = openFileStream(gamePath(QStringLiteral("tarq.dat")), TFileStream::ReadOnly);
    if (!stream)
        return 1;
    modRecords() = readModDataFile(*stream);
    QTextCodec *codec = QTextCodec::codecForName("Windows-1252");

    // Warm: the first build brings the archives into the file system's cache.
    int creatures = buildGameCatalogue(codec).creatureNames.size();
    const double build =
        medianMs(15, [&] { creatures += buildGameCatalogue(codec).creatureNames.size(); });
    printFigure("catalogue build", build, "ms");

    // One 456 x 600 campaign map background, fetched from the archives and decoded.
    const QString background = QStringLiteral("CmpMap24.pcx");
    int decoded = 0;
    const double decode = medianMs(15, [&] {
        decoded += decodeTrueColorPicture(findLodEntry(background).value_or(QByteArray())).width();
    });
    printFigure("background decode", decode, "ms");
    if (decoded != 15 * 456)
        return 1;
    return creatures > 0 ? 0 : 1;
}
