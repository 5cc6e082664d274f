// The deep smith's repair, paid as the player likes, and his destruction of a
// cursed piece of equipment that will not come off.
#include <algorithm>

#include "folk/folk_prompts.h"
#include "folk/smith_prices.h"
#include "items/item_names.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/game_hooks.h"
#include "world/item_kind.h"
#include "world/player.h"

void Player::RepairItemAtSmith() {
    const int32_t index = RepairEquipmentScreen(false);
    if (index < 0) return;
    DrawPrompt("\"You may decide how much you pay me and thus decide the amount of repairing:\"", kPromptRow);
    const int32_t amount = RunPaymentMenu();
    if (amount <= 0) return;
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt(FormatText("\"Are you willing to pay %d gold for the repairing?\" (y/n)", amount), kPromptRow);
    if (!AskYesNo()) {
        Say("\"Well, it's your funeral...\"");
        return;
    }
    PaySmith(amount);
    ItemData& item = inventory[static_cast<std::size_t>(index)];
    const ItemKind& kind = itemKinds[item.kind];
    item.durability = std::min(item.durability + RepairGain(kind, amount), kind.maxDurability);
    Say("The smith takes the item, picks up his tools and starts working at a blinding speed! Your eyes are too slow "
        "to keep up with his hands, but soon he smiles broadly and says:");
    Say("\"Good as new!\"");
}

void Player::DestroyCursedItemAtSmith(int32_t index) {
    if (index == -1) return;
    ClearScreen();
    if (RestoreMapView()) RedrawScreen();
    const ItemData& item = inventory[static_cast<std::size_t>(index)];
    const std::string name = ShownItemName(item);
    const int32_t price = DestructionPrice(item, currentFloor);
    BlankMessageRows(kPromptRow, kSecondPromptRow);
    DrawPrompt(FormatText("\"Shall I destroy your %s?\" (y/n)", name.c_str()), kPromptRow);
    if (itemKinds[item.kind].type == kItemAccessory) {
        DrawPrompt(FormatText("\"It would cost %d coins as it's an accessory.\"", price), kSecondPromptRow);
    } else {
        DrawPrompt(FormatText("\"It would cost %d coins as it has %d durability left.\"", price, item.durability),
                   kSecondPromptRow);
    }
    if (!AskYesNo()) {
        Say("\"Well, it seems you like being stuck to that piece of junk.\"");
        return;
    }
    if (gold < price) {
        Say("You don't have enough money!");
        return;
    }
    PaySmith(price);
    inventory[static_cast<std::size_t>(index)].blessing = kUncursed;
    if (equipSlots[kSlotSecondWeapon] == index || equipSlots[kSlotLeftRing] == index) {
        ToggleSecondSlot(index);
    } else {
        ToggleEquipSlot(index);
    }
    RemoveWholeEntry(index);
    Say("The smith takes from his toolbox a hammer with a single huge spike in the middle of it and tells you to stand "
        "very still. He heaves the hammer above his head, swings at your");
    messageLog.PrintMessage(name + " ");
    Say("and you're thrown on the ground by the force of the blow. When you stand back up, you notice the");
    messageLog.PrintMessage(name + " ");
    Say("on the ground, split in half.");
}
