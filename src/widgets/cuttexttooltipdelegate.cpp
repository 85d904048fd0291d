#include "widgets/cuttexttooltipdelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

bool CutTextToolTipDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                       const QStyleOptionViewItem &option,
                                       const QModelIndex &index) {
    if (event->type() != QEvent::ToolTip || !index.isValid() ||
        index.data(Qt::ToolTipRole).isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    // The room the item needs to show its text uncut; without a rectangle the style does not
    // lay the text out within the cell.
    QStyleOptionViewItem unbounded = option;
    unbounded.rect = QRect();
    if (!text.isEmpty() && sizeHint(unbounded, index).width() > option.rect.width()) {
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return false;
}
