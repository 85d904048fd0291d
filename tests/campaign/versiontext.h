#pragma once

#include "campaign/cmpversion.h"

#include <QString>

// "major.minor.patch", for comparing the editor-wide versions with a table's text.
inline QString versionText(const CmpVersion &version) {
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.patch);
}
