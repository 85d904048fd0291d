#pragma once

#include <QLoggingCategory>

// The editor's trace categories, all in one place. Traces tell a developer what the editor
// decided; they are not messages for the user (those go through Messages). Every category is
// silent below warnings unless turned on, for instance with QT_LOGGING_RULES="tarq.*.debug=true",
// so that the editor and the command-line tool keep standard error quiet during normal work.
Q_DECLARE_LOGGING_CATEGORY(logImages)       // tarq.images: pictures found in the cache
Q_DECLARE_LOGGING_CATEGORY(logRegions)      // tarq.regions: region pictures and colours
Q_DECLARE_LOGGING_CATEGORY(logStartOptions) // tarq.startoptions: the start-option checks
Q_DECLARE_LOGGING_CATEGORY(logSound)        // tarq.sound: what the audio library answered
