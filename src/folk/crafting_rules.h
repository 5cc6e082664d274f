#pragma once
// The deep smith's rules for making things of materials: what a material can
// become, how the gold paid shapes it, and what he trades a material into.
#include <cstdint>
#include <vector>

#include "items/item_prefixes.h"
#include "world/item_kind.h"

// What is to be made: an item type and subtype.
struct CraftWish {
    int32_t type = -1;
    int32_t subtype = -1;
};

// A material the smith can work: a power of 1 or more and a craft class of 1 to 4.
bool IsCraftableMaterial(const ItemKind& kind);
// The depth level of the kind to make of a material of that power for the gold paid.
int32_t CraftedDepthLevel(const CraftWish& wish, int32_t power, int32_t paid);
int32_t CraftedPrefix(int32_t power, int32_t paid);
// roll: the draw of 0 to 4 that the smith's hand adds.
int32_t CraftedDurability(int32_t roll, int32_t power, int32_t paid);
// The first kind in use, not special, of the wished type and subtype at that depth level; -1 when there is none.
int32_t FindCraftedKind(const CraftWish& wish, int32_t depthLevel);
// The material kinds of the same power that the smith trades the material into, in kind order.
std::vector<int32_t> ExchangeCandidates(int32_t material);
