#pragma once

#include "campaign/cmpbonus.h"

#include <QWidget>

#include <memory>

namespace Ui {
class bonus_multibox_dlg;
}
struct CmpScenario;

// A bonus page of up to three combo boxes: a recipient and up to two items. One form serves the
// spell, spell scroll, building, artifact and secondary-skill bonuses; each set-up renames the
// labels and hides what the type does not use. `edited` is the bonus being edited, or null for
// a new one; a set-up takes its values only from a bonus of its own type(s).
class bonus_multibox_dlg : public QWidget {
    Q_OBJECT

public:
    explicit bonus_multibox_dlg(QWidget *parent = nullptr);
    ~bonus_multibox_dlg() override;

    // Spell and spell scroll (both take the hero and spell of either type).
    void setUpSpellPage(const CmpScenario &scenario, int player, const CmpBonus *edited);
    void setUpBuildingPage(const CmpScenario &scenario, int player, const CmpBonus *edited);
    void setUpArtifactPage(const CmpScenario &scenario, int player, const CmpBonus *edited);
    void setUpSecondarySkillPage(const CmpScenario &scenario, int player, const CmpBonus *edited);

    // The bonus of the given type built from the boxes.
    CmpBonus bonus(uint8_t type) const;

private:
    void hideItem2();

    std::unique_ptr<Ui::bonus_multibox_dlg> ui;
};
