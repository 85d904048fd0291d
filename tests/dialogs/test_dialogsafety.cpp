// The editing dialogs keep the user's data: what a box shows is what is saved, numbers follow
// their scenarios, and nothing changes that the user did not change.
#include "app/editorresources.h"
#include "dialogs/crossover/crossoverrow.h"
#include "dialogs/crossover/herocrossoverdialog.h"
#include "dialogs/scenario/scenarioinfo.h"
#include "dialogs/startoptions/startingbonus.h"
#include "scenariowindowfixture.h"
#include "widgets/optiontable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>

#include <functional>

using Reproduction = std::function<QString()>;
Q_DECLARE_METATYPE(Reproduction)

namespace {

// Players `human` may be played by a human.
void giveHumanPlayers(CmpScenario &scenario, const QList<int> &human) {
    auto header = QSharedPointer<MapHeader>::create(*scenario.mapHeader);
    for (int player : human)
        header->players[size_t(player)].canHumanPlay = true;
    scenario.mapHeader = header;
}

// Campaign map 24 where scenario 2 requires 0 and 1 and takes heroes from them, player 0 human.
CmpCampaign crossoverCampaign(const HeroCrossoverSet &set) {
    CmpCampaign campaign = campaignWithMap();
    giveHumanPlayers(campaign.scenarios[2], {0});
    setPrerequisiteEdges(campaign, QStringLiteral("2>0 2>1"));
    campaign.scenarios[2].startOptions = makeStartOptions(set);
    return campaign;
}

QString crossoverText(const CmpScenario &scenario) {
    QStringList rows;
    for (const CmpHeroCrossover &c : scenario.startOptions->crossoverSet().crossovers)
        rows.append(QStringLiteral("%1:%2").arg(c.player).arg(c.scenario));
    return rows.join(' ');
}

// The chosen source of a crossover dialog on the table of `campaign`'s scenario 2 and whether
// its OK can be pressed.
QString crossoverDialogShows(const CmpCampaign &campaign, int editedRow) {
    QTableWidget table(0, 2);
    for (const CmpHeroCrossover &c : campaign.scenarios[2].startOptions->crossoverSet().crossovers)
        fillCrossoverRow(&table, OptionTable::appendRow(&table, 2), c, campaign, testCampaignMap);
    HeroCrossoverDialog dialog(nullptr, campaign, campaign.scenarios[2], testCampaignMap, &table,
                               table.item(editedRow, 0));
    return widget<QComboBox>(dialog, "scenarioCombobox")->currentData().toString() +
           (widget<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->isEnabled()
                ? " OK"
                : " no OK");
}

} // namespace

class TestDialogSafety : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        registerEditorResources();
        setGameCatalogue(scenarioWindowCatalogue());
    }

    void whatIsShownIsSaved_data() {
        QTest::addColumn<Reproduction>("reproduce");
        QTest::addColumn<QString>("result");
        QTest::newRow("crossover row whose source another row has") << Reproduction([] {
            return crossoverDialogShows(crossoverCampaign({{{0, 1}, {0, 0}, {0, 1}}}), 2);
        }) << "1 OK";
        QTest::newRow("new crossover without a free source") << Reproduction([] {
            return crossoverDialogShows(crossoverCampaign({{{0, 1}, {0, 0}}}), -1);
        }) << " no OK";
        QTest::newRow("prerequisite unticked on the General page") << Reproduction([] {
            ScenarioInfo window(nullptr, crossoverCampaign({{{0, 0}, {0, 1}}}), testCampaignMap, 2);
            QListWidget *list = widget<QListWidget>(window, "prereqListWidget");
            list->item(1)->setCheckState(Qt::Unchecked);
            window.commitAll();
            return crossoverText(window.campaign().scenarios[2]);
        }) << "0:0";
        QTest::newRow("Down in the scenario list") << Reproduction([] {
            ScenarioInfo window(nullptr, crossoverCampaign({{{0, 0}, {0, 1}}}), testCampaignMap, 0);
            QTest::mouseClick(widget<QPushButton>(window, "downBtn"), Qt::LeftButton);
            return crossoverText(window.campaign().scenarios[2]);
        }) << "0:1 0:0";
        QTest::newRow("bonus player no longer human-playable") << Reproduction([] {
            CmpScenario scenario = campaignWithMap().scenarios[0];
            giveHumanPlayers(scenario, {1, 2});
            scenario.startOptions = makeStartOptions(
                StartingBonusSet{3,
                                 {CmpBonus::make(SpellBonus, BonusSpell{13, 1}),
                                  CmpBonus::make(ResourceBonus, BonusResource{6, 5})}});
            StartingBonus page;
            page.load(&scenario, testCampaignMap);
            const StartingBonusSet saved = page.collect();
            return page.playerBox()->currentText() +
                   QStringLiteral(" %1 %2").arg(saved.player).arg(saved.bonuses.size());
        }) << "Blue 1 1";
    }

    void whatIsShownIsSaved() {
        QFETCH(Reproduction, reproduce);
        QTEST(reproduce(), "result");
    }
};

QTEST_MAIN(TestDialogSafety)
#include "test_dialogsafety.moc"
