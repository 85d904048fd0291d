#pragma once

#include "gamedata/filechooser.h"

#include <QList>
#include <QStringList>

// Answers file choices with prepared file names, in order (none left = cancelled), and records
// what each choice was asked with. While it lives it is the installed chooser.
class FileChooserRecorder : public FileChooser::Chooser {
public:
    FileChooserRecorder() : previous(FileChooser::installed()) { FileChooser::install(this); }
    ~FileChooserRecorder() override { FileChooser::install(previous); }

    QString openFileName(const FileChooser::Request &request) override { return answer(request); }
    QString saveFileName(const FileChooser::Request &request) override { return answer(request); }

    QStringList answers;
    QList<FileChooser::Request> requests;

private:
    QString answer(const FileChooser::Request &request) {
        requests.append(request);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    FileChooser::Chooser *previous;
};
