#include "campaign/campaignfile.h"
#include "campaign/campaigntexts.h"
#include "campaign/cmpcampaign.h"
#include "fuzzsupport.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/textcodec.h"

#include <QByteArray>
#include <QFile>
#include <QTextCodec>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The campaign the texts are read into: the campaign file named by TARQ_FUZZ_CAMPAIGN (a demo
// sample), or a small built one.
CmpCampaign fuzzCampaign(const GameCatalogue &catalogue) {
    CmpCampaign campaign;
    const QByteArray path = qgetenv("TARQ_FUZZ_CAMPAIGN");
    QFile file(QString::fromLocal8Bit(path));
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly) &&
        CampaignFile::loadBytes(file.readAll(), campaign, catalogue))
        return campaign;
    resetCampaign(campaign, 24, true, 0, 0, catalogue);
    MapHeader header;
    header.name = QStringLiteral("Map");
    campaign.scenarios[1].mapHeader = MapHeaderRef(new MapHeader(header));
    campaign.scenarios[1].prologues[2] = makePrologue(1, 2, QStringLiteral("page"));
    campaign.scenarios[1].epilogues[0] = makePrologue(1, 2, QStringLiteral("page"));
    return campaign;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const GameCatalogue catalogue = fuzzCatalogue();
    static bool codecChosen = false;
    if (!codecChosen) {
        setTextCodec(QTextCodec::codecForName("Windows-1252"));
        codecChosen = true;
    }
    static const CmpCampaign original = fuzzCampaign(catalogue);
    // TARQ_FUZZ_SEED names a file to receive the campaign's own text file: the seed of a corpus.
    static bool seedWritten = false;
    if (!seedWritten) {
        seedWritten = true;
        QFile seed(QString::fromLocal8Bit(qgetenv("TARQ_FUZZ_SEED")));
        if (!seed.fileName().isEmpty() && seed.open(QIODevice::WriteOnly))
            seed.write(exportCampaignTexts(original, catalogue));
    }
    installSilentReporter();
    const QByteArray file(reinterpret_cast<const char *>(data), int(size));
    CmpCampaign campaign = original;
    // A file that is read must write back to the same texts.
    if (importCampaignTexts(campaign, file, nullptr, catalogue)) {
        const QByteArray exported = exportCampaignTexts(campaign, catalogue);
        CmpCampaign again = original;
        if (!importCampaignTexts(again, exported, nullptr, catalogue) ||
            exportCampaignTexts(again, catalogue) != exported)
            std::abort();
    } else if (exportCampaignTexts(campaign, catalogue) !=
               exportCampaignTexts(original, catalogue)) {
        std::abort(); // a refused file changed the campaign
    }
    return 0;
}
