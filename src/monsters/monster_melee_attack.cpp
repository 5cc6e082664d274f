// A monster's blow at the player beside it, with everything that may come
// with it: fumes, a minion, a counter-attack, a charge, a critical blow, wear,
// decay, soaking, bleeding and dizzying blows, what the monster's ability adds,
// and spiky armour.
#include <cstring>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "monsters/monster_attack_steps.h"
#include "monsters/monster_messages.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// Normal odds of a critical blow, and those of a charge.
constexpr int32_t kCriticalOdds = 100;
constexpr int32_t kChargeCriticalOdds = 4;

// The fumes of putrid armour sicken an attacker now and then.
void BreatheFumes(Monster& monster) {
    if (!player.WearsArmourProperty(kPrefixPutrid)) return;
    const int32_t roll = rng.Random(6);
    if (roll != 0) return;
    monster.hp -= 3 * player.level;
    PrintWords(MonsterSubject(monster) + " looks ill thanks to the fumes surrounding your armor. ");
    // It dies later, in the monster phase.
    if (monster.hp <= 0) PrintWords("The monster is about to faint. ");
}

// A monster that counter-attacks punishes a prepared technique with a sure blow.
bool CounterAttack(const Monster& monster) {
    if (monster.ability != kAbilityCounterAttacks || MonstersAreStupidHere() || player.preparedSkill == 0) return false;
    PrintWords(MonsterSubject(monster) +
               " notices that you're preparing a technique and uses the opportunity to counter-attack more "
               "accurately. You lose your focus on the technique. ");
    player.preparedSkill = 0;
    FlashOnPlayer(kRed);
    return true;
}

// Critical blows strike harder, less so against a guarding amulet, more against an exposing ring.
int32_t CriticalDamage(const Monster& monster, int32_t damage) {
    double factor = 1.5;
    if (AmuletHas(kPropertyGuardedCriticals)) {
        factor = std::strcmp(monster.name, kUniqueDemonNames[kFinalDemon]) == 0 ? 1.4 : 1.2;
    } else if (RingHas(kPropertyExposedCriticals)) {
        factor = 1.8;
    }
    return static_cast<int32_t>(damage * factor);
}

void DecayEquipment(const Monster& monster) {
    if (monster.ability != kAbilityDeterioratesItems) return;
    const int32_t roll = rng.Random(4);
    if (roll != 0 || MonstersAreStupidHere()) return;
    PrintWords("The monster tries to degrade your equipment! ");
    for (int32_t pass = 0; pass < 3; ++pass) player.WearArmour();
    for (int32_t pass = 0; pass < 3; ++pass) player.WearClothes();
}

void SoakClothes(const Monster& monster) {
    if (monster.ability != kAbilitySoaksClothes) return;
    const int32_t roll = rng.Random(8);
    if (roll != 0 || MonstersAreStupidHere()) return;
    if (player.WetClothes(25, 1)) PrintWords("The monster's liquids spray onto your clothes! ");
}

// Any blow may, rarely, rip the flesh or daze.
void RareBlowEffects(const Monster& monster, int32_t damageTaken) {
    const int32_t ripRoll = rng.Random(500);
    if (ripRoll == 0 && !player.WearsArmourProperty(kPrefixStanching) && damageTaken >= 2) {
        const int32_t extra = rng.Random(5);
        player.bleeding += 3 + extra;
        PrintWords("The strike rips your flesh and you start to bleed. ");
    }
    const int32_t dazeRoll = rng.Random(500);
    if (dazeRoll == 0 && monster.level > 5) {
        const int32_t turns = rng.Random(5);
        player.dizziness = 3 + turns;
        PrintWords("The blow makes you feel a bit dizzy. ");
    }
}

// Spiky armour may wound the attacker, which then bleeds.
void WoundOnSpikes(Monster& monster) {
    if (!player.WearsArmourProperty(kPrefixSpiky)) return;
    const int32_t roll = rng.Random(8);
    if (roll != 0 || monster.living != 1 || monster.bleedTurns != 0) return;
    monster.bleedTurns = 5;
    monster.bleedDamage = player.level;
    PrintWords("The monster wounds itself from your spiky armor. ");
}

}  // namespace

int32_t Monster::MonsterMeleeAttack() {
    BreatheFumes(*this);
    if (SummonMinionInstead(*this)) return 0;
    const bool forcedHit = CounterAttack(*this);
    // Always rolled: a waiting inhuman-reflexes skill is used up even by a sure blow.
    const int32_t toHit = RollMonsterToHit();
    if (!forcedHit && ReportMissedAttack(*this, toHit)) return 0;

    int32_t damage = RollMonsterDamage();
    int32_t criticalOdds = kCriticalOdds;
    if (ability == kAbilityCharges && !MonstersAreStupidHere()) {
        criticalOdds = kChargeCriticalOdds;
        PrintWords(MonsterSubject(*this) + " charges at you! ");
        ability = kAbilityNone;  // a monster charges only once
        FlashOnPlayer(kRed);
    }
    const int32_t criticalRoll = rng.Random(criticalOdds);
    const bool critical = criticalRoll == 0;
    if (critical) damage = CriticalDamage(*this, damage);

    const int32_t taken = TakeDamageThroughArmour(damage, false);
    PrintHitMessage(*this, critical, taken, "hits");
    WearGearAfterHit(*this);
    DecayEquipment(*this);
    SoakClothes(*this);
    RareBlowEffects(*this, taken);
    ApplyMonsterSpecialHit(taken);
    CheckDeathByMonster(*this);
    player.sleep = 0;  // a hit wakes the player
    WoundOnSpikes(*this);
    return 1;
}
