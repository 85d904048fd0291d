#pragma once

#include "wording.h"

#include <QString>

struct DemoOptions {
    DemoLanguage language = DemoLanguage::English;
    bool fullSize = false; // pad the archives to the size of a real game's
    bool music = true;     // encode the MP3 files (needs the lame encoder)
};

// Each writer returns false and sets error when it cannot write its files.
bool writeSettingsFile(const QString &gameDir, const DemoOptions &options, QString *error);
bool writeTarqDat(const QString &gameDir, const DemoOptions &options, QString *error);
bool writeMusic(const QString &gameDir, const DemoOptions &options, QString *error);
// Copies the editor's .qm files and the toolkit's Russian translation into Tarq_Data.
bool writeTranslations(const QString &gameDir, QString *error);

// Writes the whole demo game folder.
bool writeDemoGame(const QString &gameDir, const DemoOptions &options, QString *error);

// Writes every archive entry (tables and pictures) as a loose file into dir.
bool writeLooseEntries(const QString &dir, const DemoOptions &options, QString *error);

// Writes bytes to gameDir/relativePath, creating folders as needed.
bool writeGameFile(const QString &gameDir, const QString &relativePath, const QByteArray &bytes,
                   QString *error);
