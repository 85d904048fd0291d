#pragma once

class QTextCodec;

// The codec of the game's text data (tables and mod records), chosen once at start-up from the
// language setting. Campaign, map and campaign text files use it as their 8-bit codec too.
QTextCodec *textCodec();
void setTextCodec(QTextCodec *codec);

// "The system locale's 8-bit codec" of campaign, map and campaign text files: the ANSI code page
// on Windows; elsewhere there is no 8-bit locale codec, so the game's text codec stands in.
QTextCodec *fileTextCodec();
