#include "shell/status_panel.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <string>

#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr int32_t kRowWidth = 80;

// An attribute in cyan, or with its boost added in magenta.
std::string AttributeText(int32_t value, int32_t boost) {
    return boost == 0 ? FormatText("@C%d", value) : FormatText("@p%d", value + boost);
}

// Every word the panel shows comes from the formats and tables below: the
// manual explains each of them, and its test reads them through StatusPanelWords.
constexpr char kStatsRowFormat[] =
    "@BHP: @R%d@B/@R%d @BSP: @G%d@B/@G%d @BStyle: @C%s @BStr: %s @BVit: @C%d @BDex: %s @BAgi: %s @BSta: @C%d";
constexpr char kArrowFormat[] = "@gArw: @C%d ";
constexpr char kProgressRowFormat[] = "%s@B$: @C%d @BXp: @C%d@B%c @BCL: @C%d @BDL: @C%d @BT: @C%d ";

// The fighting styles 1 to 5.
constexpr const char* kStyleTags[] = {"Norm", "Aggr", "Def", "Acc", "Fast"};

const char* StyleTag(int32_t style) {
    return style >= 1 && style <= 5 ? kStyleTags[style - 1] : "";
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

// A condition label of row 24, shown while its test holds, in drawing order.
struct ConditionLabel {
    const char* text;
    ColourCode colour;
    bool (*shown)();
};
const ConditionLabel kConditionLabels[] = {
    {"Par ", kBlue, [] { return player.paralysis > 0; }},
    {"Sle ", kLightBlue, [] { return player.sleep > 0; }},
    {"Con ", kLightMagenta, [] { return player.dizziness > 0; }},
    {"Sic ", kGreen, [] { return player.sickness > 0; }},
    {"Fev ", kCyan, [] { return player.fever > 0; }},
    {"Ble ", kLightRed, [] { return player.bleeding > 0; }},
    {"Poi ", kLightGreen, [] { return player.poison > 0; }},
    {"Imm ", kWhite, [] { return player.immobility > 0; }},
    {"Fea ", kMagenta, [] { return player.horror > 0; }},
    {"Clu ", kYellow, [] { return player.clumsiness > 0; }},
    {"Slo ", kGrey, [] { return player.slowness > 0; }},
    {"Fro ", kLightCyan, [] { return player.frostbite > 0; }},
    // An absorbed mask waits for a monster, then the character berserks: one place, two words.
    {"Mask ", kRed, [] { return player.berserkBoon == kBoonMaskWaiting; }},
    {"Ber ", kRed, [] { return player.berserkBoon >= kBoonStronger; }},
    {"Spd+ ", kLightGreen, [] { return player.speedBoost > 0; }},
    {"Armr+ ", kBrown, [] { return player.stoneSkinTurns > 0; }},
    {"Burd ", kBrown, [] { return player.burdened == 1; }},
};

// The word of a band of body temperatures, up to and including upTo; none for the normal band.
struct TemperatureWord {
    int32_t upTo;
    const char* word;
    ColourCode colour;
};
constexpr TemperatureWord kTemperatureWords[] = {
    {0, "Freezing ", kCyan},   {2000, "Cold ", kLightCyan}, {4000, "Cool ", kWhite},
    {6000, nullptr, kBlack},   {8000, "Warm ", kYellow},    {10000, "Hot ", kLightRed},
    {INT32_MAX, "Boiling ", kRed},
};
// A fever feels hot whatever the body temperature.
constexpr TemperatureWord kFeverWord = {INT32_MAX, "Hot ", kLightRed};

const TemperatureWord& TemperatureBand() {
    if (player.fever > 0) return kFeverWord;
    for (const TemperatureWord& band : kTemperatureWords) {
        if (player.bodyTemperature <= band.upTo) return band;
    }
    return kTemperatureWords[std::size(kTemperatureWords) - 1];
}

// Draws the label from the column when it fits; a label that does not fit is
// skipped, and a shorter one later still may be drawn.
void DrawLabel(const char* text, ColourCode colour, int32_t& column) {
    const int32_t length = static_cast<int32_t>(std::char_traits<char>::length(text));
    if (column + length >= kRowWidth) return;
    DrawText(text, column, 24, colour);
    column += length;
}

// Adds the words of a text to the list: no markup, conversions, blanks, colons or slashes.
void AddWords(std::string text, std::vector<std::string>& words) {
    text = MessageLog::StripColourCodes(text);
    std::string word;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (c == '%') {
            ++i;  // the conversion letter goes with it
            continue;
        }
        if (c == ' ' || c == ':' || c == '/') {
            if (!word.empty() && std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
            word.clear();
            continue;
        }
        word.push_back(c);
    }
}

}  // namespace

void DrawStatusPanel() {
    std::string row23 = FormatText(kStatsRowFormat, player.hp, player.maxHp, player.sp, player.maxSp,
                                   StyleTag(player.fightingStyle),
                                   AttributeText(player.strength, player.strengthBoost).c_str(), player.vitality,
                                   AttributeText(player.dexterity, player.dexterityBoost).c_str(),
                                   AttributeText(player.agility, player.agilityBoost).c_str(), player.stamina);
    if (row23.size() < 120) row23.append(120 - row23.size(), ' ');

    const std::string arrows = HoldsBow() ? FormatText(kArrowFormat, player.ArrowCount()) : std::string();
    const int32_t shownFloor = player.currentFloor + 1;
    const std::string row24 = FormatText(kProgressRowFormat, arrows.c_str(), player.gold, ExperiencePercent(), '%',
                                         player.level, shownFloor, player.turns);

    if (separatorDirty != 0) {
        DrawText(std::string(kRowWidth, '-'), 0, 22, kBlue);
        separatorDirty = 0;
    }
    DrawCodedText(row23.c_str(), 0, 23, kOnBlack);
    DrawCodedText(row24.c_str(), 0, 24, kOnBlack);

    int32_t column = MessageLog::VisibleLength(row24);
    for (const ConditionLabel& label : kConditionLabels) {
        if (label.shown()) DrawLabel(label.text, label.colour, column);
    }
    const TemperatureWord& temperature = TemperatureBand();
    if (temperature.word != nullptr) DrawLabel(temperature.word, temperature.colour, column);
    // Wipes what a longer run of labels left behind, up to the end of the row:
    // a label that no longer applies must not stay on screen.
    const std::string wipe(static_cast<std::size_t>(std::max(30, kRowWidth - column)), ' ');
    DrawCodedText(wipe.c_str(), column, 24, kOnBlack);
}

std::vector<std::string> StatusPanelWords() {
    std::vector<std::string> words;
    for (const char* format : {kStatsRowFormat, kArrowFormat, kProgressRowFormat}) AddWords(format, words);
    for (const char* tag : kStyleTags) AddWords(tag, words);
    for (const ConditionLabel& label : kConditionLabels) AddWords(label.text, words);
    for (const TemperatureWord& band : kTemperatureWords) {
        if (band.word != nullptr) AddWords(band.word, words);
    }
    AddWords(kFeverWord.word, words);
    return words;
}
