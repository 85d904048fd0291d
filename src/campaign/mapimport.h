#pragma once

#include <QString>

class QFile;
struct CmpScenario;

// Imports the map file into the scenario. The file must already be open for reading; it is read
// again by name, through zlib, so that compressed and plain maps both work. Returns 0 when the
// file cannot be opened that way or holds nothing, the negative MapReadResult of a refused map
// (the scenario unchanged), or 1 when the map was imported: its bytes as stored on disk, its
// name and its header.
int importMap(CmpScenario &scenario, QFile &file);

// Reads every uncompressed byte of a map file by name, through zlib (a plain file is read as
// it is). False when the file cannot be opened that way.
bool readUncompressedFile(const QString &path, QByteArray *bytes);

// The message for a refused map; empty for any other code.
QString mapErrorMessage(int code, const QString &fileName);
