// The new-campaign dialog: its lists for both campaign types and the choice it gives.
#include "campaigndialogfixture.h"
#include "dialogs/campaign/newcampaign.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

namespace {

QList<int> listIds(const QListWidget *list) {
    QList<int> ids;
    for (int row = 0; row < list->count(); ++row)
        ids.append(list->item(row)->data(Qt::UserRole).toInt());
    return ids;
}

} // namespace

class NewCampaignTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setGameCatalogue(campaignDialogCatalogue()); }

    // Map 24 leads, the others follow in id order; kinds other than 0 and 1 are left out.
    // Switching types refills the list and selects its first entry each time.
    void listsOfBothTypes() {
        NewCampaign dialog;
        auto *list = widget<QListWidget>(dialog, "listWidget");
        auto *label = widget<QLabel>(dialog, "label");
        const QStringList maps{"Tarq Lands", "Long Dead", "Seven Isles", "Five Rivers"};

        QCOMPARE(listTexts(list), maps);
        QCOMPARE(listIds(list), (QList<int>{24, 3, 10, 30}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(label->text(), QStringLiteral("Campaign map"));
        QVERIFY(dialog.isWithMap());
        QCOMPARE(dialog.selectedId(), 24);

        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithoutMapBtn"), Qt::LeftButton);
        QCOMPARE(listTexts(list), (QStringList{"CampBack.pcx", "CampDusk.pcx", "CampSnow.pcx"}));
        QCOMPARE(listIds(list), (QList<int>{0, 1, 2}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(label->text(), QStringLiteral("Campaign background"));
        QVERIFY(!dialog.isWithMap());
        QCOMPARE(dialog.selectedId(), 0);
        list->setCurrentRow(2);
        QCOMPARE(dialog.selectedId(), 2);

        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithMapBtn"), Qt::LeftButton);
        QCOMPARE(listTexts(list), maps);
        QCOMPARE(dialog.selectedId(), 24);
    }

    void emptyCatalogueLeavesNothingChosen() {
        setGameCatalogue(GameCatalogue());
        NewCampaign dialog;
        QCOMPARE(dialog.selectedId(), -1);
        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithoutMapBtn"), Qt::LeftButton);
        QCOMPARE(dialog.selectedId(), -1);
        setGameCatalogue(campaignDialogCatalogue());
    }
};

QTEST_MAIN(NewCampaignTest)
#include "test_newcampaign.moc"
