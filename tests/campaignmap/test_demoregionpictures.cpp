// The region pictures on the demo game's own pictures: every region picture of every campaign map
// can be had in every state and colour.

#include "campaignmap/regionpicture.h"
#include "demogamefixture.h"
#include "gamedata/gamecataloguebuilder.h"
#include "gamedata/gamefolder.h"
#include "gamedata/gamepictures.h"
#include "gamedata/lodarchiveset.h"
#include "gamedata/moddatafile.h"
#include "gamedata/textcodec.h"
#include "gamedata/tstream.h"
#include "messagerecorder.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class TestDemoRegionPictures : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void initTestCase();
    void everyRegionPictureOfTheDemoMaps();
};

void TestDemoRegionPictures::initTestCase() {
    QString error;
    QVERIFY2(makeDemoGame(folder.path(), {}, &error), qPrintable(error));
    setGameFolder(folder.path());
    loadLodArchives();
    auto stream = openFileStream(gamePath(QStringLiteral("tarq.dat")), TFileStream::ReadOnly);
    QVERIFY(stream);
    modRecords() = readModDataFile(*stream);
    QTextCodec *codec = QTextCodec::codecForName("Windows-1252");
    setTextCodec(codec);
    setGameCatalogue(buildGameCatalogue(codec));
    QVERIFY(gameCatalogue().campaignMaps.size() >= 2);
}

// Kind-1 pictures have the size of their fill mask; kind-0 pieces exist for every state and
// colour. A missing or mismatched picture would end the program (here: throw).
void TestDemoRegionPictures::everyRegionPictureOfTheDemoMaps() {
    MessageRecorder recorder;
    bool sawKind0 = false;
    bool sawKind1 = false;
    const auto &maps = gameCatalogue().campaignMaps;
    for (auto map = maps.constBegin(); map != maps.constEnd(); ++map) {
        (map->picturesGiven ? sawKind1 : sawKind0) = true;
        QVERIFY(fetchPictureEntry(map->backgroundPicture).has_value());
        for (int region = 0; region < map->regions.size(); ++region)
            for (int state = 0; state < 3; ++state)
                for (int colour = 0; colour < 8; ++colour) {
                    const QImage picture = regionPicture(map.key(), region, state, colour);
                    QVERIFY(!picture.isNull());
                    QVERIFY(picture.width() <= 456 && picture.height() <= 600);
                }
    }
    QVERIFY(sawKind0 && sawKind1);
    QVERIFY(recorder.messages.isEmpty());
}

QTEST_MAIN(TestDemoRegionPictures)
#include "test_demoregionpictures.moc"
