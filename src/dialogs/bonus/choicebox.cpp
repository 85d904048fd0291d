#include "dialogs/bonus/choicebox.h"

#include <QComboBox>

void fillChoices(QComboBox *box, const ChoiceList &choices) {
    box->clear();
    for (const ChoiceEntry &entry : choices)
        box->addItem(entry.text, entry.value);
}

void selectChoice(QComboBox *box, int value) {
    box->setCurrentIndex(box->findData(value));
}

void fillRecipients(QComboBox *box, const CmpScenario &scenario, int player) {
    fillChoices(box, recipientChoices(scenario, player));
}

int currentChoice(const QComboBox *box) {
    return box->currentData().toInt();
}
