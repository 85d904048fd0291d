#pragma once

#include <QImage>
#include <QString>

struct SplashTexts {
    QString title;    // the game's name, large
    QString subtitle; // what the program is
    QString footer;   // version line
};

// The start-up picture: a framed dark stone plate with the emblem and the texts in gold.
QImage drawSplash(const SplashTexts &texts);
