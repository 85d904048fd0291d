// tarq-campaign: reads, checks, converts and unpacks campaign files (.y6c) and reads map headers
// (.y6m) with the campaign editor's own libraries.

#include "campaigntool.h"
#include "gamedataloader.h"

#include "gamedata/gamefolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char *const description =
    "Reads campaign files (.y6c) and map files (.y6m) as the campaign editor does.\n"
    "\n"
    "Commands:\n"
    "  info FILE.y6c             Print the whole campaign as JSON.\n"
    "  map-info FILE.y6m         Print the map's header as JSON.\n"
    "  resave IN.y6c OUT.y6c     Load the campaign and save it as the editor saves.\n"
    "  export-maps FILE.y6c DIR  Write every embedded map into DIR under its map name.\n"
    "\n"
    "The game catalogue (campaign maps, creature and artifact counts) is read from the game\n"
    "folder. Messages go to standard error as kind|title|text lines.\n"
    "Exit status: 0 success, 1 input refused or not written, 2 usage error.";

struct Command {
    const char *name;
    int arguments;
    bool needsCatalogue;
};

const Command commands[] = {
    {"info", 1, true}, {"map-info", 1, false}, {"resave", 2, true}, {"export-maps", 2, true}};

int usageError(const QCommandLineParser &parser, const QString &problem) {
    std::fprintf(stderr, "tarq-campaign: %s\n\n%s", qPrintable(problem),
                 qPrintable(parser.helpText()));
    return CampaignTool::UsageError;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.addHelpOption();
    const QCommandLineOption game(QStringLiteral("game"),
                                  QStringLiteral("The game's root folder (default: the folder "
                                                 "of this program)."),
                                  QStringLiteral("DIR"));
    parser.addOption(game);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("info, map-info, resave or export-maps."));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("The command's files."), QStringLiteral("[...]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return CampaignTool::Success;
    }

    const QStringList arguments = parser.positionalArguments();
    const Command *command = nullptr;
    for (const Command &candidate : commands) {
        if (!arguments.isEmpty() && arguments.first() == QLatin1String(candidate.name))
            command = &candidate;
    }
    if (!command)
        return usageError(parser, arguments.isEmpty()
                                      ? QStringLiteral("no command given")
                                      : QStringLiteral("unknown command %1").arg(arguments[0]));
    if (arguments.size() != command->arguments + 1)
        return usageError(parser, QStringLiteral("%1 takes %2 file arguments")
                                      .arg(QLatin1String(command->name))
                                      .arg(command->arguments));
    if (parser.isSet(game))
        setGameFolder(parser.value(game));

    QString error;
    if (!(command->needsCatalogue ? loadGameCatalogue(&error) : loadTextCodec(&error))) {
        std::fprintf(stderr, "tarq-campaign: %s\n", qPrintable(error));
        return CampaignTool::Refused;
    }
    const QString name = QLatin1String(command->name);
    if (name == QLatin1String("info"))
        return CampaignTool::info(arguments[1]);
    if (name == QLatin1String("map-info"))
        return CampaignTool::mapInfo(arguments[1]);
    if (name == QLatin1String("resave"))
        return CampaignTool::resave(arguments[1], arguments[2]);
    return CampaignTool::exportMaps(arguments[1], arguments[2]);
}
