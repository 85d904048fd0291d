#pragma once

#include <QImage>
#include <QString>

// A game picture the archives do not hold. The editor goes on without it, showing an empty
// picture where it would be, and warns once per picture: a missing picture never ends the
// editor with the user's unsaved work.
void reportMissingPicture(const QString &name);

// The paletted picture `name` with the transparency key (decodeTransparentPicture); a null
// image, reported, when no archive holds it.
QImage requiredTransparentPicture(const QString &name);
