#pragma once

#include "campaign/cmpbonus.h"
#include "campaign/cmpscenario.h"

#include <QDialog>

#include <array>
#include <memory>

namespace Ui {
class BonusDialog;
}
class QAbstractButton;
class QTableWidgetItem;
class BonusCreatureDlg;
class bonus_multibox_dlg;
class bonus_value_dlg;

// "Edit Starting Bonus": the editor of one starting bonus given to `player` in a scenario with
// a map. The eight bonus types are radio buttons; each has its own page, set up once for the
// player and, when `item` (a starting-bonus table item) is given, for the bonus it carries, so
// that switching types keeps every page's values. The dialog changes nothing until the caller
// has it write the accepted bonus into an item.
class BonusDialog : public QDialog {
    Q_OBJECT

public:
    BonusDialog(QWidget *parent, const CmpScenario &scenario, int campaignMap, int player,
                QTableWidgetItem *item);
    ~BonusDialog() override;

    // The bonus of the chosen type as the pages show it.
    CmpBonus bonus() const;
    // Stores bonus() into `item`: record, type and description.
    void writeItem(QTableWidgetItem *item) const;

private slots:
    void clickSpell();
    void clickCreature();
    void clickBuilding();
    void clickArtifacts();
    void clickScroll();
    void clickPrimSkills();
    void clickSecSkills();
    void clickResources();
    void checkPrimSkillOkStatus();

private:
    void createPages(const CmpBonus *edited);
    void showPage(int type);
    QAbstractButton *typeButton(int type) const;
    void setOkEnabled(bool enabled);

    std::unique_ptr<Ui::BonusDialog> ui;
    CmpScenario scenario;
    int campaignMap;
    int player;
    std::array<QWidget *, BonusTypeCount> pages{};
    BonusCreatureDlg *creaturePage = nullptr;
    bonus_value_dlg *primarySkillPage = nullptr;
};
