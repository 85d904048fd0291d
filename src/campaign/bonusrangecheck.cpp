// The campaign check of the numbers inside starting bonuses: each must name a spell, creature,
// artifact, skill or resource of the game's tables, and the bonus must be of a known type.

#include "campaign/bonuschoices.h"
#include "campaign/campaigncheckrun.h"

#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CampaignCheck)
};

bool offers(const ChoiceList &choices, int value) {
    for (const ChoiceEntry &entry : choices)
        if (entry.value == value)
            return true;
    return false;
}

void checkBonus(CampaignCheckRun &run, int index, const CmpBonus &bonus) {
    const GameCatalogue &catalogue = run.catalogue;
    const auto add = [&](CheckId check, const QString &text) {
        run.add(check, index, CheckPage::StartingOptions, text);
    };
    switch (bonus.type) {
    case SpellBonus:
    case ScrollBonus: {
        const int spell = bonus.type == SpellBonus ? bonus.record<BonusSpell>().spell
                                                   : bonus.record<BonusScroll>().spell;
        if (!catalogue.spellNames.contains(spell))
            add(CheckId::UnknownSpell, Texts::tr("A bonus names spell %1, which the game does "
                                                 "not have.")
                                           .arg(spell));
        break;
    }
    case CreatureBonus: {
        const int creature = bonus.record<BonusCreature>().creature;
        if (!catalogue.creatureNames.contains(creature))
            add(CheckId::UnknownCreature, Texts::tr("A bonus names creature %1, which the game "
                                                    "does not have.")
                                              .arg(creature));
        break;
    }
    case ArtifactBonus: {
        const int artifact = bonus.record<BonusArtifact>().artifact;
        if (!catalogue.artifactNames.contains(artifact))
            add(CheckId::UnknownArtifact, Texts::tr("A bonus names artifact %1, which the game "
                                                    "does not have.")
                                              .arg(artifact));
        break;
    }
    case SecondarySkillBonus: {
        const auto skill = bonus.record<BonusSecondarySkill>();
        if (!catalogue.secondarySkillNames.contains(skill.skill) ||
            !catalogue.skillLevelNames.contains(skill.level))
            add(CheckId::UnknownSecondarySkill,
                Texts::tr("A bonus names secondary skill %1 at level %2, which the game does "
                          "not have.")
                    .arg(skill.skill)
                    .arg(skill.level));
        break;
    }
    case ResourceBonus: {
        const int resource = bonus.record<BonusResource>().resource;
        if (!offers(resourceChoices(catalogue), resource))
            add(CheckId::UnknownResource, Texts::tr("A bonus names resource %1, which the game "
                                                    "does not have.")
                                              .arg(resource));
        break;
    }
    case BuildingBonus:
    case PrimarySkillBonus:
        break; // checked against the main town, or nothing to look up
    default:
        add(CheckId::UnknownBonusType,
            Texts::tr("A starting bonus is of type %1, which the game does not know.")
                .arg(bonus.type));
        break;
    }
}

} // namespace

void checkBonusRanges(CampaignCheckRun &run) {
    for (int index = 0; index < run.scenarioCount(); ++index) {
        const CmpStartOptionsRef &options = run.scenario(index).startOptions;
        if (!run.isPlayed(index) || !options || options->kind != BonusChoice)
            continue;
        for (const CmpBonus &bonus : options->bonusSet().bonuses)
            checkBonus(run, index, bonus);
    }
}
