// The campaign check of the numbers that index the game's tables outside the starting bonuses:
// region colours, the videos and music of the prologue and epilogue pages and of the campaign,
// and the creatures and artifacts that crossover heroes keep.

#include "campaign/campaigncheckrun.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignCheck)
};

void checkPages(CampaignCheckRun &run, int index, bool prologue) {
    const CmpScenario &scenario = run.scenario(index);
    const auto &pages = prologue ? scenario.prologues : scenario.epilogues;
    const CheckPage tab = prologue ? CheckPage::Prologue : CheckPage::Epilogue;
    for (int slot = 0; slot < pageSlotCount; ++slot) {
        const CmpPrologueRef &page = pages[size_t(slot)];
        if (!page)
            continue;
        if (!run.catalogue.videoNames.contains(page->video))
            run.add(CheckId::UnknownVideo, index, tab,
                    (prologue ? Texts::tr("Prologue page %1 shows video %2, which the game does "
                                          "not have.")
                              : Texts::tr("Epilogue page %1 shows video %2, which the game does "
                                          "not have."))
                        .arg(slot + 1)
                        .arg(page->video));
        if (!run.catalogue.musicNames.contains(page->music))
            run.add(CheckId::UnknownMusic, index, tab,
                    (prologue ? Texts::tr("Prologue page %1 plays music %2, which the game does "
                                          "not have.")
                              : Texts::tr("Epilogue page %1 plays music %2, which the game does "
                                          "not have."))
                        .arg(slot + 1)
                        .arg(page->music));
    }
}

// The set bits of `kept` at or beyond `count`, the catalogue's number of creatures or artifacts:
// they name nothing the game has, and saving drops them. Bits below the count that the tables
// leave unnamed (slots the game does not use) are harmless and left alone.
QStringList bitsBeyond(const QBitArray &kept, int count) {
    QStringList beyond;
    for (int bit = qMax(0, count); bit < kept.size(); ++bit)
        if (kept.testBit(bit))
            beyond.append(QString::number(bit));
    return beyond;
}

void checkKept(CampaignCheckRun &run, int index) {
    const CmpScenario &scenario = run.scenario(index);
    const GameCatalogue &catalogue = run.catalogue;
    const QStringList creatures = bitsBeyond(scenario.creaturesKept, catalogue.creatureCount);
    if (!creatures.isEmpty())
        run.add(CheckId::KeptCreatureUnknown, index, CheckPage::Crossover,
                Texts::tr("Crossover heroes keep creatures the game does not have: %1.")
                    .arg(creatures.join(QStringLiteral(", "))));
    const QStringList artifacts = bitsBeyond(scenario.artifactsKept, catalogue.artifactCount);
    if (!artifacts.isEmpty())
        run.add(CheckId::KeptArtifactUnknown, index, CheckPage::Crossover,
                Texts::tr("Crossover heroes keep artifacts the game does not have: %1.")
                    .arg(artifacts.join(QStringLiteral(", "))));
}

} // namespace

void checkCatalogueRanges(CampaignCheckRun &run) {
    if (!run.catalogue.musicNames.contains(run.campaign.music))
        run.add(CheckId::UnknownMusic, -1, CheckPage::Campaign,
                Texts::tr("The campaign plays music %1, which the game does not have.")
                    .arg(run.campaign.music));
    for (int index = 0; index < run.scenarioCount(); ++index) {
        if (!run.isPlayed(index))
            continue;
        const CmpScenario &scenario = run.scenario(index);
        // A region is drawn in one of the players' colours.
        if (run.campaign.withMap && scenario.regionColor >= MapHeader::playerCount)
            run.add(CheckId::UnknownRegionColor, index, CheckPage::General,
                    Texts::tr("The region colour %1 is not one of the eight player colours.")
                        .arg(scenario.regionColor));
        checkPages(run, index, true);
        checkPages(run, index, false);
        checkKept(run, index);
    }
}
