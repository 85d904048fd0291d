#pragma once

#include "dialogs/scenario/scenariopage.h"

#include <memory>

class QListWidgetItem;

namespace Ui {
class ScenarioGeneral;
}

// The General tab of the scenario properties window: the scenario's region (name, colour,
// right-click text), its embedded map (import, export, remove), its default difficulty and its
// prerequisites. Prerequisite edits and map changes go into the window's working copy at once
// (they touch other scenarios too); the other fields when the window commits the page.
class ScenarioGeneral : public ScenarioPage {
    Q_OBJECT

public:
    explicit ScenarioGeneral(QWidget *parent = nullptr);
    ~ScenarioGeneral() override;

    void load() override;
    bool commit() override;
    void scenarioMoved() override;

signals:
    // A map was imported into the scenario: hadMap tells whether it had one before,
    // bytesChanged whether the stored map differs from the one it replaced.
    void mapImported(bool hadMap, bool bytesChanged);
    void mapRemoved();
    // The page changed prerequisites in the working copy.
    void prerequisitesChanged();

private slots:
    void refreshMap();
    void exportMap();
    void removeMap();
    void checkPrereq(QListWidgetItem *item);
    void regionTextChanged();

private:
    void fillComboBoxes();
    void buildPrerequisiteList();
    void updateMapLabels();
    void showRegionName();
    QListWidgetItem *prerequisiteItem(int scenarioIndex) const;
    QString startFolder() const;

    std::unique_ptr<Ui::ScenarioGeneral> ui;
    // The region text as the edit showed it after loading: what an unedited text reads back as.
    QString shownRegionText;
    // Set once the page is filled; cleared while the page changes its own prerequisite items,
    // so that their item changes are not taken for the user's.
    bool filled = false;
};
