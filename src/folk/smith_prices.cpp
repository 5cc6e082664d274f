#include "folk/smith_prices.h"

#include <algorithm>

#include "folk/folk_prompts.h"

namespace {

constexpr int32_t kAccessoryDestructionPrice = 150;

// What a full repair of a kind would cost; never shown, only the share paid of it counts.
int32_t FullRepairPrice(const ItemKind& kind) {
    const int32_t base = static_cast<int32_t>(static_cast<float>(kind.depthLevel + 5) / 10.0f * 120.0f);
    const int32_t cost = kind.special != 0 ? 2 * base : base;
    return static_cast<int32_t>(static_cast<float>(cost) * 1.5f);
}

}  // namespace

int32_t RepairGain(const ItemKind& kind, int32_t paid) {
    // A kind shallow enough to cost nothing is repaired in full by any payment.
    const int32_t full = std::max(FullRepairPrice(kind), 1);
    const float share = static_cast<float>(paid) / static_cast<float>(full);
    const float points = kind.type == kItemCloth ? 20.0f : 30.0f;
    return static_cast<int32_t>(std::min(share * points, 1.0e9f));
}

int32_t DestructionPrice(const ItemData& item, int32_t floor) {
    const int32_t depth = DepthFactor(floor);
    if (itemKinds[item.kind].type == kItemAccessory) return kAccessoryDestructionPrice * depth;
    return std::max(item.durability, 0) * depth * 5;
}
