// The two rolls every monster attack makes: whether it hits the player, and how hard.
#include "monsters/monster_attack_steps.h"
#include "player/surroundings.h"
#include "player/to_hit_result.h"
#include "skills/skill_def.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/player.h"

int32_t Monster::RollMonsterToHit() {
    Player& p = player;
    // Inhuman reflexes answer the first attack that meets them, melee or ranged.
    if (p.activeSkill == kSkillInhumanReflexes) {
        p.activeSkill = 0;
        const int32_t roll = rng.Random(20);
        FlashOnPlayer(kLightBlue);
        return roll < 3 ? kToHitHit : kToHitDodged;
    }
    // A higher threshold is a worse attacker; the player's dodge widens the band of dodges above it.
    const int32_t threshold = toHitThreshold + p.dodge;
    for (;;) {
        const int32_t roll = rng.Random(1001);
        if (roll > threshold) return kToHitHit;
        if (roll == threshold) continue;
        return roll >= toHitThreshold ? kToHitDodged : kToHitMiss;
    }
}

int32_t Monster::RollMonsterDamage() {
    const int32_t low = damageBound1 < damageBound2 ? damageBound1 : damageBound2;
    const int32_t high = damageBound1 < damageBound2 ? damageBound2 : damageBound1;
    const int32_t damage = low + rng.Random(high - low + 1);
    const int32_t feeling = FloorFeelingAt(player.currentFloor);
    if (feeling == kFeelingProvocative) return damage + static_cast<int32_t>(damage * 0.3);
    if (feeling == kFeelingCalm) return damage + static_cast<int32_t>(damage * -0.3);
    return damage;
}
