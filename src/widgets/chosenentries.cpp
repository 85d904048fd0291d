#include "widgets/chosenentries.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

bool everyShownChoiceMade(const QWidget *container) {
    for (const QComboBox *box : container->findChildren<QComboBox *>())
        if (!box->isHidden() && box->currentIndex() < 0)
            return false;
    return true;
}

void enableOkWhileChosen(QDialogButtonBox *buttons, QWidget *container) {
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    const auto update = [ok, container] { ok->setEnabled(everyShownChoiceMade(container)); };
    for (QComboBox *box : container->findChildren<QComboBox *>())
        QObject::connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), ok, update);
    update();
}
