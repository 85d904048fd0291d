#include "campaign/campaigntextfile.h"

#include "campaign/campaigntexts.h"
#include "gamedata/messages.h"
#include "gamedata/regularfile.h"

#include <QCoreApplication>
#include <QFile>

namespace {

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
    // A full disk shows only when the bytes do not all reach it.
    const QByteArray bytes = exportCampaignTexts(campaign, catalogue);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        Messages::warning(
            Texts::tr("Error"),
            Texts::tr("Cannot write file %1:\n%2.").arg(fileName, file.errorString()));
        return false;
    }
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
        reportIncorrectCampaignText(fileName, file, reason);
        return false;
    }
    return true;
}

void reportIncorrectCampaignText(const QString &fileName, const QFileDevice &file,
                                 const QString &reason) {
    QString text = Texts::tr("Cannot read file %1 - incorrect campaign text:\n%2.")
                       .arg(fileName, file.errorString());
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    Messages::warning(Texts::tr("Error"), text);
}
