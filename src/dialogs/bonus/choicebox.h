#pragma once

#include "campaign/bonuschoices.h"

class QComboBox;
struct CmpScenario;

// Fills a combo box with offered entries, each carrying its number as item data (user role).
// The first entry becomes the current one.
void fillChoices(QComboBox *box, const ChoiceList &choices);

// Makes the entry carrying `value` the current one; without such an entry the box is left
// without a current entry.
void selectChoice(QComboBox *box, int value);

// The heroes of `player` that may receive a bonus (recipientChoices).
void fillRecipients(QComboBox *box, const CmpScenario &scenario, int player);

// The number of the current entry; 0 when the box has no current entry.
int currentChoice(const QComboBox *box);
