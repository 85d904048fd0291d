#include "campaignmap/mapbrowser.h"

#include "campaignmap/myqgraphicsview.h"
#include "ui_mapbrowser.h"

MapBrowser::MapBrowser(QWidget *parent, QLabel *hintLabel)
    : QWidget(parent), ui(new Ui::MapBrowser) {
    ui->setupUi(this);
    ui->graphicsView->setHintLabel(hintLabel);
}

MapBrowser::~MapBrowser() = default;

MyQGraphicsView *MapBrowser::view() const {
    return ui->graphicsView;
}
