#pragma once

#include <QString>

class QLabel;

// Shows in label the 456 by 600 background picture `backgroundName`, with every region of
// `campaignMap` drawn selected in the default region colour when withMap is set, scaled to the
// label keeping its proportions. A background missing from the archives draws nothing.
void renderCampaignMapPreview(QLabel *label, const QString &backgroundName, bool withMap,
                              int campaignMap);
