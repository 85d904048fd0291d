// The campaign check on the demo game: one fault made in a sample campaign brings exactly its
// findings, and the samples the editor opens have no errors.

#include "campaign/campaigncheck.h"
#include "campaign/heroids.h"
#include "campaignfilefixture.h"

#include <functional>

using Fault = std::function<void(CmpCampaign &)>;
Q_DECLARE_METATYPE(Fault)

namespace {

template <typename Record>
Fault bonus(int scenario, int player, uint8_t type, const Record &record) {
    const CmpBonus given = CmpBonus::make(type, record);
    return [=](CmpCampaign &c) {
        c.scenarios[scenario].startOptions =
            makeStartOptions(StartingBonusSet{uint8_t(player), {given}});
    };
}

template <typename Set> Fault options(int scenario, const Set &set) {
    return [=](CmpCampaign &c) { c.scenarios[scenario].startOptions = makeStartOptions(set); };
}

Fault needs(int scenario, int other) {
    return [=](CmpCampaign &c) { c.scenarios[scenario].prerequisites.setBit(other); };
}

Fault map(int scenario, const QByteArray &bytes) {
    return [=](CmpCampaign &c) {
        c.scenarios[scenario].mapData = bytes;
        c.scenarios[scenario].mapSize = uint32_t(bytes.size());
        c.scenarios[scenario].mapHeader.reset();
    };
}

void keepOneMore(QBitArray &kept) {
    kept.resize(kept.size() + 1);
    kept.setBit(kept.size() - 1);
}

QStringList lines(const QList<CheckFinding> &findings) {
    QStringList result;
    for (const CheckFinding &finding : findings)
        result << QStringLiteral("%1|%2|%3")
                      .arg(QLatin1String(severityName(finding.severity())), finding.id())
                      .arg(finding.scenario);
    return result;
}

} // namespace

class TestCampaignCheck : public QObject, SampleCampaigns {
    Q_OBJECT

    CmpCampaign marches;
    QStringList marchesFindings;

private slots:
    void initTestCase() {
        setUpSamples();
        marches = loaded(QStringLiteral("Marches.y6c"));
        marchesFindings = lines(checkCampaign(marches, catalogue));
        QCOMPARE(marchesFindings, (QStringList{"warning|crossover-source-used-twice|3",
                                               "warning|region-without-map|5"}));
    }

    // Faults made in The Marches (scenarios 0 to 4 with maps, 5 an empty region), each with the
    // findings it adds as "severity|id|scenario".
    void oneFaultItsFindings_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QStringList>("added");
        const auto row = [](const char *name, const Fault &fault, const QStringList &added) {
            QTest::newRow(name) << fault << added;
        };
        const auto most = MostPowerfulHero;
        row("cycle", needs(4, 4), {"error|prerequisite-cycle|4"});
        row("no start", needs(0, 4),
            {"error|no-starting-scenario|-1", "error|prerequisite-cycle|0"});
        row("without map", needs(4, 5), {"error|prerequisite-without-map|4"});
        row("unreachable", needs(3, 5),
            {"error|prerequisite-without-map|3", "error|unreachable-scenario|4"});
        row("empty region", map(4, {}), {"warning|region-without-map|4"});
        row("damaged map", map(0, marches.scenarios[0].mapData.left(300)),
            {"error|map-unreadable|0"});
        row("newer map", map(1, readWholeFile(mapsFolder + QStringLiteral("/FutureFrontier.y6m"))),
            {"error|map-newer-version|1"});
        MapHeader nameless = *marches.scenarios[2].mapHeader;
        nameless.name.clear();
        row("nameless map",
            [=](CmpCampaign &c) {
                c.scenarios[2].mapHeader = MapHeaderRef(new MapHeader(nameless));
            },
            {"warning|empty-scenario-name|2"});
        StartingBonusSet four = marches.scenarios[2].startOptions->bonusSet();
        four.bonuses.append(four.bonuses.last());
        row("four bonuses", options(2, four), {"error|too-many-options|2"});
        row("bonus player", bonus(0, 2, ResourceBonus, BonusResource{6, 5}),
            {"error|bonus-player-not-playable|0"});
        row("bonus hero", bonus(0, 0, SpellBonus, BonusSpell{200, 15}),
            {"error|bonus-hero-not-on-map|0"});
        row("generated hero", bonus(0, 1, SpellBonus, BonusSpell{GeneratedHero, 15}),
            {"error|bonus-generated-hero-missing|0"});
        row("no main town", bonus(3, 4, BuildingBonus, BonusBuilding{7}),
            {"error|bonus-building-without-town|3"});
        row("building", bonus(0, 0, BuildingBonus, BonusBuilding{10}),
            {"error|bonus-building-not-allowed|0"});
        row("bonus type", bonus(0, 0, 9, BonusBuilding{}), {"error|unknown-bonus-type|0"});
        row("spell", bonus(0, 0, ScrollBonus, BonusScroll{most, 250}), {"error|unknown-spell|0"});
        row("creature", bonus(0, 0, CreatureBonus, BonusCreature{most, 999, 1}),
            {"error|unknown-creature|0"});
        row("artifact", bonus(0, 0, ArtifactBonus, BonusArtifact{most, 999}),
            {"error|unknown-artifact|0"});
        row("skill level", bonus(0, 0, SecondarySkillBonus, BonusSecondarySkill{most, 2, 4}),
            {"error|unknown-secondary-skill|0"});
        row("resource", bonus(0, 0, ResourceBonus, BonusResource{100, 5}),
            {"error|unknown-resource|0"});
        row("hero player", options(4, StartingHeroSet{{{4, 70}}}),
            {"error|starting-hero-player-not-playable|4"});
        row("hero unavailable", options(4, StartingHeroSet{{{3, 1}}}),
            {"error|starting-hero-not-available|4"});
        row("crossover player", options(4, HeroCrossoverSet{{{4, 3}}}),
            {"error|crossover-player-not-playable|4"});
        row("crossover source", options(2, HeroCrossoverSet{{{0, 1}}}),
            {"error|crossover-source-not-prerequisite|2"});
        row("crossover twice", options(4, HeroCrossoverSet{{{0, 0}, {1, 0}}}),
            {"warning|crossover-source-used-twice|4"});
        row("region colour", [](CmpCampaign &c) { c.scenarios[1].regionColor = 8; },
            {"error|unknown-region-color|1"});
        row("video", [](CmpCampaign &c) { c.scenarios[1].prologues[2] = makePrologue(200, 0, {}); },
            {"error|unknown-video|1"});
        row("music", [](CmpCampaign &c) { c.music = 250; }, {"error|unknown-music|-1"});
        row("kept creature", [](CmpCampaign &c) { keepOneMore(c.scenarios[1].creaturesKept); },
            {"warning|kept-creature-unknown|1"});
        row("kept artifact", [](CmpCampaign &c) { keepOneMore(c.scenarios[1].artifactsKept); },
            {"warning|kept-artifact-unknown|1"});
        row("campaign name", [](CmpCampaign &c) { c.name = QStringLiteral(" "); },
            {"warning|empty-campaign-name|-1"});
        row("description", [](CmpCampaign &c) { c.description.fill('x', 301); },
            {"warning|text-too-long|-1"});
        row("region text", [](CmpCampaign &c) { c.scenarios[3].regionText.fill('x', 601); },
            {"warning|text-too-long|3"});
    }

    void oneFaultItsFindings() {
        QFETCH(Fault, fault);
        QFETCH(QStringList, added);
        CmpCampaign campaign = marches;
        fault(campaign);
        QStringList found = lines(checkCampaign(campaign, catalogue));
        for (const QString &line : qAsConst(marchesFindings))
            found.removeOne(line);
        QCOMPARE(found, added);
    }

    // The samples the editor opens have no errors (the command line's test reads the broken one).
    void samplesHaveNoErrors() {
        const QStringList files = sampleCampaignFiles(mapsFolder);
        QVERIFY(files.size() >= 8);
        for (const QString &path : files)
            QVERIFY2(errorCount(checkCampaign(loaded(path), catalogue)) == 0, qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(TestCampaignCheck)
#include "test_campaigncheck.moc"
