#include "wording.h"

#include <QTextCodec>

QTextCodec *demoCodec(DemoLanguage language) {
    return QTextCodec::codecForName(language == DemoLanguage::Russian ? "Windows-1251"
                                                                      : "Windows-1252");
}

QByteArray encodeDemoText(const QString &text, DemoLanguage language) {
    QTextCodec::ConverterState state;
    const QByteArray bytes =
        demoCodec(language)->fromUnicode(text.constData(), text.size(), &state);
    if (state.invalidChars != 0)
        qFatal("tarq-demo-game: the game's code page cannot hold \"%s\"", qUtf8Printable(text));
    return bytes;
}
