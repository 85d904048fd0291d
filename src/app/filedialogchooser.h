#pragma once

#include "gamedata/filechooser.h"

// Asks for file names with the toolkit's file dialogs, over the active window.
class FileDialogChooser : public FileChooser::Chooser {
public:
    QString openFileName(const FileChooser::Request &request) override;
    QString saveFileName(const FileChooser::Request &request) override;
};
