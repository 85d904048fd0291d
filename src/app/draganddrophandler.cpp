#include "app/draganddrophandler.h"

#include <QDropEvent>
#include <QGraphicsSceneDragDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

DragAndDropHandler::DragAndDropHandler(QWidget *mainWindow, QObject *parent)
    : QObject(parent), window(mainWindow) {}

// The map view's scene is told apart by its class, so that other scenes (in dialogs) keep
// their own drag and drop.
bool DragAndDropHandler::isMapScene(QObject *watched) const {
    return watched->inherits("MyGraphicsScene");
}

bool DragAndDropHandler::eventFilter(QObject *watched, QEvent *event) {
    if (watched == window) {
        switch (event->type()) {
        case QEvent::DragEnter: {
            auto *enter = static_cast<QDragEnterEvent *>(event);
            if (enter->mimeData()->hasUrls())
                enter->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QList<QUrl> urls = drop->mimeData()->urls();
            drop->acceptProposedAction();
            if (!urls.isEmpty())
                emit fileDropped(urls.first().toLocalFile());
            return true;
        }
        default:
            return false;
        }
    }
    if (isMapScene(watched)) {
        switch (event->type()) {
        case QEvent::GraphicsSceneDragEnter: {
            auto *enter = static_cast<QGraphicsSceneDragDropEvent *>(event);
            if (enter->mimeData()->hasUrls())
                enter->acceptProposedAction();
            return true;
        }
        case QEvent::GraphicsSceneDrop: {
            auto *drop = static_cast<QGraphicsSceneDragDropEvent *>(event);
            const QList<QUrl> urls = drop->mimeData()->urls();
            drop->acceptProposedAction();
            if (!urls.isEmpty())
                emit fileDropped(urls.first().toLocalFile());
            return true;
        }
        default:
            return false;
        }
    }
    return false;
}
