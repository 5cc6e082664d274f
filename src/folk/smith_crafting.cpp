// The deep smith's work on materials: crafting a piece of armour or a weapon
// from one unit, and trading one unit for another material of the same power.
#include <algorithm>
#include <vector>

#include "folk/crafting_rules.h"
#include "folk/folk_prompts.h"
#include "items/equipment_list_screen.h"
#include "items/inventory.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

bool IsMaterial(const ItemData&, const ItemKind& kind) { return kind.type == kItemMaterial; }

bool CarriesMaterial() {
    return std::any_of(player.inventory.begin(), player.inventory.end(), [](const ItemData& item) {
        return item.kind >= 0 && item.kind < kItemKindCount && itemKinds[item.kind].type == kItemMaterial;
    });
}

// One unit of the material goes; a stack of one takes its entry with it.
void TakeOneUnit(int32_t index) {
    ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    if (item.quantity == 1) {
        RemoveInventoryEntry(index);
    } else {
        item.quantity -= 1;
    }
}

// What the character wants made of a material of that class: asked on the message rows.
CraftWish AskForWish(int32_t craftClass) {
    CraftWish wish;
    bool melee = craftClass == kCraftMelee;
    bool armour = craftClass == kCraftArmour;
    if (craftClass == kCraftRanged) {
        wish.type = kItemWeapon;
        wish.subtype = kSubtypeRanged;
        return wish;
    }
    if (craftClass == kCraftArmourOrMelee) {
        DrawPrompt("\"What would you like to craft using that material?\"", kPromptRow);
        DrawPrompt("A piece of (A)rmor or a (M)elee weapon", kSecondPromptRow);
        const int key = ReadOneOf("AaMm");
        armour = key == 'A' || key == 'a';
        melee = !armour;
        BlankMessageRows(kPromptRow, kSecondPromptRow);
    }
    if (melee) {
        DrawPrompt("\"What kind of a melee weapon do you want?\"", kPromptRow);
        DrawPrompt("A (O)ne handed weapon or a (T)wo handed weapon", kSecondPromptRow);
        const int key = ReadOneOf("OoTt");
        wish.type = kItemWeapon;
        wish.subtype = key == 'O' || key == 'o' ? kSubtypeOneHanded : kSubtypeTwoHanded;
        BlankMessageRows(kPromptRow, kSecondPromptRow);
    } else if (armour) {
        DrawPrompt("\"Which piece of armor do you want?\"", kPromptRow);
        DrawPrompt("(C)hest piece, (L)eggings, (G)auntlets, (B)oots or (H)elmet", kSecondPromptRow);
        wish.type = kItemArmour;
        switch (ReadOneOf("CcLlGgBbHh")) {
            case 'C': case 'c': wish.subtype = kSubtypeChest; break;
            case 'L': case 'l': wish.subtype = kSubtypeLeggings; break;
            case 'G': case 'g': wish.subtype = kSubtypeGauntlets; break;
            case 'B': case 'b': wish.subtype = kSubtypeBoots; break;
            default: wish.subtype = kSubtypeHelmet; break;
        }
        BlankMessageRows(kPromptRow, kSecondPromptRow);
    }
    return wish;
}

}  // namespace

int32_t Player::ChooseMaterialItem() {
    const EquipmentListRules rules = {"    8 = up     page down = next page     s = select a material type item",
                                      "    2 = down   page up = previous page   z = exit",
                                      's',
                                      IsMaterial,
                                      nullptr,
                                      nullptr,
                                      true};
    return ChooseFromEquipmentList(rules);
}

void Player::CraftItemAtSmith() {
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    if (!CarriesMaterial()) {
        Say("You don't have any material items to craft.");
        return;
    }
    DrawPrompt("\"Which one of your material items would you like to craft?\"", kPromptRow);
    DrawPrompt("\"Don't worry, I'll ask for a confirmation after you've given me the specifics.\"", kSecondPromptRow);
    DrawPrompt("(Press space)", kThirdPromptRow, 33);
    WaitForSpaceKey();
    const int32_t index = ChooseMaterialItem();
    if (index == -1) return;
    const int32_t material = inventory[static_cast<std::size_t>(index)].kind;
    const ItemKind& materialKind = itemKinds[material];
    if (!IsCraftableMaterial(materialKind)) {
        // Item data without a power or a class would leave nothing to make.
        Say("\"I can't make anything out of that material.\"");
        return;
    }
    const int32_t power = materialKind.power;
    const CraftWish wish = AskForWish(materialKind.secondValue);
    DrawPrompt("\"You may decide how much you pay me and thus decide the quality of the item:\"", kPromptRow);
    const int32_t amount = RunPaymentMenu();
    if (amount <= 0) return;
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt(FormatText("\"Are you willing to pay %d gold for the crafting?\" (y/n)", amount), kPromptRow);
    if (!AskYesNo()) {
        Say("\"Perhaps some other time then.\"");
        return;
    }
    // The smith looks for what he can make before he takes anything.
    const int32_t kind = FindCraftedKind(wish, CraftedDepthLevel(wish, power, amount));
    if (kind == kNoItemKind) {
        Say("\"I don't know how to forge such a thing from that material.\"");
        return;
    }
    PaySmith(amount);
    const int32_t roll = rng.Random(5);
    ItemData made = FreshItem(kind, 1, CraftedDurability(roll, power, amount));
    made.prefix = CraftedPrefix(power, amount);
    TakeOneUnit(index);
    inventory.push_back(made);
    SortInventory();
    RecomputePlayerStats();
    Say("The smith takes your material and payment, weighs the amount of gold in his hand and gets to work. The "
        "sounds of forging fill the vicinity. A short moment passes before the deep smith turns back to you and hands "
        "you the still warm product.");
}

void Player::ExchangeMaterialsAtSmith() {
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    if (!CarriesMaterial()) {
        Say("You don't have any material items to exchange.");
        return;
    }
    DrawPrompt("\"Which one of your material items would you like to exchange?\" (Press space)", kPromptRow);
    WaitForSpaceKey();
    const int32_t index = ChooseMaterialItem();
    if (index == -1) return;
    const int32_t material = inventory[static_cast<std::size_t>(index)].kind;
    const int32_t fee = 30 * itemKinds[material].power;
    const std::vector<int32_t> candidates = ExchangeCandidates(material);
    if (candidates.empty()) {
        Say("\"I have nothing to trade that material into.\"");
        return;
    }
    const bool two = candidates.size() == 2;
    DrawPrompt(FormatText("\"Exchanging that costs %d gold. I can trade it into:\"", fee), kPromptRow);
    if (two) {
        DrawPrompt(FormatText("(A) %s, (B) %s", itemKinds[candidates[0]].name, itemKinds[candidates[1]].name),
                   kSecondPromptRow);
    } else {
        DrawPrompt(FormatText("(A) %s", itemKinds[candidates[0]].name), kSecondPromptRow);
    }
    DrawPrompt("(z = Exit exchange, Select a material to pay and finish the trade)", kThirdPromptRow);
    const int key = ReadOneOf(two ? "zZAaBb" : "zZAa");
    if (key == 'z' || key == 'Z') {
        Say("\"Come back if you change your mind!\"");
        return;
    }
    const int32_t target = key == 'B' || key == 'b' ? candidates[1] : candidates[0];
    if (gold < fee) {
        Say("You don't have enough money!");
        return;
    }
    PaySmith(fee);
    TakeOneUnit(index);
    bool carried = false;
    for (ItemData& item : inventory) {
        if (item.kind == target) {
            item.quantity += 1;
            carried = true;
        }
    }
    if (!carried) inventory.push_back(FreshItem(target, 1, kNoDurability));
    SortInventory();
    RecomputePlayerStats();
    Say("You exchange the materials.");
}
