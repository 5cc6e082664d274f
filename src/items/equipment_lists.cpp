// The four equipment lists: what each accepts and what becomes of the choice.
#include "items/equipment_list_screen.h"
#include "world/player.h"

namespace {

constexpr const char* kListDownHelp = "    2 = down   page up = previous page   z = exit";
constexpr const char* kWastePotion = "Exiting will waste the potion. Do you really want to do this? (y/n)";
constexpr const char* kWasteCharge = "Exiting will waste the charge. Do you really want to do this? (y/n)";
constexpr const char* kInventoryEmpty = "Your inventory is empty! ";

bool IsGear(const ItemKind& kind) { return kind.type == kItemArmour || kind.type == kItemWeapon; }
bool IsWearable(const ItemKind& kind) { return IsGear(kind) || kind.type == kItemCloth; }

bool Blessable(const ItemData& item, const ItemKind& kind) {
    const bool alreadyKnownBlessed = item.blessing == kBlessed && item.identified != 0;
    return (IsWearable(kind) || kind.type == kItemAccessory) && !alreadyKnownBlessed;
}

bool Repairable(const ItemData& item, const ItemKind& kind) {
    return IsWearable(kind) && item.durability < kind.maxDurability;
}

bool Testable(const ItemData& item, const ItemKind& kind) {
    return (IsWearable(kind) || kind.type == kItemAccessory) && item.identified == 0;
}

bool Selectable(const ItemData&, const ItemKind& kind) { return IsGear(kind); }

}  // namespace

int32_t Player::BlessEquipmentScreen() {
    const EquipmentListRules rules = {"    8 = up     page down = next page     b = bless a piece of equipment",
                                      kListDownHelp, 'b', Blessable,
                                      "Unfortunately you have nothing to bless. ", kWastePotion, true};
    const int32_t index = ChooseFromEquipmentList(rules);
    if (index < 0) return -1;
    ItemData& item = inventory[static_cast<std::size_t>(index)];
    item.blessing = kBlessed;
    item.identified = 1;
    return 1;
}

int32_t Player::RepairEquipmentScreen(bool potion) {
    const EquipmentListRules rules = {"    8 = up     page down = next page     r = repair a weapon/armor/cloth item",
                                      kListDownHelp, 'r', Repairable,
                                      potion ? kInventoryEmpty : nullptr, potion ? kWasteCharge : nullptr, true};
    const int32_t index = ChooseFromEquipmentList(rules);
    if (index < 0 || !potion) return index;
    ItemData& item = inventory[static_cast<std::size_t>(index)];
    item.durability = itemKinds[item.kind].maxDurability;
    return 1;
}

int32_t Player::DetectCurseScreen() {
    const EquipmentListRules rules = {"   8 = up     page down = next page     d = detect curse on an equipment item",
                                      "   2 = down   page up = previous page   z = exit", 'd', Testable,
                                      kInventoryEmpty, kWasteCharge, false};
    return ChooseFromEquipmentList(rules);
}

int32_t Player::SelectGearScreen() {
    const EquipmentListRules rules = {"    8 = up     page down = next page     s = select a weapon/piece of armor",
                                      kListDownHelp, 's', Selectable,
                                      "Unfortunately you have nothing to select. ", nullptr, true};
    return ChooseFromEquipmentList(rules);
}
