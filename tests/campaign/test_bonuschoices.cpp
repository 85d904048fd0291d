// The entries the bonus editors offer, on a small catalogue: building orders of the towns with
// moved buildings, also when a building of the rule is missing, and recipients without a map.
#include "campaign/bonuschoices.h"
#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"

#include <QtTest>

using Values = QList<int>;

namespace {

Values valuesOf(const ChoiceList &list) {
    Values values;
    for (const ChoiceEntry &entry : list)
        values.append(entry.value);
    return values;
}

QMap<int, QString> buildings(const Values &numbers) {
    QMap<int, QString> names;
    for (int number : numbers)
        names.insert(number, QStringLiteral("B%1").arg(number));
    return names;
}

} // namespace

class TestBonusChoices : public QObject {
    Q_OBJECT

private slots:
    void buildingOrder_data() {
        QTest::addColumn<int>("townType");
        QTest::addColumn<Values>("inTable");
        QTest::addColumn<Values>("offered");

        QTest::newRow("plain town") << 4 << Values{30, 19, 20, 1} << Values{1, 19, 20, 30};
        QTest::newRow("town 10") << 10 << Values{18, 19, 20, 21, 29} << Values{18, 21, 29, 19, 20};
        QTest::newRow("town 10 without 19") << 10 << Values{18, 20, 21} << Values{18, 21, 20};
        QTest::newRow("town 9") << 9 << Values{19, 20, 21, 29, 30} << Values{19, 21, 29, 20, 30};
        QTest::newRow("town 9 without 29") << 9 << Values{19, 20, 21, 30} << Values{19, 21, 30, 20};
        QTest::newRow("unknown town") << 11 << Values{} << Values{};
    }

    void buildingOrder() {
        QFETCH(int, townType);
        QFETCH(Values, inTable);
        QFETCH(Values, offered);
        GameCatalogue catalogue;
        if (!inTable.isEmpty())
            catalogue.townBuildingNames.insert(townType, buildings(inTable));
        const ChoiceList list = buildingChoices(townType, catalogue);
        QCOMPARE(valuesOf(list), offered);
        for (const ChoiceEntry &entry : list)
            QCOMPARE(entry.text, QStringLiteral("B%1").arg(entry.value));
    }

    void namedLists() {
        GameCatalogue catalogue;
        catalogue.spellNames = {{0, "Slow"}, {1, "Bless"}, {2, "Haste"}, {3, "Bless"}};
        catalogue.artifactNames = {{0, "Book"}, {2, "Ash"}, {3, "Cart"}, {4, "Zeal"}, {9, "Band"}};
        catalogue.resourceNames = {{0, "Wood"}, {6, "Gold"}};
        catalogue.generalTexts = {{27, "Timber and Ore"}, {28, "Rare Goods"}};
        QCOMPARE(valuesOf(spellChoices(catalogue)), (Values{1, 3, 2, 0}));
        QCOMPARE(valuesOf(artifactChoices(catalogue)), (Values{9, 4}));
        const ChoiceList resources = resourceChoices(catalogue);
        QCOMPARE(valuesOf(resources), (Values{0, 6, 253, 254}));
        QCOMPARE(resources[3].text, QString("Rare Goods"));
    }

    void recipientsWithoutMap() {
        GameCatalogue catalogue;
        const CmpScenario scenario(catalogue);
        QCOMPARE(valuesOf(recipientChoices(scenario, 0, catalogue)), Values{MostPowerfulHero});

        CmpScenario mapped(catalogue);
        QSharedPointer<MapHeader> header(new MapHeader);
        header->players[7].generateHeroAtMainTown = true;
        header->players[7].heroes = {MapHero{4, QString()}, MapHero{4, QStringLiteral("Twin")}};
        mapped.mapHeader = header;
        QCOMPARE(valuesOf(recipientChoices(mapped, 7, catalogue)),
                 (Values{MostPowerfulHero, GeneratedHero, 4, 4}));
        QCOMPARE(valuesOf(recipientChoices(mapped, 8, catalogue)), Values{MostPowerfulHero});
    }
};

QTEST_GUILESS_MAIN(TestBonusChoices)
#include "test_bonuschoices.moc"
