// The starting kit: the weapons of the weaponry chosen at creation, food,
// missiles for throwing, and for the shortcut start leather armour and linen
// clothes, all worn but the food.
#include <cstring>

#include "items/inventory.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

enum Weaponry : int32_t {
    kTwoHandedWeapon = 1,
    kWeaponAndShield = 2,
    kDualWield = 3,
    kWeaponAndBow = 4,
    kBowAndArrows = 5,
    kBowAndWeapon = 6,
};

struct KitNames {
    const char* twoHanded;
    const char* oneHanded;
    const char* shield;
    const char* bow;
    const char* missiles;
};
constexpr KitNames kOrdinaryKit = {"crude copper axe", "crude copper sword", "wooden small shield", "crude willow bow",
                                   "flintstone"};
constexpr KitNames kShortcutKit = {"crude bronze spear", "crude bronze hand axe", "bronze triangle shield",
                                   "crude juniper bow", "dart"};

constexpr const char* kLeatherArmour[] = {"leather helmet", "leather gauntlets", "leather cuirass", "leather greaves",
                                          "leather boots"};
constexpr const char* kLinenClothes[] = {"linen socks", "linen shirt", "linen trousers", "linen hat", "linen mittens"};
constexpr int32_t kLeatherDurability = 20;
constexpr int32_t kLinenDurability = 15;
constexpr int32_t kFullDurability = -1;

// The kind of that exact name; the last one when several carry it, -1 when none does.
int32_t KindNamed(const char* name) {
    int32_t found = -1;
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (std::strcmp(itemKinds[kind].name, name) == 0) found = kind;
    }
    return found;
}

int32_t MissileCount(int32_t training) {
    switch (training) {
        case kTrainingArcher: return 20;
        case kTrainingRanger: return 25;
        default: return 15;
    }
}

class Kit {
public:
    explicit Kit(Player& p) : p_(p) {}

    // Appends a new, identified, normal item; its kind, or -1 when no kind has the name.
    int32_t Add(const char* name, int32_t quantity = 1, int32_t durability = kFullDurability) {
        const int32_t kind = KindNamed(name);
        if (kind < 0) return -1;
        p_.inventory.push_back(
            FreshItem(kind, quantity, durability == kFullDurability ? itemKinds[kind].maxDurability : durability));
        return kind;
    }
    // Where the first item of the kind stands now; -1 for none.
    int32_t PositionOf(int32_t kind) const {
        if (kind < 0) return -1;
        for (std::size_t i = 0; i < p_.inventory.size(); ++i) {
            if (p_.inventory[i].kind == kind) return static_cast<int32_t>(i);
        }
        return -1;
    }
    // Puts the item of the kind on; a kind not given puts nothing on (nor takes
    // off what stands at a position it was supposed to have).
    void Wear(int32_t kind) {
        const int32_t position = PositionOf(kind);
        if (position >= 0) p_.ToggleEquipSlot(position);
    }
    // Readies the item of the kind for the weapon swap.
    void Ready(int32_t kind) {
        const int32_t position = PositionOf(kind);
        if (position >= 0) p_.equipSlots[kSlotMainHandSwap] = position;
    }
    // Adds the item, sorts, and puts it on; its kind.
    int32_t AddAndWear(const char* name) {
        const int32_t kind = Add(name);
        p_.SortInventory();
        Wear(kind);
        return kind;
    }
    // One weapon in the hand, the other readied for the swap.
    void WearAndReady(const char* worn, const char* readied) {
        AddAndWear(worn);
        const int32_t kind = Add(readied);
        p_.SortInventory();
        Ready(kind);
    }

private:
    Player& p_;
};

}  // namespace

void Player::GiveStartingKit(int32_t weaponry) {
    const bool shortcut = startMode == 1;
    const KitNames& names = shortcut ? kShortcutKit : kOrdinaryKit;
    Kit kit(*this);

    switch (weaponry) {
        case kTwoHandedWeapon: kit.AddAndWear(names.twoHanded); break;
        case kWeaponAndShield: {
            const int32_t weapon = kit.Add(names.oneHanded);
            SortInventory();
            const int32_t shield = kit.Add(names.shield);
            SortInventory();
            // The shield sorts first and may go on while the hand is still empty.
            kit.Wear(shield);
            kit.Wear(weapon);
            break;
        }
        case kDualWield: {
            const int32_t weapon = kit.Add(names.oneHanded);
            kit.Add(names.oneHanded);
            SortInventory();
            const int32_t first = kit.PositionOf(weapon);
            if (first >= 0) {
                ToggleEquipSlot(first);
                ToggleSecondSlot(first + 1);
            }
            break;
        }
        case kWeaponAndBow:
            kit.WearAndReady(names.oneHanded, names.bow);
            ammoAutoPickup = 1;
            AddArrows(75);
            break;
        case kBowAndArrows:
            kit.AddAndWear(names.bow);
            AddArrows(200);
            break;
        case kBowAndWeapon:
            kit.WearAndReady(names.bow, names.oneHanded);
            AddArrows(150);
            break;
        default: break;
    }

    kit.Add("firemead", shortcut ? 3 : 1);
    if (kit.Add(names.missiles, MissileCount(training)) >= 0) {
        ToggleEquipSlot(static_cast<int32_t>(inventory.size()) - 1);
    }
    SortInventory();
    if (!shortcut) return;

    for (const char* name : kLeatherArmour) kit.Add(name, 1, kLeatherDurability);
    for (const char* name : kLinenClothes) kit.Add(name, 1, kLinenDurability);
    SortInventory();
    for (std::size_t i = 0; i < inventory.size(); ++i) {
        const ItemKind& kind = itemKinds[inventory[i].kind];
        // The shield is on already: a second toggle would take it off.
        if ((kind.type == kItemArmour || kind.type == kItemCloth) && kind.subtype != kSubtypeShield) {
            ToggleEquipSlot(static_cast<int32_t>(i));
        }
    }
}
