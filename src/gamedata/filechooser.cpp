#include "gamedata/filechooser.h"

namespace FileChooser {

namespace {

class CancellingChooser : public Chooser {
public:
    QString openFileName(const Request &) override { return QString(); }
    QString saveFileName(const Request &) override { return QString(); }
};

CancellingChooser defaultChooser;
Chooser *currentChooser = &defaultChooser;

} // namespace

void install(Chooser *chooser) {
    currentChooser = chooser ? chooser : &defaultChooser;
}

Chooser *installed() {
    return currentChooser;
}

QString openFileName(const QString &caption, const QString &folder, const QString &filter) {
    return currentChooser->openFileName({caption, folder, filter});
}

QString saveFileName(const QString &caption, const QString &proposedName, const QString &filter) {
    return currentChooser->saveFileName({caption, proposedName, filter});
}

} // namespace FileChooser
