#pragma once

#include "campaign/cmpcampaign.h"

#include <QUndoCommand>

#include <functional>

// One step in the history of the open campaign: the whole campaign before and after it. The
// records are implicitly shared, so a step keeps only what it changed, never a copy of an
// embedded map. Doing and undoing hand the campaign to show to `show`.
class CampaignStep : public QUndoCommand {
public:
    using Show = std::function<void(const CmpCampaign &)>;

    CampaignStep(const QString &name, CmpCampaign before, CmpCampaign after, Show show)
        : QUndoCommand(name), before(std::move(before)), after(std::move(after)),
          show(std::move(show)) {}

    void undo() override { show(before); }
    void redo() override { show(after); }

private:
    const CmpCampaign before;
    const CmpCampaign after;
    const Show show;
};
