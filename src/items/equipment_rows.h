#pragma once
// The rows of the equipment screen: which slot each shows, where, and under
// which letter. The full screen letters all 19 slots a to s; the screen that
// picks a cursed worn item leaves out the thrown weapon and the hand swaps,
// letters the other 16 a to p and draws each one row lower.
#include <array>
#include <cstdint>

#include "toolkit/colour.h"
#include "world/item_data.h"
#include "world/item_types.h"

struct EquipmentRow {
    int32_t slot;
    int32_t row;       // on the full screen
    const char* name;  // the label after its "[x] "
    bool onCursedScreen;
};

constexpr std::array<EquipmentRow, kEquipSlotCount> kEquipmentRows = {{
    {kSlotMainWeapon, 1, "Main weapon:", true},
    {kSlotSecondWeapon, 2, "Second weapon:", true},
    {kSlotThrownWeapon, 3, "Thrown Weapon:", false},
    {kSlotShield, 5, "Shield:", true},
    {kSlotChest, 6, "Chest:", true},
    {kSlotLeggings, 7, "Leggings:", true},
    {kSlotGauntlets, 8, "Gauntlets:", true},
    {kSlotBoots, 9, "Boots:", true},
    {kSlotHelmet, 10, "Helmet:", true},
    {kSlotAmulet, 12, "Amulet:", true},
    {kSlotRightRing, 13, "Right Ring:", true},
    {kSlotLeftRing, 14, "Left Ring:", true},
    {kSlotClothShirt, 16, "Cloth shirt:", true},
    {kSlotClothTrousers, 17, "Cloth trousers:", true},
    {kSlotClothGloves, 18, "Cloth gloves:", true},
    {kSlotClothSocks, 19, "Cloth socks:", true},
    {kSlotClothCap, 20, "Cloth cap:", true},
    {kSlotMainHandSwap, 22, "Main hand swap:", false},
    {kSlotSecondHandSwap, 23, "Second hand swap:", false},
}};

// The slot a key names on the full screen (cursedScreen false) or on the
// cursed-item screen; kEmptySlot for a key that names none.
int32_t SlotOfKey(int key, bool cursedScreen);

// The colour of a worn or listed item: known curses red, known blessings
// yellow, other known items blue, and unknown ones in the colour given.
ColourCode ItemBlessingColour(const ItemData& item, ColourCode unknown);
