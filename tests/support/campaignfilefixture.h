#pragma once

// Helpers of the campaign file tests: the demo game's sample campaigns, a catalogue that fits
// them, and the two parts of a campaign file taken apart and put together again with zlib's
// own routines, so that the tests do not lean on the code they test.

#include "campaign/campaignfile.h"
#include "campaign/cmpcampaign.h"
#include "demogamefixture.h"
#include "filebytes.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/moddatafile.h"
#include "gamedata/textcodec.h"
#include "gamedata/tstream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <zlib.h>

// The catalogue of the demo game, built from its archives and mod records as the editor builds
// it: the sample campaigns depend on its region counts and its creature and artifact counts.
// The English demo game is written in the Western code page, the Russian one in the Cyrillic.
inline GameCatalogue demoGameCatalogue(const QString &gameFolder,
                                       const QByteArray &codecName = "Windows-1252") {
    LodArchiveSet archives;
    archives.load(gameFolder + QStringLiteral("/Data"));
    auto stream = openFileStream(gameFolder + QStringLiteral("/tarq.dat"), TFileStream::ReadOnly);
    const ModRecordList records = stream ? readModDataFile(*stream) : ModRecordList();
    QTextCodec *codec = QTextCodec::codecForName(codecName);
    return buildGameCatalogue(archives, records, codec, codec);
}

// A demo game written once per test run into a temporary folder; the sample campaigns lie in
// its Maps folder.
inline QString sampleCampaignFolder(QTemporaryDir &folder) {
    QString error;
    if (!makeDemoGame(folder.path(), {}, &error))
        qFatal("demo game: %s", qPrintable(error));
    setTextCodec(QTextCodec::codecForName("Windows-1252"));
    return folder.path() + QStringLiteral("/Maps");
}

// The demo game's sample campaigns, the catalogue that fits them and a scratch folder, for the
// campaign file tests to inherit after QObject.
class SampleCampaigns {
protected:
    QTemporaryDir demo;
    QTemporaryDir scratch;
    QString mapsFolder;
    GameCatalogue catalogue;

    // Writes the demo game; called from initTestCase.
    void setUpSamples() {
        QVERIFY(demo.isValid() && scratch.isValid());
        mapsFolder = sampleCampaignFolder(demo);
        catalogue = demoGameCatalogue(demo.path());
    }

    // The campaign in file: a path, or the name of a sample campaign.
    CmpCampaign loaded(const QString &file) {
        const QString path =
            QFileInfo(file).isAbsolute() ? file : mapsFolder + QLatin1Char('/') + file;
        CmpCampaign campaign;
        if (!CampaignFile::load(path, campaign, catalogue))
            qWarning("cannot load %s", qPrintable(path));
        return campaign;
    }
};

// The sample campaign that holds one fault of every kind the campaign check finds; two of its
// maps cannot be read, so the editor refuses to open it.
inline QString brokenSampleName() {
    return QStringLiteral("Broken.y6c");
}

// The sample campaigns the editor opens: every one but the broken sample.
inline QStringList sampleCampaignFiles(const QString &mapsFolder) {
    QStringList files;
    for (const QString &name : QDir(mapsFolder).entryList({QStringLiteral("*.y6c")}, QDir::Files))
        if (name != brokenSampleName())
            files.append(mapsFolder + QLatin1Char('/') + name);
    return files;
}

// A campaign file taken apart: the uncompressed campaign data and the raw bytes after the gzip
// member (the embedded maps).
struct CampaignFileParts {
    QByteArray content;
    QByteArray maps;
};

inline CampaignFileParts splitCampaignFile(const QByteArray &file) {
    CampaignFileParts parts;
    z_stream stream = {};
    inflateInit2(&stream, 31);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(file.constData()));
    stream.avail_in = uInt(file.size());
    char buffer[4096];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        parts.content.append(buffer, int(sizeof buffer - stream.avail_out));
    }
    if (status == Z_STREAM_END)
        parts.maps = file.mid(int(stream.total_in));
    inflateEnd(&stream);
    return parts;
}

// The file as the gzip file routines write it: the content through mode "wb", the maps
// appended through mode "aT".
inline QByteArray joinCampaignFile(const QString &scratchPath, const QByteArray &content,
                                   const QByteArray &maps) {
    QFile::remove(scratchPath);
    gzFile compressed = gzopen(QFile::encodeName(scratchPath).constData(), "wb");
    if (!content.isEmpty())
        gzwrite(compressed, content.constData(), unsigned(content.size()));
    gzFile raw = gzopen(QFile::encodeName(scratchPath).constData(), "aT");
    gzclose(compressed);
    if (!maps.isEmpty())
        gzwrite(raw, maps.constData(), unsigned(maps.size()));
    gzclose(raw);
    return readWholeFile(scratchPath);
}
