// The new-campaign dialog: its lists for both campaign types and what it answers.
#include "campaigndialogfixture.h"
#include "dialogs/campaign/newcampaign.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

struct ListEntry {
    QString text;
    int id;
};

QList<ListEntry> listEntries(const QListWidget *list) {
    QList<ListEntry> entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append({list->item(row)->text(), list->item(row)->data(256).toInt()});
    return entries;
}

bool operator==(const ListEntry &a, const ListEntry &b) {
    return a.text == b.text && a.id == b.id;
}

} // namespace

namespace QTest {
template <> char *toString(const ListEntry &entry) {
    return qstrdup(qPrintable(QStringLiteral("%1=%2").arg(entry.text).arg(entry.id)));
}
} // namespace QTest

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
        const QList<ListEntry> maps{
            {"Tarq Lands", 24}, {"Long Dead", 3}, {"Seven Isles", 10}, {"Five Rivers", 30}};
        const QList<ListEntry> backgrounds{
            {"CampBack.pcx", 0}, {"CampDusk.pcx", 1}, {"CampSnow.pcx", 2}};

        QCOMPARE(listEntries(list), maps);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(label->text(), QStringLiteral("Campaign map"));
        QVERIFY(dialog.isWithMap());
        QCOMPARE(dialog.selectedId(), 24);

        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithoutMapBtn"), Qt::LeftButton);
        QCOMPARE(listEntries(list), backgrounds);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(label->text(), QStringLiteral("Campaign background"));
        QVERIFY(!dialog.isWithMap());
        QCOMPARE(dialog.selectedId(), 0);

        list->setCurrentRow(2);
        QCOMPARE(dialog.selectedId(), 2);

        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithMapBtn"), Qt::LeftButton);
        QCOMPARE(listEntries(list), maps);
        QCOMPARE(dialog.selectedId(), 24);
        list->setCurrentRow(3);
        QCOMPARE(dialog.selectedId(), 30);
    }

    void emptyCatalogueLeavesNothingChosen() {
        setGameCatalogue(GameCatalogue());
        NewCampaign dialog;
        QCOMPARE(dialog.selectedId(), -1);
        QTest::mouseClick(widget<QRadioButton>(dialog, "campaignWithoutMapBtn"), Qt::LeftButton);
        QCOMPARE(dialog.selectedId(), -1);
        setGameCatalogue(campaignDialogCatalogue());
    }

    void okAndCancel() {
        NewCampaign dialog;
        whenShown<QWidget>("newcampaign", [](QWidget *shown) {
            widget<QListWidget>(*shown, "listWidget")->setCurrentRow(2);
            QTest::mouseClick(
                widget<QDialogButtonBox>(*shown, "buttonBox")->button(QDialogButtonBox::Ok),
                Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedId(), 10);

        NewCampaign cancelled;
        whenShown<QWidget>("newcampaign", [](QWidget *shown) {
            QTest::mouseClick(
                widget<QDialogButtonBox>(*shown, "buttonBox")->button(QDialogButtonBox::Cancel),
                Qt::LeftButton);
        });
        QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(NewCampaignTest)
#include "test_newcampaign.moc"
