#pragma once

// Starts the editor: checks the game folder, reads the shared settings and the mod's data,
// chooses language and text codec, shows the main window and runs the event loop. Returns the
// process exit status (0 after a normal run and after --help or --version; the refusals at
// start-up end the process with 1).
int runEditor(int argc, char *argv[]);
