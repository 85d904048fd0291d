#pragma once

#include <QList>
#include <QObject>

class QUrl;

class QWidget;

// Turns a file dragged onto the main window or onto the campaign map's scene into a
// fileDropped signal. Installed on the whole application; every other event passes on.
class DragAndDropHandler : public QObject {
    Q_OBJECT

public:
    explicit DragAndDropHandler(QWidget *mainWindow, QObject *parent = nullptr);

    // The campaign map view's scene, whose drops open files too; it changes when the view does.
    void setMapScene(QObject *scene) { mapScene = scene; }

signals:
    void fileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The first dropped address opens when it is a local file; anything else is refused.
    void openFirst(const QList<QUrl> &urls);

    QWidget *window;
    QObject *mapScene = nullptr;
};
