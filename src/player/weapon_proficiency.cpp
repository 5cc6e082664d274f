// Practice makes the character better with the weapons it uses, ever more slowly.
#include "items/worn_properties.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/player.h"

void Player::TrainWeaponProficiency(int32_t kind) {
    struct Training {
        int32_t* proficiency;
        const char* improved;
    };
    Training training{nullptr, nullptr};
    switch (kind) {
        case kProficiencyOneHanded: training = {&profOneHanded, "@YYou are now better with one-handed weapons.@C "}; break;
        case kProficiencyTwoHanded: training = {&profTwoHanded, "@YYou are now better with two-handed weapons.@C "}; break;
        case kProficiencyShield: training = {&profShield, "@YYou are now better with shields.@C "}; break;
        case kProficiencyThrown: training = {&profThrown, "@YYou are now better with thrown weapons.@C "}; break;
        case kProficiencyRanged: training = {&profRanged, "@YYou are now better with ranged weapons.@C "}; break;
        case kProficiencyTwoWeapon: training = {&profTwoWeapon, "@YYou are now better at two-weapon combat.@C "}; break;
        default: return;
    }
    int32_t& proficiency = *training.proficiency;
    int32_t factor = kind == kProficiencyThrown ? 40 : 56;
    if (RingHas(kPropertyFastLearning)) factor /= 2;
    int32_t odds = proficiency * factor;
    if (proficiency >= 10) odds *= 2;
    // A proficiency of 0 gives odds of 0, which never come up: it never rises.
    const int32_t roll = rng.Random(odds);
    if (roll != 0) return;
    ++proficiency;
    PrintWords(training.improved);
}
