// A monster's shot at the player: the blow's rolls, armour, texts and special
// hit, after a demon's trick and without the extras only a blow has.
#include <cstring>

#include "items/item_prefixes.h"
#include "monsters/monster_attack_steps.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr char kShotMark = '/';
constexpr int32_t kCriticalOdds = 100;
// The final demon itself (not a copy, whose experience is 0) shoots critically far more often.
constexpr int32_t kFinalDemonCriticalOdds = 4;

bool IsFinalDemonItself(const Monster& monster) {
    return std::strcmp(monster.name, kUniqueDemonNames[kFinalDemon]) == 0 && monster.experience != 0;
}

// The shot flies onto the player's square; the player's own glyph comes back
// at once while the player has not yet acted in this pass.
void ShowShot() {
    FlashCharacter(kShotMark, player.x, player.y, kBrown, 40);
    if (player.acted != 0) return;
    DrawChar(player.glyph, player.x, player.y, player.glyphColour);
    RefreshScreen();
}

void RipFleshRarely(int32_t damageTaken) {
    const int32_t roll = rng.Random(500);
    if (roll != 0 || player.WearsArmourProperty(kPrefixStanching) || damageTaken < 2) return;
    const int32_t extra = rng.Random(5);
    player.bleeding += 5 + extra;
    PrintWords("The projectile rips your flesh and you start to bleed. ");
}

}  // namespace

int32_t Monster::MonsterRangedAttack() {
    if (SummonMinionInstead(*this)) return 0;
    // Nonehes plays his trick at the start of his turn instead.
    if (std::strcmp(name, kUniqueDemonNames[kNonehes]) != 0) PerformDemonTrick();
    ShowShot();
    const int32_t criticalOdds = IsFinalDemonItself(*this) ? kFinalDemonCriticalOdds : kCriticalOdds;
    const int32_t toHit = RollMonsterToHit();
    if (ReportMissedAttack(*this, toHit)) return 0;

    int32_t damage = RollMonsterDamage();
    const int32_t criticalRoll = rng.Random(criticalOdds);
    const bool critical = criticalRoll == 0;
    if (critical) damage = static_cast<int32_t>(damage * 1.5);
    const int32_t taken = TakeDamageThroughArmour(damage, true);
    PrintHitMessage(*this, critical, taken, "shoots");
    WearGearAfterHit(*this);
    RipFleshRarely(taken);
    ApplyMonsterSpecialHit(taken);
    CheckDeathByMonster(*this);
    player.sleep = 0;
    return 1;
}
