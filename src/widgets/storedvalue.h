#pragma once

#include <QtGlobal>

class QSpinBox;

// A spin box given a stored value it cannot show (beyond its range, from a file) shows its
// nearest limit. The box gives the stored value back as long as it still shows what it showed
// when the value was set: only an edit replaces a stored value.
void setStoredValue(QSpinBox *box, qint64 stored);
// The stored value while the box is unedited, otherwise the box's own value.
qint64 storedOrEditedValue(const QSpinBox *box);
