#pragma once

// The demo game is written in English or in Russian. Each text the game supplies is given in
// both wordings side by side, so that every table, record, map and campaign has one structure
// (counts, order, ids) and only the words differ. The game stores its texts in an 8-bit code
// page: Western for English, Cyrillic for Russian.

#include <QByteArray>
#include <QString>

class QTextCodec;

enum class DemoLanguage { English, Russian };

// One text in both languages, as UTF-8 source text.
struct Wording {
    const char *english;
    const char *russian;

    QString in(DemoLanguage language) const {
        return QString::fromUtf8(language == DemoLanguage::Russian ? russian : english);
    }
};

// Picks words in one language: say("Castle", "Замок") is "Замок" in the Russian game.
struct DemoWords {
    DemoLanguage language;

    QString operator()(const char *english, const char *russian) const {
        return Wording{english, russian}.in(language);
    }
};

// The game's code page for the language.
QTextCodec *demoCodec(DemoLanguage language);

// The text in the game's code page. A character the code page cannot hold is a mistake in the
// demo game's description: the generator stops with a message naming the text.
QByteArray encodeDemoText(const QString &text, DemoLanguage language);
