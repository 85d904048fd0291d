#include "widgets/rightclickfilter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMouseEvent>

RightClickFilter::RightClickFilter(QObject *parent) : QObject(parent) {}

bool RightClickFilter::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void ignoreRightClicks(std::initializer_list<QComboBox *> boxes, QObject *owner) {
    auto *filter = new RightClickFilter(owner);
    for (QComboBox *box : boxes) {
        box->installEventFilter(filter);
        box->view()->installEventFilter(filter);
        box->view()->viewport()->installEventFilter(filter);
    }
}
