#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutVadOz;
}

// The about box: the editor's name, version and credits. Its texts come from the game's editor
// text table, so they follow the installed language; only the version line is fixed here.
class AboutVadOz : public QDialog {
    Q_OBJECT

public:
    explicit AboutVadOz(QWidget *parent = nullptr);
    ~AboutVadOz() override;

private:
    std::unique_ptr<Ui::AboutVadOz> ui;
};
