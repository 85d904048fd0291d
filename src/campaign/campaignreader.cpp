#include "campaign/campaignreader.h"

#include "campaign/campaignformat.h"
#include "campaign/editorvalues.h"
#include "gamedata/gamecatalogue.h"
#include "gamedata/messages.h"

#include <QCoreApplication>

namespace {

// Texts shown by this file, in the CampaignFile translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignFile)
};

QString versionText(const char *text, const CmpVersion &version) {
    return Texts::tr(text).arg(version.major).arg(version.minor).arg(version.patch);
}

} // namespace

CampaignReader::CampaignReader(const QByteArray &content, const GameCatalogue &catalogue)
    : cursor(content), catalogue(catalogue) {}

bool CampaignReader::read(CmpCampaign &campaign) {
    if (!readHeader(campaign))
        return false;
    const int count = campaign.withMap ? campaignMapRegionCount(campaign.campaignMap, catalogue)
                                       : qMax(0, campaign.scenarioCount);
    // Every record takes more than one byte: a count beyond the bytes left is a short read,
    // found before anything is allocated for it.
    if (uint32_t(count) > cursor.bytesLeft())
        return false;
    for (int i = 0; i < count; ++i) {
        CmpScenario scenario(catalogue);
        readScenario(scenario, campaign.version, count);
        if (cursor.exhausted())
            return false;
        campaign.scenarios.append(scenario);
    }
    return true;
}

bool CampaignReader::readHeader(CmpCampaign &campaign) {
    const int32_t version = cursor.i32();
    if (cursor.exhausted())
        return false;
    if (!isReadableCampaignFormat(version)) {
        Messages::critical(Texts::tr("Error"),
                           Texts::tr("Invalid campaign file version!\n\nFile version = %1\nCurrent "
                                     "version = %2")
                               .arg(version)
                               .arg(newestCampaignFormat));
        return false;
    }
    campaign.version = version;
    campaign.withMap = true;
    if (version == newestCampaignFormat) {
        const uint32_t subversion = cursor.u32();
        if (cursor.exhausted())
            return false;
        if (subversion > newestCampaignSubversion) {
            Messages::critical(Texts::tr("Error"),
                               Texts::tr("Invalid campaign file subversion!\n\nFile subversion = "
                                         "%1\nCurrent subversion = %2")
                                   .arg(subversion)
                                   .arg(newestCampaignSubversion));
            return false;
        }
        campaignFileVersion = CmpVersion{};
        if (subversion >= subversionWithModVersion) {
            CmpVersion fileVersion;
            fileVersion.major = cursor.u32();
            fileVersion.minor = cursor.u32();
            fileVersion.patch = cursor.u32();
            if (cursor.exhausted())
                return false;
            campaignFileVersion = fileVersion;
            if (fileVersion > editorVersion) {
                Messages::critical(
                    Texts::tr("Error"),
                    versionText(QT_TRANSLATE_NOOP("CampaignFile",
                                                  "This campaign was made for a newer version of "
                                                  "Tarq %1.%2.%3. It is impossible to open it in "
                                                  "older version.\n"),
                                fileVersion));
                return false;
            }
            campaign.forbidNewerVersions = cursor.flag();
            if (cursor.exhausted())
                return false;
            if (campaign.forbidNewerVersions && fileVersion < editorVersion) {
                Messages::warning(
                    Texts::tr("Warning"),
                    versionText(QT_TRANSLATE_NOOP(
                                    "CampaignFile",
                                    "This campaign was made for an older version of Tarq "
                                    "%1.%2.%3, and the author of the campaign restricted its "
                                    "launch in newer versions of Tarq. You can edit this campaign, "
                                    "but its Tarq version will be updated to %4.%5.%6, and in this "
                                    "version the map may become unplayable."),
                                fileVersion)
                        .arg(editorVersion.major)
                        .arg(editorVersion.minor)
                        .arg(editorVersion.patch));
            }
        }
        campaign.withMap = cursor.flag();
        campaign.background = cursor.i32();
        campaign.scenarioCount = cursor.i32();
    } else {
        // Older formats carry no mod version; saving them upgrades the file, so the version
        // question is asked as for a file without one.
        campaignFileVersion = CmpVersion{};
    }
    campaign.campaignMap = uint8_t(cursor.u8() - 1);
    campaign.name = cursor.text();
    campaign.description = cursor.text();
    campaign.difficultySelectable = cursor.flag();
    campaign.music = cursor.u8();
    if (cursor.exhausted())
        return false;
    loadedFormatVersion = campaign.version;
    currentCampaignMap = campaign.campaignMap;
    return true;
}

void CampaignReader::readScenario(CmpScenario &scenario, int32_t version, int scenarioCount) {
    scenario.mapName = cursor.text();
    scenario.mapSize = cursor.u32();
    scenario.prerequisites = cursor.bits(uint32_t(scenarioCount));
    scenario.prerequisites.resize(scenarioCount);
    scenario.regionColor = cursor.u8();
    scenario.difficulty = cursor.u8();
    scenario.regionText = cursor.text();
    const int pageCount = pageSlotsInFormat(version);
    for (int slot = 0; slot < pageCount; ++slot)
        scenario.prologues[size_t(slot)] = readPage();
    for (int slot = 0; slot < pageCount; ++slot)
        scenario.epilogues[size_t(slot)] = readPage();
    scenario.heroKeeps = cursor.bits(HeroKeepCount);
    scenario.heroKeeps.resize(HeroKeepCount);
    scenario.creaturesKept = cursor.bits(uint32_t(creatureBitsInFormat(version, catalogue)));
    scenario.artifactsKept = cursor.bits(uint32_t(artifactBitsInFormat(version, catalogue)));
    scenario.creaturesKept.resize(qMax(0, catalogue.creatureCount));
    scenario.artifactsKept.resize(qMax(0, catalogue.artifactCount));
    scenario.startOptions = readStartOptions();
}

CmpPrologueRef CampaignReader::readPage() {
    if (cursor.u8() != 1)
        return CmpPrologueRef();
    const uint8_t video = cursor.u8();
    const uint8_t music = cursor.u8();
    return makePrologue(video, music, cursor.text());
}

CmpStartOptionsRef CampaignReader::readStartOptions() {
    switch (cursor.u8()) {
    case BonusChoice: {
        StartingBonusSet set;
        set.player = cursor.u8();
        const int count = cursor.u8();
        for (int i = 0; i < count && !cursor.exhausted(); ++i)
            set.bonuses.append(readBonus());
        return makeStartOptions(set);
    }
    case CrossoverChoice: {
        HeroCrossoverSet set;
        const int count = cursor.u8();
        for (int i = 0; i < count && !cursor.exhausted(); ++i) {
            CmpHeroCrossover crossover;
            crossover.player = cursor.u8();
            crossover.scenario = cursor.u8();
            set.crossovers.append(crossover);
        }
        return makeStartOptions(set);
    }
    case StartingHeroChoice: {
        StartingHeroSet set;
        const int count = cursor.u8();
        for (int i = 0; i < count && !cursor.exhausted(); ++i) {
            StartingHero hero;
            hero.player = cursor.u8();
            hero.hero = cursor.u16();
            set.heroes.append(hero);
        }
        return makeStartOptions(set);
    }
    default:
        return CmpStartOptionsRef();
    }
}

CmpBonus CampaignReader::readBonus() {
    const uint8_t type = cursor.u8();
    switch (type) {
    case SpellBonus: {
        BonusSpell record;
        record.hero = cursor.u16();
        record.spell = cursor.u8();
        return CmpBonus::make(type, record);
    }
    case CreatureBonus: {
        BonusCreature record;
        record.hero = cursor.u16();
        record.creature = cursor.u16();
        record.count = cursor.u16();
        return CmpBonus::make(type, record);
    }
    case BuildingBonus: {
        BonusBuilding record;
        record.building = cursor.u8();
        return CmpBonus::make(type, record);
    }
    case ArtifactBonus: {
        BonusArtifact record;
        record.hero = cursor.u16();
        record.artifact = cursor.u16();
        return CmpBonus::make(type, record);
    }
    case ScrollBonus: {
        BonusScroll record;
        record.hero = cursor.u16();
        record.spell = cursor.u8();
        return CmpBonus::make(type, record);
    }
    case PrimarySkillBonus: {
        BonusPrimarySkill record;
        record.hero = cursor.u16();
        record.attack = cursor.u8();
        record.defence = cursor.u8();
        record.spellPower = cursor.u8();
        record.knowledge = cursor.u8();
        return CmpBonus::make(type, record);
    }
    case SecondarySkillBonus: {
        BonusSecondarySkill record;
        record.hero = cursor.u16();
        record.skill = cursor.u8();
        record.level = cursor.u8();
        return CmpBonus::make(type, record);
    }
    case ResourceBonus: {
        BonusResource record;
        record.resource = cursor.u8();
        record.amount = cursor.i32();
        return CmpBonus::make(type, record);
    }
    default:
        // An unknown type has no fields: it is kept as it is and written back alone.
        return CmpBonus{type, QVariant()};
    }
}
