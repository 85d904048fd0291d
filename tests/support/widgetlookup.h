#pragma once

// Helpers of the widget tests: the child widgets they drive, found by object name, and the
// modal window a call is about to open, acted on once it shows.

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>

// The child of parent named name; a missing one ends the test run, since every later step
// would only fail on a null pointer.
template <typename T> T *widget(const QObject *parent, const char *name) {
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

template <typename T> T *widget(const QObject &parent, const char *name) {
    return widget<T>(&parent, name);
}

// Runs action on the modal window that the next call opens, as soon as it is shown.
inline void whenModalShown(const std::function<void(QWidget *)> &action) {
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}
