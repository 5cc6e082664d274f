// What a monster's blow and its shot have in common.
#include "monsters/monster_attack_steps.h"

#include <cctype>
#include <string>

#include "monsters/monster_messages.h"
#include "player/armour_value.h"
#include "player/surroundings.h"
#include "player/to_hit_result.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// A monster of this speed or slower wears the player's gear with every hit.
constexpr int32_t kNormalMonsterSpeed = 1000;
// The level a minion is made below its summoner's.
constexpr int32_t kMinionLevelsBelow = 6;

// The first square beside the monster, in the scan order (dx outer, dy inner), where a
// minion may appear: in view, plain floor, not the player's, no sage and no monster.
bool FindMinionSquare(const Monster& monster, int32_t& x, int32_t& y) {
    const Floor* floor = FloorAt(monster.floor);
    if (floor == nullptr) return false;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t tx = monster.x + dx;
            const int32_t ty = monster.y + dy;
            if (!Floor::OnMap(tx, ty)) continue;
            const Tile& tile = floor->At(tx, ty);
            if (tile.visibleNow != 1) continue;
            if (player.currentFloor == monster.floor && tx == player.x && ty == player.y) continue;
            if (IsSageAt(monster.x, monster.y, dx, dy, monster.floor)) continue;
            if (IsMonsterAt(tx, ty, monster.floor)) continue;
            if (tile.glyph != kFloorGlyph) continue;
            x = tx;
            y = ty;
            return true;
        }
    }
    return false;
}

}  // namespace

bool MonstersAreStupidHere() { return FloorFeelingAt(player.currentFloor) == kFeelingStupid; }

bool SummonMinionInstead(Monster& monster) {
    if (monster.ability != kAbilitySummonsHelp) return false;
    const int32_t roll = rng.Random(15);
    if (roll != 0 || MonstersAreStupidHere()) return false;
    int32_t x = 0;
    int32_t y = 0;
    if (!FindMinionSquare(monster, x, y)) return false;
    PrintWords(MonsterSubject(monster) + " summons a minion! ");
    const int32_t level = monster.level - kMinionLevelsBelow > 1 ? monster.level - kMinionLevelsBelow : 1;
    SpawnMonster(x, y, monster.floor, false, kVariantNever, level);
    return true;
}

bool ReportMissedAttack(const Monster& monster, int32_t toHit) {
    if (toHit == kToHitMiss) {
        PrintWords("@b" + MonsterSubject(monster) + " misses you.@C ");
        return true;
    }
    if (toHit == kToHitDodged) {
        PrintWords("@bYou dodge " + MonsterObject(monster) + "'s attack.@C ");
        return true;
    }
    return false;
}

int32_t TakeDamageThroughArmour(int32_t damage, bool ranged) {
    Player& p = player;
    int32_t armour = CapArmourForLevel(p.ComputeArmourValue(ranged) + p.naturalArmour, p.level);
    if (p.stoneSkinTurns > 0) armour += p.stoneSkinTurns;
    const int32_t taken = damage - armour > 1 ? damage - armour : 1;
    p.hp -= taken;
    return taken;
}

void PrintHitMessage(const Monster& monster, bool critical, int32_t damageTaken, const char* verb) {
    std::string text = "@B" + MonsterSubject(monster) + " ";
    if (critical) text += "@Ycritically@B ";
    text += verb;
    text += damageTaken == 1 ? ", but it merely scratches you.@C " : " you.@C ";
    PrintWords(text);
}

void WearGearAfterHit(const Monster& monster) {
    bool wears = monster.speed <= kNormalMonsterSpeed;
    if (!wears) {
        const int32_t roll = rng.Random(3);
        wears = roll == 0;
    }
    if (!wears) return;
    player.WearClothes();
    player.WearArmour();
}

std::string MonsterDeathCause(const Monster& monster) {
    if (IsUniqueDemon(monster.name)) return std::string("HE was killed by ") + monster.name + ".";
    // Only a capital vowel takes "an"; the names of the kinds are written in lower case.
    const char first = monster.name[0];
    const bool capitalVowel = first == 'A' || first == 'E' || first == 'I' || first == 'O' || first == 'U';
    return std::string(capitalVowel ? "HE was killed by an " : "HE was killed by a ") + monster.name + ".";
}

void CheckDeathByMonster(const Monster& monster) {
    const int32_t killer = std::tolower(static_cast<unsigned char>(monster.glyph));
    player.CheckPlayerDeath(MonsterDeathCause(monster), killer);
}

void FlashOnPlayer(ColourCode colour) { FlashCharacter(kEffectMark, player.x, player.y, colour, 50); }
