#include "gamedata/texttable.h"

#include <QRegularExpression>

bool isBlankLine(const QString &line) {
    // Matched against the whole line: a line break inside the line makes it a row.
    static const QRegularExpression blank(
        QRegularExpression::anchoredPattern(QStringLiteral("[\t ]*")));
    return blank.match(line).hasMatch();
}

QStringList splitCells(const QString &line) {
    return line.split(QLatin1Char('\t'));
}

void trimLines(QStringList &lines, int head, int tail) {
    head = qMax(0, head);
    tail = qMax(0, tail);
    if (lines.size() < head + tail) {
        lines.clear();
        return;
    }
    lines.erase(lines.begin(), lines.begin() + head);
    lines.erase(lines.end() - tail, lines.end());
}

QList<QByteArray> tokenizeList(const QByteArray &text) {
    QList<QByteArray> tokens;
    QByteArray token;
    bool quoted = false;
    bool comment = false;
    const int end = int(qstrnlen(text.constData(), uint(text.size())));
    const char *bytes = text.constData();
    auto at = [&](int i) { return i < end ? bytes[i] : '\0'; };
    auto flush = [&] {
        if (!token.isEmpty())
            tokens.append(token);
        token.clear();
    };

    for (int i = 0; i < end; ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (comment)
                comment = false;
            else if (quoted)
                token.append(c);
            else
                flush();
        } else if (c == '#') {
            if (quoted) {
                token.append(c);
            } else if (!comment) {
                flush();
                comment = true;
            }
        } else if (c == '"') {
            if (comment)
                continue;
            if (quoted) {
                if (at(i + 1) == '"') {
                    token.append('"');
                    ++i;
                } else {
                    quoted = false;
                    flush();
                }
            } else if (at(i + 1) != '"') {
                quoted = true;
            } else if (at(i + 2) != '"') {
                token.append('"'); // "" outside quotes: one literal quote
                ++i;
            } else {
                token.append('"'); // """: a literal quote, then quoting begins
                i += 2;
                quoted = true;
            }
        } else if (!comment) {
            token.append(c);
        }
    }
    flush();
    return tokens;
}
