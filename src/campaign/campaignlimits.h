#pragma once

// Limits the game sets on what a campaign shows; the editing pages keep to them and the
// campaign check reports what goes beyond them.

// Starting options the game offers at the start of a scenario.
constexpr int maxStartOptions = 3;
// The longest campaign description the game shows.
constexpr int maxDescriptionLength = 300;
// The longest right-click text of a region.
constexpr int maxRegionTextLength = 600;
