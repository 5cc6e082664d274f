#pragma once
// The redraws item use makes while an item takes effect, and what food and
// potions share.

#include <cstdint>

class Player;

// The whole screen anew: map, field of view, status panel and the pending messages.
void FullRedraw();
// The same, but the pending messages stay pending.
void QuietRedraw();
// The hit points and maximum frostbite took come back, and the frostbite ends.
void GiveBackFrostbite(Player& p);
// One of the entry at the index is used up; the last one leaves the inventory,
// which is then sorted and the statistics worked out again.
void UseUpOne(Player& p, int32_t index);
