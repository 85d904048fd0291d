#include "campaign/campaigntexts.h"

#include "campaign/cmpcampaign.h"
#include "campaign/optiontexts.h"
#include "gamedata/textcodec.h"

#include <QCoreApplication>
#include <QList>
#include <QTextCodec>

#include <algorithm>
#include <array>

namespace {

constexpr int utf8Mib = 106;

// Label lines are part of the file format: exact, case-sensitive and never translated.
const QString nameLabel = QStringLiteral("Name:");
const QString descriptionLabel = QStringLiteral("Description:");
const QString regionTextLabel = QStringLiteral("Right-click text:");
const QString prologueLabel = QStringLiteral("Prologue:");
const QString epilogueLabel = QStringLiteral("Epilogue:");

class TextFileWriter {
public:
    void line(const QString &text) {
        bytes += fileTextCodec()->fromUnicode(text);
        bytes += "\r\n";
    }
    void escaped(const QString &text) { line(escapeLineBreaks(text)); }
    QByteArray bytes;
};

const QByteArray utf8ByteOrderMark("\xef\xbb\xbf");

// A file without a byte-order mark is taken as UTF-8 only when it has bytes beyond ASCII and
// all of them form UTF-8 sequences, which text in an 8-bit code page practically never does.
bool isUtf8WithoutMark(const QByteArray &file) {
    if (std::all_of(file.cbegin(), file.cend(), [](char c) { return uchar(c) < 0x80; }))
        return false;
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(utf8Mib)->toUnicode(file.constData(), file.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

// The file's lines, read as a text-mode stream reads them: a line ends at a line feed and one
// carriage return directly before it is dropped. A line past the end reads as empty. The export
// writes the campaign file codec; a translator's editor may have saved the file as UTF-8.
class TextFileReader {
public:
    explicit TextFileReader(const QByteArray &file) : file(file), codec(fileTextCodec()) {
        if (file.startsWith(utf8ByteOrderMark)) {
            position = utf8ByteOrderMark.size();
            codec = QTextCodec::codecForMib(utf8Mib);
        } else if (isUtf8WithoutMark(file)) {
            codec = QTextCodec::codecForMib(utf8Mib);
        }
    }

    QString next() {
        ++lineNumber;
        if (position >= file.size())
            return QString();
        int end = file.indexOf('\n', position);
        const int next = end < 0 ? file.size() : end + 1;
        if (end < 0)
            end = file.size();
        else if (end > position && file.at(end - 1) == '\r')
            --end;
        const QString text = codec->toUnicode(file.constData() + position, end - position);
        position = next;
        return text;
    }
    void skip() { next(); }
    int lineNumber = 0;

private:
    const QByteArray &file;
    QTextCodec *codec;
    int position = 0;
};

// What the import may change: the texts of the campaign, of each scenario and of each page.
struct ScenarioTexts {
    QString regionText;
    std::array<QString, pageSlotCount> prologues;
    std::array<QString, pageSlotCount> epilogues;
};

// A label line as the export writes it; an imported line is compared with this, so that a
// label survives the trip through the file's codec and its escaping.
QString labelAsWritten(const QString &label) {
    QTextCodec *codec = fileTextCodec();
    return codec->toUnicode(codec->fromUnicode(escapeLineBreaks(label)));
}

QString missingLine(const TextFileReader &reader, const QString &expected) {
    // The reason ends the main window's refusal message, so it shares that window's context.
    return QCoreApplication::translate("MainWindow", "line %1: expected \"%2\"")
        .arg(reader.lineNumber)
        .arg(expected);
}

bool readPages(TextFileReader &reader, const std::array<CmpPrologueRef, pageSlotCount> &pages,
               const QString &label, std::array<QString, pageSlotCount> &texts, QString *reason) {
    for (int slot = 0; slot < pageSlotCount; ++slot) {
        if (!pages[slot])
            continue;
        if (reader.next() != label) {
            *reason = missingLine(reader, label);
            return false;
        }
        texts[slot] = unescapeLineBreaks(reader.next());
        reader.skip();
    }
    return true;
}

CmpPrologueRef withText(const CmpPrologueRef &page, const QString &text) {
    return page ? makePrologue(page->video, page->music, text) : page;
}

} // namespace

QString escapeLineBreaks(const QString &text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('\n'), QLatin1Char('\t'));
}

QString unescapeLineBreaks(const QString &text) {
    QString unescaped = text;
    return unescaped.replace(QLatin1Char('\t'), QLatin1Char('\n'));
}

QByteArray exportCampaignTexts(const CmpCampaign &campaign, const GameCatalogue &catalogue) {
    TextFileWriter out;
    out.line(nameLabel);
    out.escaped(campaign.name);
    out.line(QString());
    out.line(descriptionLabel);
    out.escaped(campaign.description);
    out.line(QString());
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        const CmpScenario &scenario = campaign.scenarios[i];
        if (!scenario.hasMap())
            continue;
        out.line(QString());
        out.escaped(scenarioRefText(campaign, campaign.campaignMap, i, catalogue));
        out.line(QString());
        out.line(regionTextLabel);
        out.escaped(scenario.regionText);
        out.line(QString());
        for (const CmpPrologueRef &page : scenario.prologues) {
            if (!page)
                continue;
            out.line(prologueLabel);
            out.escaped(page->text);
            out.line(QString());
        }
        for (const CmpPrologueRef &page : scenario.epilogues) {
            if (!page)
                continue;
            out.line(epilogueLabel);
            out.escaped(page->text);
            out.line(QString());
        }
    }
    return out.bytes;
}

bool importCampaignTexts(CmpCampaign &campaign, const QByteArray &file, QString *reason,
                         const GameCatalogue &catalogue) {
    QString ignoredReason;
    if (!reason)
        reason = &ignoredReason;
    TextFileReader in(file);
    if (in.next() != nameLabel) {
        *reason = missingLine(in, nameLabel);
        return false;
    }
    // Everything is read into a working copy first: a file that stops fitting halfway through
    // changes nothing.
    const QString name = unescapeLineBreaks(in.next());
    in.skip();
    if (in.next() != descriptionLabel) {
        *reason = missingLine(in, descriptionLabel);
        return false;
    }
    const QString description = unescapeLineBreaks(in.next());
    in.skip();

    QList<ScenarioTexts> texts;
    texts.reserve(campaign.scenarios.size());
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        const CmpScenario &scenario = campaign.scenarios[i];
        texts.append(ScenarioTexts());
        if (!scenario.hasMap())
            continue;
        ScenarioTexts &scenarioTexts = texts.last();
        in.skip();
        const QString label =
            labelAsWritten(scenarioRefText(campaign, campaign.campaignMap, i, catalogue));
        const QString line = in.next();
        if (line.isEmpty() || line != label) {
            *reason = missingLine(in, label);
            return false;
        }
        in.skip();
        if (in.next() != regionTextLabel) {
            *reason = missingLine(in, regionTextLabel);
            return false;
        }
        scenarioTexts.regionText = unescapeLineBreaks(in.next());
        in.skip();
        if (!readPages(in, scenario.prologues, prologueLabel, scenarioTexts.prologues, reason) ||
            !readPages(in, scenario.epilogues, epilogueLabel, scenarioTexts.epilogues, reason))
            return false;
    }

    campaign.name = name;
    campaign.description = description;
    for (int i = 0; i < campaign.scenarios.size(); ++i) {
        CmpScenario &scenario = campaign.scenarios[i];
        if (!scenario.hasMap())
            continue;
        scenario.regionText = texts[i].regionText;
        for (int slot = 0; slot < pageSlotCount; ++slot) {
            scenario.prologues[slot] = withText(scenario.prologues[slot], texts[i].prologues[slot]);
            scenario.epilogues[slot] = withText(scenario.epilogues[slot], texts[i].epilogues[slot]);
        }
    }
    return true;
}
