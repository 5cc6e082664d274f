// The equipment command: the equipment screen, then what newly worn prefixes do.
#include <algorithm>

#include "items/item_prefixes.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr WornPrefixes kPrefixSlots = {kSlotMainWeapon, kSlotSecondWeapon, kSlotShield,   kSlotChest,
                                       kSlotBoots,      kSlotHelmet,       kSlotLeggings, kSlotGauntlets};

int32_t SlotPrefix(const Player& p, int32_t slot) {
    const int32_t index = p.equipSlots[slot];
    if (index < 0 || index >= static_cast<int32_t>(p.inventory.size())) return -1;
    return p.inventory[static_cast<std::size_t>(index)].prefix;
}

bool IsInPrefixSlot(const Player& p, int32_t index) {
    return std::any_of(kPrefixSlots.begin(), kPrefixSlots.end(), [&](int32_t slot) { return p.equipSlots[slot] == index; });
}

}  // namespace

WornPrefixes RememberWornPrefixes() {
    WornPrefixes prefixes{};
    for (std::size_t k = 0; k < kPrefixSlots.size(); ++k) prefixes[k] = SlotPrefix(player, kPrefixSlots[k]);
    return prefixes;
}

void ApplyNewlyWornPrefixes(const WornPrefixes& before) {
    Player& p = player;
    int32_t newlyPrefixed = 0;
    for (int32_t index = 0; index < static_cast<int32_t>(p.inventory.size()); ++index) {
        const int32_t prefix = p.inventory[static_cast<std::size_t>(index)].prefix;
        if (prefix == kNoPrefix || !IsInPrefixSlot(p, index)) continue;
        if (std::find(before.begin(), before.end(), prefix) != before.end()) continue;
        ++newlyPrefixed;
        if (prefix == kPrefixBloodBane) {
            PrintWords("As your hand grips the weapon and it senses the blood coursing through your veins, a large "
                       "bleeding wound appears on your arm to feed its thirst. ");
            const int32_t wound = rng.Random(8);
            p.bleeding += 10 + wound;
        }
        p.ExplodeTrappedArmour(index);
    }
    if (newlyPrefixed == 1) {
        PrintWords("You have equipped an item that has a prefix. You can examine it in the inventory screen to check "
                   "its effect. ");
    } else if (newlyPrefixed > 1) {
        PrintWords("You have equipped items that have a prefix. You can examine them in the inventory screen to check "
                   "their effects. ");
    }
}

int32_t ChangeEquipment() {
    const WornPrefixes before = RememberWornPrefixes();
    if (player.EquipmentScreen(true, 0) == 0) {
        ClearScreen();
        RestoreMapView();
        RedrawScreen();
        return 0;
    }
    player.RecomputePlayerStats();
    ClearScreen();
    RestoreMapView();
    RedrawScreenQuiet();
    ApplyNewlyWornPrefixes(before);
    return 1;
}
