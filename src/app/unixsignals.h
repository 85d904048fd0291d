#pragma once

// Turns SIGTERM and SIGINT into an orderly quit of the event loop, so that a terminated editor
// still writes its settings file back. Does nothing where there are no such signals.
void quitEventLoopOnTerminationSignals();
