#include "campaign/campaignfile.h"

#include "campaign/campaignreader.h"
#include "campaign/campaignwriter.h"
#include "campaign/editorvalues.h"
#include "campaign/gzipdata.h"
#include "campaign/mapheaderreader.h"
#include "campaign/mapsummaries.h"
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

// The bytes of a campaign file: the whole file in memory, or the file itself, read piece by
// piece so that each embedded map is read straight into a buffer of its own.
class FileBytes {
public:
    explicit FileBytes(const QByteArray &bytes) : bytes(bytes) {}
    explicit FileBytes(QFile &file) : file(&file) {}

    qint64 size() const { return file ? file->size() : bytes.size(); }
    // `count` bytes from `offset`, fewer where the file ends or cannot be read; never more
    // room than the file has left is allocated, whatever count a damaged file asks for.
    QByteArray read(qint64 offset, qint64 count) const {
        count = qBound<qint64>(0, count, size() - offset);
        if (!file)
            return bytes.mid(int(offset), int(count));
        return file->seek(offset) ? file->read(count) : QByteArray();
    }

private:
    QByteArray bytes;
    QFile *file = nullptr;
};

// The campaign data of a gzip file, inflated from its first member, and the member's size.
// The data are small: the file is read from the start, more at a time, until zlib finds the
// member's end in what was read or the whole file fails.
bool readCampaignMember(const FileBytes &file, QByteArray *content, qint64 *memberSize) {
    constexpr qint64 firstRead = 64 * 1024;
    for (qint64 count = firstRead;; count *= 4) {
        const QByteArray start = file.read(0, count);
        if (inflateGzipMember(start.constData(), start.size(), content, memberSize, false))
            return true;
        if (start.size() < count)
            return false;
    }
}

// Takes each scenario's map from the map part that begins at `offset`, in scenario order, and
// reads its summary from the inflated bytes. False, after the message, when a map is cut short,
// cannot be inflated or has no readable summary, unless such maps are to be kept: then the map
// keeps the bytes the file holds for it and no summary.
bool readEmbeddedMaps(const FileBytes &file, qint64 offset, CmpCampaign &campaign,
                      UnreadableMaps unreadable) {
    const bool keep = unreadable == UnreadableMaps::Keep;
    QVector<CmpScenario *> withMaps;
    QVector<QByteArray> maps;
    bool intact = true;
    for (CmpScenario &scenario : campaign.scenarios) {
        if (scenario.mapSize == 0)
            continue;
        scenario.mapData = file.read(offset, scenario.mapSize);
        offset += scenario.mapData.size();
        if (scenario.mapData.size() != qint64(scenario.mapSize)) {
            intact = false;
            if (!keep)
                break;
            continue;
        }
        withMaps.append(&scenario);
        maps.append(scenario.mapData);
    }
    const QVector<MapHeaderRef> summaries =
        intact || keep ? readMapSummaries(maps) : QVector<MapHeaderRef>();
    intact = intact && !summaries.contains(MapHeaderRef());
    if (!intact && !keep) {
        Messages::critical(Texts::tr("Error"),
                           Texts::tr("Maps in this campaign contain corrupted data, "
                                     "and campaign can't be opened.\n"));
        return false;
    }
    for (int i = 0; i < withMaps.size(); ++i) {
        if (!summaries[i])
            continue; // kept without a summary
        withMaps[i]->mapHeader = summaries[i];
        noteMapFileVersion(*summaries[i]);
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
    qint64 consumed = 0;
    bool same = inflateGzipMember(member.constData(), member.size(), &content, &consumed, true) &&
                consumed == member.size() && content == data;
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

bool loadInto(const FileBytes &file, CmpCampaign &campaign, const GameCatalogue &catalogue,
              UnreadableMaps unreadable) {
    // A gzip file holds the campaign data in its first member and the maps right after it;
    // any other file is read as it is, the maps following the records.
    QByteArray content;
    qint64 memberSize = 0;
    const bool compressed = startsWithGzipMagic(file.read(0, 2));
    if (compressed) {
        if (!readCampaignMember(file, &content, &memberSize))
            return false;
    } else {
        content = file.read(0, file.size());
    }
    CampaignReader reader(content, catalogue);
    if (!reader.read(campaign))
        return false;
    if (!readEmbeddedMaps(file, compressed ? memberSize : reader.offset(), campaign, unreadable))
        return false;
    selectedRegion = 0;
    return true;
}

bool loadFrom(const FileBytes &file, CmpCampaign &campaign, const GameCatalogue &catalogue,
              UnreadableMaps unreadable) {
    const EditorValues before;
    // A fresh record: with map, empty texts, no scenarios, every other value 0.
    CmpCampaign fresh;
    fresh.version = 0;
    fresh.campaignMap = 0;
    fresh.music = 0;
    if (!loadInto(file, fresh, catalogue, unreadable)) {
        before.restore();
        return false;
    }
    campaign = fresh;
    return true;
}

} // namespace

bool load(const QString &fileName, CmpCampaign &campaign) {
    return load(fileName, campaign, gameCatalogue());
}

bool load(const QString &fileName, CmpCampaign &campaign, const GameCatalogue &catalogue,
          UnreadableMaps unreadable) {
    QFile file(fileName);
    if (!openRegularFile(file)) {
        Messages::critical(Texts::tr("Error"), Texts::tr("Can't open file %1").arg(fileName));
        return false;
    }
    return loadFrom(FileBytes(file), campaign, catalogue, unreadable);
}

bool loadBytes(const QByteArray &file, CmpCampaign &campaign, const GameCatalogue &catalogue,
               UnreadableMaps unreadable) {
    return loadFrom(FileBytes(file), campaign, catalogue, unreadable);
}

int readEmbeddedMapHeader(CmpScenario &scenario) {
    QByteArray inflated;
    QSharedPointer<MapHeader> header(new MapHeader);
    const int result = readEmbeddedMapSummary(scenario.mapData, &inflated, header.data());
    noteMapFileVersion(*header);
    if (result >= 0)
        scenario.mapHeader = header;
    return result;
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
