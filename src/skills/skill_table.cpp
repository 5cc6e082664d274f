#include "skills/skill_def.h"

#include <cstdio>

#include "toolkit/drawing.h"
#include "toolkit/text_format.h"
#include "world/player.h"

SkillDef skillTable[kSkillCount];

namespace {

struct SkillRow {
    const char* name;
    int32_t spCost;
    int32_t effect;
    int32_t strength, vitality, stamina, dexterity, agility, level;
    const char* description;
};

// The skills in their default order. A cost of 1 is worked out when the skill
// is used; -1 marks a passive skill. '|' in a description breaks the line.
const SkillRow kSkillRows[kSkillCount] = {
    {"Accurate strike", 10, 11, 14, 0, 0, 10, 11, 3,
     "Tier 1 offensive skill.||"
     "Your next normal strike has an|"
     "increased chance to hit: An extra|"
     "50% hit roll before normal hit roll.||"
     "Preparing this doesn't consume a turn."},
    {"Accurate shot", 10, 12, 0, 0, 0, 14, 11, 3,
     "Tier 1 offensive skill.||"
     "Your next shot has an increased chance|"
     "to hit: An extra 50% hit roll|"
     "before normal hit roll.||"
     "Preparing this doesn't consume a turn."},
    {"Brutal strike", 11, 7, 16, 0, 0, 0, 12, 6,
     "Tier 2 offensive skill.||"
     "Increases the damage of your next|"
     "normal attack by 50%.||"
     "Preparing this doesn't consume a turn."},
    {"Brutal shot", 11, 8, 11, 0, 0, 16, 12, 6,
     "Tier 2 offensive skill.||"
     "Increases the damage of your next|"
     "normal attack by 50%.||"
     "Preparing this doesn't consume a turn."},
    {"Critical strike", 10, 3, 14, 0, 0, 0, 11, 3,
     "Tier 1 offensive skill.||"
     "Increases the critical hit chance|"
     "of your next hit by 40%.||"
     "Preparing this doesn't consume a turn."},
    {"Critical shot", 10, 4, 10, 0, 0, 14, 11, 3,
     "Tier 1 offensive skill.||"
     "Increases the critical hit chance|"
     "of your next hit by 40%.||"
     "Preparing this doesn't consume a turn."},
    {"Desperate strike", 12, 13, 17, 0, 0, 12, 13, 10,
     "Tier 3 offensive skill.||"
     "Your next hit is more accurate and does|"
     "more damage depending on your remaining|"
     "health. At max health you receive no|"
     "bonuses. At 40% HP gain 60% damage.|"
     "Max damage bonus is 160%.||"
     "Preparing this doesn't consume a turn."},
    {"Desperate shot", 12, 14, 13, 0, 0, 17, 13, 10,
     "Tier 3 offensive skill.||"
     "Your next shot is more accurate and|"
     "does more damage depending on your|"
     "remaining health. At max health you|"
     "receive no bonuses. At 40% HP gain 60%|"
     "damage. Max damage bonus is 160%.||"
     "Preparing this doesn't consume a turn."},
    {"Double strike", 11, 5, 16, 0, 0, 11, 12, 6,
     "Tier 2 offensive skill.||"
     "You hit your next target twice.||"
     "Preparing this doesn't consume a turn."},
    {"Double shot", 11, 6, 0, 0, 0, 16, 12, 6,
     "Tier 2 offensive skill.||"
     "You shoot your next target twice.||"
     "Preparing this doesn't consume a turn."},
    {"Mad strike", 12, 15, 17, 0, 0, 13, 13, 10,
     "Tier 3 offensive skill.||"
     "You hit twice with a higher critical|"
     "hit chance, but may disorient yourself|"
     "for a few turns. Crit increased|"
     "by 50%. Disorient chance 33%.||"
     "Preparing this doesn't consume a turn."},
    {"Mad shot", 12, 16, 12, 0, 0, 17, 13, 10,
     "Tier 3 offensive skill.||"
     "You shoot twice with a higher critical|"
     "hit chance, but may disorient yourself|"
     "for a few turns. Crit increased|"
     "by 50%. Disorient chance 33%.||"
     "Preparing this doesn't consume a turn."},
    {"Multistrike", 7, 1, 15, 0, 12, 0, 12, 6,
     "Tier 2 offensive/support skill.||"
     "Tries to hit all monsters around you|"
     "using the equipped melee weapon(s).||"
     "Range: one tile"},
    {"Multishot", 14, 2, 0, 0, 12, 16, 12, 6,
     "Tier 2 offensive/support skill.||"
     "Tries to shoot all visible monsters|"
     "with the current ranged weapon.||"
     "Range: line of sight"},
    {"Penetrating strike", 10, 17, 12, 0, 0, 11, 14, 6,
     "Tier 2 offensive/support skill.||"
     "Hits all monsters in the selected|"
     "direction.||"
     "Range: 4 tiles"},
    {"Penetrating shot", 10, 18, 11, 0, 0, 12, 14, 6,
     "Tier 2 offensive/support skill.||"
     "Shoots all monsters in the selected|"
     "direction.||"
     "Range: 4 tiles"},
    {"Piercing strike", 10, 21, 12, 0, 12, 0, 14, 6,
     "Tier 2 offensive/support skill.||"
     "Pierces the target's armor|"
     "permanently. Reduces by 15%|"
     "per strike, or by 1 for bosses.|"
     "Max piercing is 1/2 of target's armor.||"
     "Preparing this doesn't consume a turn.|"
     "Duration: Permanent"},
    {"Piercing shot", 10, 22, 0, 0, 12, 12, 14, 6,
     "Tier 2 offensive/support skill.||"
     "Pierces the target's armor|"
     "permanently. Reduces by 15%|"
     "per shot, or by 1 for bosses.|"
     "Max piercing is 1/2 of target's armor.||"
     "Preparing this doesn't consume a turn.|"
     "Duration: Permanent"},
    {"Stunning strike", 20, 9, 14, 0, 16, 0, 0, 6,
     "Tier 2 offensive/support skill.||"
     "Stuns the target for 3 turns. Bosses|"
     "are immune to stun.||"
     "Preparing this doesn't consume a turn."},
    {"Stunning shot", 20, 10, 0, 0, 16, 14, 0, 6,
     "Tier 2 offensive/support skill.||"
     "Stuns the target for 3 turns. Bosses|"
     "are immune to stun.||"
     "Preparing this doesn't consume a turn."},
    {"Vampiric strike", 15, 19, 15, 14, 13, 0, 0, 6,
     "Tier 2 offensive/support skill.||"
     "You heal yourself by leeching|"
     "life from the target. Leeches|"
     "10% of your max HP.||"
     "Preparing this doesn't consume a turn."},
    {"Vampiric shot", 15, 20, 0, 13, 14, 15, 0, 6,
     "Tier 2 offensive/support skill.||"
     "You heal yourself by leeching|"
     "life from the target. Leeches|"
     "10% of your max HP.||"
     "Preparing this doesn't consume a turn."},
    {"Create iceballs", 15, 26, 0, 0, 14, 14, 0, 6,
     "Creates iceballs, which can be used|"
     "as a throwing weapon. Reduces your|"
     "warmth a bit. Only usable on icy floor|"
     "tiles. The iceballs don't disappear on|"
     "other floor types, but you can't make|"
     "more elsewhere."},
    {"Dash", 8, 23, 0, 0, 12, 12, 12, 1,
     "You move 2 tiles to the selected|"
     "direction if it's not blocked.|"
     "You can't dash if you're immobilized."},
    {"Destroy walls", 15, 30, 0, 0, 14, 0, 0, 1,
     "Destroys the selected nearby wall|"
     "into an iceblock."},
    {"Disarm traps", 8, 32, 0, 0, 12, 0, 0, 1,
     "Disarms all visible traps near you.||"
     "Range: one tile"},
    {"Inhuman reflexes", 15, 31, 0, 0, 12, 0, 16, 6,
     "You have an increased chance to dodge|"
     "the next harmful attack. Chance to|"
     "dodge is 85%.||"
     "Preparing this doesn't consume a turn.|"
     "It uses the prepared buff slot."},
    {"Knockback", 8, 25, 14, 0, 12, 0, 0, 1,
     "Knocks the target back a maximum of 2|"
     "tiles if nothing is blocking the way."},
    {"Listen", 8, 29, 0, 0, 12, 0, 0, 1,
     "You catch some monstrous sounds and|"
     "locate them in the dungeon, but the|"
     "location isn't 100% accurate."},
    {"Taunt", 15, 45, 0, 0, 14, 0, 0, 1,
     "You taunt all ranged monsters on sight|"
     "to come into melee combat for 5 turns.|"
     "Bosses are immune to taunt."},
    {"Wild regeneration", 1, 27, 0, 14, 14, 0, 0, 6,
     "Heals over time using your SP. It|"
     "is cancelled when your SP hits 0.|"
     "Conversion rate from SP to HP 66%.||"
     "It uses up the prepared buff slot, so|"
     "using a skill that uses the buff slot|"
     "cancels the effect."},
    {"Wild rage", 1, 28, 13, 0, 13, 13, 13, 9,
     "Increases your chance to hit, damage|"
     "(50%) and dodge and drains SP every|"
     "turn. You're more exposed to|"
     "environmental effects while raging,|"
     "so your temperature changes faster.||"
     "It uses up the prepared buff slot, so|"
     "using a skill that uses the buff slot|"
     "cancels the effect."},
    {"Yell", 10, 24, 0, 0, 14, 0, 0, 1,
     "Releases frozen stalactites from the|"
     "ceiling very close to you to block|"
     "corridors. The stalactites can't hit|"
     "monsters or you. Also wakes up|"
     "monsters. The skill isn't 100% reliable."},
    {"Archer's rending shot", 9, 43, 0, 0, 11, 14, 0, 3,
     "Tier 0 offensive skill.||"
     "Your next shot rips a bleeding wound|"
     "that deals damage based on your bow's|"
     "damage over 6 turns.||"
     "Preparing this doesn't consume a turn."},
    {"Archer's dexterity", 1, 34, 0, 0, 12, 16, 0, 6,
     "Temporarily increases your dexterity.|"
     "The amount and cost depend on your|"
     "current SP and level."},
    {"Ranger's rending throw", 9, 44, 0, 0, 11, 0, 14, 3,
     "Tier 0 offensive skill.||"
     "Your next throw rips a bleeding wound|"
     "that deals damage based on your thrown|"
     "weapon damage over 6 turns.||"
     "Preparing this doesn't consume a turn."},
    {"Ranger's agility", 1, 35, 0, 0, 12, 0, 16, 6,
     "Temporarily increases your agility.|"
     "The amount and cost depend on your|"
     "current SP and level."},
    {"Warrior's rending strike", 9, 42, 14, 0, 11, 0, 0, 3,
     "Tier 0 offensive skill.||"
     "Your next hit rips a bleeding wound|"
     "that deals damage based on your melee|"
     "weapon damage over 6 turns.||"
     "Preparing this doesn't consume a turn."},
    {"Warrior's strength", 1, 33, 16, 0, 12, 0, 0, 6,
     "Temporarily increases your strength.|"
     "The amount and cost depend on your|"
     "current SP and level."},
    {"Passive: Enhanced accuracy", -1, 37, 0, 0, 0, 19, 0, 12,
     "Increases your chance to hit by 10%.||"
     "This skill is always active."},
    {"Passive: Enhanced deadliness", -1, 38, 19, 0, 0, 0, 0, 12,
     "Increases your chance to hit|"
     "critically by 6%.||"
     "This skill is always active."},
    {"Passive: Enhanced evasion", -1, 39, 0, 0, 0, 0, 19, 12,
     "Increases your chance to|"
     "dodge by 10%.||"
     "This skill is always active."},
    {"Passive: Enhanced regeneration", -1, 40, 0, 16, 16, 0, 0, 12,
     "Increases your regeneration|"
     "rate by speeding it up by 65%.||"
     "This skill is always active."},
    {"Passive: Enhanced speed", -1, 36, 0, 0, 0, 0, 19, 12,
     "Increases your speed by 10%.||"
     "This skill is always active."},
    {"Passive: Thrown weapon expertise", -1, 41, 16, 0, 0, 16, 0, 9,
     "Increases damage with thrown weapons|"
     "by character level / 2 per hit.||"
     "This skill is always active."},
};

}  // namespace

void InitSkillTable() {
    for (int32_t i = 0; i < kSkillCount; ++i) {
        const SkillRow& row = kSkillRows[i];
        SkillDef& skill = skillTable[i];
        std::snprintf(skill.name, sizeof skill.name, "%s", row.name);
        skill.spCost = row.spCost;
        skill.effect = row.effect;
        skill.inUse = 1;
        skill.requirements[kReqStrength] = row.strength;
        skill.requirements[kReqVitality] = row.vitality;
        skill.requirements[kReqStamina] = row.stamina;
        skill.requirements[kReqDexterity] = row.dexterity;
        skill.requirements[kReqAgility] = row.agility;
        skill.requirements[kReqLevel] = row.level;
        skill.description = row.description;
    }
    for (int32_t i = 0; i < kSkillCount; ++i) skillTable[i].orderIndex = i;
}

bool IsSkillLearned(int32_t effect) {
    for (const SkillDef& skill : skillTable) {
        if (skill.inUse != 0 && skill.effect == effect && skill.learned != 0) return true;
    }
    return false;
}

namespace {

// The character's own values in requirement order, without temporary boosts.
void CharacterValues(int32_t (&values)[kRequirementCount]) {
    values[kReqStrength] = player.strength;
    values[kReqVitality] = player.vitality;
    values[kReqStamina] = player.stamina;
    values[kReqDexterity] = player.dexterity;
    values[kReqAgility] = player.agility;
    values[kReqLevel] = player.level;
}

}  // namespace

int32_t SkillDef::CountMissingRequirementPoints() const {
    int32_t values[kRequirementCount];
    CharacterValues(values);
    int32_t missing = 0;
    for (int32_t i = 0; i < kRequirementCount; ++i) {
        if (requirements[i] > values[i]) missing += requirements[i] - values[i];
    }
    return missing;
}

int32_t SkillDef::GetLearnStatus() const {
    if (!inUse) return kAttributeShort;
    if (learned) return kLearnable;
    int32_t values[kRequirementCount];
    CharacterValues(values);
    for (int32_t i = kReqStrength; i <= kReqAgility; ++i) {
        if (requirements[i] > values[i]) return kAttributeShort;
    }
    if (requirements[kReqLevel] > values[kReqLevel]) return kLevelShort;
    if (player.skillPoints == 0) return kNoSkillPoint;
    return kLearnable;
}

namespace {

constexpr int32_t kInfoColumn = 41;
constexpr int32_t kLastColumn = 79;

// One requirement line: the second half starts in the same column whether the
// requirement has one digit or two.
void DrawRequirementLine(const char* format, int32_t requirement, int32_t value, int32_t row) {
    DrawText(FormatText(format, requirement, requirement < 10 ? " " : "", value), kInfoColumn, row,
             value < requirement ? kLightRed : kLightGreen);
}

}  // namespace

void SkillDef::DrawSkillInfo() const {
    const std::string clear(39, ' ');
    for (int32_t row = 4; row <= 24; ++row) DrawText(clear, kInfoColumn, row, kBlack);

    DrawRequirementLine("Strength req: %d%s      Strength now: %d", requirements[kReqStrength], player.strength, 4);
    DrawRequirementLine("Vitality req: %d%s      Vitality now: %d", requirements[kReqVitality], player.vitality, 5);
    DrawRequirementLine("Dexterity req: %d%s     Dexterity now: %d", requirements[kReqDexterity], player.dexterity, 6);
    DrawRequirementLine("Agility req: %d%s       Agility now: %d", requirements[kReqAgility], player.agility, 7);
    DrawRequirementLine("Stamina req: %d%s       Stamina now: %d", requirements[kReqStamina], player.stamina, 8);
    DrawRequirementLine("Level req: %d%s         Level now: %d", requirements[kReqLevel], player.level, 9);

    if (learned) {
        DrawText("You know this skill", kInfoColumn, 11, kLightGreen);
    } else if (player.skillPoints == 0) {
        DrawText("No skill points to learn this", kInfoColumn, 11, kLightRed);
    } else {
        DrawText("You have a skill point to learn this", kInfoColumn, 11, kLightGreen);
    }

    if (spCost == kSkillCostVariable) {
        DrawText("SP consumption: Variable", kInfoColumn, 13, kLightCyan);
    } else if (spCost == kSkillCostPassive) {
        DrawText("SP consumption: No cost, passive effect", kInfoColumn, 13, kLightCyan);
    } else {
        DrawText("SP consumption: " + std::to_string(spCost), kInfoColumn, 13, kLightCyan);
    }

    // A 40-character description line would reach column 80; what does not fit is left out.
    int32_t column = kInfoColumn;
    int32_t row = 15;
    for (char c : description) {
        if (c == '|') {
            column = kInfoColumn;
            ++row;
            continue;
        }
        if (column <= kLastColumn && row <= 24) DrawChar(c, column, row, kCyan);
        ++column;
    }
}
