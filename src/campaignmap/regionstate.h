#pragma once

// How a region is drawn; the numbers index a kind-0 region's piece lists and take part in the
// composed pictures' cache keys.
enum RegionState : int {
    RegionHasMap = 0,   // not selected, its scenario has a map
    RegionSelected = 1, // the selected region
    RegionEmpty = 2,    // not selected, no map (or no scenario at all)
};
