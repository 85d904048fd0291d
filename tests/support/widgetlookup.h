#pragma once

// Helpers of the widget tests: the child widgets they drive, found by object name, what their
// lists and combo boxes hold, and the window a call is about to open, found by its name and
// acted on once it shows.

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QtTest>

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

// The entries' texts and user data of a combo box, and the item texts of a list, in order.
inline QStringList comboTexts(const QComboBox *box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

inline QList<int> comboData(const QComboBox *box) {
    QList<int> data;
    for (int i = 0; i < box->count(); ++i)
        data.append(box->itemData(i).toInt());
    return data;
}

inline QStringList listTexts(const QListWidget *list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// Runs action on the window named name that the next call opens, once it is shown. Only that
// window is answered, never whatever else happens to be up; if it does not show within ten
// seconds the test run ends rather than hanging.
template <typename T = QWidget>
void whenShown(const char *name, const std::function<void(T *)> &action) {
    auto *poll = new QTimer;
    poll->setInterval(5);
    const QString wanted = QLatin1String(name);
    int triesLeft = 2000;
    QObject::connect(poll, &QTimer::timeout, [poll, action, wanted, triesLeft]() mutable {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            T *shown = qobject_cast<T *>(window);
            if (shown && window->objectName() == wanted && window->isVisible()) {
                poll->stop();
                poll->deleteLater();
                action(shown);
                // A check that failed inside action left the window up: close it, so that
                // the failure is reported at once instead of the test waiting for its end.
                if (QTest::currentTestFailed() && window->isVisible())
                    window->close();
                return;
            }
        }
        if (--triesLeft == 0)
            qFatal("window %s was never shown", qPrintable(wanted));
    });
    poll->start();
}
