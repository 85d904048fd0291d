#pragma once

#include "campaign/cmpbonus.h"

#include <QList>
#include <QWidget>

#include <memory>

namespace Ui {
class bonus_value_dlg;
}
class QSpinBox;
struct CmpScenario;

// A bonus page of one combo box and up to four numbers. One form serves the primary-skill
// bonus (a recipient and four skill amounts) and the resource bonus (a resource and its
// quantity). `edited` is the bonus being edited, or null for a new one.
class bonus_value_dlg : public QWidget {
    Q_OBJECT

public:
    explicit bonus_value_dlg(QWidget *parent = nullptr);
    ~bonus_value_dlg() override;

    void setUpPrimarySkillPage(const CmpScenario &scenario, int player, const CmpBonus *edited);
    void setUpResourcePage(const CmpBonus *edited);

    // The four number boxes, top to bottom.
    QList<QSpinBox *> valueBoxes() const;
    // The bonus of the given type built from the boxes.
    CmpBonus bonus(uint8_t type) const;

private:
    std::unique_ptr<Ui::bonus_value_dlg> ui;
};
