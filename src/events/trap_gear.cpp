// The traps that harm the equipment or the pack.
#include "events/bounded_draws.h"
#include "events/slot_draws.h"
#include "events/trap_effects.h"
#include "items/item_names.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/player.h"

namespace {

constexpr int32_t kCrushDraws = 35;
constexpr int32_t kCurseDraws = 60;

bool IsEquipped(int32_t index) {
    for (int32_t slot = 0; slot < kEquipSlotCount; ++slot) {
        if (player.equipSlots[slot] == index) return true;
    }
    return false;
}

// A single item that nobody wears can be blown up.
bool CanExplode(int32_t index) { return player.inventory[index].quantity <= 1 && !IsEquipped(index); }

bool NotCursed(const ItemData& item) { return item.blessing != kCursed; }

bool HasExplodableItem() {
    const int32_t size = static_cast<int32_t>(player.inventory.size());
    for (int32_t index = 0; index < size; ++index) {
        if (player.inventory[index].quantity == 1 && !IsEquipped(index)) return true;
    }
    return false;
}

}  // namespace

void CrushEquipment() {
    SayTrapStepped(
        "Two large stones crush you between them. You aren't damaged, but your equipment might be. ");
    const int32_t index = DrawWornItem(kWearSlotDraws, kCrushDraws, AnyItem);
    if (index < 0) return;
    ItemData& item = player.inventory[index];
    // A worn-out piece has nothing left to lose; the stones never break anything.
    if (item.durability < 1) return;
    const int32_t crush = rng.Random(item.durability);
    item.durability -= crush / 2;
}

void ExplodeAtBag(Tile& tile) {
    Player& p = player;
    SayTrapStepped("Something explodes near your bag. ");
    const int32_t roll = rng.Random(2);
    const int32_t size = static_cast<int32_t>(p.inventory.size());
    const int32_t index = roll != 0 && HasExplodableItem() ? DrawFittingIndex(size, CanExplode) : -1;
    if (index >= 0) {
        PrintWords("The explosion destroys your ");
        messageLog.PrintMessage(ShownItemName(p.inventory[index]) + "! ");
        p.FixSlotsAfterErase(index);
        p.inventory.erase(p.inventory.begin() + index);
        p.SortInventory();
        p.RecomputePlayerStats();
    } else {
        PrintWords("Luckily nothing is destroyed. ");
    }
    VanishTrap(tile);
}

void FlashCurseRay(Tile& tile) {
    SayTrapStepped(
        "A wicked red curse-ray flashes from the trap. Some of the light is reflected from your equipment. ");
    const int32_t roll = rng.Random(3);
    const int32_t index = roll == 0 ? DrawWornItem(kCurseSlotDraws, kCurseDraws, NotCursed) : -1;
    if (index >= 0) {
        player.inventory[index].blessing = kCursed;
        player.inventory[index].identified = 1;
        PrintWords("Something you're wearing feels heavier. ");
    } else {
        PrintWords("Luckily nothing seems to happen. ");
    }
    VanishTrap(tile);
}
