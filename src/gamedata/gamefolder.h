#pragma once

#include <QString>

// The game's root folder: where Tarq_settings.ini, tarq.dat, Data/, Tarq_Data/, MP3/ and Maps/
// lie. By default the folder of the running program; start-up may name another one (for a game
// installed elsewhere), and every reader asks here instead of asking for the program's folder.
QString gameFolder();
void setGameFolder(const QString &folder);
// gameFolder() + "/" + relativePath.
QString gamePath(const QString &relativePath);
