#pragma once

#include <QObject>

// Swallows presses and releases of the right mouse button and lets every other event through.
// Installed on widgets whose right clicks must have no effect (combo boxes and their pop-ups).
class RightClickFilter : public QObject {
    Q_OBJECT

public:
    explicit RightClickFilter(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
