#pragma once

#include "gamedata/messages.h"

// Shows library messages in modal message boxes.
class MessageBoxReporter : public Messages::Reporter {
public:
    Messages::Button show(const Messages::Message &message) override;
};

// Installs the reporter the environment asks for: TARQ_EDITOR_MESSAGES=stderr writes messages to
// standard error and answers them with their default button; otherwise message boxes are shown.
void installEditorReporter();
