#include "campaign/campaignfile.h"
#include "campaign/campaignjson.h"
#include "campaign/campaignjsonreader.h"
#include "campaign/cmpcampaign.h"
#include "campaign/editorvalues.h"
#include "fuzzsupport.h"
#include "gamedata/textcodec.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCodec>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The toolkit's JSON parser (Qt 5.15) leaks the first value of a key that an object holds twice.
// The toolkit is built without frame pointers, so such a leak's stack ends in its library rather
// than at the parser: leaks allocated inside the toolkit's library are not reported. The
// reader's own allocations have its own frames on top and still are.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libQt5Core.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const GameCatalogue catalogue = fuzzCatalogue();
    // The seeds are the English demo game's campaigns, unpacked.
    static QTextCodec *const codec = QTextCodec::codecForName("Windows-1252");
    setTextCodec(codec);
    installSilentReporter();
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    CmpCampaign campaign;
    QStringList mapFiles;
    QString problem;
    if (!readCampaignJson(json, campaign, mapFiles, &problem, catalogue)) {
        if (problem.isEmpty())
            std::abort(); // every refusal says why
        return 0;
    }
    // What is read writes back to JSON that reads to the same campaign, and serialises.
    const QJsonObject written = campaignJson(campaign, mapFiles);
    CmpCampaign again;
    if (!readCampaignJson(QJsonDocument(written).toJson(), again, mapFiles, nullptr, catalogue) ||
        campaignJson(again, mapFiles) != written)
        std::abort();
    currentCampaignMap = campaign.campaignMap;
    CampaignFile::campaignData(campaign, catalogue);
    return 0;
}
