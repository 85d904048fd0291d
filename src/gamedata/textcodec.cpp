#include "gamedata/textcodec.h"

#include <QTextCodec>

namespace {
QTextCodec *chosenCodec = nullptr;
}

QTextCodec *textCodec() {
    if (!chosenCodec)
        chosenCodec = QTextCodec::codecForName("Windows-1251");
    return chosenCodec;
}

void setTextCodec(QTextCodec *codec) {
    chosenCodec = codec;
}

QTextCodec *fileTextCodec() {
#ifdef Q_OS_WIN
    return QTextCodec::codecForLocale();
#else
    return textCodec();
#endif
}
