#include "shell/status_panel.h"

#include <algorithm>
#include <string>

#include "items/item_kind.h"
#include "player/player.h"
#include "shell/drawing.h"
#include "shell/message_log.h"
#include "shell/text_format.h"

namespace {

constexpr int32_t kRowWidth = 80;

// An attribute in cyan, or with its boost added in magenta.
std::string AttributeText(int32_t value, int32_t boost) {
    return boost == 0 ? FormatText("@C%d", value) : FormatText("@p%d", value + boost);
}

const char* StyleTag(int32_t style) {
    switch (style) {
        case 1: return "Norm";
        case 2: return "Aggr";
        case 3: return "Def";
        case 4: return "Acc";
        case 5: return "Fast";
        default: return "";
    }
}

bool HoldsBow() {
    const int32_t slot = player.equipSlots[kSlotMainWeapon];
    if (slot < 0 || slot >= static_cast<int32_t>(player.inventory.size())) return false;
    const int32_t kind = player.inventory[static_cast<std::size_t>(slot)].kind;
    return kind >= 0 && kind < kItemKindCount && itemKinds[kind].subtype == kSubtypeRanged;
}

int32_t ExperiencePercent() {
    if (player.levelThreshold <= 0) return 0;
    const float percent = static_cast<float>(player.experience) / static_cast<float>(player.levelThreshold) * 100.0f;
    if (percent <= 0.0f) return 0;
    if (percent >= 2147483520.0f) return 2147483520;  // the largest float below 2^31
    return static_cast<int32_t>(percent);
}

struct Label {
    const char* text;
    ColourCode colour;
};

const char* TemperatureWord(ColourCode& colour) {
    if (player.fever > 0) {
        colour = kLightRed;
        return "Hot ";
    }
    const int32_t t = player.bodyTemperature;
    if (t <= 0) { colour = kCyan; return "Freezing "; }
    if (t <= 2000) { colour = kLightCyan; return "Cold "; }
    if (t <= 4000) { colour = kWhite; return "Cool "; }
    if (t <= 6000) return nullptr;
    if (t <= 8000) { colour = kYellow; return "Warm "; }
    if (t <= 10000) { colour = kLightRed; return "Hot "; }
    colour = kRed;
    return "Boiling ";
}

}  // namespace

void DrawStatusPanel() {
    std::string row23 = FormatText(
        "@BHP: @R%d@B/@R%d @BSP: @G%d@B/@G%d @BStyle: @C%s @BStr: %s @BVit: @C%d @BDex: %s @BAgi: %s @BSta: @C%d",
        player.hp, player.maxHp, player.sp, player.maxSp, StyleTag(player.fightingStyle),
        AttributeText(player.strength, player.strengthBoost).c_str(), player.vitality,
        AttributeText(player.dexterity, player.dexterityBoost).c_str(),
        AttributeText(player.agility, player.agilityBoost).c_str(), player.stamina);
    if (row23.size() < 120) row23.append(120 - row23.size(), ' ');

    const std::string arrows = HoldsBow() ? FormatText("@gArw: @C%d ", player.ArrowCount()) : std::string();
    const int32_t shownFloor = player.currentFloor + 1;
    const std::string row24 = FormatText("%s@B$: @C%d @BXp: @C%d@B%c @BCL: @C%d @BDL: @C%d @BT: @C%d ",
                                         arrows.c_str(), player.gold, ExperiencePercent(), '%', player.level,
                                         shownFloor, player.turns);

    if (separatorDirty != 0) {
        DrawText(std::string(kRowWidth, '-'), 0, 22, kBlue);
        separatorDirty = 0;
    }
    DrawCodedText(row23.c_str(), 0, 23, kOnBlack);
    DrawCodedText(row24.c_str(), 0, 24, kOnBlack);

    const char* ailment = player.berserkBoon == kBoonMaskWaiting ? "Mask "
                          : player.berserkBoon >= kBoonStronger  ? "Ber "
                                                                 : nullptr;
    ColourCode temperatureColour = kBlack;
    const char* temperature = TemperatureWord(temperatureColour);
    const Label labels[] = {
        {player.paralysis > 0 ? "Par " : nullptr, kBlue},
        {player.sleep > 0 ? "Sle " : nullptr, kLightBlue},
        {player.dizziness > 0 ? "Con " : nullptr, kLightMagenta},
        {player.sickness > 0 ? "Sic " : nullptr, kGreen},
        {player.fever > 0 ? "Fev " : nullptr, kCyan},
        {player.bleeding > 0 ? "Ble " : nullptr, kLightRed},
        {player.poison > 0 ? "Poi " : nullptr, kLightGreen},
        {player.immobility > 0 ? "Imm " : nullptr, kWhite},
        {player.horror > 0 ? "Fea " : nullptr, kMagenta},
        {player.clumsiness > 0 ? "Clu " : nullptr, kYellow},
        {player.slowness > 0 ? "Slo " : nullptr, kGrey},
        {player.frostbite > 0 ? "Fro " : nullptr, kLightCyan},
        {ailment, kRed},
        {player.speedBoost > 0 ? "Spd+ " : nullptr, kLightGreen},
        {player.stoneSkinTurns > 0 ? "Armr+ " : nullptr, kBrown},
        {player.burdened == 1 ? "Burd " : nullptr, kBrown},
        {temperature, temperatureColour},
    };
    int32_t column = MessageLog::VisibleLength(row24);
    for (const Label& label : labels) {
        if (label.text == nullptr) continue;
        const int32_t length = static_cast<int32_t>(std::char_traits<char>::length(label.text));
        if (column + length >= kRowWidth) continue;  // does not fit; a shorter one later still may
        DrawText(label.text, column, 24, label.colour);
        column += length;
    }
    // Wipes what a longer run of labels left behind, up to the end of the row:
    // a label that no longer applies must not stay on screen.
    const std::string wipe(static_cast<std::size_t>(std::max(30, kRowWidth - column)), ' ');
    DrawCodedText(wipe.c_str(), column, 24, kOnBlack);
}
