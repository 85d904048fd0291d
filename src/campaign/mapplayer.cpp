#include "campaign/mapplayer.h"

bool MapPlayer::ownsHero(uint16_t hero) const {
    for (const MapHero &entry : heroes)
        if (entry.id == hero)
            return true;
    return false;
}
