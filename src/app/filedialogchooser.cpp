#include "app/filedialogchooser.h"

#include <QApplication>
#include <QFileDialog>

QString FileDialogChooser::openFileName(const FileChooser::Request &request) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.caption,
                                        request.folder, request.filter);
}

QString FileDialogChooser::saveFileName(const FileChooser::Request &request) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.caption,
                                        request.folder, request.filter);
}
