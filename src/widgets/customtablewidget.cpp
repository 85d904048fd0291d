#include "widgets/customtablewidget.h"

#include <QMouseEvent>

CustomTableWidget::CustomTableWidget(QWidget *parent) : QTableWidget(parent) {}

void CustomTableWidget::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void CustomTableWidget::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton) {
        event->ignore();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}
