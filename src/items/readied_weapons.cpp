// The second slot of a sort (second weapon, left ring) and the swap between
// the hands and the readied weapons.
#include "items/equip_rules.h"
#include "player/worn_gear.h"
#include "shell/status_panel.h"
#include "toolkit/message_log.h"
#include "world/player.h"

namespace {

bool IsCursedIn(int32_t slot) {
    const ItemData* item = EquippedItem(slot);
    return item != nullptr && IsCursed(*item);
}

// Nothing changes, and the player hears why.
void SayAndShow(const char* text) {
    PrintWords(text);
    messageLog.FlushMessages(false);
}

}  // namespace

int32_t Player::ToggleSecondSlot(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return kSlotRefused;
    ItemData& item = inventory[index];
    const ItemKind* kind = KindOf(&item);
    if (kind == nullptr) return kSlotRefused;

    int32_t slot = kSlotLeftRing;
    if (kind->type == kItemWeapon) {
        slot = kSlotSecondWeapon;
        const int32_t mainSubtype = SubtypeInSlot(kSlotMainWeapon);
        if (equipSlots[kSlotMainWeapon] == index || equipSlots[kSlotShield] != kEmptySlot ||
            mainSubtype == kSubtypeTwoHanded || mainSubtype == kSubtypeRanged || kind->subtype != kSubtypeOneHanded) {
            return kSlotRefused;
        }
        // With empty hands a one-handed weapon goes to the main hand.
        if (equipSlots[kSlotSecondWeapon] == kEmptySlot && equipSlots[kSlotMainWeapon] == kEmptySlot) {
            return ToggleEquipSlot(index);
        }
    }
    int32_t& held = equipSlots[slot];
    if (held == index) {
        if (IsCursed(item)) return kSlotRefused;
        held = kEmptySlot;
        return 0;
    }
    if (held != kEmptySlot && IsCursedIn(slot)) return kSlotRefused;
    held = index;
    return IdentifyOnFirstEquip(item);
}

void Player::SwapToReadiedWeapons() {
    int32_t& mainWeapon = equipSlots[kSlotMainWeapon];
    int32_t& secondWeapon = equipSlots[kSlotSecondWeapon];
    int32_t& shield = equipSlots[kSlotShield];
    int32_t& mainSwap = equipSlots[kSlotMainHandSwap];
    int32_t& secondSwap = equipSlots[kSlotSecondHandSwap];
    if (mainSwap == kEmptySlot && secondSwap == kEmptySlot) {
        SayAndShow("You haven't readied any weapons! ");
        return;
    }
    if (IsCursedIn(kSlotMainWeapon)) {
        SayAndShow("Your main weapon is cursed! ");
        return;
    }
    if (IsCursedIn(kSlotSecondWeapon)) {
        SayAndShow("Your second weapon is cursed! ");
        return;
    }
    if (IsCursedIn(kSlotShield)) {
        SayAndShow("Your shield is cursed! ");
        return;
    }
    SayAndShow("You swap your weapons. ");
    for (int32_t slot : {kSlotMainHandSwap, kSlotSecondHandSwap}) {
        if (ItemData* item = EquippedItem(slot); item != nullptr) item->identified = 1;
    }

    const bool shieldWorn = shield != kEmptySlot;
    const bool shieldReadied = SubtypeInSlot(kSlotSecondHandSwap) == kSubtypeShield;
    const int32_t oldMain = mainWeapon;
    const int32_t oldSecond = secondWeapon;
    const int32_t oldShield = shield;
    const int32_t oldSecondSwap = secondSwap;
    mainWeapon = mainSwap;
    mainSwap = oldMain;
    if (shieldReadied) {
        // The readied shield goes on the arm; a held second weapon is readied in its place.
        if (!shieldWorn) secondWeapon = kEmptySlot;
        shield = oldSecondSwap;
        secondSwap = shieldWorn ? oldShield : oldSecond;
    } else {
        secondWeapon = oldSecondSwap;
        shield = kEmptySlot;
        secondSwap = shieldWorn ? oldShield : oldSecond;
    }
    // A readied second hand without a readied main hand is no set at all.
    if (mainSwap == kEmptySlot && secondSwap != kEmptySlot) secondSwap = kEmptySlot;
    DrawStatusPanel();
}
