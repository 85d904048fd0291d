#pragma once

// Registers the small campaign records with the variant type system under their record names
// ("BonusSpell" ... "StartingHero"), so that list and table items can carry them. Registration
// also happens on first use; calling this early makes the names known to name look-ups.
void registerCampaignVariantTypes();
