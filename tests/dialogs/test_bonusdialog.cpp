// The bonus editor on the demo game's maps: the lists each page offers per player, when OK may
// be pressed, and every bonus type through the dialog and back.
#include "campaign/bonuschoices.h"
#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/mapheaderreader.h"
#include "campaign/mapinflation.h"
#include "campaign/optiontexts.h"
#include "campaignfilefixture.h"
#include "dialogs/bonus/bonusdialog.h"
#include "dialogs/bonus/bonusitem.h"
#include "widgetlookup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidgetItem>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using Values = QList<int>;

namespace {

// The pages follow the two empty pages of the form, in type order.
constexpr int firstPage = 2;

const char *const typeButtons[] = {"spellBtn",  "creatureBtn",  "buildingBtn", "artifactBtn",
                                   "scrollBtn", "primSkillBtn", "secSkillBtn", "resourceBtn"};

QWidget *page(const BonusDialog &dialog, int type) {
    return dialog.findChild<QStackedWidget *>("stackedWidget")->widget(firstPage + type);
}

QComboBox *box(const BonusDialog &dialog, int type, const char *name) {
    return page(dialog, type)->findChild<QComboBox *>(name);
}

QRadioButton *typeButton(const BonusDialog &dialog, int type) {
    return dialog.findChild<QRadioButton *>(typeButtons[type]);
}

// Clicks a type button on its label, where a radio button takes clicks.
void clickType(const BonusDialog &dialog, int type) {
    QRadioButton *button = typeButton(dialog, type);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QPushButton *okButton(const BonusDialog &dialog) {
    return dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok);
}

Values valuesOf(const ChoiceList &choices) {
    Values values;
    for (const ChoiceEntry &entry : choices)
        values.append(entry.value);
    return values;
}

QStringList textsOf(const ChoiceList &choices) {
    QStringList texts;
    for (const ChoiceEntry &entry : choices)
        texts.append(entry.text);
    return texts;
}

QTableWidgetItem *itemOf(const CmpScenario &scenario, int player, const CmpBonus &bonus) {
    auto *item = new QTableWidgetItem;
    storeBonusInItem(item, bonus, bonusText(scenario, player, bonus));
    return item;
}

} // namespace

class TestBonusDialog : public QObject {
    Q_OBJECT

private:
    QTemporaryDir game;
    QMap<QString, CmpScenario> scenarios;

    const CmpScenario &scenario(const QString &mapFile) { return scenarios[mapFile]; }

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(makeDemoGame(game.path(), {}, &error), qPrintable(error));
        setGameCatalogue(demoGameCatalogue(game.path()));
        for (const char *name : {"GreywaterFens", "TarqCrossing", "KestrelCoast", "AshenReach"}) {
            const QString file = QString::fromLatin1(name) + ".y6m";
            QByteArray bytes;
            QVERIFY(inflateEmbeddedMap(readWholeFile(game.filePath("Maps/" + file)), &bytes));
            CmpScenario loaded;
            QVERIFY(readMapHeader(loaded, bytes, false) > 0);
            scenarios.insert(file, loaded);
        }
    }

    void offeredLists_data() {
        QTest::addColumn<QString>("map");
        QTest::addColumn<int>("player");
        QTest::addColumn<Values>("recipients");
        QTest::addColumn<int>("townType"); // -1: no building can be given

        QTest::newRow("town 0, generating, named hero")
            << "GreywaterFens.y6m" << 0 << Values{MostPowerfulHero, GeneratedHero, 0, 5} << 0;
        QTest::newRow("computer without a town")
            << "GreywaterFens.y6m" << 3 << Values{MostPowerfulHero, 50} << -1;
        QTest::newRow("random town")
            << "KestrelCoast.y6m" << 3 << Values{MostPowerfulHero, 3} << -1;
        QTest::newRow("town 9, three heroes")
            << "AshenReach.y6m" << 0 << Values{MostPowerfulHero, GeneratedHero, 140, 141, 142} << 9;
        QTest::newRow("town 10") << "AshenReach.y6m" << 1
                                 << Values{MostPowerfulHero, GeneratedHero, 150} << 10;
    }

    // Every page offers the library's lists; the hero pages the recipients of the player.
    void offeredLists() {
        QFETCH(QString, map);
        QFETCH(int, player);
        QFETCH(Values, recipients);
        QFETCH(int, townType);
        BonusDialog dialog(nullptr, scenario(map), 24, player, nullptr);

        const ChoiceList heroes = recipientChoices(scenario(map), player);
        QCOMPARE(valuesOf(heroes), recipients);
        const QList<std::tuple<int, const char *, ChoiceList>> lists = {
            {SpellBonus, "recipientCombobox", heroes},
            {CreatureBonus, "recipientCombobox", heroes},
            {ArtifactBonus, "recipientCombobox", heroes},
            {ScrollBonus, "recipientCombobox", heroes},
            {PrimarySkillBonus, "datatypeBox", heroes},
            {SecondarySkillBonus, "recipientCombobox", heroes},
            {SpellBonus, "item1combobox", spellChoices()},
            {ScrollBonus, "item1combobox", spellChoices()},
            {ArtifactBonus, "item1combobox", artifactChoices()},
            {CreatureBonus, "creatureCombobox", creatureChoices()},
            {SecondarySkillBonus, "item1combobox", secondarySkillChoices()},
            {SecondarySkillBonus, "item2combobox", skillLevelChoices()},
            {ResourceBonus, "datatypeBox", resourceChoices()},
            {BuildingBonus, "recipientCombobox", buildingChoices(townType)}};
        for (const auto &[type, name, choices] : lists) {
            if (type == BuildingBonus && townType < 0)
                continue;
            QCOMPARE(comboData(box(dialog, type, name)), valuesOf(choices));
            QCOMPARE(comboTexts(box(dialog, type, name)), textsOf(choices));
        }
        for (int type = 0; type < BonusTypeCount; ++type)
            QCOMPARE(typeButton(dialog, type)->isEnabled(), type != BuildingBonus || townType >= 0);
    }

    // A new bonus is the first spell for the most powerful hero, and OK may be pressed.
    void newBonus() {
        BonusDialog dialog(nullptr, scenario("GreywaterFens.y6m"), 24, 0, nullptr);
        QVERIFY(okButton(dialog)->isEnabled());
        QCOMPARE(dialog.bonus(),
                 CmpBonus::make(SpellBonus, BonusSpell{MostPowerfulHero,
                                                       uint8_t(spellChoices().first().value)}));
    }

    void okNeedsARaisedPrimarySkill() {
        BonusDialog dialog(nullptr, scenario("GreywaterFens.y6m"), 24, 0, nullptr);
        dialog.show();
        clickType(dialog, PrimarySkillBonus);
        QVERIFY(!okButton(dialog)->isEnabled());
        QSpinBox *spellPower = page(dialog, PrimarySkillBonus)->findChild<QSpinBox *>("spinBox_3");
        spellPower->setValue(1);
        QVERIFY(okButton(dialog)->isEnabled());
        spellPower->setValue(0);
        QVERIFY(!okButton(dialog)->isEnabled());
        clickType(dialog, ResourceBonus);
        QVERIFY(okButton(dialog)->isEnabled());
        clickType(dialog, PrimarySkillBonus);
        QVERIFY(!okButton(dialog)->isEnabled());

        // A stored primary-skill bonus of four zeros opens with OK disabled.
        const CmpScenario &fens = scenario("GreywaterFens.y6m");
        std::unique_ptr<QTableWidgetItem> zeros(
            itemOf(fens, 0, CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{5, 0, 0, 0, 0})));
        BonusDialog opened(nullptr, fens, 24, 0, zeros.get());
        QVERIFY(!okButton(opened)->isEnabled());
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("map");
        QTest::addColumn<int>("player");
        QTest::addColumn<CmpBonus>("bonus");

        QTest::newRow("spell") << "GreywaterFens.y6m" << 0
                               << CmpBonus::make(SpellBonus, BonusSpell{5, 10});
        QTest::newRow("creature") << "GreywaterFens.y6m" << 0
                                  << CmpBonus::make(CreatureBonus, BonusCreature{0, 151, 9999});
        QTest::newRow("building of town 0")
            << "GreywaterFens.y6m" << 0 << CmpBonus::make(BuildingBonus, BonusBuilding{22});
        QTest::newRow("building 20 of town 9")
            << "AshenReach.y6m" << 0 << CmpBonus::make(BuildingBonus, BonusBuilding{20});
        QTest::newRow("artifact") << "AshenReach.y6m" << 1
                                  << CmpBonus::make(ArtifactBonus, BonusArtifact{GeneratedHero, 4});
        QTest::newRow("scroll") << "TarqCrossing.y6m" << 1
                                << CmpBonus::make(ScrollBonus, BonusScroll{18, 0});
        QTest::newRow("primary skill")
            << "AshenReach.y6m" << 0
            << CmpBonus::make(PrimarySkillBonus, BonusPrimarySkill{141, 2, 0, 99, 1});
        QTest::newRow("secondary skill")
            << "GreywaterFens.y6m" << 1
            << CmpBonus::make(SecondarySkillBonus, BonusSecondarySkill{17, 28, 3});
        QTest::newRow("resource") << "GreywaterFens.y6m" << 3
                                  << CmpBonus::make(ResourceBonus, BonusResource{6, 99999});
        QTest::newRow("negative amount")
            << "GreywaterFens.y6m" << 0 << CmpBonus::make(ResourceBonus, BonusResource{6, -500});
        QTest::newRow("special resource 254")
            << "KestrelCoast.y6m" << 1 << CmpBonus::make(ResourceBonus, BonusResource{254, 1});
    }

    // Open on an existing bonus, press OK without changing anything: the same record.
    void roundTrip() {
        QFETCH(QString, map);
        QFETCH(int, player);
        QFETCH(CmpBonus, bonus);
        const CmpScenario &edited = scenario(map);
        std::unique_ptr<QTableWidgetItem> item(itemOf(edited, player, bonus));
        const QString text = item->text();
        BonusDialog dialog(nullptr, edited, 24, player, item.get());
        QVERIFY(typeButton(dialog, bonus.type)->isChecked());
        QCOMPARE(dialog.findChild<QStackedWidget *>("stackedWidget")->currentWidget(),
                 page(dialog, bonus.type));
        QPushButton *ok = okButton(dialog);
        QVERIFY(ok->isEnabled());
        QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));

        QTableWidgetItem written;
        dialog.writeItem(&written);
        QCOMPARE(bonusOfItem(&written), bonus);
        QCOMPARE(written.data(BonusRecordRole).userType(), bonus.value.userType());
        QCOMPARE(written.text(), text);
    }

    void typeSwitchKeepsPreselection() {
        const CmpScenario &ashen = scenario("AshenReach.y6m");
        std::unique_ptr<QTableWidgetItem> item(
            itemOf(ashen, 0, CmpBonus::make(ScrollBonus, BonusScroll{142, 10})));
        BonusDialog dialog(nullptr, ashen, 24, 0, item.get());
        dialog.show();
        QVERIFY(typeButton(dialog, ScrollBonus)->isChecked());
        clickType(dialog, SpellBonus);
        QVERIFY(typeButton(dialog, SpellBonus)->isChecked());
        QCOMPARE(dialog.bonus(), CmpBonus::make(SpellBonus, BonusSpell{142, 10}));
        // Pages of other types keep their defaults.
        clickType(dialog, ArtifactBonus);
        QCOMPARE(dialog.bonus().record<BonusArtifact>().hero, MostPowerfulHero);
        clickType(dialog, ScrollBonus);
        QCOMPARE(dialog.bonus(), CmpBonus::make(ScrollBonus, BonusScroll{142, 10}));
    }

    // A hero the player no longer owns is not offered; the box stays empty and gives 0.
    void valueNotOffered() {
        const CmpScenario &fens = scenario("GreywaterFens.y6m");
        std::unique_ptr<QTableWidgetItem> item(
            itemOf(fens, 1, CmpBonus::make(ArtifactBonus, BonusArtifact{5, 2})));
        BonusDialog dialog(nullptr, fens, 24, 1, item.get());
        QCOMPARE(box(dialog, ArtifactBonus, "recipientCombobox")->currentIndex(), -1);
        QCOMPARE(box(dialog, ArtifactBonus, "item1combobox")->currentIndex(), -1);
        QCOMPARE(dialog.bonus(), CmpBonus::make(ArtifactBonus, BonusArtifact{0, 0}));
    }
};

QTEST_MAIN(TestBonusDialog)
#include "test_bonusdialog.moc"
