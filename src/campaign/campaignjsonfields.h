#pragma once

// The JSON keys of the campaign records, shared by the writer (info, unpack) and the reader
// (pack): each visit names a key and passes the field it holds. The field's type decides its
// JSON form (a number, true or false, a text, a bit set as the indices of its set bits) and,
// for a number, the range the reader accepts. Pages, start options and maps have a structure
// of their own and are written and read by hand.

#include "campaign/cmpcampaign.h"

// Everything of the campaign but its scenarios.
template <typename Campaign, typename Visit>
void visitCampaignFields(Campaign &campaign, Visit &&visit) {
    visit("version", campaign.version);
    visit("campaignMap", campaign.campaignMap);
    visit("name", campaign.name);
    visit("description", campaign.description);
    visit("difficultySelectable", campaign.difficultySelectable);
    visit("music", campaign.music);
    visit("withMap", campaign.withMap);
    visit("background", campaign.background);
    visit("scenarioCount", campaign.scenarioCount);
    visit("forbidNewerVersions", campaign.forbidNewerVersions);
}

// The scenario's own numbers, texts and bit sets.
template <typename Scenario, typename Visit>
void visitScenarioFields(Scenario &scenario, Visit &&visit) {
    visit("mapName", scenario.mapName);
    visit("prerequisites", scenario.prerequisites);
    visit("regionColor", scenario.regionColor);
    visit("difficulty", scenario.difficulty);
    visit("regionText", scenario.regionText);
    visit("heroKeeps", scenario.heroKeeps);
    visit("artifactsKept", scenario.artifactsKept);
    visit("creaturesKept", scenario.creaturesKept);
}

template <typename Visit> void visitRecordFields(CmpPrologue &page, Visit &&visit) {
    visit("video", page.video);
    visit("music", page.music);
    visit("text", page.text);
}

template <typename Visit> void visitRecordFields(CmpHeroCrossover &crossover, Visit &&visit) {
    visit("player", crossover.player);
    visit("scenario", crossover.scenario);
}

template <typename Visit> void visitRecordFields(StartingHero &hero, Visit &&visit) {
    visit("player", hero.player);
    visit("hero", hero.hero);
}

template <typename Visit> void visitRecordFields(BonusSpell &record, Visit &&visit) {
    visit("hero", record.hero);
    visit("spell", record.spell);
}

template <typename Visit> void visitRecordFields(BonusCreature &record, Visit &&visit) {
    visit("hero", record.hero);
    visit("creature", record.creature);
    visit("count", record.count);
}

template <typename Visit> void visitRecordFields(BonusBuilding &record, Visit &&visit) {
    visit("building", record.building);
}

template <typename Visit> void visitRecordFields(BonusArtifact &record, Visit &&visit) {
    visit("hero", record.hero);
    visit("artifact", record.artifact);
}

template <typename Visit> void visitRecordFields(BonusScroll &record, Visit &&visit) {
    visit("hero", record.hero);
    visit("spell", record.spell);
}

template <typename Visit> void visitRecordFields(BonusPrimarySkill &record, Visit &&visit) {
    visit("hero", record.hero);
    visit("attack", record.attack);
    visit("defence", record.defence);
    visit("spellPower", record.spellPower);
    visit("knowledge", record.knowledge);
}

template <typename Visit> void visitRecordFields(BonusSecondarySkill &record, Visit &&visit) {
    visit("hero", record.hero);
    visit("skill", record.skill);
    visit("level", record.level);
}

template <typename Visit> void visitRecordFields(BonusResource &record, Visit &&visit) {
    visit("resource", record.resource);
    visit("amount", record.amount);
}

template <typename Record, typename Visit> void visitBonusRecord(CmpBonus &bonus, Visit &visit) {
    Record record = bonus.record<Record>();
    visitRecordFields(record, visit);
    bonus.value = QVariant::fromValue(record);
}

// The fields of the bonus's record, by its type; a bonus of an unknown type has none (and keeps
// its empty value).
template <typename Visit> void visitBonusFields(CmpBonus &bonus, Visit &&visit) {
    switch (bonus.type) {
    case SpellBonus:
        return visitBonusRecord<BonusSpell>(bonus, visit);
    case CreatureBonus:
        return visitBonusRecord<BonusCreature>(bonus, visit);
    case BuildingBonus:
        return visitBonusRecord<BonusBuilding>(bonus, visit);
    case ArtifactBonus:
        return visitBonusRecord<BonusArtifact>(bonus, visit);
    case ScrollBonus:
        return visitBonusRecord<BonusScroll>(bonus, visit);
    case PrimarySkillBonus:
        return visitBonusRecord<BonusPrimarySkill>(bonus, visit);
    case SecondarySkillBonus:
        return visitBonusRecord<BonusSecondarySkill>(bonus, visit);
    case ResourceBonus:
        return visitBonusRecord<BonusResource>(bonus, visit);
    default:
        return;
    }
}
