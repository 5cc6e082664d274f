#include "folk/folk_prompts.h"

#include <algorithm>

#include "items/inventory.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/player.h"
#include "world/sage.h"

void Say(const std::string& text) {
    if (!text.empty() && text.back() != ' ') {
        PrintWords(text + " ");
    } else {
        PrintWords(text);
    }
}

void DrawPrompt(const std::string& text, int32_t row, int32_t column) { DrawText(text, column, row, kPromptColour); }

void DrawCentredPrompt(const std::string& text, int32_t row) {
    const int32_t column = (79 - static_cast<int32_t>(text.size())) / 2;
    DrawPrompt(text, row, std::max(column, 0));
}

int ReadOneOf(const std::string& keys) {
    for (;;) {
        const int key = ReadKey();
        if (key >= 0 && key < 256 && keys.find(static_cast<char>(key)) != std::string::npos) return key;
    }
}

bool AskYesNo() {
    const int key = ReadOneOf("yYnN");
    return key == 'y' || key == 'Y';
}

bool IsLeaveKey(int key) { return key == 'z' || key == 'Z' || key == kKeyEscape || key == '`'; }

bool IsEnterKey(int key) { return key == kKeyEnter || key == '\r'; }

int32_t DepthFactor(int32_t floor) { return (floor + 1) / 7 + 1; }

bool SageOfferAccepted(const std::string& question, int32_t price, const char* tooPoor) {
    DrawText(messageLog.blank, 0, kPromptRow, kBlack);
    DrawText(messageLog.blank, 0, kSecondPromptRow, kBlack);
    DrawPrompt(question, kPromptRow);
    DrawPrompt(FormatText("\"It would cost %d coins.\"", price), kSecondPromptRow);
    if (!AskYesNo()) {
        Say("\"Oh..\"");
        return false;
    }
    if (player.gold < price) {
        Say(tooPoor);
        return false;
    }
    return true;
}

void PaySage(int32_t sage, int32_t price) {
    player.gold -= price;
    player.goldPaidToSages += price;
    sages[static_cast<std::size_t>(sage)].priceLevel += price / 3;
}

void PaySmith(int32_t amount) {
    player.gold -= amount;
    player.goldPaidToSmiths += amount;
}

void UseUpOneUnit(int32_t index) {
    ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    if (item.quantity > 1) {
        item.quantity -= 1;
        // The lighter load counts at once, not at the next change of the inventory.
        player.RecomputePlayerStats();
        return;
    }
    RemoveWholeEntry(index);
}

void RemoveWholeEntry(int32_t index) {
    RemoveInventoryEntry(index);
    player.SortInventory();
    player.RecomputePlayerStats();
}

int32_t ShareOfGold(int32_t gold, int32_t tenths) {
    if (tenths >= 10) return gold;
    const float part = static_cast<float>(tenths) / 10.0f;
    return static_cast<int32_t>(static_cast<float>(gold) * part);
}

void DrawShareRows(int32_t gold) {
    int32_t s[10];
    for (int32_t k = 0; k < 10; ++k) s[k] = ShareOfGold(gold, k + 1);
    DrawPrompt(FormatText("(A) %d$, (B) %d$, (C) %d$, (D) %d$, (E) %d$", s[0], s[1], s[2], s[3], s[4]), kSecondPromptRow);
    DrawPrompt(FormatText("(F) %d$, (G) %d$, (H) %d$, (I) %d$, (J) %d$ (all of your gold)", s[5], s[6], s[7], s[8], s[9]),
               kThirdPromptRow);
}

int32_t ShareOfKey(int key) {
    if (key >= 'A' && key <= 'J') return key - 'A' + 1;
    if (key >= 'a' && key <= 'j') return key - 'a' + 1;
    return 0;
}

int32_t RunPaymentMenu() {
    DrawShareRows(player.gold);
    const int32_t tenths = ShareOfKey(ReadOneOf("ABCDEFGHIJabcdefghij"));
    const int32_t amount = ShareOfGold(player.gold, tenths);
    if (amount == 0) Say("Zero gold isn't enough.");
    return amount;
}
