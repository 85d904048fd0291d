#include "dialogs/about/aboutvadoz.h"

#include "gamedata/gamecatalogue.h"
#include "ui_aboutvadoz.h"

namespace {

// The first cell of a row of the editor text table; empty when the row is missing.
QString editorText(int row) {
    return gameCatalogue().editorTextTable.value(row).value(0);
}

} // namespace

AboutVadOz::AboutVadOz(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::AboutVadOz>()) {
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // All four values are put in with one call, so a "%1" inside a table text stays as it is.
    ui->label->setText(
        QStringLiteral("%1\n%2\n\n%3\n\n%4")
            .arg(editorText(0), QStringLiteral("Version Tarq"), editorText(7), editorText(1)));
    setFixedSize(size());
}

AboutVadOz::~AboutVadOz() = default;
