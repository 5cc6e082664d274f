#include "folk/crafting_rules.h"

#include <algorithm>

#include "world/item_data.h"

bool IsCraftableMaterial(const ItemKind& kind) {
    return kind.power >= 1 && kind.secondValue >= kCraftArmour && kind.secondValue <= kCraftArmourOrMelee;
}

int32_t CraftedDepthLevel(const CraftWish& wish, int32_t power, int32_t paid) {
    const bool deeper = wish.type == kItemArmour || static_cast<int64_t>(paid) >= 100LL * power;
    return deeper ? 10 * power - 5 : 10 * power - 10;
}

int32_t CraftedPrefix(int32_t power, int32_t paid) {
    if (static_cast<int64_t>(paid) < 75LL * power) return kPrefixPoorQuality;
    if (static_cast<int64_t>(paid) >= 200LL * power) return kPrefixHighQuality;
    return kNoPrefix;
}

int32_t CraftedDurability(int32_t roll, int32_t power, int32_t paid) {
    const int64_t durability = 1 + roll + (30LL * paid) / (200LL * power);
    return static_cast<int32_t>(std::min<int64_t>(durability, 30));
}

int32_t FindCraftedKind(const CraftWish& wish, int32_t depthLevel) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        const ItemKind& k = itemKinds[kind];
        if (k.inUse != 0 && k.special == 0 && k.type == wish.type && k.subtype == wish.subtype &&
            k.depthLevel == depthLevel) {
            return kind;
        }
    }
    return kNoItemKind;
}

std::vector<int32_t> ExchangeCandidates(int32_t material) {
    std::vector<int32_t> candidates;
    const int32_t power = itemKinds[material].power;
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        const ItemKind& k = itemKinds[kind];
        if (kind != material && k.inUse != 0 && k.type == kItemMaterial && k.power == power) candidates.push_back(kind);
    }
    return candidates;
}
