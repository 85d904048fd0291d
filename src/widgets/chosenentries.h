#pragma once

class QDialogButtonBox;
class QWidget;

// A combo box without a current entry has no value to give: a dialog that read one would store
// 0, a hero, player or scenario the user never chose.

// Whether every combo box inside `container` that is not hidden has a current entry.
bool everyShownChoiceMade(const QWidget *container);

// Keeps the OK button of `buttons` enabled exactly while every shown combo box inside
// `container` has a current entry.
void enableOkWhileChosen(QDialogButtonBox *buttons, QWidget *container);
