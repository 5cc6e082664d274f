// The equipment command's screen: a slot letter opens the list of what could
// go there, unless the hands or a curse forbid it, which the screen says in its
// message area right of the slots.
#include <initializer_list>

#include "items/equip_chooser.h"
#include "items/equip_rules.h"
#include "items/equipment_rows.h"
#include "player/worn_gear.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "world/player.h"

namespace {

constexpr int32_t kMessageColumn = 59;
constexpr int32_t kFirstMessageRow = 16;
constexpr const char* kMessageBlank = "                    ";
constexpr const char* kPressSpace = "   (Press space)";

bool IsExitKey(int key) { return key == kKeyEscape || key == '`' || key == 'z' || key == 'Z'; }

void DrawMessage(std::initializer_list<const char*> lines, ColourCode colour) {
    int32_t row = kFirstMessageRow;
    for (const char* line : lines) DrawText(line, kMessageColumn, row++, colour);
}

void EraseMessage(int32_t rows) {
    for (int32_t row = kFirstMessageRow; row < kFirstMessageRow + rows; ++row) {
        DrawText(kMessageBlank, kMessageColumn, row, kBlack);
    }
}

// A refusal stays until the space bar.
void Refuse(std::initializer_list<const char*> lines) {
    DrawMessage(lines, kRed);
    WaitForSpaceKey();
    EraseMessage(static_cast<int32_t>(lines.size()));
}

void DrawNotice(int8_t notice) {
    if (notice == kBlessed) DrawMessage({"A blessed item! It's", "better than a normal", "item of its kind."}, kLightCyan);
    if (notice == kCursed) {
        DrawMessage({"A cursed item! It's", "worse than a normal", "one, and you can't", "unequip it!"}, kLightCyan);
    }
}

bool IsCursedIn(int32_t slot) {
    const ItemData* item = EquippedItem(slot);
    return item != nullptr && IsCursed(*item);
}

bool Filled(int32_t slot) { return player.equipSlots[slot] != kEmptySlot; }

// The armour worn over a cloth slot, or kEmptySlot.
int32_t CoveringSlot(int32_t slot) {
    switch (slot) {
        case kSlotClothShirt: return kSlotChest;
        case kSlotClothTrousers: return kSlotLeggings;
        case kSlotClothGloves: return kSlotGauntlets;
        case kSlotClothSocks: return kSlotBoots;
        case kSlotClothCap: return kSlotHelmet;
        default: return kEmptySlot;
    }
}

bool MainWeaponTwoHanded() { return Filled(kSlotMainWeapon) && SubtypeInSlot(kSlotMainWeapon) != kSubtypeOneHanded; }
bool NoMainWeapon() { return !Filled(kSlotMainWeapon); }
bool ShieldWorn() { return Filled(kSlotShield); }
bool SecondWeaponHeld() { return Filled(kSlotSecondWeapon); }
bool NothingReadied() { return !Filled(kSlotMainHandSwap); }
bool TwoHandedReadied() { return SubtypeInSlot(kSlotMainHandSwap) != kSubtypeOneHanded; }

// The hand rules the screen checks before a list opens, in order for each key.
struct HandRule {
    int key;
    bool (*breaks)();
    const char* first;
    const char* second;
};
constexpr HandRule kHandRules[] = {
    {'b', NoMainWeapon, "Fill the other", "weapon slot first."},
    {'b', MainWeaponTwoHanded, "You already wield", "a two handed weapon!"},
    {'b', ShieldWorn, "You already use", "a shield!"},
    {'d', MainWeaponTwoHanded, "You already wield", "a two handed weapon!"},
    {'d', SecondWeaponHeld, "You already wield", "two weapons!"},
    {'s', NothingReadied, "Fill the other swap", "slot first."},
    {'s', TwoHandedReadied, "You already readied", "a two handed weapon!"},
};

// True after the first hand rule of the key that is broken has been refused.
bool HandsRefuse(int key) {
    for (const HandRule& rule : kHandRules) {
        if (rule.key != key || !rule.breaks()) continue;
        Refuse({rule.first, rule.second, kPressSpace});
        return true;
    }
    return false;
}

struct ListArguments {
    int32_t selector;
    bool alternate;
    bool thrown;
    bool second;
};

// What the list of each key's slot is asked for, keys a to r; the second hand
// swap (s) asks which sort of item first.
constexpr ListArguments kListOfKey[] = {
    {kChooseWeapons, false, false, false},       // a main weapon
    {kChooseWeapons, false, false, true},        // b second weapon
    {kChooseThrown, false, true, false},         // c thrown weapon
    {kSubtypeShield, false, false, false},       // d shield
    {kSubtypeChest, false, false, false},        // e chest
    {kSubtypeLeggings, false, false, false},     // f leggings
    {kSubtypeGauntlets, false, false, false},    // g gauntlets
    {kSubtypeBoots, false, false, false},        // h boots
    {kSubtypeHelmet, false, false, false},       // i helmet
    {kSubtypeAmulet, false, false, false},       // j amulet
    {kSubtypeRing, false, false, false},         // k right ring
    {kSubtypeRing, false, false, true},          // l left ring
    {kSubtypeChest, true, false, false},         // m cloth shirt
    {kSubtypeLeggings, true, false, false},      // n cloth trousers
    {kSubtypeGauntlets, true, false, false},     // o cloth gloves
    {kSubtypeBoots, true, false, false},         // p cloth socks
    {kSubtypeHelmet, true, false, false},        // q cloth cap
    {kChooseWeapons, true, false, false},        // r main hand swap
};
constexpr ListArguments kReadyOneHandedWeapon = {kChooseWeapons, true, false, true};
constexpr ListArguments kReadyShield = {kSubtypeShield, false, false, true};

ListArguments AskWhatToReady() {
    DrawMessage({"Would you ready a", "one-handed (w)eapon", "or a (s)hield?"}, kLightCyan);
    for (;;) {
        const int key = ReadKey();
        if (key == 'w') return kReadyOneHandedWeapon;
        if (key == 's') return kReadyShield;
    }
}

}  // namespace

bool Player::CanChangeSlot(char key) {
    if (key < 'a' || key > 'q' || key == 'c') return false;
    const int32_t slot = SlotOfKey(key, false);
    const int32_t cover = CoveringSlot(slot);
    if (cover != kEmptySlot && IsCursedIn(cover)) {
        Refuse({"That slot is blocked", "by the cursed armor", "worn over it!", kPressSpace});
        return true;
    }
    if (IsCursedIn(slot)) {
        Refuse({"That item is cursed!", "You can't remove it.", kPressSpace});
        return true;
    }
    return false;
}

int32_t Player::EquipmentScreen(bool first, int8_t notice) {
    // Opening any list makes the visit count as the character's turn.
    bool chooserOpened = !first;
    for (;;) {
        ClearScreen();
        DrawEquipmentScreen(false);
        DrawNotice(notice);
        if (hp <= 0) {
            // The dead may only look.
            while (!IsExitKey(ReadKey())) {
            }
            return 1;
        }
        ListArguments list{};
        for (;;) {
            const int key = ReadKey();
            if (IsExitKey(key)) return chooserOpened ? 1 : 0;
            if (notice != 0) EraseMessage(4);
            if (key < 'a' || key > 's') continue;
            if (HandsRefuse(key) || CanChangeSlot(static_cast<char>(key))) continue;
            list = key == 's' ? AskWhatToReady() : kListOfKey[key - 'a'];
            break;
        }
        chooserOpened = true;
        notice = ChooseItemToEquip(list.selector, list.alternate, list.thrown, list.second);
    }
}
