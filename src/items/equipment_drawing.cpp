// The equipment screen's picture: every slot with what it holds, a star on an
// empty slot the pack could fill, a star after a worn item the pack could
// better; and the picker of a cursed worn item drawn on the same pattern.
#include <string>

#include "items/appearances.h"
#include "items/equip_rules.h"
#include "items/equipment_rows.h"
#include "items/gear_advice.h"
#include "items/item_names.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

constexpr int32_t kLabelColumn = 6;
constexpr int32_t kItemColumn = 30;
constexpr int32_t kNamedAfterTagColumn = 33;
constexpr int32_t kAvailabilityColumn = 35;

bool IsClothSlot(int32_t slot) { return slot >= kSlotClothShirt && slot <= kSlotClothGloves; }

bool IsAccessorySlot(int32_t slot) { return slot == kSlotAmulet || slot == kSlotRightRing || slot == kSlotLeftRing; }

const char* HandTag(const ItemKind& kind) { return kind.subtype == kSubtypeOneHanded ? "1H" : "2H"; }

void DrawEmptySlot(int32_t slot, int32_t row, bool cursedScreen) {
    DrawText(IsClothSlot(slot) ? "None   (rags)" : "None", kItemColumn, row, kLightCyan);
    if (PackCanFillSlot(slot, cursedScreen)) DrawChar('*', kAvailabilityColumn, row, kLightBlue);
}

void DrawFilledSlot(int32_t slot, int32_t row, bool cursedScreen) {
    const ItemData& item = *EquippedItem(slot);
    const ItemKind& kind = *KindOf(&item);
    const bool swapSlot = slot == kSlotMainHandSwap || slot == kSlotSecondHandSwap;
    const ColourCode colour = ItemBlessingColour(item, swapSlot ? kDarkGrey : kLightBlue);
    if (IsAccessorySlot(slot)) {
        const std::string name =
            player.identifiedKinds[item.kind] != 0 ? std::string(kind.name) : AccessoryAppearanceName(item.kind);
        DrawText(name, kItemColumn, row, colour);
        return;
    }
    // Only the full screen tells whether the pack holds something better.
    const bool marked = !cursedScreen && !swapSlot;
    const char marker = marked && PackHasBetterItem(slot) ? '*' : ' ';
    const bool thrown = slot == kSlotThrownWeapon;
    const std::string name = thrown ? std::string(kind.name) : ItemKindDisplayName(item.kind, item.prefix, item.identified);
    const int32_t number = thrown ? item.quantity : item.durability;
    const std::string text = marked ? FormatText("%s %d %c", name.c_str(), number, marker)
                                    : FormatText("%s %d", name.c_str(), number);

    const bool weaponRow = slot == kSlotMainWeapon || slot == kSlotSecondWeapon || slot == kSlotMainHandSwap ||
                           (slot == kSlotSecondHandSwap && kind.subtype != kSubtypeShield);
    if (!weaponRow) {
        DrawText(text, kItemColumn, row, colour);
        return;
    }
    // The second weapons of the full screen are one-handed by the hand rules.
    const bool oneHandedRow = !cursedScreen && (slot == kSlotSecondWeapon || slot == kSlotSecondHandSwap);
    DrawText(oneHandedRow ? "1H" : HandTag(kind), kItemColumn, row, colour);
    DrawText(text, kNamedAfterTagColumn, row, colour);
}

}  // namespace

int32_t SlotOfKey(int key, bool cursedScreen) {
    int32_t letter = 'a';
    for (const EquipmentRow& entry : kEquipmentRows) {
        if (cursedScreen && !entry.onCursedScreen) continue;
        if (key == letter) return entry.slot;
        ++letter;
    }
    return kEmptySlot;
}

ColourCode ItemBlessingColour(const ItemData& item, ColourCode unknown) {
    if (item.identified == 0) return unknown;
    if (item.blessing == kCursed) return kLightRed;
    return item.blessing == kBlessed ? kYellow : kLightBlue;
}

void Player::DrawEquipmentScreen(bool cursedItemLayout) {
    DrawText("Equipment", 35, 0, kCyan);
    DrawText("z = Close equipment", 31, 24, kCyan);
    char letter = 'a';
    for (const EquipmentRow& entry : kEquipmentRows) {
        if (cursedItemLayout && !entry.onCursedScreen) continue;
        // The cursed-item screen stands one row lower.
        const int32_t row = entry.row + (cursedItemLayout ? 1 : 0);
        DrawText(FormatText("[%c] %s", letter, entry.name), kLabelColumn, row, kCyan);
        ++letter;
        if (EquippedItem(entry.slot) == nullptr) {
            DrawEmptySlot(entry.slot, row, cursedItemLayout);
        } else {
            DrawFilledSlot(entry.slot, row, cursedItemLayout);
        }
    }
}

int32_t Player::PickCursedEquippedItem() {
    ClearScreen();
    DrawEquipmentScreen(true);
    for (;;) {
        const int key = ReadKey();
        if (key == kKeyEscape || key == '`' || key == 'z' || key == 'Z') {
            ClearScreen();
            if (Floor* floor = CurrentFloor(); floor != nullptr) floor->RedrawSeenTiles();
            return -1;
        }
        const int32_t slot = SlotOfKey(key, true);
        if (slot == kEmptySlot) continue;
        const ItemData* item = EquippedItem(slot);
        if (item != nullptr && IsCursed(*item)) return equipSlots[slot];
    }
}
