// The start-option checks on the tables of the pages: which rows go, and what the kept rows
// show afterwards.
#include "campaign/cmpscenario.h"
#include "campaign/heroids.h"
#include "campaign/optiontexts.h"
#include "dialogs/bonus/bonusitem.h"
#include "dialogs/startoptions/startoptiontablechecks.h"
#include "gamedata/gamecatalogue.h"

#include <QTableWidget>
#include <QtTest>

namespace {

// Player 0: human, main town of type 5 generating a hero, owns hero 1.
// Player 1: human, main town of type 3, owns hero 2.
// Player 2: computer, main town of type 2.
CmpScenario scenario() {
    QSharedPointer<MapHeader> header(new MapHeader);
    auto &p = header->players;
    p[0].canHumanPlay = true;
    p[0].hasMainTown = 1;
    p[0].mainTownType = 5;
    p[0].generateHeroAtMainTown = true;
    p[0].heroes = {MapHero{1, QString()}};
    p[1].canHumanPlay = true;
    p[1].hasMainTown = 1;
    p[1].mainTownType = 3;
    p[1].heroes = {MapHero{2, QString()}};
    p[2].canComputerPlay = true;
    p[2].hasMainTown = 1;
    p[2].mainTownType = 2;
    header->allowedHeroes = QBitArray(4, true);
    CmpScenario result;
    result.mapHeader = header;
    return result;
}

void appendBonus(QTableWidget &table, const CmpScenario &scenario, int player,
                 const CmpBonus &bonus) {
    const int row = table.rowCount();
    table.insertRow(row);
    auto *item = new QTableWidgetItem;
    storeBonusInItem(item, bonus, bonusText(scenario, player, bonus));
    table.setItem(row, 0, item);
}

template <typename Entry> void appendEntry(QTableWidget &table, const Entry &entry) {
    const int row = table.rowCount();
    table.insertRow(row);
    for (int column = 0; column < table.columnCount(); ++column) {
        auto *item = new QTableWidgetItem(QString::number(row));
        item->setData(Qt::UserRole, QVariant::fromValue(entry));
        table.setItem(row, column, item);
    }
}

QStringList columnTexts(const QTableWidget &table) {
    QStringList list;
    for (int row = 0; row < table.rowCount(); ++row)
        list.append(table.item(row, 0)->text());
    return list;
}

} // namespace

class TestStartOptionTableChecks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        GameCatalogue catalogue;
        for (int hero = 0; hero < 4; ++hero)
            catalogue.heroNames.insert(hero, QStringLiteral("Hero %1").arg(hero));
        for (int town : {3, 5})
            for (int building : {1, 10})
                catalogue.townBuildingNames[town][building] =
                    QStringLiteral("B%1 of town %2").arg(building).arg(town);
        catalogue.resourceNames.insert(6, QStringLiteral("Gold"));
        setGameCatalogue(catalogue);
    }

    // The receiving player changes from player 0 (town 5) to player 1 (town 3).
    void bonusesForANewPlayer() {
        const CmpScenario map = scenario();
        QTableWidget table(0, 1);
        appendBonus(table, map, 0, CmpBonus::make(BuildingBonus, BonusBuilding{10}));
        appendBonus(table, map, 0, CmpBonus::make(SpellBonus, BonusSpell{GeneratedHero, 0}));
        appendBonus(table, map, 0, CmpBonus::make(BuildingBonus, BonusBuilding{1}));
        appendBonus(table, map, 0, CmpBonus::make(ResourceBonus, BonusResource{6, 10}));
        checkBonuses(&table, map, 0);
        QCOMPARE(table.rowCount(), 4);

        checkBonuses(&table, map, 1);
        QCOMPARE(columnTexts(table),
                 (QStringList{"Build B1 of town 3 at Main Town", "Receive 10 Gold"}));
        QCOMPARE(bonusOfItem(table.item(0, 0)), CmpBonus::make(BuildingBonus, BonusBuilding{1}));

        // A hero bonus follows the name the map now gives the hero.
        auto header = QSharedPointer<MapHeader>::create(*map.mapHeader);
        header->players[0].heroes = {MapHero{1, QStringLiteral("Lady Wren")}};
        CmpScenario renamed = map;
        renamed.mapHeader = header;
        QTableWidget heroBonus(0, 1);
        appendBonus(heroBonus, map, 0, CmpBonus::make(SpellBonus, BonusSpell{1, 0}));
        checkBonuses(&heroBonus, renamed, 0);
        QVERIFY2(heroBonus.item(0, 0)->text().contains("Lady Wren"),
                 qPrintable(heroBonus.item(0, 0)->text()));
    }

    void startingHeroesAndCrossovers() {
        const CmpScenario map = scenario();
        QTableWidget heroes(0, 2);
        appendEntry(heroes, StartingHero{2, 0});
        appendEntry(heroes, StartingHero{2, RandomHero});
        appendEntry(heroes, StartingHero{0, 3});
        appendEntry(heroes, StartingHero{1, RandomHero});
        appendEntry(heroes, StartingHero{1, 2});
        checkStartingHeroes(&heroes, map);
        QCOMPARE(columnTexts(heroes), (QStringList{"Hero 3 (in town)", "Hero 2 (on map)"}));
        QCOMPARE(heroes.item(1, 1)->text(), playerText(1));
        // The rows that stay follow the names the map now gives their heroes.
        auto header = QSharedPointer<MapHeader>::create(*map.mapHeader);
        header->players[1].heroes = {MapHero{2, QStringLiteral("Lady Wren")}};
        CmpScenario renamed = map;
        renamed.mapHeader = header;
        checkStartingHeroes(&heroes, renamed);
        QCOMPARE(columnTexts(heroes).last(), QString("Lady Wren (on map)"));

        QTableWidget crossovers(0, 2);
        appendEntry(crossovers, CmpHeroCrossover{2, 0});
        appendEntry(crossovers, CmpHeroCrossover{0, 1});
        appendEntry(crossovers, CmpHeroCrossover{2, 2});
        appendEntry(crossovers, CmpHeroCrossover{2, 3});
        checkCrossovers(&crossovers, map, {0, 1, 2, 3});
        QCOMPARE(columnTexts(crossovers), QStringList{"1"});
    }
};

QTEST_MAIN(TestStartOptionTableChecks)
#include "test_startoptiontablechecks.moc"
