#include "dialogs/campaign/newcampaign.h"

#include "campaign/cmpcampaign.h"
#include "campaignmap/campaignmappreview.h"
#include "gamedata/gamecatalogue.h"
#include "ui_newcampaign.h"

#include <QListWidgetItem>

namespace {

QListWidgetItem *listItem(const QString &text, int id) {
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, id);
    return item;
}

} // namespace

NewCampaign::NewCampaign(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::newcampaign>()) {
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(size());

    campWithMapSelected();
    clickOnListboxItem(ui->listWidget->currentItem(), nullptr);
    connect(ui->campaignWithMapBtn, &QRadioButton::clicked, this,
            &NewCampaign::campWithMapSelected);
    connect(ui->campaignWithoutMapBtn, &QRadioButton::clicked, this,
            &NewCampaign::campWithoutMapSelected);
    connect(ui->listWidget, &QListWidget::currentItemChanged, this,
            &NewCampaign::clickOnListboxItem);
}

NewCampaign::~NewCampaign() = default;

bool NewCampaign::isWithMap() const {
    return ui->campaignWithMapBtn->isChecked();
}

int NewCampaign::selectedId() const {
    const QListWidgetItem *item = ui->listWidget->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void NewCampaign::campWithMapSelected() {
    ui->listWidget->clear();
    ui->label->setText(tr("Campaign map"));
    const QMap<int, CampaignMapDef> &maps = gameCatalogue().campaignMaps;
    for (auto map = maps.cbegin(); map != maps.cend(); ++map) {
        if (map->mapKind != 0 && map->mapKind != 1)
            continue;
        QListWidgetItem *item = listItem(map->displayName, map.key());
        // The editor's default campaign map leads the list.
        if (map.key() == defaultCampaignMap)
            ui->listWidget->insertItem(0, item);
        else
            ui->listWidget->addItem(item);
    }
    ui->listWidget->setCurrentRow(0);
}

void NewCampaign::campWithoutMapSelected() {
    ui->listWidget->clear();
    ui->label->setText(tr("Campaign background"));
    const QMap<int, QString> &backgrounds = gameCatalogue().campaignBackgrounds;
    for (auto background = backgrounds.cbegin(); background != backgrounds.cend(); ++background)
        ui->listWidget->addItem(listItem(*background, background.key()));
    ui->listWidget->setCurrentRow(0);
}

void NewCampaign::clickOnListboxItem(QListWidgetItem *current, QListWidgetItem *previous) {
    Q_UNUSED(previous);
    if (!current)
        return;
    // A picture missing from the archives leaves the preview empty, not showing the last one.
    ui->bgPixmapHolder->clear();
    const int id = current->data(Qt::UserRole).toInt();
    const bool withMap = ui->campaignWithMapBtn->isChecked();
    const QString picture = withMap ? gameCatalogue().campaignMaps.value(id).backgroundPicture
                                    : gameCatalogue().campaignBackgrounds.value(id);
    renderCampaignMapPreview(ui->bgPixmapHolder, picture, withMap, id);
}
