// What a sage does for gold: healing, heating or firemead (cooling once the
// final demon is slain), arrows, uncursing and the prepaid resurrection.
#include <cstring>

#include "folk/folk_prompts.h"
#include "folk/sage_prices.h"
#include "items/inventory.h"
#include "items/item_names.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "shell/status_panel.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/game_hooks.h"
#include "world/item_kind.h"
#include "world/player.h"
#include "world/sage.h"
#include "world/unique_demon_names.h"

namespace {

constexpr int32_t kHeatedTemperature = 9000;
constexpr int32_t kCooledTemperature = 1000;
// The wave of warmth after heating dries up to five wet pieces, one a wave.
constexpr int32_t kDryingWaves = 5;
constexpr int32_t kDryingHeat = 1500;
constexpr const char* kFiremead = "firemead";

int32_t PriceLevel(int32_t sage) { return sages[static_cast<std::size_t>(sage)].priceLevel; }

bool NeedsHealing(const Player& p) {
    return p.hp < p.maxHp || p.sickness != 0 || p.poison != 0 || p.fever != 0 || p.clumsiness != 0 || p.horror != 0 ||
           p.frostbite != 0 || p.slowness != 0 || p.bleeding != 0;
}

void HandOverFiremead() {
    for (ItemData& item : player.inventory) {
        if (item.kind >= 0 && item.kind < kItemKindCount && std::strcmp(itemKinds[item.kind].name, kFiremead) == 0) {
            item.quantity += 1;
            player.RecomputePlayerStats();
            return;
        }
    }
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (std::strcmp(itemKinds[kind].name, kFiremead) != 0) continue;
        player.inventory.push_back(FreshItem(kind, 1, itemKinds[kind].maxDurability));
        player.SortInventory();
        player.RecomputePlayerStats();
        return;
    }
}

void Cool(int32_t sage) {
    if (player.bodyTemperature < kCooledTemperature) {
        Say("\"You are already cold enough.\".");
        return;
    }
    player.bodyTemperature = kCooledTemperature;
    PaySage(sage, HealingPrice(PriceLevel(sage)));
    Say("The sage points his wand at you! Suddenly you are surrounded by shimmering light. The sweaty heat seems "
               "to lift from your body. You feel cold.");
}

void Heat(int32_t sage) {
    if (player.bodyTemperature > kHeatedTemperature) {
        Say("\"You are already warm enough.\".");
        return;
    }
    player.bodyTemperature = kHeatedTemperature;
    PaySage(sage, HealingPrice(PriceLevel(sage)));
    Say("The sage points his wand at you! Suddenly you are surrounded by shimmering light. The cold seems to "
               "lift from your body. You feel hot.");
    for (int32_t wave = 0; wave < kDryingWaves; ++wave) player.DryClothes(kDryingHeat);
}

}  // namespace

void Player::BuyArrowsFromSage(int32_t sage) {
    const int32_t level = PriceLevel(sage);
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt("\"How many arrows would you like to buy?\"", kPromptRow);
    DrawPrompt(FormatText("(A) Five [%d gold]  |  (B) Twenty five [%d gold]  |  (C) Fifty [%d gold]",
                          FiveArrowsPrice(level), TwentyFiveArrowsPrice(level), FiftyArrowsPrice(level)),
               kSecondPromptRow);
    DrawPrompt("(Upper case, z = exit)", kThirdPromptRow);
    int32_t count = 0;
    int32_t price = 0;
    switch (ReadOneOf("ABCzZ")) {
        case 'A': count = 5; price = FiveArrowsPrice(level); break;
        case 'B': count = 25; price = TwentyFiveArrowsPrice(level); break;
        case 'C': count = 50; price = FiftyArrowsPrice(level); break;
        default: return;
    }
    if (gold < price) {
        Say("You don't have enough money.");
        return;
    }
    AddArrows(count);
    PaySage(sage, price);
    Say("\"Here you go.\"");
}

void Player::BuyHealingFromSage(int32_t sage) {
    const int32_t price = HealingPrice(PriceLevel(sage));
    if (gold < price) {
        Say("You don't have enough gold.");
        return;
    }
    if (!NeedsHealing(*this)) {
        Say("\"You are already healthy enough.\"");
        return;
    }
    poison = 0;
    bleeding = 0;
    fever = 0;
    sickness = 0;
    clumsiness = 0;
    horror = 0;
    slowness = 0;
    if (frostbite > 0) {
        maxHp += frostbiteMaxHpLoss;
        frostbite = 0;
        frostbiteMaxHpLoss = 0;
        frostbiteHpLoss = 0;
    }
    hp = maxHp;
    sp = maxSp;
    PaySage(sage, price);
    Say("The sage gives you a bottle of strange liquid. You drink the whole potion, which tastes like mud. Before "
               "you notice, you are already healthy again.");
}

void Player::BuyHeatingFromSage(int32_t sage) {
    const int32_t price = HealingPrice(PriceLevel(sage));
    if (gold < price) {
        Say("You don't have enough gold.");
        return;
    }
    if (demonSlainFlags[kFinalDemon] != 0) {
        Cool(sage);
        return;
    }
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt(FormatText("\"The cost of either (H)eating or (F)ood is %d gold. How about it?\"", price), kPromptRow);
    DrawPrompt("(Upper case, z = exit)", kThirdPromptRow);
    const int key = ReadOneOf("HFzZ");
    if (key == 'H') {
        Heat(sage);
    } else if (key == 'F') {
        PaySage(sage, price);
        Say("The sage takes the money and hands you a bottle of firemead.");
        HandOverFiremead();
    }
}

void Player::BuyUncursingFromSage(int32_t index, int32_t sage) {
    if (index == -1 || sage == -1) return;
    ClearScreen();
    if (RestoreMapView()) RedrawScreen();
    const std::string name = ShownItemName(inventory[static_cast<std::size_t>(index)]);
    const int32_t price = UncursingPrice(PriceLevel(sage));
    const std::string question = FormatText("\"Shall I uncurse your %s?\" (y/n)", name.c_str());
    if (!SageOfferAccepted(question, price, "You don't have enough money!")) return;
    PaySage(sage, price);
    inventory[static_cast<std::size_t>(index)].blessing = kUncursed;
    Say("The sage stares at your cursed ");
    messageLog.PrintMessage(name + " ");
    Say("and begins to scream a spell! Your ");
    messageLog.PrintMessage(name + " ");
    Say("begins to glow as the sage finishes his spell. ");
    messageLog.PrintMessage(name + " ");
    Say("feels much lighter now.");
}

void Player::OfferResurrection() {
    if (insured == 1) {
        Say("\"You have already insured yourself.\"");
        messageLog.FlushMessages(false);
        return;
    }
    const int32_t price = ResurrectionPrice();
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt(FormatText("\"If you pay me the meager price of %d gold pieces, I can resurrect you once", price),
               kPromptRow);
    if (gold < price) {
        DrawPrompt("if you die in the depths. Unfortunately you don't have the money to pay that.\"", kSecondPromptRow);
        return;
    }
    DrawPrompt("if you die in the depths. Would you like to take this small.. Insurance?\" (y/n)", kSecondPromptRow);
    const bool accepted = AskYesNo();
    BlankMessageRows(kPromptRow, kSecondPromptRow);
    if (!accepted) {
        Say("\"Do come back if you change your mind.\"");
        messageLog.FlushMessages(false);
        return;
    }
    Say("The sage nods approvingly and writes something in his tiny notebook. You feel a small tingle inside.");
    messageLog.FlushMessages(false);
    goldPaidToSages += price;
    gold -= price;
    insured = 1;
    DrawStatusPanel();
}
