#pragma once

#include "gamedata/gamecatalogue.h"

#include <QByteArray>
#include <QString>

struct CmpCampaign;

// Campaign text files: every player-visible text of a campaign on one line each, separated by
// fixed label lines, so that translators can edit them with any text editor and read them back.
// The texts are written with the campaign file codec and CR LF line ends.

// A text's line breaks become tabs, so that the text fills one line; and back.
QString escapeLineBreaks(const QString &text);
QString unescapeLineBreaks(const QString &text);

// The whole text file of the campaign.
QByteArray exportCampaignTexts(const CmpCampaign &campaign,
                               const GameCatalogue &catalogue = gameCatalogue());

// Reads a text file made for this campaign into it. The file must fit the campaign line for
// line: the same scenarios with maps in the same order, labelled the same, with the same pages.
// It is read with the campaign file codec, or as UTF-8 when a translator's editor saved it so
// (with or without a byte-order mark). On a refusal the campaign is left as it was and `reason`
// (when given) names the line where the file stopped fitting and what was expected there.
bool importCampaignTexts(CmpCampaign &campaign, const QByteArray &file, QString *reason = nullptr,
                         const GameCatalogue &catalogue = gameCatalogue());
