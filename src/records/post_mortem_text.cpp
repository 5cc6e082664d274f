// The text of the post-mortem: who the character was, how far it came, what it
// carried and knew, its last messages, its statistics and what it found.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "floors/floor_feelings.h"
#include "items/item_names.h"
#include "player/armour_value.h"
#include "player/worn_gear.h"
#include "records/high_scores.h"
#include "records/post_mortem.h"
#include "skills/skill_def.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/game_status.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"
#include "world/unique_demon_names.h"

namespace {

constexpr int32_t kMajorDemonFlags = kUniqueDemonCount;
constexpr int32_t kFloorsPerBlock = 7;
constexpr int32_t kMessagesKept = 41;
constexpr int32_t kPietyStep = 220;

struct Pronouns {
    std::string subject;  // the pronoun text itself
    std::string lower;
    std::string object;
    std::string possessive;
    std::string possessiveCapital;
};

Pronouns PronounsOf(const std::string& text) {
    if (text == "He") return {text, "he", "him", "his", "His"};
    if (text == "She") return {text, "she", "her", "her", "Her"};
    return {text, "xe", "xem", "xir", "Xir"};
}

bool OnSurface() { return player.currentFloor == -1; }

// What the report needs to know from before it changes the player's fields.
struct Report {
    Pronouns pronouns;
    bool victory = false;
    int32_t fightingStyle = kStyleNormal;
    int32_t criticalChance = 0;
    std::string ailments;
    uint8_t identifiedBefore[kItemKindCount] = {};
    std::string endLine;
    int32_t score = 0;
    int32_t majorDemons = 0;
};

int32_t ReportCriticalChance() {
    int32_t chance = player.agility / 4;
    if (MainWeaponIsRanged()) {
        chance += player.traits[kTraitRangedCritical];
    } else if (EquippedItem(kSlotMainWeapon) != nullptr) {
        chance += player.traits[kTraitMeleeCritical];
    }
    if (IsSkillLearned(kSkillEnhancedDeadliness)) chance += 6;
    return chance == 0 ? 1 : chance;
}

// One line per condition that holds; the passing ones end with the game.
std::string AilmentText(const Pronouns& p) {
    std::string text;
    auto line = [&text](bool holds, const std::string& who, const char* phrase) {
        if (holds) text += who + phrase;
    };
    line(player.poison > 0, p.subject, " was poisoned.\n");
    line(player.sickness > 0, p.subject, " was sick.\n");
    line(player.fever > 0, p.subject, " had a fever.\n");
    player.fever = 0;
    line(player.bleeding > 0, p.subject, " was bleeding.\n");
    line(player.dizziness > 0, p.subject, " was confused.\n");
    line(player.paralysis > 0, p.subject, " was paralyzed.\n");
    line(player.frostbite > 0, p.subject, " had a frostbite.\n");
    line(player.immobility > 0, p.subject, " was immobilized.\n");
    line(player.horror > 0, p.subject, " was fearful.\n");
    line(player.clumsiness > 0, p.subject, " was clumsy.\n");
    player.clumsiness = 0;
    line(player.slowness > 0, p.subject, " was slowed.\n");
    player.slowness = 0;
    line(player.berserkBoon == kBoonMaskWaiting, p.subject, " had a berserker mask melded inside.\n");
    line(player.berserkBoon > kBoonMaskWaiting, p.subject, " was berserking.\n");
    player.berserkBoon = kBoonNone;
    player.berserkTurns = 0;
    line(player.strengthBoost > 0, p.possessiveCapital, " strength was boosted.\n");
    line(player.dexterityBoost > 0, p.possessiveCapital, " dexterity was boosted.\n");
    line(player.agilityBoost > 0, p.possessiveCapital, " agility was boosted.\n");
    line(player.speedBoost > 0, p.possessiveCapital, " speed was boosted.\n");
    player.strengthBoost = 0;
    player.dexterityBoost = 0;
    player.agilityBoost = 0;
    player.speedBoost = 0;
    line(player.stoneSkinTurns > 0, p.subject, " had a temporary stone skin.\n");
    player.stoneSkinTurns = 0;
    line(player.burdened != 0, p.subject, " was burdened.\n");
    return text;
}

Report Prepare(const std::string& endText, bool victory) {
    Report report;
    report.victory = victory;
    report.pronouns = PronounsOf(player.pronoun);
    report.fightingStyle = player.fightingStyle;
    player.preparedSkill = kSkillNoEffect;
    player.activeSkill = kSkillNoEffect;
    report.criticalChance = ReportCriticalChance();
    player.fightingStyle = kStyleNormal;
    report.ailments = AilmentText(report.pronouns);
    player.RecomputePlayerStats();
    std::copy(std::begin(player.identifiedKinds), std::end(player.identifiedKinds), report.identifiedBefore);
    std::fill(std::begin(player.identifiedKinds), std::end(player.identifiedKinds), uint8_t{1});
    report.endLine = player.demonSlainFlags[kFinalDemon] != 0 && !victory
                         ? report.pronouns.subject + " saved Vavori, but... " + endText
                         : endText;
    report.score = ComputeFinalScore(kMajorDemonFlags);
    for (int32_t flag = 0; flag < kMajorDemonFlags; ++flag) report.majorDemons += player.demonSlainFlags[flag] == 1;
    return report;
}

std::string VersionLine() {
    if (gameVersion < 100) return FormatText("Hollowmere version 0.%d post-mortem\n\n", gameVersion);
    if (gameVersion == 100) return FormatText("Hollowmere version %d.%d0 post-mortem\n\n", 1, 0);
    return FormatText("Hollowmere version %d.0%db post-mortem\n\n", gameVersion / 100, gameVersion % 100);
}

const char* RacePhrase() {
    switch (player.race) {
        case kRaceHuman: return "a human";
        case kRaceElven: return "an elven";
        case kRaceDwarven: return "a dwarven";
        default: return "";
    }
}

const char* TrainingWord() {
    switch (player.training) {
        case kTrainingWarrior: return "warrior";
        case kTrainingArcher: return "archer";
        case kTrainingRanger: return "ranger";
        default: return "";
    }
}

std::string Summary(const Report& r) {
    const Pronouns& p = r.pronouns;
    std::string text = VersionLine();
    text += FormatText("%s started as %s %s.\n", player.name, RacePhrase(), TrainingWord());
    const char* ending = OnSurface() ? "the victory" : "dying";
    if (player.deepestFloor == 0) {
        text += FormatText("%s managed to reach level %d and explore one floor of the Hollowmere before %s.\n",
                           p.subject.c_str(), player.level, ending);
    } else {
        text += FormatText("%s managed to reach level %d and explore %d floors of the Hollowmere before %s.\n",
                           p.subject.c_str(), player.level, player.deepestFloor + 1, ending);
    }
    if (player.currentFloor > 0) {
        text += FormatText("After %d turns, %d floors below the surface, %s had %d pieces of gold.\n", player.turns,
                           player.currentFloor + 1, p.lower.c_str(), player.gold);
    } else if (player.currentFloor == 0) {
        text += FormatText("After %d turns, %d floor below the surface, %s had %d pieces of gold.\n", player.turns, 1,
                           p.lower.c_str(), player.gold);
    } else {
        text += FormatText("After %d turns, one floor above the dungeon, %s had %d pieces of gold.\n", player.turns,
                           p.lower.c_str(), player.gold);
    }
    const std::string saves = player.saveCount == 1 ? "once" : FormatText("%d times", player.saveCount);
    if (r.score == 1) {
        text += FormatText("%s scored one point after saving the game %s.\n", p.subject.c_str(), saves.c_str());
    } else {
        text += FormatText("%s scored %d points after saving the game %s.\n", p.subject.c_str(), r.score,
                           saves.c_str());
    }
    const bool shortcut = player.startMode == 1;
    // The first major demon counts among the kills of a character that skipped its floors.
    text += FormatText("%s slew %d monsters during the quest.\n", p.subject.c_str(), player.kills + (shortcut ? 1 : 0));
    text += FormatText(r.majorDemons == 1 ? "%d of those was a major demon.\n" : "%d of those were major demons.\n",
                       r.majorDemons);
    text += r.endLine;
    if (shortcut) {
        text += FormatText("\nThe first major demon was auto-killed, since %s skipped the first 7 floors of the depths!",
                           p.lower.c_str());
    }
    return text;
}

bool IsLivingMonsterAt(int32_t x, int32_t y, int32_t floor, char& glyph) {
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->alive != 0 && monster->x == x && monster->y == y && monster->floor == floor) {
            glyph = monster->glyph;
            return true;
        }
    }
    return false;
}

bool IsSeenSageAt(int32_t x, int32_t y, int32_t floor, bool visibleNow) {
    for (const cSage& sage : sages) {
        if (sage.x == x && sage.y == y && sage.floor == floor && (visibleNow || sage.seen)) return true;
    }
    return false;
}

// The current floor as the character remembered it.
std::string MapSection() {
    std::string text = "\n\n\n-----Map-----\n";
    const int32_t f = player.currentFloor;
    if (!IsFloorNumber(f)) return text;
    std::vector<std::string> rows(kFloorHeight, std::string(kFloorWidth, ' '));
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floorArray[f].At(x, y);
            char& cell = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            char monsterGlyph = 0;
            if (tile.remembered) {
                if (tile.visibleNow && IsLivingMonsterAt(x, y, f, monsterGlyph)) {
                    cell = monsterGlyph;
                } else if (!tile.items.empty()) {
                    cell = static_cast<char>(itemKinds[tile.items.front().kind].glyph);
                } else if (tile.gold > 0) {
                    cell = kGoldGlyph;
                } else {
                    cell = tile.glyph;
                }
            }
            if (IsSeenSageAt(x, y, f, tile.visibleNow != 0)) cell = kSageGlyph;
        }
    }
    if (Floor::OnMap(player.x, player.y)) rows[static_cast<size_t>(player.y)][static_cast<size_t>(player.x)] = kPlayerGlyph;
    for (const std::string& row : rows) text += row + "\n";
    return text;
}

bool TakesBlessingWord(int32_t type) {
    return type == kItemArmour || type == kItemWeapon || type == kItemCloth || type == kItemAccessory;
}

const char* BlessingWord(int32_t blessing) {
    switch (blessing) {
        case kBlessed: return "blessed ";
        case kUncursed: return "uncursed ";
        case kCursed: return "cursed ";
        default: return "";
    }
}

// "equipped", "prepared" for the swap slots, or "" when the entry is in no slot.
std::string SlotWord(int32_t index) {
    for (int32_t slot = 0; slot < kEquipSlotCount; ++slot) {
        if (player.equipSlots[slot] != index) continue;
        return slot == kSlotMainHandSwap || slot == kSlotSecondHandSwap ? "prepared" : "equipped";
    }
    return "";
}

std::string ItemLine(const ItemData& item, const std::string& last) {
    const ItemKind& kind = itemKinds[item.kind];
    std::string name = ItemKindDisplayName(item.kind, item.prefix, item.identified);
    if (kind.type == kItemWand || kind.type == kItemWeapon || kind.type == kItemCloth || kind.type == kItemArmour) {
        name = FormatText("%s (%d)", name.c_str(), item.durability);
    }
    const char* blessing = TakesBlessingWord(kind.type) ? BlessingWord(item.blessing) : "";
    if (item.quantity > 1) return FormatText("%d %s%s %s\n", item.quantity, blessing, name.c_str(), last.c_str());
    return FormatText("%s%s %s\n", blessing, name.c_str(), last.c_str());
}

std::string ItemsSection(const Report& r) {
    std::string text = "\n\n-----Items-----\n";
    const int32_t count = static_cast<int32_t>(player.inventory.size());
    for (int32_t i = 0; i < count; ++i) {
        const std::string slot = SlotWord(i);
        if (!slot.empty()) text += ItemLine(player.inventory[static_cast<size_t>(i)], slot);
    }
    text += "\n";
    for (int32_t i = 0; i < count; ++i) {
        if (!SlotWord(i).empty()) continue;
        const ItemData& item = player.inventory[static_cast<size_t>(i)];
        const int32_t type = itemKinds[item.kind].type;
        std::string last;
        if (type == kItemWand || type == kItemPotion || type == kItemAccessory) {
            last = r.identifiedBefore[item.kind] ? "(identified)" : "(unidentified)";
        }
        text += ItemLine(item, last);
    }
    return text;
}

std::string SkillsSection(const Report& r) {
    std::string text = "\n\n-----Skills-----\n";
    bool any = false;
    for (const SkillDef& skill : skillTable) {
        if (!skill.learned) continue;
        text += FormatText("%s\n", skill.name);
        any = true;
    }
    if (!any) text += r.pronouns.subject + " didn't know any special skills.\n";
    return text;
}

std::string MessagesSection() {
    std::string text = "\n\n-----Message buffer-----\n";
    for (int32_t i = kMessagesKept - 1; i >= 0; --i) {
        const std::string line = MessageLog::StripColourCodes(messageLog.history[i]);
        if (!line.empty()) text += line + "\n";
    }
    return text;
}

std::string StatsSection(const Report& r) {
    std::string text = "\n\n-----Stats without the effects of ailments & tactics-----\n";
    text += FormatText("Strength: %d\n", player.strength);
    text += FormatText("Vitality: %d\n", player.vitality);
    text += FormatText("Dexterity: %d\n", player.dexterity);
    text += FormatText("Agility: %d\n", player.agility);
    text += FormatText("Stamina: %d\n\n", player.stamina);
    if (player.frostbite > 0) {
        // The maximum without frostbite is what its end gives back to the maximum.
        const int32_t unbitten = player.maxHp + player.frostbiteMaxHpLoss;
        text += FormatText("Max hp: %d (%d without frostbite)\n", player.maxHp, unbitten);
        player.maxHp = unbitten;
    } else {
        text += FormatText("Max hp: %d\n", player.maxHp);
    }
    text += FormatText("Max sp: %d\n\n", player.maxSp);
    text += FormatText("Onehanded weapons: %d\n", player.profOneHanded);
    text += FormatText("Shield proficiency: %d\n", player.profShield);
    text += FormatText("Twohanded weapons: %d\n", player.profTwoHanded);
    text += FormatText("Two-weapon combat: %d\n", player.profTwoWeapon);
    text += FormatText("Ranged weapons: %d\n", player.profRanged);
    text += FormatText("Throwing weapons: %d\n\n", player.profThrown);
    const std::string melee = player.FormatMeleeDamageRange(nullptr);
    text += FormatText(MainWeaponIsRanged() ? "Ranged damage: %s\n" : "Melee damage: %s\n", melee.c_str());
    text += FormatText("Thrown damage: %s\n", player.FormatRangedDamageRange(nullptr));
    const int32_t armour = player.ComputeArmourValue(false) + player.naturalArmour;
    text += FormatText("Armor: %d\n", CapArmourForLevel(armour, player.level));
    text += FormatText("Clothing: %d\n\n", player.SumClothWarmth());
    const int32_t toHitBonus = player.RollToHit(false, 0, true);
    text += FormatText("Chance to hit: %d%c\n", 100 - (player.toHitThreshold - toHitBonus) / 10, '%');
    text += FormatText("Chance to crit: %d%c\n", r.criticalChance, '%');
    text += FormatText("Chance to dodge: %d%c\n", player.dodge / 10, '%');
    const int64_t speed = player.actThreshold != 0 ? int64_t{player.speed} * 100 / player.actThreshold : 0;
    text += FormatText("Speed: %d%c\n\n", static_cast<int32_t>(speed), '%');
    struct TraitLine {
        const char* format;
        TraitIndex trait;
    };
    static constexpr TraitLine kTraitLines[] = {
        {"Extra HP: (%d/5)\n", kTraitExtraHp},
        {"Extra SP: (%d/5)\n", kTraitExtraSp},
        {"Extra dodge: (%d/5)\n", kTraitExtraDodge},
        {"Extra speed: (%d/5)\n", kTraitExtraSpeed},
        {"Extra HP regeneration: (%d/5)\n", kTraitHpRegeneration},
        {"Extra SP regeneration: (%d/5)\n", kTraitSpRegeneration},
        {"Extra melee critical chance: (%d/5)\n", kTraitMeleeCritical},
        {"Extra ranged critical chance: (%d/5)\n", kTraitRangedCritical},
        {"Extra melee to hit chance: (%d/5)\n", kTraitMeleeToHit},
        {"Extra ranged to hit chance: (%d/5)\n", kTraitRangedToHit},
        {"Extra thrown weapon damage: (%d/5)\n", kTraitThrownDamage},
        {"Extra carrying capacity: (%d/5)\n", kTraitCarryingCapacity},
        {"Extra skill point: (%d/5)\n", kTraitExtraSkillPoint},
    };
    for (const TraitLine& line : kTraitLines) text += FormatText(line.format, player.traits[line.trait]);
    return text;
}

const char* LayoutPhrase(int32_t layoutType) {
    switch (layoutType) {
        case kLayoutCavern: return "a cavern";
        case kLayoutCorridorComplex: return "a corridor complex";
        case kLayoutRoughlyDug: return "a roughly digged dungeon";
        // The last block of floors may be made of rooms, as the first one is.
        default: return "a dungeon of rooms";
    }
}

std::string LayoutsBelow() {
    const int32_t named = std::min(player.deepestFloor / kFloorsPerBlock, 4);
    if (named < 1) return "";
    std::string text = "Below the normal dungeon was ";
    for (int32_t k = 1; k <= named; ++k) {
        text += LayoutPhrase(floorArray[k * kFloorsPerBlock].layoutType);
        if (k == named) {
            text += ".\n";
        } else {
            text += k == named - 1 ? " and then " : ",\nafter that ";
        }
    }
    return text;
}

const char* FeelingPhrase(int32_t feeling) {
    static constexpr const char* kPhrases[] = {
        "",
        " died on a floor where there were unusually many stalactites.\n",
        " died on a warm floor.\n",
        " died on a cold floor.\n",
        " died on a dark floor.\n",
        " died on a bright floor.\n",
        " died on a confusing floor.\n",
        " died on a peaceful floor.\n",
        " died on a floor where the snow was unusually hard.\n",
        " died on a slushy floor.\n",
        " died on a provocative floor.\n",
        " died on a calm floor.\n",
        " died on a threatening floor.\n",
        " died on an exciting floor.\n",
        " died on a dull floor.\n",
        " died on a worn-out floor.\n",
        " died on a bloody floor.\n",
        " died on a floor where everyone seemed to be unusually stupid.\n",
    };
    return feeling >= kFeelingStalactites && feeling <= kFeelingStupid ? kPhrases[feeling] : "";
}

const char* StyleLine(int32_t style) {
    switch (style) {
        case kStyleNormal: return "%s was using the normal fighting style.\n";
        case kStyleAggressive: return "%s was using the aggressive fighting style.\n";
        case kStyleDefensive: return "%s was using the defensive fighting style.\n";
        case kStyleAccurate: return "%s was using the accurate fighting style.\n";
        case kStyleFast: return "%s was using the fast fighting style.\n";
        default: return "";
    }
}

// The piety the Goddess asks for at the character's depth.
int32_t PietyNeeded() {
    int32_t tier;
    if (player.demonSlainFlags[kFinalDemon] != 0) {
        tier = 6;
    } else if (player.deepestFloor - player.currentFloor >= 8) {
        tier = (player.deepestFloor + 1) / kFloorsPerBlock;
    } else {
        tier = (player.currentFloor + 1) / kFloorsPerBlock + 1;
    }
    return std::max(tier, 1) * kPietyStep;
}

std::string TemperatureLine(const Pronouns& p) {
    const int32_t t = player.bodyTemperature;
    if (t <= 0) return p.subject + " was freezing.\n";
    if (t > 10000) return p.subject + " was boiling.\n";
    const char* band = t <= 2000 ? "cold" : t <= 4000 ? "cool" : t <= 6000 ? "normal" : t <= 8000 ? "warm" : "hot";
    return p.possessiveCapital + " body temperature was " + band + ".\n";
}

// The floor numbers (index + 1) of a list, joined by ", ".
std::string FloorNumbers(const std::vector<int32_t>& floors) {
    std::string text;
    for (int32_t floor : floors) text += (text.empty() ? "" : ", ") + std::to_string(floor + 1);
    return text;
}

std::string ListLine(const char* one, const char* many, int32_t counted, const std::vector<int32_t>& floors) {
    if (floors.empty()) return "";
    return FormatText(counted == 1 ? one : many, FloorNumbers(floors).c_str());
}

bool IsAltar(const Tile& tile) { return tile.glyph == kAltarGlyph && tile.colour == kAltarColour; }
bool IsSmith(const Tile& tile) { return tile.glyph == kDeepSmithGlyph; }

std::string FeaturesFound(const Pronouns& p) {
    const int32_t deepest = std::min(player.deepestFloor, kFloorCount - 1);
    int32_t altars = 0;
    int32_t smiths = 0;
    int32_t sagesMet = 0;
    for (int32_t f = 0; f <= deepest; ++f) {
        const bool confusing = floorArray[f].feeling == kFeelingConfusing;
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                const Tile& tile = floorArray[f].At(x, y);
                if (!tile.remembered && !confusing) continue;
                altars += IsAltar(tile);
                smiths += IsSmith(tile);
                sagesMet += IsSageAt(x, y, 0, 0, f);
            }
        }
    }
    std::string text = altars == 1 ? p.subject + " found one altar" : FormatText("%s found %d altars", p.subject.c_str(), altars);
    text += sagesMet == 1 ? std::string(" and met one sage") : FormatText(" and met %d sages", sagesMet);
    if (smiths == 1) {
        text += " and one smith:\n";
    } else if (altars == 0 && sagesMet == 0 && smiths == 0) {
        text += FormatText(" and %d smiths.\n", smiths);
    } else {
        text += FormatText(" and %d smiths:\n", smiths);
    }

    std::vector<int32_t> seenSages;
    for (const cSage& sage : sages) {
        if (sage.seen) seenSages.push_back(sage.floor);
    }
    std::vector<int32_t> smithFloors;
    std::vector<int32_t> altarFloors;
    for (int32_t f = player.startMode == 1 ? kFloorsPerBlock : 0; f <= deepest; ++f) {
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                const Tile& tile = floorArray[f].At(x, y);
                if (!tile.remembered) continue;
                if (IsSmith(tile)) smithFloors.push_back(f);
                if (IsAltar(tile)) altarFloors.push_back(f);
            }
        }
    }
    text += ListLine("    -The sage on floor %s\n", "    -The sages on floors %s\n", sagesMet, seenSages);
    text += ListLine("    -The smith on floor %s\n", "    -The smiths on floors %s\n", smiths, smithFloors);
    text += ListLine("    -The altar on floor %s\n", "    -The altars on floors %s\n", altars, altarFloors);
    return text;
}

std::string OtherInfoSection(const Report& r) {
    const Pronouns& p = r.pronouns;
    std::string text = "\n\n-----Other info-----\n";
    text += LayoutsBelow();
    if (!r.victory && IsFloorNumber(player.currentFloor)) {
        const char* phrase = FeelingPhrase(floorArray[player.currentFloor].feeling);
        if (*phrase != '\0') text += p.subject + phrase;
    }
    text += FormatText(StyleLine(r.fightingStyle), p.subject.c_str());
    const double threshold = static_cast<double>(player.levelThreshold);
    const int32_t progress = threshold != 0 ? static_cast<int32_t>(static_cast<double>(player.experience) * 100 / threshold) : 0;
    text += FormatText("%s had %d%c of the required experience before the next level up.\n", p.subject.c_str(), progress,
                       '%');
    const int32_t needed = PietyNeeded();
    const int32_t piety = static_cast<int32_t>(int64_t{player.piety} * 100 / needed);
    if (OnSurface()) {
        text += FormatText("After the quest %s piety toward the Goddess was at %d%c.\n", p.possessive.c_str(), piety, '%');
    } else {
        text += FormatText("At the depth %s died %s piety toward the Goddess was at %d%c.\n", p.lower.c_str(),
                           p.possessive.c_str(), piety, '%');
    }
    text += TemperatureLine(p);
    if (r.ailments.size() > 3) text += r.ailments;
    text += FeaturesFound(p);
    text += FormatText("%s used %d gold on sages and their services.\n", p.subject.c_str(), player.goldPaidToSages);
    text += FormatText("%s paid %d gold to deep smiths for their help.\n", p.subject.c_str(), player.goldPaidToSmiths);
    if (player.prayers == 1) {
        text += p.subject + " received divine help once.\n";
    } else {
        text += FormatText("%s received divine help %d times.\n", p.subject.c_str(), player.prayers);
    }
    if (player.deathsAverted == 1) {
        text += p.subject + " was resurrected once.\n";
    } else if (player.deathsAverted > 1) {
        text += FormatText("%s was resurrected %d times.\n", p.subject.c_str(), player.deathsAverted);
    }
    if (r.victory && player.insured) text += p.possessiveCapital + " life was insured.\n";
    if (player.piety >= needed) {
        text += r.victory ? "The Goddess was watching over " + p.object + "."
                          : "Praying would have saved " + p.possessive + " life.";
    }
    return text;
}

}  // namespace

std::string PostMortemText(const std::string& endText, bool victory) {
    const Report report = Prepare(endText, victory);
    std::string text = Summary(report);
    if (!victory) text += MapSection();
    text += ItemsSection(report);
    text += SkillsSection(report);
    text += MessagesSection();
    text += StatsSection(report);
    text += OtherInfoSection(report);
    return text;
}
