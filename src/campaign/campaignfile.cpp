#include "campaign/campaignfile.h"

#include "campaign/campaignreader.h"
#include "campaign/campaignwriter.h"
#include "campaign/editorvalues.h"
#include "campaign/gzipdata.h"
#include "campaign/mapheaderreader.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/messages.h"
#include "gamedata/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace CampaignFile {

namespace {

// Texts shown by this file, in the CampaignFile translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignFile)
};

// The editor-wide values a load sets, to put back when it fails.
struct EditorValues {
    CmpVersion campaignFile = campaignFileVersion;
    CmpVersion mapFile = mapFileVersion;
    int32_t campaignMap = currentCampaignMap;
    int32_t formatVersion = loadedFormatVersion;
    int32_t region = selectedRegion;

    void restore() const {
        campaignFileVersion = campaignFile;
        mapFileVersion = mapFile;
        currentCampaignMap = campaignMap;
        loadedFormatVersion = formatVersion;
        selectedRegion = region;
    }
};

// Takes each scenario's map from the map part that begins at `offset`, in scenario order, and
// reads its summary from the inflated bytes. False, after the message, when a map is cut short,
// cannot be inflated or has no readable summary.
bool readEmbeddedMaps(const QByteArray &file, qint64 offset, CmpCampaign &campaign) {
    for (CmpScenario &scenario : campaign.scenarios) {
        if (scenario.mapSize == 0)
            continue;
        bool intact = qint64(scenario.mapSize) <= file.size() - offset;
        if (intact) {
            scenario.mapData = file.mid(int(offset), int(scenario.mapSize));
            offset += scenario.mapSize;
            intact = readEmbeddedMapHeader(scenario) >= 0;
        }
        if (!intact) {
            Messages::critical(Texts::tr("Error"),
                               Texts::tr("Maps in this campaign contain corrupted data, "
                                         "and campaign can't be opened.\n"));
            return false;
        }
    }
    return true;
}

// Writes every byte, going on after a short write: the write after it fails with the reason,
// which is kept in *reason (the save file's own error text can be empty for a short write).
bool writeAll(QSaveFile &file, const QByteArray &bytes, QString *reason) {
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const int error = errno;
            *reason =
                error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
            return false;
        }
        done += written;
    }
    return true;
}

// Whether the campaign data written from `campaign` read back as that campaign: the reader takes
// every byte and what it read writes the same bytes again. The maps, checked when they came in,
// are not read: each record's map size must match, and the map is lent to the record read. The
// editor-wide values the reading sets are put back.
bool readsBack(const QByteArray &member, const QByteArray &data, const CmpCampaign &campaign,
               const GameCatalogue &catalogue) {
    const EditorValues before;
    QByteArray content;
    CmpCampaign read;
    bool same = inflateGzipMember(member, &content) && content == data;
    if (same) {
        CampaignReader reader(content, catalogue);
        same = reader.read(read) && reader.offset() == content.size();
    }
    for (int i = 0; same && i < read.scenarios.size(); ++i) {
        const CmpScenario written = campaign.scenarios.value(i);
        same = read.scenarios[i].mapSize == uint32_t(written.mapData.size());
        read.scenarios[i].mapData = written.mapData;
        read.scenarios[i].mapHeader = written.mapHeader;
    }
    same = same && CampaignWriter(catalogue).write(read) == data;
    before.restore();
    return same;
}

bool loadInto(const QByteArray &raw, CmpCampaign &campaign, const GameCatalogue &catalogue) {
    // A gzip file holds the campaign data in its first member and the maps right after it;
    // any other file is read as it is, the maps following the records.
    QByteArray content;
    qint64 memberSize = 0;
    const bool compressed = startsWithGzipMagic(raw);
    if (compressed) {
        if (!inflateGzipMember(raw.constData(), raw.size(), &content, &memberSize, false))
            return false;
    } else {
        content = raw;
    }
    CampaignReader reader(content, catalogue);
    if (!reader.read(campaign))
        return false;
    if (!readEmbeddedMaps(raw, compressed ? memberSize : reader.offset(), campaign))
        return false;
    selectedRegion = 0;
    return true;
}

} // namespace

bool load(const QString &fileName, CmpCampaign &campaign) {
    return load(fileName, campaign, gameCatalogue());
}

bool load(const QString &fileName, CmpCampaign &campaign, const GameCatalogue &catalogue) {
    QFile file(fileName);
    if (!openRegularFile(file)) {
        Messages::critical(Texts::tr("Error"), Texts::tr("Can't open file %1").arg(fileName));
        return false;
    }
    const QByteArray raw = file.readAll();
    file.close();
    return loadBytes(raw, campaign, catalogue);
}

bool loadBytes(const QByteArray &file, CmpCampaign &campaign, const GameCatalogue &catalogue) {
    const EditorValues before;
    // A fresh record: with map, empty texts, no scenarios, every other value 0.
    CmpCampaign fresh;
    fresh.version = 0;
    fresh.campaignMap = 0;
    fresh.music = 0;
    if (!loadInto(file, fresh, catalogue)) {
        before.restore();
        return false;
    }
    campaign = fresh;
    return true;
}

int readEmbeddedMapHeader(CmpScenario &scenario) {
    if (!startsWithGzipMagic(scenario.mapData))
        return readMapHeader(scenario, scenario.mapData, false);
    QByteArray inflated;
    if (!inflateGzipMember(scenario.mapData, &inflated))
        return MapWithoutPlayers;
    return readMapHeader(scenario, inflated, false);
}

QByteArray campaignData(const CmpCampaign &campaign, const GameCatalogue &catalogue) {
    return CampaignWriter(catalogue).write(campaign);
}

bool save(const CmpCampaign &campaign, const QString &fileName) {
    return save(campaign, fileName, gameCatalogue());
}

bool save(const CmpCampaign &campaign, const QString &fileName, const GameCatalogue &catalogue) {
    const QByteArray data = campaignData(campaign, catalogue);
    const QByteArray member = deflateGzipMember(data);
    mapFileVersion = editorVersion;
    // A file that loading would refuse is never written over the one there.
    if (!readsBack(member, data, campaign, catalogue)) {
        Messages::warning(Texts::tr("Error"),
                          Texts::tr("Cannot write file %1:\n%2.")
                              .arg(fileName, Texts::tr("the written campaign would not read "
                                                       "back as this campaign")));
        return false;
    }

    // Unbuffered, so that a short write (a full disk) shows in the count each write returns;
    // a buffered save file can report success after a flush that wrote only part of its data.
    QSaveFile file(fileName);
    // A folder the user may not create files in still lets a writable campaign be saved.
    file.setDirectWriteFallback(true);
    QString reason;
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!written)
        reason = file.errorString();
    written = written && writeAll(file, member, &reason);
    const int count = campaignScenarioCount(campaign, catalogue);
    for (int i = 0; written && i < count && i < campaign.scenarios.size(); ++i)
        written = writeAll(file, campaign.scenarios[i].mapData, &reason);
    if (written && !file.commit()) {
        written = false;
        reason = file.errorString();
    }
    if (!written) {
        if (file.isOpen())
            file.cancelWriting();
        Messages::warning(Texts::tr("Error"),
                          Texts::tr("Cannot write file %1:\n%2.").arg(fileName, reason));
        return false;
    }
    campaignFileVersion = editorVersion;
    return true;
}

} // namespace CampaignFile
