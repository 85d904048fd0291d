#include "gamedata/logging.h"

Q_LOGGING_CATEGORY(logImages, "tarq.images", QtWarningMsg)
Q_LOGGING_CATEGORY(logRegions, "tarq.regions", QtWarningMsg)
Q_LOGGING_CATEGORY(logStartOptions, "tarq.startoptions", QtWarningMsg)
Q_LOGGING_CATEGORY(logSound, "tarq.sound", QtWarningMsg)
