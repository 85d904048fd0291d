#pragma once

#include <QStyledItemDelegate>

// Draws items as usual; hovering an item whose text does not fit its cell shows the whole text
// in a tool tip (an item's own tool tip, when it has one, wins).
class CutTextToolTipDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
