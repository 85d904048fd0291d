#include "gamedata/messages.h"

#include <cstdio>
#include <cstdlib>

namespace Messages {

namespace {
StderrReporter defaultReporter;
Reporter *currentReporter = &defaultReporter;
} // namespace

void Reporter::exitProgram(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}

Button StderrReporter::show(const Message &message) {
    const QByteArray line = formatLine(message).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    return message.defaultButton;
}

void install(Reporter *reporter) {
    currentReporter = reporter ? reporter : &defaultReporter;
}

Reporter *installed() {
    return currentReporter;
}

QString kindName(Kind kind) {
    switch (kind) {
    case Kind::Critical:
        return QStringLiteral("critical");
    case Kind::Warning:
        return QStringLiteral("warning");
    case Kind::Question:
        return QStringLiteral("question");
    case Kind::Information:
        break;
    }
    return QStringLiteral("information");
}

QString formatLine(const Message &message) {
    QString text = message.text;
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return kindName(message.kind) + QLatin1Char('|') + message.title + QLatin1Char('|') + text;
}

Button show(const Message &message) {
    return currentReporter->show(message);
}

static Button showSimple(Kind kind, const QString &title, const QString &text) {
    Message message;
    message.kind = kind;
    message.title = title;
    message.text = text;
    return show(message);
}

Button critical(const QString &title, const QString &text) {
    return showSimple(Kind::Critical, title, text);
}

Button warning(const QString &title, const QString &text) {
    return showSimple(Kind::Warning, title, text);
}

Button information(const QString &title, const QString &text) {
    return showSimple(Kind::Information, title, text);
}

Button question(const QString &title, const QString &text, Buttons buttons, Button defaultButton) {
    Message message;
    message.kind = Kind::Question;
    message.title = title;
    message.text = text;
    message.buttons = buttons;
    message.defaultButton = defaultButton;
    return show(message);
}

void fatal(const QString &title, const QString &text, int exitStatus) {
    critical(title, text);
    currentReporter->exitProgram(exitStatus);
    std::exit(exitStatus); // not reached: exitProgram ends the program or throws
}

} // namespace Messages
