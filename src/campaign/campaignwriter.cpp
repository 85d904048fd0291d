#include "campaign/campaignwriter.h"

#include "campaign/campaignformat.h"
#include "campaign/editorvalues.h"
#include "campaign/startoptionrules.h"
#include "gamedata/gamecatalogue.h"

namespace {

// Player slots of a map.

// The receiver of the empty bonus set that stands in for an empty starting-hero list: the first
// player that could be offered a starting hero, 0 when none could.
uint8_t firstPlayerFreeForStartingHero(const CmpScenario &scenario) {
    for (int player = 0; player < MapHeader::playerCount; ++player) {
        if (isPlayerFreeForStartingHero(scenario, player))
            return uint8_t(player);
    }
    return 0;
}

} // namespace

QBitArray chainPrerequisites(const CmpCampaign &campaign, int index, int scenarioCount) {
    QBitArray prerequisites(qMax(0, scenarioCount));
    if (index >= campaign.scenarios.size() || !campaign.scenarios[index].hasMap())
        return prerequisites;
    for (int earlier = index - 1; earlier >= 0; --earlier) {
        if (campaign.scenarios[earlier].hasMap()) {
            if (earlier < prerequisites.size())
                prerequisites.setBit(earlier);
            break;
        }
    }
    return prerequisites;
}

CampaignWriter::CampaignWriter(const GameCatalogue &catalogue) : catalogue(catalogue) {}

QByteArray CampaignWriter::write(const CmpCampaign &campaign) {
    out = ByteSink();
    writeHeader(campaign);
    const int count = campaignScenarioCount(campaign, catalogue);
    for (int i = 0; i < count; ++i)
        writeScenario(campaign, i, count);
    return out.bytes();
}

void CampaignWriter::writeHeader(const CmpCampaign &campaign) {
    out.i32(newestCampaignFormat);
    out.u32(newestCampaignSubversion);
    out.u32(editorVersion.major);
    out.u32(editorVersion.minor);
    out.u32(editorVersion.patch);
    out.flag(campaign.forbidNewerVersions);
    out.flag(campaign.withMap);
    out.i32(campaign.background);
    out.i32(campaign.scenarioCount);
    // The campaign map is stored plus one.
    out.u8(uint8_t(campaign.campaignMap + 1));
    out.text(campaign.name);
    out.text(campaign.description);
    out.flag(campaign.difficultySelectable);
    out.u8(campaign.music);
}

void CampaignWriter::writeScenario(const CmpCampaign &campaign, int index, int scenarioCount) {
    // A campaign's list always holds its scenario count; a missing one is written as new.
    const CmpScenario scenario =
        index < campaign.scenarios.size() ? campaign.scenarios[index] : CmpScenario(catalogue);
    out.text(scenario.mapName);
    out.u32(uint32_t(scenario.mapData.size()));
    out.bits(campaign.withMap ? scenario.prerequisites
                              : chainPrerequisites(campaign, index, scenarioCount),
             scenarioCount);
    out.u8(scenario.regionColor);
    out.u8(scenario.difficulty);
    out.text(scenario.regionText);
    for (const CmpPrologueRef &page : scenario.prologues)
        writePage(page);
    for (const CmpPrologueRef &page : scenario.epilogues)
        writePage(page);
    out.bits(scenario.heroKeeps, HeroKeepCount);
    out.bits(scenario.creaturesKept, creatureBitsInFormat(newestCampaignFormat, catalogue));
    out.bits(scenario.artifactsKept, artifactBitsInFormat(newestCampaignFormat, catalogue));
    writeStartOptions(scenario);
}

void CampaignWriter::writePage(const CmpPrologueRef &page) {
    out.flag(!page.isNull());
    if (page.isNull())
        return;
    out.u8(page->video);
    out.u8(page->music);
    out.text(page->text);
}

void CampaignWriter::writeStartOptions(const CmpScenario &scenario) {
    const CmpStartOptionsRef &options = scenario.startOptions;
    const uint8_t kind = options.isNull() ? uint8_t(NoStartOptions) : options->kind;
    // Counts are one byte: the count modulo 256, then that many entries.
    switch (kind) {
    case BonusChoice: {
        const StartingBonusSet set = options->bonusSet();
        const int count = set.bonuses.size() % 256;
        out.u8(BonusChoice);
        out.u8(set.player);
        out.u8(uint8_t(count));
        for (int i = 0; i < count; ++i)
            writeBonus(set.bonuses[i]);
        break;
    }
    case CrossoverChoice: {
        const HeroCrossoverSet set = options->crossoverSet();
        const int count = set.crossovers.size() % 256;
        out.u8(CrossoverChoice);
        out.u8(uint8_t(count));
        for (int i = 0; i < count; ++i) {
            out.u8(set.crossovers[i].player);
            out.u8(set.crossovers[i].scenario);
        }
        break;
    }
    case StartingHeroChoice: {
        const StartingHeroSet set = options->heroSet();
        if (set.heroes.isEmpty()) {
            // An empty choice of starting heroes is saved as an empty choice of bonuses.
            out.u8(BonusChoice);
            out.u8(firstPlayerFreeForStartingHero(scenario));
            out.u8(0);
            break;
        }
        const int count = set.heroes.size() % 256;
        out.u8(StartingHeroChoice);
        out.u8(uint8_t(count));
        for (int i = 0; i < count; ++i) {
            out.u8(set.heroes[i].player);
            out.u16(set.heroes[i].hero);
        }
        break;
    }
    default:
        out.u8(NoStartOptions);
        break;
    }
}

void CampaignWriter::writeBonus(const CmpBonus &bonus) {
    out.u8(bonus.type);
    switch (bonus.type) {
    case SpellBonus: {
        const auto record = bonus.record<BonusSpell>();
        out.u16(record.hero);
        out.u8(record.spell);
        break;
    }
    case CreatureBonus: {
        const auto record = bonus.record<BonusCreature>();
        out.u16(record.hero);
        out.u16(record.creature);
        out.u16(record.count);
        break;
    }
    case BuildingBonus:
        out.u8(bonus.record<BonusBuilding>().building);
        break;
    case ArtifactBonus: {
        const auto record = bonus.record<BonusArtifact>();
        out.u16(record.hero);
        out.u16(record.artifact);
        break;
    }
    case ScrollBonus: {
        const auto record = bonus.record<BonusScroll>();
        out.u16(record.hero);
        out.u8(record.spell);
        break;
    }
    case PrimarySkillBonus: {
        const auto record = bonus.record<BonusPrimarySkill>();
        out.u16(record.hero);
        out.u8(record.attack);
        out.u8(record.defence);
        out.u8(record.spellPower);
        out.u8(record.knowledge);
        break;
    }
    case SecondarySkillBonus: {
        const auto record = bonus.record<BonusSecondarySkill>();
        out.u16(record.hero);
        out.u8(record.skill);
        out.u8(record.level);
        break;
    }
    case ResourceBonus: {
        const auto record = bonus.record<BonusResource>();
        out.u8(record.resource);
        out.i32(record.amount);
        break;
    }
    default:
        // Unknown types are written back as the type byte alone.
        break;
    }
}
