#include "app/campaignmodified.h"

bool campaignModified = false;
