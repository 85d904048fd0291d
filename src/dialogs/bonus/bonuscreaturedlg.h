#pragma once

#include "campaign/cmpbonus.h"

#include <QWidget>

#include <memory>

namespace Ui {
class BonusCreatureDlg;
}
struct CmpScenario;

// The creature bonus page: the receiving hero, the quantity and the creature.
class BonusCreatureDlg : public QWidget {
    Q_OBJECT

public:
    explicit BonusCreatureDlg(QWidget *parent = nullptr);
    ~BonusCreatureDlg() override;

    // Fills the boxes for `player`; a creature bonus being edited preselects its values.
    void setUp(const CmpScenario &scenario, int player, const CmpBonus *edited);
    CmpBonus bonus() const;

private:
    std::unique_ptr<Ui::BonusCreatureDlg> ui;
};
