#include "campaign/campaigntextfile.h"

#include "campaign/campaigntexts.h"
#include "gamedata/messages.h"
#include "gamedata/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

namespace {

// Where a refused file stopped fitting; off unless QT_LOGGING_RULES turns it on, so that the
// command-line tool's standard error keeps only its messages.
Q_LOGGING_CATEGORY(textImportTrace, "tarq.textimport", QtInfoMsg)

// The texts are the main window's: the editor shows them for its text commands.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

} // namespace

bool writeCampaignTextFile(const CmpCampaign &campaign, const QString &fileName,
                           const GameCatalogue &catalogue) {
    QFile file(fileName);
    // Binary mode: the lines carry their own CR LF.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Messages::warning(
            Texts::tr("Error"),
            Texts::tr("Cannot write file %1:\n%2.").arg(fileName, file.errorString()));
        return false;
    }
    file.write(exportCampaignTexts(campaign, catalogue));
    return true;
}

bool readCampaignTextFile(CmpCampaign &campaign, const QString &fileName,
                          const GameCatalogue &catalogue) {
    QFile file(fileName);
    QString reason;
    if (!openRegularFile(file, &reason)) {
        Messages::warning(Texts::tr("Error"),
                          Texts::tr("Cannot read file %1:\n%2.").arg(fileName, reason));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (!importCampaignTexts(campaign, bytes, &reason, catalogue)) {
        qCDebug(textImportTrace) << "incorrect campaign text" << fileName << reason;
        reportIncorrectCampaignText(fileName, file);
        return false;
    }
    return true;
}

void reportIncorrectCampaignText(const QString &fileName, const QFileDevice &file) {
    Messages::warning(Texts::tr("Error"),
                      Texts::tr("Cannot read file %1 - incorrect campaign text:\n%2.")
                          .arg(fileName, file.errorString()));
}
