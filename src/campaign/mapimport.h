#pragma once

#include <QString>

class QFile;
struct CmpScenario;

// Imports the map file into the scenario. The file must already be open for reading. A map is
// taken only as loading the saved campaign will read it again: a compressed map must be one whole
// gzip member, and its header must pass the full read. Returns 0 when the file cannot be read or
// holds nothing, the negative MapReadResult of a refused map (MapWithoutPlayers for a damaged or
// cut one; the scenario unchanged), or 1 when the map was imported: its bytes as stored on disk,
// its name and its header.
int importMap(CmpScenario &scenario, QFile &file);

// The message for a refused map; empty for any other code.
QString mapErrorMessage(int code, const QString &fileName);
