// The inventory's fixed order, and the equipment slots following their items
// when entries move or go.
#include <vector>

#include "world/item_kind.h"
#include "world/player.h"

namespace {

bool IsKindIndex(int32_t kind) { return kind >= 0 && kind < kItemKindCount; }

int32_t TypeOf(const ItemData& item) { return IsKindIndex(item.kind) ? itemKinds[item.kind].type : -1; }

// Potions, accessories and wands keep the order they were found in.
bool KeepsFoundOrder(const ItemData& item) {
    const int32_t type = TypeOf(item);
    return type == kItemPotion || type == kItemAccessory || type == kItemWand;
}

// Where the pass puts the entries: old positions in their new order. Entries
// the pass does not place (a kind out of range, a type of no group: only a
// damaged record has one) follow at the end in their order rather than vanish.
class PassOrder {
public:
    explicit PassOrder(const std::vector<ItemData>& items) : items_(items), taken_(items.size(), false) {}

    template <typename Chooses>
    void TakeAll(Chooses chooses) {
        for (std::size_t j = 0; j < items_.size(); ++j) {
            if (!taken_[j] && chooses(items_[j])) Take(j);
        }
    }
    std::vector<std::size_t> Finish() {
        TakeAll([](const ItemData&) { return true; });
        return order_;
    }

private:
    void Take(std::size_t j) {
        taken_[j] = true;
        order_.push_back(j);
    }
    const std::vector<ItemData>& items_;
    std::vector<bool> taken_;
    std::vector<std::size_t> order_;
};

// Rebuilds the inventory in the pass's order. A slot follows its entry to its new
// place once per pass: a slot that has just moved is not moved again when the walk
// reaches the entry that stood where the slot now points.
void ApplyPass(Player& p, const std::vector<std::size_t>& order) {
    std::vector<ItemData> sorted;
    sorted.reserve(order.size());
    bool moved[kEquipSlotCount] = {};
    for (std::size_t j : order) {
        sorted.push_back(p.inventory[j]);
        const int32_t newIndex = static_cast<int32_t>(sorted.size()) - 1;
        for (int32_t slot = 0; slot < kEquipSlotCount; ++slot) {
            if (!moved[slot] && p.equipSlots[slot] == static_cast<int32_t>(j)) {
                p.equipSlots[slot] = newIndex;
                moved[slot] = true;
            }
        }
    }
    p.inventory = std::move(sorted);
}

}  // namespace

void Player::FixSlotsAfterErase(int32_t index) {
    for (int32_t& slot : equipSlots) {
        if (slot > index) --slot;
    }
}

void Player::SortInventory() {
    if (inventory.empty()) return;

    PassOrder byKind(inventory);
    byKind.TakeAll(KeepsFoundOrder);
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        byKind.TakeAll([kind](const ItemData& item) { return item.kind == kind && !KeepsFoundOrder(item); });
    }
    ApplyPass(*this, byKind.Finish());

    PassOrder byIdentification(inventory);
    byIdentification.TakeAll([this](const ItemData& item) {
        return IsKindIndex(item.kind) && identifiedKinds[item.kind] == 1;
    });
    ApplyPass(*this, byIdentification.Finish());

    static constexpr int32_t kTypeOrder[] = {kItemWand,   kItemPotion,    kItemFood,       kItemCloth,    kItemArmour,
                                             kItemWeapon, kItemAccessory, kItemAmmunition, kItemMaterial, kItemValuable};
    PassOrder byType(inventory);
    for (int32_t type : kTypeOrder) byType.TakeAll([type](const ItemData& item) { return TypeOf(item) == type; });
    ApplyPass(*this, byType.Finish());
}
