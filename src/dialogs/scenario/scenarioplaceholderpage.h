#pragma once

#include "dialogs/scenario/scenariopage.h"

// Holds the place of a tab whose page is not part of the editor yet: it shows nothing, edits
// nothing and its tab stays disabled.
class ScenarioPlaceholderPage : public ScenarioPage {
    Q_OBJECT

public:
    explicit ScenarioPlaceholderPage(QWidget *parent = nullptr);

    void load() override {}
    bool commit() override { return false; }
};
