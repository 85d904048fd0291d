#pragma once

class QFile;
class QString;

// Game data, campaigns and maps are read only from regular files: opening a FIFO would block the
// program until something writes to it, and a folder or a device holds no file to read. Anything
// else is refused as a file that is not there.
bool isRegularFile(const QString &path);

// Opens `file` for reading when it names a regular file. Otherwise false, with *reason (when
// given) the system's text for a missing file, or the open's own error text.
bool openRegularFile(QFile &file, QString *reason = nullptr);
