#include "dialogs/bonus/bonusitem.h"

#include <QTableWidgetItem>

CmpBonus bonusOfItem(const QTableWidgetItem *item) {
    return CmpBonus{uint8_t(item->data(BonusTypeRole).toInt()), item->data(BonusRecordRole)};
}

void storeBonusInItem(QTableWidgetItem *item, const CmpBonus &bonus, const QString &text) {
    item->setData(BonusRecordRole, bonus.value);
    item->setData(BonusTypeRole, int(bonus.type));
    item->setText(text);
}
