#pragma once

#include <QStringList>

// The editor's command line: "--game DIR" (or "--game=DIR") names the game's root folder and the
// first other argument is a campaign file to open. --help and --version are answered before any
// window or game folder is needed.

// When the arguments ask for the help text or the version, prints it to standard output and
// returns true; the caller then ends with status 0. Needs no application object and no screen.
bool answerHelpOrVersion(int argc, char *argv[]);

// The arguments after the program name, with the game folder option taken out; the game folder
// it names (or TARQ_GAME_DIR) replaces the program's folder as the root folder.
QStringList takeGameFolderArgument(const QStringList &all);
