#pragma once

#include <QString>

// File choices of the user, asked by code that should not open dialogs itself. The program
// installs a chooser that shows the file dialogs; tests install one with prepared answers.
namespace FileChooser {

struct Request {
    QString caption;
    QString folder; // the folder to start in, or the proposed file name with its folder
    QString filter; // name filters separated by ";;"
};

class Chooser {
public:
    virtual ~Chooser() = default;
    // The chosen file name, or an empty string when the user cancelled.
    virtual QString openFileName(const Request &request) = 0;
    virtual QString saveFileName(const Request &request) = 0;
};

// The chooser in use; until the program installs one, every choice is cancelled, so that a
// program without windows never blocks on a dialog. Not owned.
void install(Chooser *chooser);
Chooser *installed();

QString openFileName(const QString &caption, const QString &folder, const QString &filter);
QString saveFileName(const QString &caption, const QString &proposedName, const QString &filter);

} // namespace FileChooser
