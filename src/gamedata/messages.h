#pragma once

#include <QString>

// Messages to the user from code that has no windows of its own. The libraries call these
// functions; the program installs a reporter that shows message boxes, tests and scripts
// install one that records the messages or writes them to standard error.
namespace Messages {

enum class Kind { Critical, Warning, Question, Information };

// Button values match the toolkit's standard message box buttons, so the box reporter can
// pass them through unchanged.
enum Button : int {
    NoButton = 0x00000000,
    Ok = 0x00000400,
    Save = 0x00000800,
    Yes = 0x00004000,
    No = 0x00010000,
    Cancel = 0x00400000,
};
using Buttons = int;

struct Message {
    Kind kind = Kind::Information;
    QString title;
    QString text;
    Buttons buttons = Ok;
    Button defaultButton = Ok;
};

class Reporter {
public:
    virtual ~Reporter() = default;
    // Shows the message and returns the button that answered it.
    virtual Button show(const Message &message) = 0;
    // Ends the program after a fatal message. A test reporter may throw instead.
    [[noreturn]] virtual void exitProgram(int status);
};

// Writes each message as one line "kind|title|text" to standard error (a line break inside the
// text is written as \n) and answers with the default button.
class StderrReporter : public Reporter {
public:
    Button show(const Message &message) override;
};

// The reporter in use; a StderrReporter until the program installs its own. Not owned.
void install(Reporter *reporter);
Reporter *installed();

QString kindName(Kind kind);
// The one-line form used by StderrReporter and by tests that compare messages.
QString formatLine(const Message &message);

Button show(const Message &message);
Button critical(const QString &title, const QString &text);
Button warning(const QString &title, const QString &text);
Button information(const QString &title, const QString &text);
Button question(const QString &title, const QString &text, Buttons buttons, Button defaultButton);

// A critical message, then the program ends with the given exit status.
[[noreturn]] void fatal(const QString &title, const QString &text, int exitStatus);

} // namespace Messages
