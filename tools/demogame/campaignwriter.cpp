#include "campaigns.h"

#include "bytewriter.h"
#include "democampaigns.h"
#include "demodescription.h"

#include <zlib.h>

namespace {

// The lengths of the creature and artifact bit sets of a format 10 file: the game's 150
// creatures plus one per creature record of the mod, and 147 artifacts or the last artifact
// record's id plus one.
struct BitSetLengths {
    int creatures = 150;
    int artifacts = 147;
};

QByteArray recordKind(const QByteArray &name) {
    int end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9')
        --end;
    return name.left(end);
}

BitSetLengths formatTenLengths(DemoLanguage language) {
    BitSetLengths lengths;
    for (const DemoModRecord &record : demoModRecords(language)) {
        const QByteArray kind = recordKind(record.name);
        if (kind == "monst")
            ++lengths.creatures;
        else if (kind == "art")
            lengths.artifacts = record.name.mid(kind.size()).toInt() + 1;
    }
    return lengths;
}

// One gzip member as written by a gzip file opened with mode "wb": deflate at the default level.
QByteArray gzipMember(const QByteArray &data) {
    z_stream stream = {};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

class CampaignEncoder {
public:
    // The campaign's texts are written in the code page of the game's language.
    CampaignEncoder(const DemoCampaign &campaign, DemoLanguage language)
        : campaign(campaign), language(language), lengths(formatTenLengths(language)) {}

    // The whole file: the gzip member with header and records, then the embedded maps.
    QByteArray encode(QString *error) {
        const int count = campaign.withMap
                              ? demoCampaignRegions(campaign.campaignMap, language).size()
                              : campaign.scenarioCount;
        if (count != campaign.scenarios.size()) {
            *error = QStringLiteral("%1 describes %2 scenarios instead of %3")
                         .arg(campaign.fileName)
                         .arg(campaign.scenarios.size())
                         .arg(count);
            return QByteArray();
        }
        header();
        for (const DemoScenario &scenario : campaign.scenarios)
            record(scenario, count);
        QByteArray file = gzipMember(out.data());
        for (const DemoScenario &scenario : campaign.scenarios) {
            if (scenario.map)
                file.append(scenario.map->stored);
        }
        return file;
    }

private:
    bool formatTen() const { return campaign.version == 10; }

    void text(const QString &value) { out.string(encodeDemoText(value, language)); }

    void bits(const QVector<int> &set, int length) {
        QByteArray bytes((length + 7) / 8, '\0');
        for (int bit : set) {
            if (bit < length)
                bytes[bit / 8] = char(bytes[bit / 8] | (1 << (bit % 8)));
        }
        out.raw(bytes);
    }

    void pages(const std::optional<DemoPage> (&pageSlots)[3]) {
        for (int slot = 0; slot < (formatTen() ? 3 : 1); ++slot) {
            out.u8(pageSlots[slot] ? 1 : 0);
            if (pageSlots[slot]) {
                out.u8(uint8_t(pageSlots[slot]->video));
                out.u8(uint8_t(pageSlots[slot]->music));
                text(pageSlots[slot]->text);
            }
        }
    }

    void header() {
        out.i32(campaign.version);
        if (formatTen()) {
            out.i32(campaign.subversion);
            if (campaign.subversion == 2) {
                for (int part : campaign.modVersion)
                    out.u32(uint32_t(part));
                out.u8(campaign.forbidNewerVersions);
            }
            out.u8(campaign.withMap);
            out.i32(campaign.background);
            out.i32(campaign.scenarioCount);
        }
        out.u8(uint8_t(campaign.campaignMap + 1));
        text(campaign.name);
        text(campaign.description);
        out.u8(campaign.difficultySelectable);
        out.u8(uint8_t(campaign.music));
    }

    void record(const DemoScenario &scenario, int count) {
        text(scenario.map ? scenario.map->fileName : QString());
        out.u32(scenario.map ? uint32_t(scenario.map->stored.size()) : 0);
        bits(scenario.prerequisites, count);
        out.u8(uint8_t(scenario.regionColor));
        out.u8(uint8_t(scenario.difficulty));
        text(scenario.regionText);
        pages(scenario.prologues);
        pages(scenario.epilogues);
        out.u8(uint8_t(scenario.heroKeeps & 0x1f));
        bits(scenario.creaturesKept, formatTen() ? lengths.creatures : 145);
        bits(scenario.artifactsKept, formatTen()             ? lengths.artifacts
                                     : campaign.version == 6 ? 144
                                                             : 129);
        out.raw(scenario.startOptions);
    }

    const DemoCampaign &campaign;
    const DemoLanguage language;
    const BitSetLengths lengths;
    ByteWriter out;
};

} // namespace

bool writeDemoCampaigns(const QString &gameDir, const DemoOptions &options, QString *error) {
    for (const DemoCampaign &campaign : demoCampaigns(options)) {
        const QByteArray bytes = CampaignEncoder(campaign, options.language).encode(error);
        if (bytes.isEmpty() ||
            !writeGameFile(gameDir, QStringLiteral("Maps/") + campaign.fileName, bytes, error))
            return false;
    }
    return true;
}
