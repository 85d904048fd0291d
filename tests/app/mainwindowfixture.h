#pragma once

// Helpers of the main window tests: a catalogue that fits the demo game's sample campaigns and
// has hint rows, a change mark, and the recent-file list of a private settings store.

#include "app/mainwindow.h"
#include "campaignfilefixture.h"
#include "filechooserrecorder.h"

#include <QSettings>
#include <QStringList>
#include <QUndoCommand>
#include <QUndoStack>

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

// Marks the window's campaign changed, as any edit would, without changing it.
inline void markChanged(MainWindow &window) {
    window.history()->push(new QUndoCommand(QStringLiteral("edit")));
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
