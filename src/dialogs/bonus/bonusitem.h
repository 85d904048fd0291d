#pragma once

#include "campaign/cmpbonus.h"

#include <Qt>

class QTableWidgetItem;

// A starting-bonus table item carries the bonus record under the first user role and the bonus
// type under the next one; its text describes the bonus.
constexpr int BonusRecordRole = Qt::UserRole;
constexpr int BonusTypeRole = Qt::UserRole + 1;

CmpBonus bonusOfItem(const QTableWidgetItem *item);
void storeBonusInItem(QTableWidgetItem *item, const CmpBonus &bonus, const QString &text);
