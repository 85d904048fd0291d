#pragma once

// Helpers of the main window tests: the window with its file dialogs answered by the test, a
// catalogue that fits the demo game's sample campaigns and has hint rows, and the recent-file
// list of a private settings store.

#include "app/mainwindow.h"
#include "campaignfilefixture.h"

#include <QSettings>
#include <QStringList>

class AnsweredMainWindow : public MainWindow {
public:
    struct Question {
        QString caption;
        QString folderOrName;
        QString filter;
    };
    QList<Question> questions;
    QStringList answers; // file names to answer with, in order; none = cancelled

protected:
    QString askOpenFileName(const QString &caption, const QString &folder,
                            const QString &filter) override {
        questions.append({caption, folder, filter});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString askSaveFileName(const QString &caption, const QString &proposedName,
                            const QString &filter) override {
        questions.append({caption, proposedName, filter});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

// The catalogue of the demo game in gameFolder (or, without one, just a campaign map 24 of six
// regions) with hint rows "hint 0" to "hint 21" and named regions on campaign map 24.
inline GameCatalogue mainWindowCatalogue(const QString &gameFolder = QString()) {
    GameCatalogue catalogue;
    if (!gameFolder.isEmpty()) {
        catalogue = demoGameCatalogue(gameFolder);
    } else {
        catalogue.campaignMaps[24].regionCount = 6;
        for (int r = 0; r < 6; ++r)
            catalogue.campaignMaps[24].regions.append(CampaignRegionDef());
    }
    for (int row = 0; row <= 21; ++row)
        catalogue.commandHintTable[row] = QStringList{QStringLiteral("hint %1").arg(row)};
    QList<CampaignRegionDef> &regions = catalogue.campaignMaps[24].regions;
    for (int r = 0; r < regions.size(); ++r)
        regions[r].name = QStringLiteral("Region %1").arg(r);
    return catalogue;
}

// Keeps the per-user settings of the tests (the recent-file list) inside folder.
inline void useSettingsFolder(const QString &folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

inline QStringList storedRecentFiles() {
    return QSettings(QStringLiteral("vadoz_info"), QString())
        .value(QStringLiteral("recentFileList"))
        .toStringList();
}

inline void storeRecentFiles(const QStringList &files) {
    QSettings(QStringLiteral("vadoz_info"), QString())
        .setValue(QStringLiteral("recentFileList"), files);
}
