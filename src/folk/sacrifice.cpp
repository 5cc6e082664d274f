// Sacrifice at an altar: items from the paged list, one unit at once or
// chosen, and gold in tenths of the purse, all turned into piety.
#include <algorithm>

#include "folk/folk_prompts.h"
#include "folk/item_offer_list.h"
#include "folk/piety.h"
#include "items/inventory.h"
#include "items/item_list_cursor.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr int32_t kOfferGold = -2;
constexpr int32_t kNothing = -1;

// The message of a quick sacrifice, by the band the new piety reaches.
std::string QuickSacrificeMessage(int32_t tier) {
    const int32_t percent = PietyPercent(player.piety, tier);
    switch (TouchBandOf(player.piety, tier)) {
        case TouchBand::kNone: return FormatText("You sacrifice it. Your piety is at %d%c.", percent, '%');
        case TouchBand::kAlmost:
            return FormatText("You sacrifice it. You can almost feel Her touching your shoulder. (Piety %d%c)", percent,
                              '%');
        case TouchBand::kLight:
            return FormatText("You sacrifice it. You feel a light divine touch on your shoulder. (Piety %d%c)", percent,
                              '%');
        case TouchBand::kFirm: break;
    }
    return FormatText("You sacrifice it. You feel a firm godly touch on your shoulder. (Piety %d%c)", percent, '%');
}

// Equipped items and ammunition never reach the altar; true when the entry was refused.
bool RefusedAtAltar(int32_t index) {
    if (IsEquipped(index)) {
        RefuseOnNoticeRow("You can't sacrifice equipped items! (Press space)", 15);
        return true;
    }
    if (itemKinds[player.inventory[static_cast<std::size_t>(index)].kind].type == kItemAmmunition) {
        RefuseOnNoticeRow("The Goddess doesn't accept such worthless items! (Press space)", 8);
        return true;
    }
    return false;
}

int32_t HandleSacrificeKey(ListCursor& cursor, int key) {
    const int32_t index = cursor.Index();
    if (key == 'm') {
        if (player.gold <= 0) return kListStaysOpen;
        CloseOfferListToMap();
        return kOfferGold;
    }
    const bool quick = key == 'S' || IsEnterKey(key);
    if (key != 's' && !quick) return kListStaysOpen;
    if (RefusedAtAltar(index)) return kListStaysOpen;
    if (!quick) {
        CloseOfferListToMap();
        return index;
    }
    const int32_t tier = player.PrayerTier();
    GainPiety(player.ItemSaleValue(index));
    return GiveAwayOneUnit(cursor, QuickSacrificeMessage(tier), 80);
}

void OfferGold(int32_t tier) {
    BlankMessageRows(kPromptRow, kSecondPromptRow);
    DrawPrompt("How much would you like to sacrifice? (z = exit)", kPromptRow);
    DrawShareRows(player.gold);
    const int key = ReadOneOf("ABCDEFGHIJabcdefghijzZ\x1b`");
    const int32_t tenths = ShareOfKey(key);
    if (tenths == 0) return;
    const int32_t amount = ShareOfGold(player.gold, tenths);
    if (amount == 0) {
        PrintWords("Zero gold isn't enough. ");
        return;
    }
    GainPiety(amount);
    player.gold -= amount;
    PrintWords("You place the money at the altar and pray. The money freezes completely and shatters into pieces! You "
               "feel that the Goddess accepts your gift. ");
    ReportGift(tier);
}

}  // namespace

int32_t Player::ChooseSacrifice() {
    if (inventory.empty() && gold != 0) return kOfferGold;
    return RunOfferList("   8 = up     page down = next page     s = sacrifice     S = quick sacrifice",
                        "   2 = down   page up = previous page   m = offer money   z = exit", HandleSacrificeKey);
}

void Player::MakeSacrifice(int32_t choice) {
    const int32_t tier = PrayerTier();
    if (choice == kNothing) return;
    if (choice == kOfferGold) {
        OfferGold(tier);
        return;
    }
    const int32_t value = ItemSaleValue(choice);
    const int32_t quantity = inventory[static_cast<std::size_t>(choice)].quantity;
    bool all = false;
    if (quantity > 1) {
        DrawPrompt("Sacrifice (O)ne, (A)ll or (N)one of your items?", kPromptRow);
        const int key = ReadOneOf("yYoOaAnN");
        if (key == 'n' || key == 'N') return;
        all = key == 'a' || key == 'A';
    }
    if (all) {
        PrintWords("You place the items at the altar and pray. The items freeze completely and shatter into pieces! You "
                   "feel that the Goddess accepts your gift. ");
        GainPiety(static_cast<int64_t>(quantity) * value);
    } else {
        PrintWords("You place the item at the altar and pray. The item freezes completely and shatters into pieces! You "
                   "feel that the Goddess accepts your gift. ");
        GainPiety(value);
    }
    ReportGift(tier);
    if (all) {
        RemoveWholeEntry(choice);
    } else {
        UseUpOneUnit(choice);
    }
}
