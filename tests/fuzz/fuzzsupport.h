#pragma once

// Shared pieces of the fuzz targets: a reporter that shows nothing.

#include "gamedata/messages.h"

class SilentReporter : public Messages::Reporter {
public:
    Messages::Button show(const Messages::Message &message) override {
        return message.defaultButton;
    }
};

inline void installSilentReporter() {
    static SilentReporter reporter;
    Messages::install(&reporter);
}
