#pragma once

#include "gamedata/messages.h"

#include <QList>
#include <QStringList>

// Records the messages the libraries show and answers them: with the queued answers first, then
// with each message's default button. While it lives it is the installed reporter.
class MessageRecorder : public Messages::Reporter {
public:
    // Thrown instead of ending the test process after a fatal message.
    struct FatalExit {
        int status;
    };

    MessageRecorder();
    ~MessageRecorder() override;

    Messages::Button show(const Messages::Message &message) override;
    [[noreturn]] void exitProgram(int status) override;

    void queueAnswer(Messages::Button answer) { answers.append(answer); }
    // "kind|title|text" per message, as the stderr reporter writes them.
    QStringList lines() const;
    void clear() { messages.clear(); }

    QList<Messages::Message> messages;

private:
    QList<Messages::Button> answers;
    Messages::Reporter *previous;
};
