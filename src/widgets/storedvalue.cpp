#include "widgets/storedvalue.h"

#include <QSpinBox>

namespace {
const char storedProperty[] = "storedValue";
const char shownProperty[] = "shownValue";
} // namespace

void setStoredValue(QSpinBox *box, qint64 stored) {
    box->setValue(int(qBound<qint64>(box->minimum(), stored, box->maximum())));
    box->setProperty(storedProperty, stored);
    box->setProperty(shownProperty, box->value());
}

qint64 storedOrEditedValue(const QSpinBox *box) {
    const QVariant stored = box->property(storedProperty);
    if (stored.isValid() && box->property(shownProperty).toInt() == box->value())
        return stored.toLongLong();
    return box->value();
}
