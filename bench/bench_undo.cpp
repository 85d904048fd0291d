// bench-undo: what one undoable step costs on a campaign of 8 scenarios that embed 8 MB maps
// each: the heap it adds when a scenario is edited and the step is pushed.

#include "benchsupport.h"

#include "app/campaignstep.h"

#include <QCoreApplication>
#include <QUndoStack>

#include <malloc.h>

namespace {

constexpr int scenarioCount = 8;
constexpr int mapBytes = 8 << 20;

size_t heapInUse() {
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    CmpCampaign campaign;
    for (int i = 0; i < scenarioCount; ++i) {
        CmpScenario scenario;
        scenario.mapName = QStringLiteral("map%1.y6m").arg(i);
        scenario.mapData = QByteArray(mapBytes, char('a' + i));
        campaign.scenarios.append(scenario);
    }
    QUndoStack history;
    const auto show = [&campaign](const CmpCampaign &shown) { campaign = shown; };

    const size_t before = heapInUse();
    CmpCampaign edited = campaign;
    edited.scenarios[3].difficulty = 4;
    edited.scenarios[3].regionText = QStringLiteral("A changed region text");
    history.push(
        new CampaignStep(QStringLiteral("Scenario Properties"), campaign, std::move(edited), show));
    const size_t after = heapInUse();
    if (campaign.scenarios[3].difficulty != 4)
        qFatal("the step was not done");
    printFigure("undo step memory", double(after - before) / 1024.0, "KiB");
    return 0;
}
