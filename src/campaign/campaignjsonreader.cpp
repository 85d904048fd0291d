#include "campaign/campaignjsonreader.h"

#include "campaign/campaignjson.h"
#include "campaign/campaignjsonfields.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/textcodec.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextCodec>

#include <climits>
#include <cmath>
#include <limits>
#include <type_traits>

namespace {

// Texts shown by this file, in the CampaignJson translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignJson)
};

// List counts are one byte in the campaign file.
constexpr int maxListEntries = 255;

// A JSON value and its place in the document, as the messages name it.
struct Node {
    QJsonValue value;
    QString path;

    Node key(const QString &name) const {
        return Node{value.toObject().value(name), path.isEmpty() ? name : path + '.' + name};
    }
    Node item(int index) const {
        return Node{value.toArray().at(index), QStringLiteral("%1[%2]").arg(path).arg(index)};
    }
};

// Collects the keys a visit names.
struct KeyCollector {
    QStringList &keys;

    template <typename Field> void operator()(const char *key, const Field &) const {
        keys << QLatin1String(key);
    }
};

template <typename Record> QStringList recordKeys(Record record) {
    QStringList keys;
    visitRecordFields(record, KeyCollector{keys});
    return keys;
}

// Reads values into the model. The first problem is kept; every read after it does nothing.
class Reader {
public:
    explicit Reader(QTextCodec *codec) : codec(codec) {}

    QString problem;

    bool ok() const { return problem.isEmpty(); }

    bool fail(const Node &node, const QString &what) {
        if (ok())
            problem = node.path.isEmpty() ? what : node.path + QStringLiteral(": ") + what;
        return false;
    }

    // A value of the wrong type, or none at all.
    bool failType(const Node &node, const QString &expected) {
        return fail(node, node.value.isUndefined() ? Texts::tr("missing") : expected);
    }

    // Whether the node is an object with exactly these keys.
    bool object(const Node &node, const QStringList &keys) {
        if (!ok())
            return false;
        if (!node.value.isObject())
            return failType(node, Texts::tr("expected an object"));
        const QJsonObject object = node.value.toObject();
        for (const QString &key : keys) {
            if (!object.contains(key))
                return fail(node.key(key), Texts::tr("missing"));
        }
        for (const QString &key : object.keys()) {
            if (!keys.contains(key))
                return fail(node.key(key), Texts::tr("unknown key"));
        }
        return true;
    }

    // Whether the node is an array of minEntries to maxEntries entries.
    bool array(const Node &node, int minEntries, int maxEntries) {
        if (!ok())
            return false;
        if (!node.value.isArray())
            return failType(node, Texts::tr("expected an array"));
        const int size = node.value.toArray().size();
        if (minEntries == maxEntries && size != minEntries)
            return fail(node, Texts::tr("expected %1 entries, found %2").arg(minEntries).arg(size));
        if (size > maxEntries)
            return fail(node, Texts::tr("%1 entries, but the campaign file holds at most %2")
                                  .arg(size)
                                  .arg(maxEntries));
        return true;
    }

    qint64 number(const Node &node, qint64 min, qint64 max) {
        if (!ok())
            return min;
        const double value = node.value.toDouble();
        if (!node.value.isDouble()) {
            failType(node, Texts::tr("expected a whole number from %1 to %2").arg(min).arg(max));
            return min;
        }
        if (value != std::floor(value) || value < double(min) || value > double(max)) {
            fail(node, Texts::tr("%1 is not a whole number from %2 to %3")
                           .arg(QString::number(value, 'g', 17))
                           .arg(min)
                           .arg(max));
            return min;
        }
        return qint64(value);
    }

    // One field, by its type: a number within the range of its width, a flag, a text, or a bit
    // set of the length it already has.
    template <typename Field> void read(const Node &node, Field &field) {
        if (!ok())
            return;
        if constexpr (std::is_same<Field, bool>::value) {
            if (node.value.isBool())
                field = node.value.toBool();
            else
                failType(node, Texts::tr("expected true or false"));
        } else if constexpr (std::is_same<Field, QString>::value) {
            readText(node, field);
        } else if constexpr (std::is_same<Field, QBitArray>::value) {
            readBits(node, field);
        } else {
            using Limits = std::numeric_limits<Field>;
            field = Field(number(node, qint64(Limits::min()), qint64(Limits::max())));
        }
    }

    // Reads each visited field from the node's key of the same name.
    auto fieldsFrom(const Node &node) {
        return [this, node](const char *key, auto &field) {
            read(node.key(QLatin1String(key)), field);
        };
    }

    template <typename Record> void readRecord(const Node &node, Record &record) {
        if (object(node, recordKeys(record)))
            visitRecordFields(record, fieldsFrom(node));
    }

    void readRecord(const Node &node, CmpBonus &bonus) {
        if (!node.value.isObject()) {
            failType(node, Texts::tr("expected an object"));
            return;
        }
        // The type decides the other keys.
        read(node.key(QStringLiteral("type")), bonus.type);
        QStringList keys{QStringLiteral("type")};
        visitBonusFields(bonus, KeyCollector{keys});
        if (object(node, keys))
            visitBonusFields(bonus, fieldsFrom(node));
    }

    template <typename Record> QList<Record> readRecords(const Node &node) {
        QList<Record> records;
        if (!array(node, 0, maxListEntries))
            return records;
        const int count = node.value.toArray().size();
        for (int i = 0; i < count && ok(); ++i) {
            Record record;
            readRecord(node.item(i), record);
            records.append(record);
        }
        return records;
    }

    void readPages(const Node &node, std::array<CmpPrologueRef, pageSlotCount> &pages) {
        if (!array(node, pageSlotCount, pageSlotCount))
            return;
        for (int slot = 0; slot < pageSlotCount && ok(); ++slot) {
            const Node item = node.item(slot);
            CmpPrologue page;
            if (!item.value.isNull())
                readRecord(item, page);
            pages[size_t(slot)] =
                item.value.isNull() ? CmpPrologueRef() : CmpPrologueRef(new CmpPrologue(page));
        }
    }

    CmpStartOptionsRef readStartOptions(const Node &node) {
        if (node.value.isNull() || !ok())
            return CmpStartOptionsRef();
        if (!node.value.isObject()) {
            failType(node, Texts::tr("expected an object or null"));
            return CmpStartOptionsRef();
        }
        switch (number(node.key(QStringLiteral("kind")), BonusChoice, StartingHeroChoice)) {
        case BonusChoice: {
            StartingBonusSet set;
            if (object(node, {QStringLiteral("kind"), QStringLiteral("player"),
                              QStringLiteral("bonuses")})) {
                read(node.key(QStringLiteral("player")), set.player);
                set.bonuses = readRecords<CmpBonus>(node.key(QStringLiteral("bonuses")));
            }
            return makeStartOptions(set);
        }
        case CrossoverChoice: {
            HeroCrossoverSet set;
            if (object(node, {QStringLiteral("kind"), QStringLiteral("crossovers")}))
                set.crossovers =
                    readRecords<CmpHeroCrossover>(node.key(QStringLiteral("crossovers")));
            return makeStartOptions(set);
        }
        default: {
            StartingHeroSet set;
            if (object(node, {QStringLiteral("kind"), QStringLiteral("heroes")}))
                set.heroes = readRecords<StartingHero>(node.key(QStringLiteral("heroes")));
            return makeStartOptions(set);
        }
        }
    }

    // A scenario, its prerequisites already of the campaign's scenario count, and the name of its
    // map file.
    void readScenario(const Node &node, CmpScenario &scenario, QString &mapFile) {
        QStringList keys;
        visitScenarioFields(scenario, KeyCollector{keys});
        keys << QStringLiteral("prologues") << QStringLiteral("epilogues")
             << QStringLiteral("startOptions") << QStringLiteral("mapData");
        if (!object(node, keys))
            return;
        visitScenarioFields(scenario, fieldsFrom(node));
        readPages(node.key(QStringLiteral("prologues")), scenario.prologues);
        readPages(node.key(QStringLiteral("epilogues")), scenario.epilogues);
        scenario.startOptions = readStartOptions(node.key(QStringLiteral("startOptions")));
        const Node map = node.key(QStringLiteral("mapData"));
        if (map.value.isString() && !map.value.toString().isEmpty())
            mapFile = map.value.toString();
        else if (!map.value.isNull())
            fail(map, Texts::tr("expected the name of a map file or null"));
    }

private:
    void readText(const Node &node, QString &text) {
        if (!node.value.isString()) {
            failType(node, Texts::tr("expected a text"));
            return;
        }
        text = node.value.toString();
        if (codec->canEncode(text))
            return;
        for (int i = 0; i < text.size(); ++i) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                              text.at(i + 1).isLowSurrogate();
            const QString character = text.mid(i, pair ? 2 : 1);
            if (!codec->canEncode(character)) {
                const uint code = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                       : text.at(i).unicode();
                fail(node,
                     Texts::tr("the character \"%1\" (U+%2) cannot be written in the "
                               "campaign file's code page %3")
                         .arg(character, QString::number(code, 16).toUpper().rightJustified(4, '0'),
                              QString::fromLatin1(codec->name())));
                return;
            }
            i += pair ? 1 : 0;
        }
    }

    // The set keeps its length, given by its kind; the indices say which bits are set.
    void readBits(const Node &node, QBitArray &bits) {
        if (!node.value.isArray()) {
            failType(node, Texts::tr("expected an array"));
            return;
        }
        bits.fill(false);
        const int count = node.value.toArray().size();
        for (int i = 0; i < count && ok(); ++i) {
            const qint64 index = number(node.item(i), 0, bits.size() - 1);
            if (ok())
                bits.setBit(int(index));
        }
    }

    QTextCodec *codec;
};

} // namespace

bool readCampaignJson(const QByteArray &json, CmpCampaign &campaign, QStringList &mapFiles,
                      QString *problem, const GameCatalogue &catalogue) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        if (problem)
            *problem =
                Texts::tr("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset);
        return false;
    }
    Reader reader(fileTextCodec());
    const Node root{document.isObject() ? QJsonValue(document.object())
                                        : QJsonValue(document.array()),
                    QString()};
    // The layout is checked first: another one may have other keys.
    const Node format = root.key(QStringLiteral("format"));
    if (root.value.isObject() && format.value.toString() != QLatin1String(campaignJsonFormat)) {
        const QString known = QLatin1String(campaignJsonFormat);
        reader.failType(format, format.value.isString()
                                    ? Texts::tr("unknown layout \"%1\"; this program reads \"%2\"")
                                          .arg(format.value.toString(), known)
                                    : Texts::tr("expected \"%1\"").arg(known));
    }
    CmpCampaign result;
    QStringList keys{QStringLiteral("format"), QStringLiteral("scenarios")};
    visitCampaignFields(result, KeyCollector{keys});
    if (reader.object(root, keys))
        visitCampaignFields(result, reader.fieldsFrom(root));

    // As many scenarios as the campaign has, each with prerequisites of that length.
    const int count = result.withMap ? campaignMapRegionCount(result.campaignMap, catalogue)
                                     : qMax(0, result.scenarioCount);
    const Node scenarios = root.key(QStringLiteral("scenarios"));
    const int found = scenarios.value.toArray().size();
    if (reader.array(scenarios, 0, INT_MAX) && found != count) {
        reader.fail(scenarios, result.withMap
                                   ? Texts::tr("campaign map %1 has %2 regions, so the campaign "
                                               "has %2 scenarios, not %3")
                                         .arg(result.campaignMap)
                                         .arg(count)
                                         .arg(found)
                                   : Texts::tr("scenarioCount is %1, but there are %2 scenarios")
                                         .arg(result.scenarioCount)
                                         .arg(found));
    }
    QStringList files;
    for (int i = 0; i < count && reader.ok(); ++i) {
        CmpScenario scenario(catalogue);
        scenario.prerequisites = QBitArray(count);
        QString mapFile;
        reader.readScenario(scenarios.item(i), scenario, mapFile);
        result.scenarios.append(scenario);
        files.append(mapFile);
    }
    if (!reader.ok()) {
        if (problem)
            *problem = reader.problem;
        return false;
    }
    campaign = result;
    mapFiles = files;
    return true;
}
