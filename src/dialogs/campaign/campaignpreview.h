#pragma once

#include <QString>

class QLabel;

// Shows the preview of a background picture in label, with the regions of campaignMap drawn
// over it when withMap is set. The campaign dialogs draw every preview through this call.
void showCampaignPreview(QLabel *label, const QString &backgroundName, bool withMap,
                         int campaignMap);
