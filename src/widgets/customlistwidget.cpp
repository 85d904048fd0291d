#include "widgets/customlistwidget.h"

#include <QMouseEvent>

CustomListWidget::CustomListWidget(QWidget *parent) : QListWidget(parent) {}

void CustomListWidget::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void CustomListWidget::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}
