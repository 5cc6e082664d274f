// A monster's share of each pass: its stun, taunt and bleeding count down, then
// it acts as often as its energy allows, and each action decides between
// waking, hunting, making room, swapping places, attacking, pursuing and wandering.
#include <cstdlib>

#include "items/worn_properties.h"
#include "monsters/demon_tricks.h"
#include "monsters/monster_messages.h"
#include "player/surroundings.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"

namespace {

// The player shoots no farther than this many squares west or north of a
// shooter, and one square less east or south.
constexpr int32_t kShotReachBefore = 5;
constexpr int32_t kShotReachAfter = 4;
// A ring of stealth shortens the range at which monsters notice the player.
constexpr int32_t kStealthShortening = 2;

Tile* TileUnder(const Monster& monster) {
    if (!IsFloorNumber(monster.floor) || !Floor::OnMap(monster.x, monster.y)) return nullptr;
    return &floorArray[monster.floor].At(monster.x, monster.y);
}

bool WearsStealthRing() {
    return GetWornAccessoryProperty(kWornRightRing) == kPropertyStealth ||
           GetWornAccessoryProperty(kWornLeftRing) == kPropertyStealth;
}

// Blood on plain floor, in one of its two shades.
void StainWithBlood(Tile& tile) {
    if (tile.glyph != kFloorGlyph) return;
    const int32_t shade = rng.Random(2);
    tile.colour = shade == 0 ? kDriedBlood : kFreshBlood;
}

// A still-undecided ability settles on one that a monster can take up in the middle of play.
bool IsUnfitLateAbility(int32_t ability) {
    return ability == kAbilityStillDeciding || ability == kAbilityStalker || ability == kAbilityTerrainSpecific ||
           ability == kAbilityChameleon || ability == kAbilityPack;
}

bool PlayerWithinShotWindow(const Monster& monster) {
    return player.x >= monster.x - kShotReachBefore && player.x <= monster.x + kShotReachAfter &&
           player.y >= monster.y - kShotReachBefore && player.y <= monster.y + kShotReachAfter;
}

bool PlayerWithinRange(const Monster& monster, int32_t range) {
    if (player.x == monster.x && player.y == monster.y) return false;
    return std::abs(player.x - monster.x) <= range && std::abs(player.y - monster.y) <= range;
}

}  // namespace

bool IsAdjacentToPlayer(int32_t x, int32_t y) { return std::abs(player.x - x) <= 1 && std::abs(player.y - y) <= 1; }

bool Monster::IsInPlayersView() const {
    if (floor != player.currentFloor) return false;
    const Tile* tile = TileUnder(*this);
    return tile != nullptr && tile->visibleNow != 0;
}

void Monster::TickMonster() {
    // Waiting for the death pass (it was crushed on the stairs, say): nothing more happens to it.
    if (hp < 1 || alive == 0) return;

    if (ability == kAbilityStillDeciding) {
        do {
            ability = rng.Random(32) + 1;
        } while (IsUnfitLateAbility(ability));
    }

    const bool stunned = stunTurns > 0;
    if (stunned) {
        --stunTurns;
        if (stunTurns == 0 && IsInPlayersView()) PrintWords(MonsterSubject(*this) + " isn't stunned anymore. ");
    }

    if (tauntTurns > 0) {
        --tauntTurns;
        if (tauntTurns == 0) {
            if (IsInPlayersView()) PrintWords(MonsterSubject(*this) + " isn't taunted anymore. ");
            // Only a shooter is ever taunted: the taunt took its bow away.
            ranged = 1;
        }
    }

    if (bleedTurns >= 1) {
        --bleedTurns;
        hp -= bleedDamage;
        if (Tile* tile = TileUnder(*this)) StainWithBlood(*tile);
        if (hp > 0) {
            if (IsInPlayersView()) PrintWords(MonsterSubject(*this) + " bleeds. ");
            if (bleedTurns == 0) {
                if (IsInPlayersView()) PrintWords("Its bleeding stops. ");
                bleedDamage = 0;
            }
        } else {
            if (IsInPlayersView()) {
                // The demons' deaths keep the message colour.
                const std::string opening = IsUniqueDemon(name) ? "" : "@R";
                PrintWords(opening + MonsterSubject(*this) + " dies of its wounds.@C ");
            }
            // The death pass tells from this that the death was already announced.
            bleedDamage = -1;
            return;
        }
    }

    if (stunned) return;

    // A kind whose actions cost nothing would act for ever.
    const int32_t cost = actThreshold < 1 ? 1 : actThreshold;
    while (energy >= cost) {
        energy -= cost;
        RegenerateMonster();
        TakeMonsterTurn();
        if (hp < 1 || alive == 0) return;
    }
    energy += speed;
}

void Monster::RegenerateMonster() {
    if (hp < 1 || alive == 0) return;
    ++regenerationCount;
    if (regenerationCount >= regenerationPeriod) {
        hp += regenerationAmount;
        if (FloorFeelingAt(floor) == kFeelingPeaceful) hp += regenerationAmount;
        regenerationCount = 0;
        if (hp > maxHp) hp = maxHp;
    }
    // A demon the player has left behind is whole again when the player comes back.
    if (IsUniqueDemon(name) && floor != player.currentFloor) hp = maxHp;
}

int32_t Monster::TakeMonsterTurn() {
    int32_t range = monsterVisionRange;
    if (floor != player.currentFloor) {
        WanderMonster();
        return 0;
    }
    if (IsDemonNamed(*this, kVirve) && !IsInPlayersView()) NoteVirveOutOfView(*this);
    if (IsDemonNamed(*this, kNonehes)) PerformDemonTrick();
    MarkMonsterTrail();

    const bool stealthy = WearsStealthRing();
    if (stealthy && !IsUniqueDemon(name)) {
        range -= kStealthShortening;
        hunting = 0;
    }
    const Tile* tile = TileUnder(*this);
    const bool inView = tile != nullptr && tile->visibleNow != 0;
    const bool stalker = ability == kAbilityStalker;
    const bool besidePlayer = IsAdjacentToPlayer(x, y);

    if (awake == 0) {
        if (stalker) {
            awake = besidePlayer ? 1 : 0;
        } else if (FloorFeelingAt(floor) == kFeelingConfusing) {
            awake = inView ? 1 : 0;
        } else {
            awake = tile != nullptr && tile->remembered != 0 && !stealthy ? 1 : 0;
        }
    }
    if (hunting == 0) hunting = (stalker ? besidePlayer : inView) ? 1 : 0;

    if (MakeRoomForAlly() == 1) return 1;
    if (SwapPlacesWithAlly() == 1) return 1;

    if (ranged != 0) {
        // A shooter never strikes in melee: a player beside it is shot.
        if (inView && PlayerWithinShotWindow(*this)) {
            MonsterRangedAttack();
            return 1;
        }
    } else if (inView && besidePlayer) {
        MonsterMeleeAttack();
        if (ability == kAbilityThreeStrikes && FloorFeelingAt(player.currentFloor) != kFeelingStupid) {
            for (int32_t strike = 0; strike < 2 && alive != 0; ++strike) MonsterMeleeAttack();
        }
        return 1;
    }

    if (awake != 0 && range >= 0 && PlayerWithinRange(*this, range) && MoveMonsterToward(player.x, player.y) == 1) {
        return 1;
    }
    if (hunting != 0 && (!stalker || awake != 0) && MoveMonsterToward(player.x, player.y) == 1) return 1;
    if (!stalker || awake != 0) WanderMonster();
    return 0;
}

void Monster::MarkMonsterTrail() {
    Tile* tile = TileUnder(*this);
    if (tile == nullptr) return;
    const bool plainFloor = tile->glyph == kFloorGlyph;
    if (ability == kAbilityColdTouch || ability == kAbilityFrostbites) {
        const ColourCode corner = floorArray[floor].At(0, 0).colour;
        if (plainFloor && tile->colour == kSnowyGround && corner == kStoneWalls) tile->colour = kIcyGround;
    }
    if (ability == kAbilityWarmTouch && plainFloor && tile->colour == kIcyGround) tile->colour = kSnowyGround;
    if (bleedTurns > 0) StainWithBlood(*tile);
}
