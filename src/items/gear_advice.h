#pragma once
// What the equipment screen tells the player about the pack: whether an
// empty slot could be filled from it, and whether a worn item has a better
// one of its sort waiting there.
#include <cstdint>

// True when some inventory item could go into the empty slot (never for the
// hand swap slots). On the full screen (cursedScreen false) a ring or amulet
// known to be cursed does not count.
bool PackCanFillSlot(int32_t slot, bool cursedScreen);

// True when the pack holds an item of the worn item's sort that is worth
// strictly more than it; false for an empty slot, rings, the amulet and the
// hand swap slots.
bool PackHasBetterItem(int32_t slot);
