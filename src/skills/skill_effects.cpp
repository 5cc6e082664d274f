// Carrying out a skill: one row per skill effect tells what the character
// feels as a preparation or a lasting effect begins and which function carries
// the skill out; the preparations wait for the next blow, shot or throw.
#include "skills/skill_effects.h"

#include <cstddef>
#include <iterator>

#include "shell/direction_prompt.h"
#include "skills/skill_def.h"
#include "toolkit/id_rows.h"
#include "toolkit/message_log.h"
#include "world/player.h"

namespace {

const char* StartWords(int32_t effect);

// A preparation costs no turn; the double shots need two arrows to be worth preparing.
int32_t Prepare(Player& p, int32_t effect) {
    if ((effect == kSkillDoubleShot || effect == kSkillMadShot) && p.ArrowCount() < 2) {
        PrintWords("Not enough arrows. The energy is wasted. ");
        return 0;
    }
    PrintWords(StartWords(effect));
    p.preparedSkill = effect;
    return 0;
}

// The lasting effects run on their own each turn until their code ends them.
int32_t BeginActiveEffect(Player& p, int32_t effect) {
    PrintWords(StartWords(effect));
    p.activeSkill = effect;
    return effect == kSkillInhumanReflexes ? 0 : 1;
}

// Most skills are carried out by the character alone, whatever their effect id.
template <int32_t (*perform)(Player& p)>
int32_t ByCharacter(Player& p, int32_t /*effect*/) {
    return perform(p);
}

struct SkillEffectRow {
    SkillEffect effect;
    // What a preparation or a lasting effect says as it begins; nullptr for the others.
    const char* startWords;
    // Gives 1 when the turn was used; nullptr for the passive skills, which act by being learned.
    int32_t (*perform)(Player& p, int32_t effect);
};

// Indexed by effect.
constexpr SkillEffectRow kSkillEffects[] = {
    {kSkillNoEffect, nullptr, nullptr},
    {kSkillMultistrike, nullptr, ByCharacter<PerformMultistrike>},
    {kSkillMultishot, nullptr, ByCharacter<PerformMultishot>},
    {kSkillCriticalStrike, "Your eyes itch as you start looking for a weak spot. ", Prepare},
    {kSkillCriticalShot, "Your eyes itch as you start looking for a weak spot. ", Prepare},
    {kSkillDoubleStrike, "You warm up your muscles for the next attack. ", Prepare},
    {kSkillDoubleShot, "You warm up your muscles for the next attack. ", Prepare},
    {kSkillBrutalStrike, "A primitive rage burns inside you. ", Prepare},
    {kSkillBrutalShot, "A primitive rage burns inside you. ", Prepare},
    {kSkillStunningStrike, "You prepare to hit a stunning blow. ", Prepare},
    {kSkillStunningShot, "You prepare to shoot a stunning shot. ", Prepare},
    {kSkillAccurateStrike, "Your senses sharpen. ", Prepare},
    {kSkillAccurateShot, "Your senses sharpen. ", Prepare},
    {kSkillDesperateStrike, "The fear of death boosts your performance. ", Prepare},
    {kSkillDesperateShot, "The fear of death boosts your performance. ", Prepare},
    {kSkillMadStrike,
     "You stop all rational thinking and start looking for an opening for your crazy flurry of hits. ", Prepare},
    {kSkillMadShot,
     "You stop all rational thinking and start looking for an opening for your crazy flurry of shots. ", Prepare},
    {kSkillPenetratingStrike, nullptr, ByCharacter<PerformPenetratingStrike>},
    {kSkillPenetratingShot, nullptr, ByCharacter<PerformPenetratingShot>},
    {kSkillVampiricStrike, "You feel suddenly a lust for blood. ", Prepare},
    {kSkillVampiricShot, "You feel a sudden lust for blood. ", Prepare},
    {kSkillPiercingStrike, "Power flows in your veins as you get ready to pierce armor. ", Prepare},
    {kSkillPiercingShot, "Power flows in your veins as you get ready to pierce armor. ", Prepare},
    {kSkillDash, nullptr, ByCharacter<PerformDash>},
    {kSkillYell, nullptr, ByCharacter<PerformYell>},
    {kSkillKnockback, nullptr, ByCharacter<PerformKnockback>},
    {kSkillCreateIceballs, nullptr, ByCharacter<PerformCreateIceballs>},
    {kSkillWildRegeneration, "Your wounds start to recover very quickly. ", BeginActiveEffect},
    {kSkillWildRage,
     "You open yourself to the world and enter a savage rage. Your temperature changes faster now. ",
     BeginActiveEffect},
    {kSkillListen, nullptr, ByCharacter<PerformListen>},
    {kSkillDestroyWalls, nullptr, ByCharacter<PerformDestroyWalls>},
    {kSkillInhumanReflexes,
     "Everything seems to slow down around you as you get into the right mental state, but in fact it is you who "
     "speeds up. ",
     BeginActiveEffect},
    {kSkillDisarmTraps, nullptr, ByCharacter<PerformDisarmTraps>},
    {kSkillWarriorsStrength, nullptr, PerformAttributeBoost},
    {kSkillArchersDexterity, nullptr, PerformAttributeBoost},
    {kSkillRangersAgility, nullptr, PerformAttributeBoost},
    {kSkillEnhancedSpeed, nullptr, nullptr},
    {kSkillEnhancedAccuracy, nullptr, nullptr},
    {kSkillEnhancedDeadliness, nullptr, nullptr},
    {kSkillEnhancedEvasion, nullptr, nullptr},
    {kSkillEnhancedRegeneration, nullptr, nullptr},
    {kSkillThrownExpertise, nullptr, nullptr},
    {kSkillWarriorsRendingStrike, "You prepare to rend flesh. ", Prepare},
    {kSkillArchersRendingShot, "You prepare to rend flesh. ", Prepare},
    {kSkillRangersRendingThrow, "You prepare to rend flesh. ", Prepare},
    {kSkillTaunt, nullptr, ByCharacter<PerformTaunt>},
};

// Every skill has an effect of its own, numbered from 1.
static_assert(OneRowPerIdInOrder(kSkillEffects, &SkillEffectRow::effect, kSkillNoEffect, kSkillCount + 1),
              "one row per skill effect, in id order");

// Words to begin with are what preparations and lasting effects have, and only they.
constexpr bool OnlyBeginningsHaveWords() {
    for (const SkillEffectRow& row : kSkillEffects) {
        const bool begins = row.perform == Prepare || row.perform == BeginActiveEffect;
        if (begins != (row.startWords != nullptr)) return false;
    }
    return true;
}
static_assert(OnlyBeginningsHaveWords(), "words for every preparation and lasting effect, and for nothing else");

const SkillEffectRow* RowOf(int32_t effect) {
    if (effect < 0 || static_cast<std::size_t>(effect) >= std::size(kSkillEffects)) return nullptr;
    return &kSkillEffects[effect];
}

const char* StartWords(int32_t effect) { return RowOf(effect)->startWords; }

}  // namespace

Direction AskSkillDirection() {
    for (;;) {
        const char key = AskDirection();
        if (key >= '1' && key <= '9' && key != '5') return DirectionOfDigit(key);
    }
}

int32_t Player::PerformSkill(int32_t effect) {
    const SkillEffectRow* row = RowOf(effect);
    if (row == nullptr || row->perform == nullptr) return 0;
    return row->perform(*this, effect);
}
