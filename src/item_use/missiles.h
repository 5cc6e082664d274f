#pragma once
// Arrows and thrown weapons leaving the inventory.
#include <cstdint>

class Player;

// One arrow leaves every arrow entry; an entry with fewer than two goes, and the
// inventory is renumbered, sorted and the statistics worked out again.
void SpendOneArrow(Player& p);
