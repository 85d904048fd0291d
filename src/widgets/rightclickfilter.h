#pragma once

#include <QObject>

#include <initializer_list>

class QComboBox;

// Swallows presses and releases of the right mouse button and lets every other event through.
// Installed on widgets whose right clicks must have no effect (combo boxes and their pop-ups).
class RightClickFilter : public QObject {
    Q_OBJECT

public:
    explicit RightClickFilter(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Right clicks on the boxes and on their pop-up lists have no effect; the filter is owned by
// owner.
void ignoreRightClicks(std::initializer_list<QComboBox *> boxes, QObject *owner);
