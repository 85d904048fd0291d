#pragma once

#include "campaign/cmpcampaign.h"

#include <QList>
#include <QMainWindow>
#include <QSize>

#include <array>
#include <memory>

class CampaignRegionItem;
class DragAndDropHandler;
class MapBrowser;
class QAbstractScrollArea;
class QAction;
class QLabel;
class QStringList;

namespace Ui {
class MainWindow;
}

// The editor's only top-level window: it owns the open campaign, carries the file and
// campaign commands, the title, the status bar hints and hosts the campaign map view.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int MaxRecentFiles = 5;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // "Veldmark: Tarq Campaign Editor", translated: the end of every title and the title of
    // the questions.
    static QString applicationTitle();

    // Opens the campaign named by the first argument after the program's name, if any.
    void openFromCommandLine(const QStringList &arguments);

    // Sets the title from `currentFile` and `campaignModified`.
    void updateWindowTitle();
    // regionLabel: the name of the shown region for a campaign with map, empty otherwise.
    void showSelectedRegionName();
    // Fills the campaign map view from the campaign.
    void rebuildCampaignMap();
    // After an accepted scenario properties window: the region items take the colours and map
    // states of the edited campaign's scenarios.
    void updateRegionItems(const CmpCampaign &edited);
    void updateRecentFileActions();

    const CmpCampaign &campaign() const { return openCampaign; }
    QString currentFile() const { return currentFilePath; }

    int shownCampaignMap = defaultCampaignMap;
    int shownRegion = 0;
    QList<CampaignRegionItem *> regionItems; // in region order

public slots:
    void loadFile(const QString &fileName);
    void newFile();
    void open();
    void save();
    void saveAs();
    void quit();
    void openRecentFile();
    void openCampaignProperties();
    void openScenarioProperties();
    void exportTexts();
    void importTexts();
    void exportMaps();
    void refreshMaps();
    void openConvertCampaign();
    void about();
    void setTooltipToHintBar();

protected:
    // The file dialogs; tests answer them without showing a dialog.
    virtual QString askOpenFileName(const QString &caption, const QString &folder,
                                    const QString &filter);
    virtual QString askSaveFileName(const QString &caption, const QString &proposedName,
                                    const QString &filter);

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createRecentFileActions();
    void createStatusBar();
    void createMapPage();
    void setToolTipsFromHintTable();
    void connectActions();
    void createKeyShortcuts();

    bool saveFile(const QString &fileName);
    bool confirmVersionUpgrade();
    int maybeSave();
    void setCurrentFile(const QString &fileName);
    void showChangedCampaignMap();
    // Takes back the campaign a command or dialog changed: the one place where the open
    // campaign takes edits, so that every change passes here.
    void replaceCampaign(CmpCampaign changed, bool markModified);
    QString lastFolderSetting() const;
    void storeLastFolder(const QString &chosenFile);
    QString scenarioMapsFolder() const;

    std::unique_ptr<Ui::MainWindow> ui;
    QLabel *hintLabel = nullptr;
    QLabel *regionLabel = nullptr;
    DragAndDropHandler *dropHandler = nullptr;
    CmpCampaign openCampaign;
    QString currentFilePath;
    std::array<QAction *, MaxRecentFiles> recentFileActions{};
    MapBrowser *mapBrowser = nullptr;
    QAbstractScrollArea *mapView = nullptr; // the map browser's view
    bool skipVersionQuestion = false;
    QSize initialWindowSize;
};
