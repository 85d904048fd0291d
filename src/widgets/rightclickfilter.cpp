#include "widgets/rightclickfilter.h"

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
