#include "messagerecorder.h"

MessageRecorder::MessageRecorder() : previous(Messages::installed()) {
    Messages::install(this);
}

MessageRecorder::~MessageRecorder() {
    Messages::install(previous);
}

Messages::Button MessageRecorder::show(const Messages::Message &message) {
    messages.append(message);
    return answers.isEmpty() ? message.defaultButton : answers.takeFirst();
}

void MessageRecorder::exitProgram(int status) {
    // Named on standard error, so that a fatal message a test did not expect is not lost.
    qWarning("fatal exit after: %s", qPrintable(lines().value(lines().size() - 1)));
    throw FatalExit{status};
}

QStringList MessageRecorder::lines() const {
    QStringList result;
    for (const Messages::Message &message : messages)
        result.append(Messages::formatLine(message));
    return result;
}
