#pragma once

#include "campaign/cmpcampaign.h"

#include <QList>
#include <QMainWindow>
#include <QSize>

#include <array>
#include <memory>

class CampaignRegionItem;
class FindingsWindow;
class DragAndDropHandler;
class MapBrowser;
class QAbstractScrollArea;
class QAction;
class QLabel;
class QStringList;
class QUndoStack;

enum class CheckPage;

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

    // Sets the title from `currentFile` and whether the campaign has unsaved changes.
    void updateWindowTitle();
    // regionLabel: the name of the shown region for a campaign with map, empty otherwise.
    void showSelectedRegionName();
    // Fills the campaign map view from the campaign.
    void rebuildCampaignMap();
    // After an accepted scenario properties window: the region items take the colours and map
    // states of the edited campaign's scenarios.
    void updateRegionItems(const CmpCampaign &edited);
    void updateRecentFileActions();
    // Shows region as the selected one: its highlight on the map and its name in the status bar.
    void selectRegion(int region);

    const CmpCampaign &campaign() const { return openCampaign; }
    QString currentFile() const { return currentFilePath; }
    // The campaign differs from what was last opened, created or saved.
    bool isModified() const;
    // The steps that changed the open campaign, for Undo and Redo.
    QUndoStack *history() const { return steps; }

    int shownCampaignMap = defaultCampaignMap;
    int shownRegion = 0;
    QList<CampaignRegionItem *> regionItems; // in region order

public slots:
    void loadFile(const QString &fileName);
    void newFile();
    void open();
    void save();
    void saveAs();
    void closeCampaign();
    void quit();
    void openRecentFile();
    void openCampaignProperties();
    void openScenarioProperties();
    // Edit > Check Campaign: the findings window, opened or brought to the front.
    void showCampaignCheck();
    void exportTexts();
    void importTexts();
    void exportMaps();
    void refreshMaps();
    void openConvertCampaign();
    void about();
    void setTooltipToHintBar();

protected:
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
    // Save As: false when the user cancelled or the file could not be written.
    bool saveToChosenFile();
    bool confirmVersionUpgrade();
    int maybeSave();
    void setCurrentFile(const QString &fileName);
    void showChangedCampaignMap();
    // The scenario properties window on a scenario and tab; OK changes the campaign.
    void openScenarioPropertiesOn(int scenario, int tab);
    // The campaign check (mainwindowcheck.cpp).
    void createCheckAction();
    void refreshFindings();
    void openFinding(int scenario, CheckPage page);
    // Asks once whether to save a campaign that has errors; true when it has none.
    bool confirmSaveWithErrors();
    // The one door for changes to the open campaign: a command or dialog hands in the changed
    // campaign and the name of the step, which becomes an undoable step unless it would save
    // the same file.
    void changeCampaign(CmpCampaign changed, const QString &stepName);
    // Makes campaign the open one and brings the map view and status bar up to date; the
    // steps call it when they are done, undone and redone.
    void showCampaign(const CmpCampaign &campaign);
    void createUndoActions();
    // Starts a new history for a campaign just opened or created.
    void startHistory();
    QString lastFolderSetting() const;
    void storeLastFolder(const QString &chosenFile);
    QString scenarioMapsFolder() const;

    std::unique_ptr<Ui::MainWindow> ui;
    QLabel *hintLabel = nullptr;
    QLabel *regionLabel = nullptr;
    DragAndDropHandler *dropHandler = nullptr;
    CmpCampaign openCampaign;
    QUndoStack *steps = nullptr;
    QString currentFilePath;
    std::array<QAction *, MaxRecentFiles> recentFileActions{};
    MapBrowser *mapBrowser = nullptr;
    QAbstractScrollArea *mapView = nullptr; // the map browser's view
    FindingsWindow *findingsWindow = nullptr;
    bool skipVersionQuestion = false;
    QSize initialWindowSize;
};
