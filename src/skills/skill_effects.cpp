// Carrying out a skill: the preparations that the next blow, shot or throw
// uses up, the lasting effects, and the hand-over to the actions.
#include "skills/skill_effects.h"

#include "player/player.h"
#include "shell/key_reader.h"
#include "shell/message_log.h"
#include "skills/skill_def.h"

namespace {

// What a preparation says as the character gets ready.
const char* PreparationMessage(int32_t effect) {
    switch (effect) {
        case kSkillCriticalStrike:
        case kSkillCriticalShot: return "Your eyes itch as you start looking for a weak spot. ";
        case kSkillDoubleStrike:
        case kSkillDoubleShot: return "You warm up your muscles for the next attack. ";
        case kSkillBrutalStrike:
        case kSkillBrutalShot: return "A primitive rage burns inside you. ";
        case kSkillStunningStrike: return "You prepare to hit a stunning blow. ";
        case kSkillStunningShot: return "You prepare to shoot a stunning shot. ";
        case kSkillAccurateStrike:
        case kSkillAccurateShot: return "Your senses sharpen. ";
        case kSkillDesperateStrike:
        case kSkillDesperateShot: return "The fear of death boosts your performance. ";
        case kSkillMadStrike:
            return "You stop all rational thinking and start looking for an opening for your crazy flurry of hits. ";
        case kSkillMadShot:
            return "You stop all rational thinking and start looking for an opening for your crazy flurry of shots. ";
        case kSkillVampiricStrike: return "You feel suddenly a lust for blood. ";
        case kSkillVampiricShot: return "You feel a sudden lust for blood. ";
        case kSkillPiercingStrike:
        case kSkillPiercingShot: return "Power flows in your veins as you get ready to pierce armor. ";
        case kSkillWarriorsRendingStrike:
        case kSkillArchersRendingShot:
        case kSkillRangersRendingThrow: return "You prepare to rend flesh. ";
        default: return nullptr;
    }
}

// A preparation costs no turn; the double shots need two arrows to be worth preparing.
int32_t Prepare(Player& p, int32_t effect) {
    if ((effect == kSkillDoubleShot || effect == kSkillMadShot) && p.ArrowCount() < 2) {
        PrintWords("Not enough arrows. The energy is wasted. ");
        return 0;
    }
    PrintWords(PreparationMessage(effect));
    p.preparedSkill = effect;
    return 0;
}

// The lasting effects run on their own each turn until their code ends them.
int32_t BeginActiveEffect(Player& p, int32_t effect) {
    switch (effect) {
        case kSkillWildRegeneration: PrintWords("Your wounds start to recover very quickly. "); break;
        case kSkillWildRage:
            PrintWords("You open yourself to the world and enter a savage rage. Your temperature changes faster now. ");
            break;
        default:
            PrintWords(
                "Everything seems to slow down around you as you get into the right mental state, but in fact it is "
                "you who speeds up. ");
            break;
    }
    p.activeSkill = effect;
    return effect == kSkillInhumanReflexes ? 0 : 1;
}

}  // namespace

SkillDirection AskSkillDirection() {
    for (;;) {
        switch (AskDirection()) {
            case '1': return {-1, 1, '/'};
            case '2': return {0, 1, '|'};
            case '3': return {1, 1, '\\'};
            case '4': return {-1, 0, '-'};
            case '6': return {1, 0, '-'};
            case '7': return {-1, -1, '\\'};
            case '8': return {0, -1, '|'};
            case '9': return {1, -1, '/'};
            default: break;  // the character's own square is no direction
        }
    }
}

int32_t Player::PerformSkill(int32_t effect) {
    if (PreparationMessage(effect) != nullptr) return Prepare(*this, effect);
    switch (effect) {
        case kSkillMultistrike: return PerformMultistrike(*this);
        case kSkillMultishot: return PerformMultishot(*this);
        case kSkillPenetratingStrike: return PerformPenetratingStrike(*this);
        case kSkillPenetratingShot: return PerformPenetratingShot(*this);
        case kSkillDash: return PerformDash(*this);
        case kSkillYell: return PerformYell(*this);
        case kSkillKnockback: return PerformKnockback(*this);
        case kSkillCreateIceballs: return PerformCreateIceballs(*this);
        case kSkillWildRegeneration:
        case kSkillWildRage:
        case kSkillInhumanReflexes: return BeginActiveEffect(*this, effect);
        case kSkillListen: return PerformListen(*this);
        case kSkillDestroyWalls: return PerformDestroyWalls(*this);
        case kSkillDisarmTraps: return PerformDisarmTraps(*this);
        case kSkillWarriorsStrength:
        case kSkillArchersDexterity:
        case kSkillRangersAgility: return PerformAttributeBoost(*this, effect);
        case kSkillTaunt: return PerformTaunt(*this);
        default: return 0;  // the passive skills act by being learned
    }
}
