#include "campaigns.h"

bool writeDemoCampaigns(const QString &, const DemoOptions &, QString *) {
    return true;
}
