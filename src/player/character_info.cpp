// The three character pages: statistics, traits and effects, floor memory.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "player/armour_value.h"
#include "player/map_view.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/item_kind.h"
#include "world/player.h"
#include "world/sage.h"
#include "world/trait_rows.h"

namespace {

// The ailment list ends above the page's prompt on the last row.
constexpr int32_t kLastAilmentRow = 23;

std::string Percent(int32_t value) { return FormatText("%d%c", value, '%'); }

// The points a regeneration timer gives each time, as the page reckons them:
// doubled on a peaceful floor, with half the base amount more or less for each
// weapon, ring and amulet that changes regeneration.
int32_t ShownRegeneration(int32_t amount) {
    int32_t shown = amount;
    if (FloorFeelingAt(player.currentFloor) == kFeelingPeaceful) shown *= 2;
    for (int32_t slot : {kSlotMainWeapon, kSlotSecondWeapon}) {
        const ItemData* weapon = EquippedItem(slot);
        if (weapon == nullptr) continue;
        if (weapon->prefix == kPrefixRegenerating) shown += amount / 2;
        if (weapon->prefix == kPrefixDegenerating) shown -= amount / 2;
    }
    if (RingHas(kPropertyRegeneration)) shown += amount / 2;
    if (AmuletHas(kPropertyDegeneration)) shown -= amount / 2;
    return shown;
}

// The name of the first skill in use with that effect; "" when there is none.
std::string SkillNameOf(int32_t effect) {
    for (const SkillDef& skill : skillTable) {
        if (skill.inUse != 0 && skill.effect == effect) return skill.name;
    }
    return "";
}

struct Word {
    const char* text;
    ColourCode colour;
};

Word TemperatureWord(int32_t temperature) {
    if (temperature <= 0) return {"Freezing", 3};
    if (temperature <= 2000) return {"Cold", 11};
    if (temperature <= 4000) return {"Cool", 15};
    if (temperature <= 6000) return {"Normal", 6};
    if (temperature <= 8000) return {"Warm", 14};
    if (temperature <= 10000) return {"Hot", 12};
    return {"Boiling", 4};
}

const char* RaceName(int32_t race) {
    switch (race) {
        case kRaceHuman: return "Human";
        case kRaceElven: return "Elf";
        case kRaceDwarven: return "Dwarf";
        default: return "";
    }
}

const char* TrainingName(int32_t training) {
    switch (training) {
        case kTrainingWarrior: return "Warrior";
        case kTrainingArcher: return "Archer";
        case kTrainingRanger: return "Ranger";
        default: return "";
    }
}

void DrawLabels(const std::vector<std::pair<int32_t, const char*>>& labels, int32_t column, ColourCode colour) {
    for (const auto& [row, text] : labels) DrawText(text, column, row, colour);
}

void DrawPageTitle() {
    DrawText(FormatText("Character Info: %s", player.name), 28, 0, kCyan);
    DrawText("Press a key to go to next page", 24, 24, kCyan);
}

// The number that the "Chance to crit" line shows.
int32_t CriticalChance() {
    int32_t chance = (player.agility + player.agilityBoost) / 4;
    if (EquippedItem(kSlotMainWeapon) != nullptr) {
        chance += MainWeaponIsRanged() ? player.traits[kTraitRangedCritical] : player.traits[kTraitMeleeCritical];
    }
    if (player.berserkBoon == kBoonDeadlier) chance += 30;
    if (IsSkillLearned(kSkillEnhancedDeadliness)) chance += 6;
    return chance == 0 ? 1 : chance;
}

int32_t HitChance() {
    int32_t threshold = player.toHitThreshold;
    if (player.clumsiness > 0) {
        threshold -= static_cast<int32_t>(threshold * -0.625);
        threshold = std::min(threshold, 850);
    }
    const int32_t bonus = player.RollToHit(false, 0, true);
    return 100 - (threshold - bonus) / 10;
}

int32_t SpeedPercent() {
    int32_t gain = player.speed;
    if (player.slowness > 0) gain = static_cast<int32_t>(player.speed / 1.7);
    if (player.stoneSkinTurns > 0) gain = std::min(gain, player.actThreshold);
    if (player.speedBoost > 0) {
        gain += static_cast<int32_t>(static_cast<float>(player.speedBoost) / 15.0f * static_cast<float>(gain));
    }
    if (player.actThreshold == 0) return 0;
    return static_cast<int32_t>(static_cast<double>(gain) / player.actThreshold * 100);
}

std::string PrayerText() {
    int32_t divisor;
    if (player.demonSlainFlags[4] != 0) {
        divisor = 6;
    } else if (player.deepestFloor - player.currentFloor < 8) {
        divisor = (player.currentFloor + 1) / 7 + 1;
    } else {
        divisor = (player.deepestFloor + 1) / 7;
    }
    const int32_t need = std::max(divisor, 1) * 220;
    const int32_t share = static_cast<int32_t>(static_cast<int64_t>(player.piety) * 100 / need);
    return FormatText(player.piety >= need ? "Yes: Piety %d%c" : "No: Piety %d%c", share, '%');
}

std::vector<const char*> AilmentsAndEffects() {
    const Player& p = player;
    std::vector<const char*> entries;
    const std::pair<bool, const char*> conditions[] = {
        {p.insured != 0, "Life insurance"},
        {p.paralysis > 0, "Paralyzed"},
        {p.sleep > 0, "Sleeping"},
        {p.dizziness > 0, "Confused"},
        {p.sickness > 0, "Sick"},
        {p.fever > 0, "Feverish"},
        {p.bleeding > 0, "Bleeding"},
        {p.poison > 0, "Poisoned"},
        {p.immobility > 0, "Immobilized"},
        {p.horror > 0, "Fearful"},
        {p.clumsiness > 0, "Clumsy"},
        {p.frostbite > 0, "Frostbitten"},
        {p.slowness > 0, "Slowed"},
        {p.berserkBoon == kBoonMaskWaiting, "Mask melded inside"},
        {p.berserkBoon >= kBoonStronger, "Berserking"},
        {p.strengthBoost > 0, "Boosted strength"},
        {p.dexterityBoost > 0, "Boosted dexterity"},
        {p.agilityBoost > 0, "Boosted agility"},
        {p.speedBoost > 0, "Boosted speed"},
        {p.stoneSkinTurns > 0, "Stone skin"},
        {p.burdened != 0, "Burdened"},
    };
    for (const auto& [holds, text] : conditions) {
        if (holds) entries.push_back(text);
    }
    if (entries.empty()) entries.push_back("None");
    return entries;
}

// "n, " for every floor (index + 1) that has a remembered tile of the glyph;
// a floor with two such tiles is listed twice.
std::string RememberedFloors(char glyph) {
    std::string list;
    const int32_t last = std::min(player.deepestFloor, kFloorCount - 1);
    for (int32_t index = player.startMode == 1 ? 7 : 0; index <= last; ++index) {
        const Floor& floor = floorArray[index];
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                const Tile& tile = floor.At(x, y);
                if (tile.glyph == glyph && tile.remembered != 0) list += FormatText("%d, ", index + 1);
            }
        }
    }
    return list;
}

void DrawFloorList(std::string list, int32_t row, const char* none) {
    if (list.empty()) {
        DrawText(none, 8, row, kLightCyan);
        return;
    }
    list.resize(list.size() - 2);  // without the last ", "
    DrawText(list, 8, row, kLightCyan);
}

}  // namespace

void Player::ShowCharacterInfo() {
    ClearScreen();
    DrawPageTitle();
    DrawLabels({{2, "Strength:"}, {3, "Vitality:"}, {4, "Dexterity:"}, {5, "Agility:"}, {6, "Stamina:"}}, 2, kCyan);
    const int32_t attributes[] = {strength, vitality, dexterity, agility, stamina};
    for (int32_t i = 0; i < 5; ++i) DrawNumber(attributes[i], 13, 2 + i, kLightCyan);

    DrawLabels({{2, "Hit points:"}, {3, "Special points:"}, {5, "Average HP regen:"}, {6, "Average SP regen:"}}, 42,
               kBlue);
    DrawText(FormatText("%d/%d", hp, maxHp), 58, 2, kLightBlue);
    DrawText(FormatText("%d/%d", sp, maxSp), 58, 3, kLightBlue);
    DrawText(FormatText("%d HP / %d turns", ShownRegeneration(hpRegen.amount), hpRegen.period), 60, 5, kLightBlue);
    const int32_t spTurns = berserkBoon == kBoonSpRegeneration ? spRegen.period / 10 : spRegen.period;
    DrawText(FormatText("%d SP / %d turns", ShownRegeneration(spRegen.amount), spTurns), 60, 6, kLightBlue);

    DrawLabels({{9, "One-handed weapons:"},
                {10, "Shield proficiency:"},
                {11, "Two-handed weapons:"},
                {12, "Two-weapon combat:"},
                {13, "Ranged weapons:"},
                {14, "Throwing weapons:"}},
               2, kCyan);
    const int32_t proficiencies[] = {profOneHanded, profShield, profTwoHanded, profTwoWeapon, profRanged, profThrown};
    for (int32_t i = 0; i < 6; ++i) DrawNumber(proficiencies[i], 22, 9 + i, kLightCyan);

    DrawLabels({{9, MainWeaponIsRanged() ? "Ranged damage:" : "Melee damage:"},
                {10, "Thrown damage:"},
                {11, "Armor:"},
                {12, "Clothing:"},
                {13, "Warmth now:"},
                {14, "Temperature:"}},
               42, kBlue);
    const ColourCode damageColour = fever > 0 ? 2 : 9;
    DrawText(FormatMeleeDamageRange(nullptr), 57, 9, damageColour);
    DrawText(FormatRangedDamageRange(nullptr), 57, 10, damageColour);
    int32_t armour = CapArmourForLevel(ComputeArmourValue(false) + naturalArmour, level);
    if (stoneSkinTurns > 0) armour += stoneSkinTurns;
    DrawNumber(armour, 57, 11, kLightBlue);
    DrawNumber(SumClothWarmth(), 57, 12, kLightBlue);
    const Word warmth = TemperatureWord(bodyTemperature);
    DrawText(warmth.text, 57, 13, warmth.colour);
    int32_t change = 0;
    const std::string trend = ComputeTemperatureTrend(change);
    DrawCodedText(trend.c_str(), 57, 14, kOnBlack);

    DrawLabels({{17, "Depth:"},
                {18, "Gold:"},
                {19, "Turns:"},
                {20, "Slain monsters:"},
                {21, "Prepared skill:"},
                {22, "Active buff:"}},
               2, kCyan);
    DrawNumber(currentFloor + 1, 18, 17, kLightCyan);
    DrawNumber(gold, 18, 18, kLightCyan);
    DrawNumber(turns, 18, 19, kLightCyan);
    DrawNumber(kills, 18, 20, kLightCyan);
    std::string prepared = "None";
    if (preparedSkill == kSkillWarriorsRendingStrike) {
        prepared = "Warrior's rending st...";  // the whole name would run into the right half
    } else if (preparedSkill != 0) {
        prepared = SkillNameOf(preparedSkill);
    }
    DrawText(prepared, 18, 21, kLightCyan);
    DrawText(activeSkill == 0 ? std::string("None") : SkillNameOf(activeSkill), 18, 22, kLightCyan);

    DrawLabels({{17, "Race:"}, {18, "Training:"}, {19, "Level:"}, {20, "Experience:"}, {21, "Burden:"}}, 42, kBlue);
    DrawText(RaceName(race), 55, 17, kLightBlue);
    DrawText(TrainingName(training), 55, 18, kLightBlue);
    DrawNumber(level, 55, 19, kLightBlue);
    const float experienceShare =
        levelThreshold != 0 ? static_cast<float>(experience) / static_cast<float>(levelThreshold) * 100.0f : 0.0f;
    DrawText(Percent(static_cast<int32_t>(experienceShare)), 55, 20, kLightBlue);
    DrawText(Percent(ComputeBurdenPercent()), 55, 21, kLightBlue);

    ReadKey();
    ShowTraitsAndEffectsPage();
    ClearScreen();
    ShowFloorMemoryPage();
    ClearScreen();
    if (hp > 0 && RestoreMapView()) RedrawScreen();
}

void Player::ShowTraitsAndEffectsPage() {
    ClearScreen();
    DrawPageTitle();
    for (int32_t row = 0; row < kTraitCount; ++row) {
        DrawText(kTraitRows[row].label, 42, 3 + row, kBlue);
        DrawNumber(traits[kTraitRows[row].index], 42 + kTraitLabelLevelColumn, 3 + row, kLightBlue);
    }
    DrawLabels({{3, "Chance to hit:"}, {4, "Chance to crit:"}, {5, "Chance to dodge:"}, {6, "Speed:"}, {7, "Can pray:"}},
               4, kCyan);
    DrawText(Percent(HitChance()), 21, 3, kLightCyan);
    DrawText(Percent(CriticalChance()), 21, 4, kLightCyan);
    DrawText(Percent(dodge / 10), 21, 5, kLightCyan);
    DrawText(Percent(SpeedPercent()), 21, 6, kLightCyan);
    DrawText(PrayerText(), 21, 7, kLightCyan);

    DrawText("Ailments & effects:", 4, 10, kCyan);
    int32_t row = 11;
    for (const char* entry : AilmentsAndEffects()) {
        // A long list stops short of the prompt instead of running off the screen.
        if (row > kLastAilmentRow) break;
        DrawText(entry, 7, row++, kLightCyan);
    }
    ReadKey();
}

void Player::ShowFloorMemoryPage() {
    DrawText("Floor Memory", 34, 0, kCyan);
    DrawText("Press a key to exit", 30, 24, kCyan);
    DrawText("You've met sages on the following floors:", 4, 3, kCyan);
    DrawText("You've met deep smiths on the following floors:", 4, 7, kCyan);
    DrawText("You've found altars on the following floors:", 4, 11, kCyan);
    std::string sageList;
    for (const cSage& sage : sages) {
        if (sage.seen != 0) sageList += FormatText("%d, ", sage.floor + 1);
    }
    DrawFloorList(sageList, 4, "None met");
    DrawFloorList(RememberedFloors(kDeepSmithGlyph), 8, "None met");
    DrawFloorList(RememberedFloors(kAltarGlyph), 12, "None found");
    ReadKey();
}
