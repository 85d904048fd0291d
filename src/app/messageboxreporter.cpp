#include "app/messageboxreporter.h"

#include <QApplication>
#include <QMessageBox>

Messages::Button MessageBoxReporter::show(const Messages::Message &message) {
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (message.kind) {
    case Messages::Kind::Critical:
        icon = QMessageBox::Critical;
        break;
    case Messages::Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Messages::Kind::Question:
        icon = QMessageBox::Question;
        break;
    case Messages::Kind::Information:
        break;
    }
    QMessageBox box(icon, message.title, message.text,
                    QMessageBox::StandardButtons(message.buttons), QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::StandardButton(message.defaultButton));
    // A message during a long operation is answered with the normal pointer, not the wait one.
    const bool waiting = QApplication::overrideCursor();
    if (waiting)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (waiting)
        QApplication::restoreOverrideCursor();
    return Messages::Button(answer);
}

void installEditorReporter() {
    static Messages::StderrReporter stderrReporter;
    static MessageBoxReporter boxReporter;
    if (qEnvironmentVariable("TARQ_EDITOR_MESSAGES") == QLatin1String("stderr"))
        Messages::install(&stderrReporter);
    else
        Messages::install(&boxReporter);
}
