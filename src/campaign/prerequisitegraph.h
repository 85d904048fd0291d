#pragma once

#include <QList>

struct CmpCampaign;
struct CmpScenario;

// The prerequisite graph of a campaign with map: bit i of a scenario's `prerequisites` says that
// scenario i must be won first. The general page keeps the graph free of cycles and of direct
// entries that another entry already implies. Bits beyond a set's length read as clear, and
// indices outside the scenario list are never followed, so damaged files cannot mislead a walk.

bool hasPrerequisite(const CmpScenario &scenario, int other);
// Sets or clears bit `other`, growing the set when it is too short to hold it.
void setPrerequisite(CmpScenario &scenario, int other, bool required);

// The scenarios that scenario `from` requires, directly or through others, in depth-first order
// (lower bits first), each once. `from` itself appears only when it lies on a cycle.
QList<int> requiredScenarios(const CmpCampaign &campaign, int from);
bool requiresScenario(const CmpCampaign &campaign, int from, int to);

// How scenario `candidate` is offered in the prerequisite list of scenario `edited`.
enum class PrerequisiteOffer {
    Direct,   // required directly: checked
    Indirect, // required through another prerequisite: checked and disabled
    Cycle,    // requires `edited` itself: not offered
    Free,     // unchecked
};
PrerequisiteOffer prerequisiteOffer(const CmpCampaign &campaign, int edited, int candidate);

// `edited` now requires `added` directly. What `added` requires stops being a direct entry of
// `edited`, and scenarios that require `edited` directly drop their own entry for `added`.
// Returns the scenarios `added` requires, now implied for `edited`.
QList<int> addPrerequisite(CmpCampaign &campaign, int edited, int added);

// `edited` no longer requires `dropped` directly. What `dropped` required stays required by
// `edited`, now directly, and scenarios that require `edited` directly keep requiring
// `dropped` through an entry of their own. Returns the scenarios now required directly.
QList<int> dropPrerequisite(CmpCampaign &campaign, int edited, int dropped);

// Scenario `removed` leaves the graph (its map is removed): every scenario that required it
// requires what it required instead. The prerequisites of `removed` are left as they are.
void bypassScenario(CmpCampaign &campaign, int removed);
