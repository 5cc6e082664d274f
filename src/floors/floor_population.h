#pragma once
// Random items: the one choice of an item kind for a depth and a category,
// used wherever the game makes an item by chance.
#include <cstdint>

// Asks RandomItemKind for a category chosen by chance.
constexpr int32_t kAnyItemCategory = -2;

// A kind index for an item of this level (item depth levels 0..50, a fraction
// rounds up at random) and ItemType category, or kAnyItemCategory; kNoItemKind for none.
int32_t RandomItemKind(float level, int32_t category);
