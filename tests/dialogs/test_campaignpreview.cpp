// The previews of the campaign dialogs: the chosen background, with the regions drawn over it for
// a campaign with map, following the choice; a missing picture leaves the preview empty.
#include "../campaignmap/regionpicturefixture.h"
#include "campaign/cmpcampaign.h"
#include "dialogs/campaign/editcampaign.h"
#include "dialogs/campaign/newcampaign.h"
#include "messagerecorder.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

namespace {

const QRgb red = qRgb(200, 0, 0);
const QRgb blue = qRgb(0, 0, 200);

QImage preview(QWidget &dialog) {
    return dialog.findChild<QLabel *>(QStringLiteral("bgPixmapHolder"))
        ->pixmap(Qt::ReturnByValue)
        .toImage();
}

QRgb centre(const QImage &image) {
    return image.pixel(image.width() / 2, image.height() / 2);
}

} // namespace

class CampaignPreviewTest : public QObject {
    Q_OBJECT

private:
    PictureEntries pictures;
    MessageRecorder recorder;

private slots:
    void initTestCase() {
        GameCatalogue catalogue;
        catalogue.campaignMaps[24] =
            campaignMapOf({pieceRegion(QStringLiteral("P"), 0, 0)}, false, "Lands.pcx");
        catalogue.campaignMaps[24].displayName = QStringLiteral("Lands");
        catalogue.campaignBackgrounds = {{0, QStringLiteral("Blue.pcx")},
                                         {1, QStringLiteral("Missing.pcx")}};
        setGameCatalogue(catalogue);
        pictures.entries[QStringLiteral("Lands.pcx")] = trueColorPicture(460, 610, red);
        pictures.entries[QStringLiteral("Blue.pcx")] = trueColorPicture(456, 600, blue);
        // The region drawn selected in colour 2: a green square in the top left corner.
        pictures.entries[QStringLiteral("PS1C2.pcx")] = plainPicture(60, 60, qRgb(0, 220, 0));
        pictures.install();
    }

    void newCampaignFollowsTheList() {
        NewCampaign dialog;
        QImage shown = preview(dialog);
        QCOMPARE(shown.size(), QSize(230, 303));
        QCOMPARE(centre(shown), red);
        const QRgb region = shown.pixel(15, 15);
        QVERIFY(qGreen(region) > 150 && qRed(region) < 50);

        dialog.findChild<QRadioButton *>(QStringLiteral("campaignWithoutMapBtn"))->click();
        shown = preview(dialog);
        QCOMPARE(centre(shown), blue);
        QCOMPARE(shown.pixel(15, 15), blue); // no regions without map

        dialog.findChild<QListWidget *>(QStringLiteral("listWidget"))->setCurrentRow(1);
        QVERIFY(preview(dialog).isNull());
        QCOMPARE(recorder.lines(), QStringList());
    }

    void campaignPropertiesFollowTheChoice() {
        CmpCampaign withMap;
        resetCampaign(withMap, 24, true, 0, 0);
        {
            EditCampaign dialog(nullptr, &withMap);
            QCOMPARE(centre(preview(dialog)), red);
            QVERIFY(qGreen(preview(dialog).pixel(15, 15)) > 150);
        }

        CmpCampaign withoutMap;
        resetCampaign(withoutMap, 24, false, 0, 1);
        EditCampaign dialog(nullptr, &withoutMap);
        QCOMPARE(centre(preview(dialog)), blue);
        auto *backgrounds = dialog.findChild<QComboBox *>(QStringLiteral("bgCombobox"));
        backgrounds->setCurrentIndex(1);
        QVERIFY(preview(dialog).isNull());
        backgrounds->setCurrentIndex(0);
        QCOMPARE(centre(preview(dialog)), blue);
        QCOMPARE(recorder.lines(), QStringList());
    }
};

QTEST_MAIN(CampaignPreviewTest)
#include "test_campaignpreview.moc"
