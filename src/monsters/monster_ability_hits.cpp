// What a monster's ability adds to a blow or shot that landed: ailments,
// warmth and cold, drained blood and energy, a blink, a knock-back, falling walls.
#include <algorithm>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "monsters/monster_attack_steps.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "toolkit/id_rows.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// True one time in n.
bool OneIn(int32_t n) {
    const int32_t roll = rng.Random(n);
    return roll == 0;
}

void Confuse(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(7) || player.dizziness != 0) return;
    player.dizziness = 2 + rng.Random(4);
    PrintWords("You feel dizzy. ");
    FlashOnPlayer(kRed);
}

void DrainLife(Monster& monster, int32_t /*damageTaken*/) {
    if (!OneIn(5)) return;
    monster.hp = std::min(monster.hp + monster.damageBound1, monster.maxHp);
    PrintWords("It drains your blood. ");
    FlashOnPlayer(kRed);
}

// A blinking monster lands only on plain floor in view, free of the player, sages and monsters.
bool IsBlinkSquare(const Floor& floor, int32_t monsterFloor, int32_t x, int32_t y) {
    if (floor.At(x, y).visibleNow != 1 || floor.At(x, y).glyph != kFloorGlyph) return false;
    if (IsSageAt(x, y, 0, 0, monsterFloor) || IsMonsterAt(x, y, monsterFloor)) return false;
    return !(player.currentFloor == monsterFloor && x == player.x && y == player.y);
}

void Blink(Monster& monster, int32_t /*damageTaken*/) {
    if (!OneIn(7)) return;
    Floor* floor = FloorAt(monster.floor);
    if (floor == nullptr) return;
    bool any = false;
    for (int32_t x = 0; x < kFloorWidth && !any; ++x) {
        for (int32_t y = 0; y < kFloorHeight && !any; ++y) any = IsBlinkSquare(*floor, monster.floor, x, y);
    }
    if (!any) return;
    // Squares are drawn until one fits; after very many tries the first fitting one in scan order is taken.
    constexpr int32_t kTries = 1000000;
    int32_t x = 0;
    int32_t y = 0;
    bool found = false;
    for (int32_t attempt = 0; attempt < kTries && !found; ++attempt) {
        x = rng.Random(kFloorWidth);
        y = rng.Random(kFloorHeight);
        found = IsBlinkSquare(*floor, monster.floor, x, y);
    }
    for (int32_t sx = 0; sx < kFloorWidth && !found; ++sx) {
        for (int32_t sy = 0; sy < kFloorHeight && !found; ++sy) {
            x = sx;
            y = sy;
            found = IsBlinkSquare(*floor, monster.floor, x, y);
        }
    }
    floor->At(monster.x, monster.y).monsterPresent = 0;
    PlaceMonster(monster, x, y);
    floor->At(x, y).monsterPresent = 1;
    PrintWords("Immediately after attacking the " + std::string(monster.name) + " blinks elsewhere. ");
}

void CatchSickness(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(15) || player.sickness != 0 || player.WearsArmourProperty(kPrefixHygienic)) return;
    const int32_t kind = rng.Random(3);
    if (kind != 2) {
        const int32_t fever = rng.Random(125);
        player.fever += 125 + fever;
    }
    if (kind != 1) {
        const int32_t sickness = rng.Random(50);
        player.sickness += 40 + sickness;
    }
    PrintWords("You sneeze and feel sick. ");
    FlashOnPlayer(kRed);
}

void Poison(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(12) || player.poison != 0 || player.WearsArmourProperty(kPrefixPoisonProof)) return;
    PrintWords("You feel poisoned. ");
    player.poison += 20 + rng.Random(20);
    FlashOnPlayer(kRed);
}

void ChillWithTouch(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (RingHas(kPropertyColdImmunity) || !OneIn(6)) return;
    player.bodyTemperature -= 75 + rng.Random(150);
    PrintWords("You shiver. ");
    FlashOnPlayer(kRed);
}

void WarmWithTouch(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (RingHas(kPropertyHeatImmunity) || !OneIn(6)) return;
    player.bodyTemperature += 75 + rng.Random(150);
    player.DryClothes(50);
    PrintWords("A wave of warmth flows through you. ");
    FlashOnPlayer(kRed);
}

// The attacker's offset pushes the player on by as much; off the map, or onto
// anything but free floor, the player stays.
void KnockBack(Monster& monster, int32_t /*damageTaken*/) {
    const int32_t roll = rng.Random(5);
    if (roll != 1) return;
    Floor* floor = FloorAt(player.currentFloor);
    if (floor == nullptr) return;
    const int32_t x = player.x + (player.x - monster.x);
    const int32_t y = player.y + (player.y - monster.y);
    if (!Floor::OnMap(x, y) || floor->At(x, y).glyph != kFloorGlyph) return;
    if (IsMonsterAt(x, y, player.currentFloor) || IsSageAt(x, y, 0, 0, player.currentFloor)) return;
    PrintWords("The powerful strike knocks you back a bit. ");
    Tile& left = floor->At(player.x, player.y);
    if (left.monsterPresent == 1) left.monsterPresent = 0;
    player.x = x;
    player.y = y;
    floor->At(x, y).monsterPresent = 1;
    UpdatePlayerView();
}

void StartBleeding(Monster& /*monster*/, int32_t damageTaken) {
    if (!OneIn(9) || player.WearsArmourProperty(kPrefixStanching) || damageTaken < 2) return;
    const bool alreadyBleeding = player.bleeding > 0;
    if (alreadyBleeding && !OneIn(10)) return;
    PrintWords(alreadyBleeding ? "The bleeding gets worse. " : "You start to bleed. ");
    if (OneIn(4) && player.WetClothes(50, 2)) PrintWords("Your clothes get wet from the blood. ");
    const int32_t extra = rng.Random(6);
    player.bleeding += 5 + extra;
    FlashOnPlayer(kRed);
}

void Paralyze(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(8) || player.paralysis != 0) return;
    player.paralysis = 2 + rng.Random(4);
    PrintWords("You are paralyzed. ");
}

// Draining energy never takes more than there is; with a very small store one point goes.
void BurnEnergy(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(5) || player.sp == 0) return;
    const int32_t range = player.maxSp / 3;
    int32_t burn = 1;
    if (range >= 1) burn += rng.Random(range);
    player.sp = std::clamp(player.sp - burn, 0, std::max(player.maxSp, 0));
    PrintWords("The monster's attack sucks energy out of you! ");
    FlashOnPlayer(kRed);
}

void SlowDown(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(12) || player.slowness != 0 || player.speedBoost != 0) return;
    player.slowness += 6 + rng.Random(7);
    PrintWords("The monster's magically enhanced attack slows you down! ");
    FlashOnPlayer(kRed);
}

void GiveFrostbite(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(15) || player.frostbite != 0) return;
    const int32_t cold = rng.Random(50);
    player.bodyTemperature -= 50 + cold;
    const int32_t turns = rng.Random(100);
    player.frostbite += 200 + turns;
    player.frostbiteMaxHpLoss = static_cast<int32_t>(player.maxHp * 0.2);
    player.maxHp -= player.frostbiteMaxHpLoss;
    player.frostbiteHpLoss = static_cast<int32_t>(player.hp * 0.1);
    player.hp = std::min(player.hp - player.frostbiteHpLoss, player.maxHp);
    PrintWords("You get a frostbite from the monster's chilly attack! You feel weak. ");
    FlashOnPlayer(kRed);
}

void Immobilize(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(6) || player.immobility != 0) return;
    player.immobility += 10 + rng.Random(10);
    PrintWords("The monster firmly grasps and immobilizes you! ");
    FlashOnPlayer(kRed);
}

void MakeClumsy(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(9) || player.clumsiness != 0) return;
    player.clumsiness += 6 + rng.Random(8);
    PrintWords("The strike was targeted at your eyes and weakens the accuracy of your motions considerably! You feel "
               "clumsy. ");
    FlashOnPlayer(kRed);
}

// The walls around the player fall; the player is hurt by each of them.
void CrumbleWalls(Monster& monster, int32_t /*damageTaken*/) {
    if (!OneIn(9)) return;
    const Player& p = player;
    if (p.x == 1 || p.y == 1 || p.x == kFloorWidth - 2 || p.y == kFloorHeight - 2) return;
    Floor* floor = FloorAt(monster.floor);
    if (floor == nullptr) return;
    const ColourCode corner = floor->At(0, 0).colour;
    int32_t felled = 0;
    for (int32_t x = p.x - 1; x <= p.x + 1; ++x) {
        for (int32_t y = p.y - 1; y <= p.y + 1; ++y) {
            Tile& tile = floor->At(x, y);
            if (tile.glyph != kWallGlyph) continue;
            tile.glyph = kFloorGlyph;
            tile.mark = 0;
            if (corner == kIcyWalls) tile.colour = kIcyGround;
            if (corner == kStoneWalls || corner == kSnowyWalls) tile.colour = kSnowyGround;
            ++felled;
        }
    }
    if (felled == 0) return;
    UpdatePlayerView();
    PrintWords("The monster stomps the ground to collapse the nearby walls on you! ");
    if (player.hp >= 1) player.hp += static_cast<int32_t>(player.hp * -0.04 * felled);
    FlashOnPlayer(kRed);
}

void Frighten(Monster& /*monster*/, int32_t /*damageTaken*/) {
    if (!OneIn(9) || player.horror != 0) return;
    player.horror += 3 + rng.Random(4);
    PrintWords("The monster's visage twists into your worst nightmare! You cannot look at the horror, for fear grips "
               "you hard. ");
    FlashOnPlayer(kMagenta);
}

// What an ability adds to a hit that landed; most abilities add nothing.
struct AbilityHitRow {
    MonsterAbility ability;
    void (*hit)(Monster& monster, int32_t damageTaken);
};

// Indexed by ability.
constexpr AbilityHitRow kAbilityHits[] = {
    {kAbilityNone, nullptr},
    {kAbilityConfusion, Confuse},
    {kAbilityLifeDrain, DrainLife},
    {kAbilityBlinks, Blink},
    {kAbilityContagiousSickness, CatchSickness},
    {kAbilityPoisonous, Poison},
    {kAbilityColdTouch, ChillWithTouch},
    {kAbilityWarmTouch, WarmWithTouch},
    {kAbilityKnockback, KnockBack},
    {kAbilityBleeding, StartBleeding},
    {kAbilityParalyzes, Paralyze},
    {kAbilityReincarnates, nullptr},
    {kAbilityExplodes, nullptr},
    {kAbilityDeflectsMissiles, nullptr},
    {kAbilitySummonsHelp, nullptr},
    {kAbilityBurnsEnergy, BurnEnergy},
    {kAbilitySlowingTouch, SlowDown},
    {kAbilityFrostbites, GiveFrostbite},
    {kAbilityImmobilizes, Immobilize},
    {kAbilityClumsiness, MakeClumsy},
    {kAbilityDeterioratesItems, nullptr},
    {kAbilityCrumblesWalls, CrumbleWalls},
    {kAbilityTerrainSpecific, nullptr},
    {kAbilitySpiky, nullptr},
    {kAbilityStalker, nullptr},
    {kAbilityChameleon, nullptr},
    {kAbilityPack, nullptr},
    {kAbilityThreeStrikes, nullptr},
    {kAbilityCharges, nullptr},
    {kAbilityCounterAttacks, nullptr},
    {kAbilityStillDeciding, nullptr},
    {kAbilityFear, Frighten},
    {kAbilitySoaksClothes, nullptr},
};

static_assert(OneRowPerIdInOrder(kAbilityHits, &AbilityHitRow::ability, kAbilityNone, kHighestMonsterAbility + 1),
              "one row per monster ability, in id order");

}  // namespace

void Monster::ApplyMonsterSpecialHit(int32_t damageTaken) {
    if (MonstersAreStupidHere()) return;
    if (ability < 0 || ability > kHighestMonsterAbility) return;
    if (kAbilityHits[ability].hit != nullptr) kAbilityHits[ability].hit(*this, damageTaken);
}
