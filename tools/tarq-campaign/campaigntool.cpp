#include "campaigntool.h"

#include "campaign/campaigncheck.h"
#include "campaign/campaignconversion.h"
#include "campaign/campaignfile.h"
#include "campaign/campaignfolder.h"
#include "campaign/campaignjson.h"
#include "campaign/campaigntextfile.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "campaign/mapexport.h"
#include "campaign/mapheader.h"
#include "campaign/mapimport.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/messages.h"
#include "gamedata/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace CampaignTool {

namespace {

void printJson(const QJsonDocument &json) {
    const QByteArray text = json.toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    std::fflush(stdout);
}

QJsonArray findingsJson(const QList<CheckFinding> &findings) {
    QJsonArray json;
    for (const CheckFinding &finding : findings)
        json.append(QJsonObject{
            {QStringLiteral("severity"), QLatin1String(severityName(finding.severity()))},
            {QStringLiteral("id"), finding.id()},
            {QStringLiteral("scenario"),
             finding.scenario < 0 ? QJsonValue() : QJsonValue(finding.scenario)},
            {QStringLiteral("page"), QLatin1String(pageName(finding.page))},
            {QStringLiteral("text"), finding.text}});
    return json;
}

void printFindingLines(const QList<CheckFinding> &findings) {
    for (const CheckFinding &finding : findings) {
        const QString scenario =
            finding.scenario < 0 ? QStringLiteral("-") : QString::number(finding.scenario);
        std::printf("%s|%s|%s|%s\n", severityName(finding.severity()), qPrintable(finding.id()),
                    qPrintable(scenario), qPrintable(finding.text));
    }
    std::fflush(stdout);
}

void printError(const QString &text) {
    std::fprintf(stderr, "tarq-campaign: %s\n", qPrintable(text));
}

// Loads a campaign; a file refused without a message of its own (data that end early) is
// still reported, so that every refusal leaves a line on standard error.
bool loadCampaign(const QString &path, CmpCampaign &campaign) {
    if (CampaignFile::load(path, campaign))
        return true;
    printError(QStringLiteral("%1: the campaign cannot be read").arg(path));
    return false;
}

} // namespace

int info(const QString &campaignPath) {
    CmpCampaign campaign;
    if (!loadCampaign(campaignPath, campaign))
        return Refused;
    QJsonObject json = campaignJson(campaign);
    json.insert(QStringLiteral("campaignFileVersion"), QStringLiteral("%1.%2.%3")
                                                           .arg(campaignFileVersion.major)
                                                           .arg(campaignFileVersion.minor)
                                                           .arg(campaignFileVersion.patch));
    printJson(QJsonDocument(json));
    return Success;
}

int check(const QString &campaignPath, bool json) {
    CmpCampaign campaign;
    if (!CampaignFile::load(campaignPath, campaign, gameCatalogue(),
                            CampaignFile::UnreadableMaps::Keep)) {
        printError(QStringLiteral("%1: the campaign cannot be read").arg(campaignPath));
        return Unreadable;
    }
    const QList<CheckFinding> findings = checkCampaign(campaign);
    if (json)
        printJson(QJsonDocument(findingsJson(findings)));
    else
        printFindingLines(findings);
    return errorCount(findings) > 0 ? HasErrors : Success;
}

// The map is read as the editor reads a map it imports: whole, so that a damaged or cut map is
// refused instead of described by the header at its start.
int mapInfo(const QString &mapPath) {
    QFile file(mapPath);
    QString reason;
    CmpScenario scenario;
    if (openRegularFile(file, &reason))
        scenario.mapData = file.readAll();
    if (scenario.mapData.isEmpty()) {
        Messages::warning(QCoreApplication::translate("CampaignTool", "Error"),
                          QCoreApplication::translate("CampaignTool", "Cannot read file %1:\n%2.")
                              .arg(mapPath, reason));
        return Refused;
    }
    const int result = CampaignFile::readEmbeddedMapHeader(scenario);
    if (result < 0) {
        Messages::warning(QCoreApplication::translate("CampaignTool", "Error"),
                          mapErrorMessage(result, QFileInfo(mapPath).fileName()));
        return Refused;
    }
    printJson(QJsonDocument(mapHeaderJson(*scenario.mapHeader)));
    return Success;
}

int resave(const QString &campaignPath, const QString &targetPath) {
    CmpCampaign campaign;
    if (!loadCampaign(campaignPath, campaign))
        return Refused;
    return CampaignFile::save(campaign, targetPath) ? Success : Refused;
}

int exportMaps(const QString &campaignPath, const QString &folder) {
    CmpCampaign campaign;
    if (!loadCampaign(campaignPath, campaign))
        return Refused;
    if (!QDir().mkpath(folder)) {
        printError(QStringLiteral("%1: cannot create the folder").arg(folder));
        return Refused;
    }
    QStringList failed;
    for (const QString &path : exportScenarioMaps(campaign, folder, &failed))
        std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    for (const QString &path : failed)
        printError(QStringLiteral("%1: cannot write the map").arg(path));
    return failed.isEmpty() ? Success : Refused;
}

int unpack(const QString &campaignPath, const QString &folder) {
    CmpCampaign campaign;
    if (!loadCampaign(campaignPath, campaign))
        return Refused;
    return CampaignFolder::write(campaign, folder) ? Success : Refused;
}

int pack(const QString &folder, const QString &targetPath) {
    CmpCampaign campaign;
    if (!CampaignFolder::read(folder, campaign, gameCatalogue()))
        return Refused;
    return CampaignFile::save(campaign, targetPath) ? Success : Refused;
}

int exportTexts(const QString &campaignPath, const QString &textPath) {
    CmpCampaign campaign;
    if (!loadCampaign(campaignPath, campaign))
        return Refused;
    return writeCampaignTextFile(campaign, textPath) ? Success : Refused;
}

int importTexts(const QString &campaignPath, const QString &textPath, const QString &targetPath) {
    CmpCampaign campaign;
    if (!loadCampaign(campaignPath, campaign) || !readCampaignTextFile(campaign, textPath))
        return Refused;
    return CampaignFile::save(campaign, targetPath) ? Success : Refused;
}

int convert(const QString &campaignPath, const QString &targetPath, int campaignMap,
            int background) {
    CmpCampaign campaign;
    if (!loadCampaign(campaignPath, campaign))
        return Refused;
    const bool toWithMap = !campaign.withMap;
    if (toWithMap && campaignMap < 0) {
        printError(QStringLiteral("%1 is a campaign without map: convert it with --map ID")
                       .arg(campaignPath));
        return UsageError;
    }
    if (!toWithMap && background < 0) {
        printError(QStringLiteral("%1 is a campaign with map: convert it with --background ID")
                       .arg(campaignPath));
        return UsageError;
    }
    const GameCatalogue &catalogue = gameCatalogue();
    if (toWithMap ? !catalogue.campaignMaps.contains(campaignMap)
                  : !catalogue.campaignBackgrounds.contains(background)) {
        printError(toWithMap ? QStringLiteral("no campaign map %1 in the game").arg(campaignMap)
                             : QStringLiteral("no background %1 in the game").arg(background));
        return Refused;
    }
    // The command line is the user's consent: no question is asked.
    convertToOtherType(campaign, toWithMap ? campaignMap : background);
    currentCampaignMap = campaign.campaignMap;
    return CampaignFile::save(campaign, targetPath) ? Success : Refused;
}

} // namespace CampaignTool
