#pragma once

struct CmpCampaign;
struct GameCatalogue;

// Whether saving the two campaigns would write the same file: the same campaign data and the
// same embedded maps. Fields the file does not hold do not count.
bool sameSavedCampaign(const CmpCampaign &a, const CmpCampaign &b, const GameCatalogue &catalogue);
