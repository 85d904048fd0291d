#include "app/mainwindow.h"

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainWindow"));
    resize(456, 685);
    setWindowTitle(tr("%1 - %2").arg(tr("Untitled.y6c"), tr("Veldmark: Tarq Campaign Editor")));
}

void MainWindow::openFromCommandLine(const QStringList &arguments) {
    Q_UNUSED(arguments);
}
