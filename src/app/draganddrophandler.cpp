#include "app/draganddrophandler.h"

#include "gamedata/messages.h"

#include <QDropEvent>
#include <QGraphicsSceneDragDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

DragAndDropHandler::DragAndDropHandler(QWidget *mainWindow, QObject *parent)
    : QObject(parent), window(mainWindow) {}

void DragAndDropHandler::openFirst(const QList<QUrl> &urls) {
    if (urls.isEmpty())
        return;
    const QUrl &url = urls.first();
    if (!url.isLocalFile()) {
        Messages::warning(
            tr("Error"),
            tr("Only local files can be opened; %1 is not one.").arg(url.toDisplayString()));
        return;
    }
    emit fileDropped(url.toLocalFile());
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
            openFirst(urls);
            return true;
        }
        default:
            return false;
        }
    }
    // Only the map's own scene: other scenes (in dialogs) keep their drag and drop.
    if (watched == mapScene && mapScene) {
        switch (event->type()) {
        case QEvent::GraphicsSceneDragEnter: {
            // A scene event's acceptProposedAction only sets the action; accepting is separate.
            auto *enter = static_cast<QGraphicsSceneDragDropEvent *>(event);
            const bool files = enter->mimeData()->hasUrls();
            if (files)
                enter->acceptProposedAction();
            enter->setAccepted(files);
            return true;
        }
        case QEvent::GraphicsSceneDrop: {
            auto *drop = static_cast<QGraphicsSceneDragDropEvent *>(event);
            const QList<QUrl> urls = drop->mimeData()->urls();
            drop->acceptProposedAction();
            drop->accept();
            openFirst(urls);
            return true;
        }
        default:
            return false;
        }
    }
    return false;
}
