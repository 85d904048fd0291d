#pragma once

#include <QByteArray>
#include <QStringList>

// The "Global Settings"/"Language" value picks the editor's translations and the codec of the
// game's text tables.

// Translation files to load from Tarq_Data, in installation order.
QStringList translationFiles(int language);

// Name of the codec for the game's text data; encodingSetting is "Tarq.dat Text Encoding".
QByteArray gameTextCodecName(int language, const QByteArray &encodingSetting);
