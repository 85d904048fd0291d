#pragma once

#include <QString>

// The file name of path without its folder and without its last extension. A name whose only
// dot is its first character (".y6c") is kept whole.
QString fileBaseName(const QString &path);
