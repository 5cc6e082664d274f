// The prefix a new weapon or armour piece is born with.
#include "items/item_prefixes.h"
#include "toolkit/random_mother.h"
#include "world/item_kind.h"

namespace {
// A prefixed name must fit the item name buffer.
constexpr size_t kLongestPrefixedName = 34;
constexpr int32_t kPrefixTries = 5;
}  // namespace

int32_t RollItemPrefix(int32_t itemType, std::string kindName, bool forced) {
    int32_t oneIn = 0;
    int32_t firstIndex = 0;
    int32_t indexCount = 0;
    if (itemType == kItemWeapon) {
        oneIn = 10;
        firstIndex = 7;
        indexCount = 25;
    } else if (itemType == kItemArmour) {
        oneIn = 30;
        indexCount = 15;
    } else {
        return -1;
    }
    const int32_t chance = rng.Random(oneIn);
    if (chance != 0 && !forced) return -1;
    for (int32_t attempt = 0; attempt < kPrefixTries; ++attempt) {
        const int32_t index = firstIndex + rng.Random(indexCount);
        const std::string candidate = std::string(itemPrefixes[index].name) + " " + kindName;
        if (candidate.size() <= kLongestPrefixedName) return index;
    }
    return -1;
}
