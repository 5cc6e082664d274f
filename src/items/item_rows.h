#pragma once
// The text of one row of an item list, with its colour markup, padded with
// blanks to 120 characters so that it covers whatever the screen row showed.
#include <cstdint>
#include <string>

#include "world/item_data.h"

constexpr std::size_t kItemRowWidth = 120;

// The inventory lists' row of entry `index`: the equipped mark, quantity,
// durability, Base+, weight and the coloured name.
std::string ItemRowText(int32_t index);
// The pick-up list's row of an item: quantity, durability, the picking mark and the name.
std::string PickupRowText(const ItemData& item, bool marked);
