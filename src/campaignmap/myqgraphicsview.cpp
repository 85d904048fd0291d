#include "campaignmap/myqgraphicsview.h"

#include "campaignmap/mygraphicsscene.h"
#include "gamedata/gamecatalogue.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// The command hint shown while the pointer is over no command.
constexpr int idleHintRow = 0;

} // namespace

MyQGraphicsView::MyQGraphicsView(QWidget *parent) : QGraphicsView(parent) {
    setScene(new MyGraphicsScene(this));
    // Absolute alignment alone: the scene stays centred in a view larger than the map.
    setAlignment(Qt::AlignAbsolute);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &MyQGraphicsView::showContextMenu);
}

MyGraphicsScene *MyQGraphicsView::mapScene() const {
    return static_cast<MyGraphicsScene *>(scene());
}

void MyQGraphicsView::showContextMenu(const QPoint &position) {
    QMenu menu(this);
    QAction *properties = menu.addAction(tr("Properties..."));
    connect(properties, &QAction::triggered, this, &MyQGraphicsView::scenarioPropertiesRequested);
    menu.exec(viewport()->mapToGlobal(position));
}

void MyQGraphicsView::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() != Qt::RightButton)
        emit scenarioPropertiesRequested();
}

void MyQGraphicsView::wheelEvent(QWheelEvent *event) {
    event->ignore();
}

void MyQGraphicsView::enterEvent(QEvent *event) {
    if (hintLabel)
        hintLabel->setText(gameCatalogue().commandHintTable.value(idleHintRow).value(0));
    event->accept();
}
