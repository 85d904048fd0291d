#include "app/commandline.h"

#include "gamedata/gamefolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const QLatin1String gameOption("--game");

const char *const description =
    "Creates, opens, edits and saves campaign files (.y6c) of the Tarq modification of\n"
    "Veldmark. The editor reads the game's text tables and pictures from the game's root\n"
    "folder: the folder of this program unless --game or TARQ_GAME_DIR names another.\n"
    "\n"
    "Environment:\n"
    "  TARQ_GAME_DIR=DIR            The game's root folder when --game is not given.\n"
    "  TARQ_EDITOR_MESSAGES=stderr  Write every message to standard error as one\n"
    "                               kind|title|text line instead of showing it.\n"
    "  SDL_AUDIODRIVER=NAME         The sound output for campaign music (dummy: none).";

void describeOptions(QCommandLineParser &parser) {
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        gameOption.mid(2), QStringLiteral("The game's root folder."), QStringLiteral("DIR")));
    parser.addPositionalArgument(QStringLiteral("campaign"),
                                 QStringLiteral("A campaign file (.y6c) to open."),
                                 QStringLiteral("[campaign.y6c]"));
}

bool asksForHelpOrVersion(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QLatin1String argument(argv[i]);
        if (argument == gameOption)
            ++i; // its value is a folder, whatever it is called
        else if (argument == QLatin1String("-h") || argument == QLatin1String("--help") ||
                 argument == QLatin1String("--help-all") || argument == QLatin1String("-v") ||
                 argument == QLatin1String("--version"))
            return true;
    }
    return false;
}

} // namespace

bool answerHelpOrVersion(int argc, char *argv[]) {
    if (!asksForHelpOrVersion(argc, argv))
        return false;
    // The help text names the program as it was called, which takes an application object; a
    // core one needs no screen.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(TARQ_VERSION));
    QCommandLineParser parser;
    describeOptions(parser);
    // Options of the toolkit (-platform, -style) are no error here.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()), TARQ_VERSION);
    else
        std::printf("%s", qPrintable(parser.helpText()));
    return true;
}

QStringList takeGameFolderArgument(const QStringList &all) {
    const QString optionWithValue = gameOption + QLatin1Char('=');
    QStringList rest;
    QString folder = qEnvironmentVariable("TARQ_GAME_DIR");
    for (int i = 1; i < all.size(); ++i) {
        const QString &argument = all[i];
        if (argument == gameOption && i + 1 < all.size())
            folder = all[++i];
        else if (argument.startsWith(optionWithValue))
            folder = argument.mid(optionWithValue.size());
        else
            rest.append(argument);
    }
    setGameFolder(folder);
    return rest;
}
