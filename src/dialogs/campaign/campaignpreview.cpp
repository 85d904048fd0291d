#include "dialogs/campaign/campaignpreview.h"

#include <QLabel>

// The region pictures are composed by the campaign map library; until it draws previews the
// label only loses the previous picture, so that no stale preview stays.
void showCampaignPreview(QLabel *label, const QString &backgroundName, bool withMap,
                         int campaignMap) {
    Q_UNUSED(backgroundName);
    Q_UNUSED(withMap);
    Q_UNUSED(campaignMap);
    label->setPixmap(QPixmap());
}
