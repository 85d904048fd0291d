// tarq-campaign: reads, checks, converts, unpacks and packs campaign files (.y6c), exchanges their
// texts with campaign text files, and reads map headers (.y6m), with the campaign editor's own
// libraries.

#include "campaigntool.h"
#include "gamedataloader.h"

#include "campaign/campaigncheck.h"
#include "gamedata/gamefolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const char *const description =
    "Reads campaign files (.y6c) and map files (.y6m) as the campaign editor does, and\n"
    "exports, imports and converts campaigns with the editor's own rules.\n"
    "\n"
    "Commands:\n"
    "  info FILE.y6c             Print the whole campaign as JSON.\n"
    "  check FILE.y6c [--json]   Check the campaign: one line severity|id|scenario|text per\n"
    "                            finding (scenario - for the campaign as a whole), or a JSON\n"
    "                            array. Exit status 0 without errors (warnings alone too),\n"
    "                            1 with errors, 2 when the file cannot be read.\n"
    "  map-info FILE.y6m         Print the map's header as JSON.\n"
    "  resave IN.y6c OUT.y6c     Load the campaign and save it as the editor saves.\n"
    "  export-maps FILE.y6c DIR  Write every embedded map into DIR under its map name.\n"
    "  unpack FILE.y6c DIR       Write the campaign as plain files into DIR: campaign.json and\n"
    "                            the embedded maps as DIR/maps/NN-<map name>.\n"
    "  pack DIR OUT.y6c          Read a folder written by unpack and save the campaign as the\n"
    "                            editor saves. The layout of campaign.json is described in\n"
    "                            docs/campaign-json.md.\n"
    "  export-texts FILE.y6c OUT.txt\n"
    "                            Write every campaign text into a campaign text file.\n"
    "  import-texts FILE.y6c IN.txt OUT.y6c\n"
    "                            Read a campaign text file made for the campaign into it and\n"
    "                            save the result.\n"
    "  convert FILE.y6c OUT.y6c (--map ID | --background ID)\n"
    "                            Convert a campaign without map to one on campaign map ID, or\n"
    "                            a campaign with map to one without map on background ID, and\n"
    "                            save it. Only scenarios with maps are kept; the question the\n"
    "                            editor asks first is answered Yes.\n"
    "\n"
    "The game catalogue (campaign maps, creature and artifact counts) is read from the game\n"
    "folder. Messages go to standard error as kind|title|text lines.\n"
    "Exit status: 0 success, 1 input refused or not written, 2 usage error.";

struct Command {
    const char *name;
    int arguments;
    bool needsCatalogue;
};

const Command commands[] = {{"info", 1, true},         {"check", 1, true},
                            {"map-info", 1, false},    {"resave", 2, true},
                            {"export-maps", 2, true},  {"export-texts", 2, true},
                            {"import-texts", 3, true}, {"convert", 2, true},
                            {"unpack", 2, true},       {"pack", 2, true}};

// The description with every check the check command runs.
QString describeChecks() {
    QString text = QString::fromLatin1(description) + QStringLiteral("\n\nChecks:\n");
    for (const CheckDefinition &check : campaignChecks())
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(severityName(check.severity)), -8)
                    .arg(QLatin1String(check.id), QLatin1String(check.summary));
    return text;
}

int usageError(const QCommandLineParser &parser, const QString &problem) {
    std::fprintf(stderr, "tarq-campaign: %s\n\n%s", qPrintable(problem),
                 qPrintable(parser.helpText()));
    return CampaignTool::UsageError;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(TARQ_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(describeChecks());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption game(QStringLiteral("game"),
                                  QStringLiteral("The game's root folder (default: the folder "
                                                 "of this program)."),
                                  QStringLiteral("DIR"));
    parser.addOption(game);
    const QCommandLineOption map(QStringLiteral("map"),
                                 QStringLiteral("convert: the campaign map of the converted "
                                                "campaign."),
                                 QStringLiteral("ID"));
    parser.addOption(map);
    const QCommandLineOption background(QStringLiteral("background"),
                                        QStringLiteral("convert: the background of the "
                                                       "converted campaign."),
                                        QStringLiteral("ID"));
    parser.addOption(background);
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("check: print the findings as a JSON array."));
    parser.addOption(json);
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("info, check, map-info, resave, export-maps, unpack, pack, export-texts, "
                       "import-texts or convert."));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("The command's files."), QStringLiteral("[...]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return CampaignTool::Success;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()), TARQ_VERSION);
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
    const bool isConvert = QLatin1String(command->name) == QLatin1String("convert");
    if (isConvert != (parser.isSet(map) || parser.isSet(background)))
        return usageError(parser, isConvert ? QStringLiteral("convert needs --map or --background")
                                            : QStringLiteral("--map and --background belong to "
                                                             "convert"));
    const bool isCheck = QLatin1String(command->name) == QLatin1String("check");
    if (parser.isSet(json) && !isCheck)
        return usageError(parser, QStringLiteral("--json belongs to check"));
    if (parser.isSet(map) && parser.isSet(background))
        return usageError(parser, QStringLiteral("convert takes --map or --background, not both"));
    int target = -1;
    if (isConvert) {
        bool number = false;
        target = parser.value(parser.isSet(map) ? map : background).toInt(&number);
        if (!number || target < 0 || target > 255)
            return usageError(parser, QStringLiteral("the ID must be a number from 0 to 255"));
    }
    if (parser.isSet(game))
        setGameFolder(parser.value(game));

    QString error;
    if (!(command->needsCatalogue ? loadGameCatalogue(&error) : loadTextCodec(&error))) {
        std::fprintf(stderr, "tarq-campaign: %s\n", qPrintable(error));
        // A check that cannot run must not read as a campaign with errors.
        return isCheck ? CampaignTool::Unreadable : CampaignTool::Refused;
    }
    const QString name = QLatin1String(command->name);
    if (name == QLatin1String("info"))
        return CampaignTool::info(arguments[1]);
    if (isCheck)
        return CampaignTool::check(arguments[1], parser.isSet(json));
    if (name == QLatin1String("map-info"))
        return CampaignTool::mapInfo(arguments[1]);
    if (name == QLatin1String("resave"))
        return CampaignTool::resave(arguments[1], arguments[2]);
    if (name == QLatin1String("export-maps"))
        return CampaignTool::exportMaps(arguments[1], arguments[2]);
    if (name == QLatin1String("unpack"))
        return CampaignTool::unpack(arguments[1], arguments[2]);
    if (name == QLatin1String("pack"))
        return CampaignTool::pack(arguments[1], arguments[2]);
    if (name == QLatin1String("export-texts"))
        return CampaignTool::exportTexts(arguments[1], arguments[2]);
    if (name == QLatin1String("import-texts"))
        return CampaignTool::importTexts(arguments[1], arguments[2], arguments[3]);
    return CampaignTool::convert(arguments[1], arguments[2], parser.isSet(map) ? target : -1,
                                 parser.isSet(background) ? target : -1);
}
