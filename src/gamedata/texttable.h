#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The line and cell rules of the game's text tables.

// True when the line holds only spaces and tabs, or nothing.
bool isBlankLine(const QString &line);
// The line split at every tab; empty cells are kept, cells are not trimmed.
QStringList splitCells(const QString &line);
// Removes the first head lines, then the last tail lines; when the list holds fewer lines than
// are to be removed it becomes empty.
void trimLines(QStringList &lines, int head, int tail);

// The tokens of one of the mod's lists (music names): tokens end at line breaks, a "#" starts a
// comment running to the end of its line, and double quotes enclose a token of their own in
// which line breaks and "#" are ordinary and a doubled quote stands for one quote. Spaces and
// tabs belong to the token. The text ends at its first zero byte.
QList<QByteArray> tokenizeList(const QByteArray &text);
