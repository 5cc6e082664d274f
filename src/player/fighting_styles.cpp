// The character fights in one of five styles; the formulas of combat, armour
// and speed read the style, and this command changes it without using a turn.
#include <string>

#include "items/item_prefixes.h"
#include "shell/status_panel.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/item_kind.h"
#include "world/player.h"

int32_t previousFightingStyle = -1;

namespace {

constexpr ColourCode kPromptColour = kLightCyan;

struct StyleText {
    const char* name;
    const char* nowUsing;
};

const StyleText kStyles[] = {
    {"normal", "Now using normal fighting style, no positive or negative modifiers."},
    {"aggressive", "Now using aggressive fighting style, increased damage at the cost of armor."},
    {"defensive", "Now using defensive fighting style, increased armor at the cost of damage."},
    {"accurate", "Now using accurate fighting style, increased accuracy at the cost of speed."},
    {"fast", "Now using fast fighting style, increased speed at the cost of accuracy."},
};

// A style outside 1..5 (only a damaged record could hold one) reads as normal.
const StyleText& Style(int32_t style) {
    return style >= kStyleNormal && style <= kStyleFast ? kStyles[style - kStyleNormal] : kStyles[0];
}

void BlankRow(int32_t row) { DrawText(messageLog.blank, 0, row, kBlack); }

std::string PadTo80(std::string text) {
    if (text.size() < 80) text.append(80 - text.size(), ' ');
    return text;
}

}  // namespace

void Player::ChooseFightingStyle() {
    if (previousFightingStyle == -1) previousFightingStyle = kStyleNormal;

    for (int32_t row = 19; row <= 21; ++row) BlankRow(row);
    DrawText(std::string("You are using the ") + Style(fightingStyle).name + " fighting style. Choose the new style:",
             0, 19, kPromptColour);
    DrawText("(1) Normal | (2) Aggressive | (3) Defensive | (4) Accurate | (5) Fast           ", 0, 20,
             kPromptColour);
    DrawText(std::string("Or press '") + KeyLabel(kCommandFightingStyle) + "' again to switch to the previously used " +
                 Style(previousFightingStyle).name + " fighting style.",
             0, 21, kPromptColour);

    for (;;) {
        const int key = ReadKey();
        if (key >= '1' && key <= '5') {
            const int32_t chosen = key - '0';
            if (chosen != fightingStyle) previousFightingStyle = fightingStyle;
            fightingStyle = chosen;
            break;
        }
        if (IsBoundKey(key, kCommandFightingStyle)) {
            const int32_t current = fightingStyle;
            fightingStyle = previousFightingStyle;
            previousFightingStyle = current;
            break;
        }
    }

    BlankRow(20);
    BlankRow(21);
    DrawText(PadTo80(Style(fightingStyle).nowUsing), 0, 19, kPromptColour);
    RecomputePlayerStats();
    DrawStatusPanel();
}

void Player::ExplodeTrappedArmour(int32_t itemIndex) {
    if (itemIndex < 0 || itemIndex >= static_cast<int32_t>(inventory.size())) return;
    const ItemData& item = inventory[itemIndex];
    // A cloth item's prefix field holds its wetness, not a prefix.
    if (item.kind >= 0 && item.kind < kItemKindCount && itemKinds[item.kind].type == kItemCloth) return;
    if (item.prefix != kPrefixPutrid) return;
    PrintWords(
        "As you were putting on the piece of armor, the piece started slowly glowing green. Now that you're "
        "finished the glow suddenly dims and explodes into a cloud of noxious fumes! You feel ill, and so should "
        "anyone nearby.");
    fever += 150 + rng.Random(150);
    sickness += 50 + rng.Random(50);
    poison += 10 + rng.Random(15);
}
