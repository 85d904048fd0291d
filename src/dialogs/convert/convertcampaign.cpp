#include "dialogs/convert/convertcampaign.h"

#include "campaign/campaignconversion.h"
#include "campaign/cmpcampaign.h"
#include "campaignmap/campaignmappreview.h"
#include "gamedata/gamecatalogue.h"
#include "ui_convertcampaign.h"

#include <QListWidgetItem>
#include <QSignalBlocker>

namespace {

// The campaign map offered first: the one a new campaign starts on.
constexpr int firstOfferedCampaignMap = defaultCampaignMap;

void addChoice(QListWidget *list, const QString &name, int index) {
    auto *item = new QListWidgetItem(name, list);
    item->setData(Qt::UserRole, index);
}

} // namespace

ConvertCampaign::ConvertCampaign(CmpCampaign &campaign, QWidget *parent)
    : QDialog(parent), ui(new Ui::ConvertCampaign), campaign(campaign),
      toWithMap(!campaign.withMap) {
    ui->setupUi(this);
    ui->convertLabel->setText(toWithMap ? tr("Convert to campaign with map")
                                        : tr("Convert to campaign without map"));
    if (toWithMap)
        ui->bgLabel->setText(tr("Map"));
    ui->regLabel->setVisible(toWithMap);
    ui->regCountLabel->setVisible(toWithMap);
    ui->scCountLabel->setText(QString::number(scenariosWithMapCount(campaign)));
    fillChoices();
    connect(ui->listWidget, &QListWidget::currentRowChanged, this,
            &ConvertCampaign::selectionChanged);
    selectionChanged();
}

ConvertCampaign::~ConvertCampaign() = default;

void ConvertCampaign::fillChoices() {
    const QSignalBlocker blocker(ui->listWidget);
    const GameCatalogue &catalogue = gameCatalogue();
    if (toWithMap) {
        const auto first = catalogue.campaignMaps.constFind(firstOfferedCampaignMap);
        if (first != catalogue.campaignMaps.constEnd())
            addChoice(ui->listWidget, first->displayName, first.key());
        for (auto map = catalogue.campaignMaps.constBegin();
             map != catalogue.campaignMaps.constEnd(); ++map)
            if (map.key() != firstOfferedCampaignMap)
                addChoice(ui->listWidget, map->displayName, map.key());
    } else {
        for (auto background = catalogue.campaignBackgrounds.constBegin();
             background != catalogue.campaignBackgrounds.constEnd(); ++background)
            addChoice(ui->listWidget, background.value(), background.key());
    }
    ui->listWidget->setCurrentRow(0);
}

int ConvertCampaign::selectedChoice() const {
    const QListWidgetItem *item = ui->listWidget->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void ConvertCampaign::selectionChanged() {
    const QListWidgetItem *item = ui->listWidget->currentItem();
    if (!item) {
        ui->warningLabel->clear();
        return;
    }
    const GameCatalogue &catalogue = gameCatalogue();
    const int choice = selectedChoice();
    if (!toWithMap) {
        renderCampaignMapPreview(ui->bgPixmapHolder, catalogue.campaignBackgrounds.value(choice),
                                 false, choice);
        ui->warningLabel->clear();
        return;
    }
    const int campaignMap = choice;
    renderCampaignMapPreview(ui->bgPixmapHolder,
                             catalogue.campaignMaps.value(campaignMap).backgroundPicture, true,
                             campaignMap);
    ui->regCountLabel->setText(QString::number(campaignMapRegionCount(campaignMap, catalogue)));
    if (conversionDropsScenarios(campaign, campaignMap))
        ui->warningLabel->setText(tr("Some scenarios will be deleted!"));
    else
        ui->warningLabel->clear();
}

bool ConvertCampaign::convert() {
    const int choice = selectedChoice();
    if (choice < 0)
        return false;
    CmpCampaign converted = campaign;
    if (!convertCampaign(converted, choice))
        return false;
    campaign = converted;
    return true;
}
