#include "campaign/varianttypes.h"

#include "campaign/bonusrecords.h"
#include "campaign/herocrossoverset.h"
#include "campaign/startingbonusset.h"
#include "campaign/startingheroset.h"

void registerCampaignVariantTypes() {
    qRegisterMetaType<BonusSpell>("BonusSpell");
    qRegisterMetaType<BonusCreature>("BonusCreature");
    qRegisterMetaType<BonusBuilding>("BonusBuilding");
    qRegisterMetaType<BonusArtifact>("BonusArtifact");
    qRegisterMetaType<BonusScroll>("BonusScroll");
    qRegisterMetaType<BonusPrimarySkill>("BonusPrimarySkill");
    qRegisterMetaType<BonusSecondarySkill>("BonusSecondarySkill");
    qRegisterMetaType<BonusResource>("BonusResource");
    qRegisterMetaType<StartingBonusSet>("StartingBonusSet");
    qRegisterMetaType<HeroCrossoverSet>("HeroCrossoverSet");
    qRegisterMetaType<StartingHeroSet>("StartingHeroSet");
    qRegisterMetaType<CmpHeroCrossover>("CmpHeroCrossover");
    qRegisterMetaType<StartingHero>("StartingHero");
}
