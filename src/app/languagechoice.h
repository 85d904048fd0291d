#pragma once

#include <QByteArray>
#include <QStringList>

#include <memory>

class QTranslator;

// The "Global Settings"/"Language" value picks the editor's translations and the codec of the
// game's text tables.

// Translation files to load from Tarq_Data, in installation order.
QStringList translationFiles(int language);

// Name of the codec for the game's text data; encodingSetting is "Tarq.dat Text Encoding".
QByteArray gameTextCodecName(int language, const QByteArray &encodingSetting);

// Creates both translators, loads the language's files into them and installs them. Each file
// comes from the first of folders that has it (each folder name ends with a slash). A missing
// file leaves its translator empty, so the interface keeps its English texts.
void installTranslators(int language, const QStringList &folders,
                        std::unique_ptr<QTranslator> translators[2]);
