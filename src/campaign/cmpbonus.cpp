#include "campaign/cmpbonus.h"

namespace {
template <typename Record> bool sameRecord(const CmpBonus &a, const CmpBonus &b) {
    return a.record<Record>() == b.record<Record>();
}
} // namespace

bool operator==(const CmpBonus &a, const CmpBonus &b) {
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case SpellBonus:
        return sameRecord<BonusSpell>(a, b);
    case CreatureBonus:
        return sameRecord<BonusCreature>(a, b);
    case BuildingBonus:
        return sameRecord<BonusBuilding>(a, b);
    case ArtifactBonus:
        return sameRecord<BonusArtifact>(a, b);
    case ScrollBonus:
        return sameRecord<BonusScroll>(a, b);
    case PrimarySkillBonus:
        return sameRecord<BonusPrimarySkill>(a, b);
    case SecondarySkillBonus:
        return sameRecord<BonusSecondarySkill>(a, b);
    case ResourceBonus:
        return sameRecord<BonusResource>(a, b);
    default:
        return false;
    }
}

bool bonusHasHero(uint8_t type) {
    return type < BonusTypeCount && type != BuildingBonus && type != ResourceBonus;
}

uint16_t bonusHero(const CmpBonus &bonus) {
    switch (bonus.type) {
    case SpellBonus:
        return bonus.record<BonusSpell>().hero;
    case CreatureBonus:
        return bonus.record<BonusCreature>().hero;
    case ArtifactBonus:
        return bonus.record<BonusArtifact>().hero;
    case ScrollBonus:
        return bonus.record<BonusScroll>().hero;
    case PrimarySkillBonus:
        return bonus.record<BonusPrimarySkill>().hero;
    case SecondarySkillBonus:
        return bonus.record<BonusSecondarySkill>().hero;
    default:
        return 0;
    }
}
