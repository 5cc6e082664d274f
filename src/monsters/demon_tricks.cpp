// The unique demons' tricks. Each demon has two and keeps to the one its trick
// variant chose when it was made; when a trick comes is kept in its ability field.
#include "monsters/demon_tricks.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "floors/field_of_view.h"
#include "player/surroundings.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// Vir've's trick states, counting up from his first trick: a shot fires the trick,
// then he waits until a turn of his begins out of view; three tricks in all.
constexpr int32_t kVirveFirstTrick = -5;
constexpr int32_t kVirveSecondTrick = -3;
constexpr int32_t kVirveThirdTrickInView = -1;
constexpr int32_t kVirveWaitsBeforeSecond = -4;
constexpr int32_t kVirveWaitsBeforeThird = -2;
// Ikuazz, Omuerp and Uramesiel: armed until the trick fires, re-armed at full health.
constexpr int32_t kTrickArmed = 0;
constexpr int32_t kIkuazzSpent = -1;
constexpr int32_t kOmuerpAtHalf = -1;
constexpr int32_t kOmuerpAtFifth = -2;
// Nonehes tricks the first time he is seen, then every turn he spends out of view.
constexpr int32_t kNonehesUnseen = -1;
constexpr int32_t kUramesielSecondArmed = -1;
constexpr int32_t kUramesielSpent = -2;

// A death by a demon's trick is the dungeon's doing.
constexpr int32_t kTrickKiller = kDungeonKiller;
// How far the stomp crumbles walls, and how far it calls monsters to the hunt.
constexpr int32_t kStompReach = 6;
constexpr int32_t kStompCallReach = 9;
constexpr int32_t kStompDamage = 7;
// The bodyguard that Ikuazz whistles up, and the minions Vir've screams for.
constexpr int32_t kBodyguardLevel = 21;
constexpr int32_t kMinionLevel = 1;
// The gust pushes the player this many squares at the most.
constexpr int32_t kGustSteps = 4;
constexpr int32_t kPullDizziness = 4;
constexpr int32_t kChargeImmobility = 10;
// Uramesiel's two tricks come at these hit points, which he keeps.
constexpr int32_t kFirstTrickHp = 500;
constexpr int32_t kSecondTrickHp = 250;
constexpr int32_t kSplitCopies = 3;
constexpr int32_t kSplitHealPerMissingCopy = 100;
constexpr int32_t kMirrorCandidates = 8;
// The copy kinds of CreateUniqueDemon that each of Uramesiel's tricks makes.
constexpr int32_t kFirstSplitCopy = 1;
constexpr int32_t kSecondSplitCopy = 2;
constexpr int32_t kFirstMirrorCopy = 3;
constexpr int32_t kSecondMirrorCopy = 4;
// A draw that keeps missing squares that do exist gives up after this many tries and
// takes the first fitting square in scan order instead.
constexpr int32_t kMostDraws = 100000;

Floor& FloorOf(const Monster& demon) { return floorArray[demon.floor]; }

bool IsPlayerSquare(int32_t x, int32_t y) { return x == player.x && y == player.y; }

bool InView(const Floor& floor, int32_t x, int32_t y) { return Floor::OnMap(x, y) && floor.At(x, y).visibleNow != 0; }

// Plain floor or a known trap: where Nonehes and Uramesiel may land.
bool IsLandingGround(char glyph) { return glyph == kFloorGlyph || glyph == kFoundTrapGlyph; }

bool FreeOfFolk(const Monster& demon, int32_t x, int32_t y) {
    return !IsSageAt(x, y, 0, 0, demon.floor) && !IsMonsterAt(x, y, demon.floor);
}

// Every square of the floor in scan order: columns outer, rows inner.
template <typename Visit>
void ForEachSquare(Visit visit) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) visit(x, y);
    }
}

template <typename Fits>
int32_t CountSquares(Fits fits) {
    int32_t count = 0;
    ForEachSquare([&](int32_t x, int32_t y) { count += fits(x, y) ? 1 : 0; });
    return count;
}

template <typename Fits>
bool FirstSquare(Fits fits, XY& found) {
    bool any = false;
    ForEachSquare([&](int32_t x, int32_t y) {
        if (any || !fits(x, y)) return;
        found = XY{x, y};
        any = true;
    });
    return any;
}

// Draws x = Random(80), then y = Random(19), until the square fits. False, with
// nothing drawn, when no square of the floor fits.
template <typename Fits>
bool DrawSquare(Fits fits, XY& found) {
    if (CountSquares(fits) == 0) return false;
    for (int32_t draw = 0; draw < kMostDraws; ++draw) {
        const int32_t x = rng.Random(kFloorWidth);
        const int32_t y = rng.Random(kFloorHeight);
        if (fits(x, y)) {
            found = XY{x, y};
            return true;
        }
    }
    return FirstSquare(fits, found);
}

void LeaveSquare(Floor& floor, int32_t x, int32_t y) {
    if (Floor::OnMap(x, y) && floor.At(x, y).monsterPresent == 1) floor.At(x, y).monsterPresent = 0;
}

void MoveDemon(Monster& demon, XY to) {
    Floor& floor = FloorOf(demon);
    LeaveSquare(floor, demon.x, demon.y);
    PlaceMonster(demon, to.x, to.y);
    floor.At(to.x, to.y).monsterPresent = 1;
}

void MovePlayer(XY to) {
    Floor& floor = floorArray[player.currentFloor];
    LeaveSquare(floor, player.x, player.y);
    player.x = to.x;
    player.y = to.y;
    floor.At(to.x, to.y).monsterPresent = 1;
}

void LookAround() {
    ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
}

void RedrawAndLookAround() {
    RedrawScreenQuiet();
    LookAround();
}

// ---- Vir've ----

void SummonMinions(Monster& virve) {
    PrintWords("The demon opens its huge maw and screams to summons its minions! ");
    const Floor& floor = FloorOf(virve);
    ForEachSquare([&](int32_t x, int32_t y) {
        if (!InView(floor, x, y) || IsPlayerSquare(x, y) || !FreeOfFolk(virve, x, y)) return;
        if (floor.At(x, y).glyph != kFloorGlyph) return;
        SpawnMonster(x, y, virve.floor, false, kVariantNever, kMinionLevel);
    });
}

void OpenPortal(Monster& virve) {
    const XY stairs = FindStaircase(virve.floor, true);
    if (stairs.x < 0) return;
    if (IsMonsterAt(stairs.x, stairs.y, virve.floor) || IsPlayerSquare(stairs.x, stairs.y)) return;
    PrintWords("The demon draws a glowing one-way portal in the air, sucks you through it and shoots after you! ");
    MovePlayer(stairs);
    RedrawAndLookAround();
}

void VirveTrick(Monster& virve) {
    const bool fires = virve.ability == kVirveFirstTrick || virve.ability == kVirveSecondTrick ||
                       (virve.ability == kVirveThirdTrickInView && virve.IsInPlayersView());
    if (!fires) return;
    ++virve.ability;
    if (virve.trickVariant == 0) {
        SummonMinions(virve);
    } else {
        OpenPortal(virve);
    }
}

// ---- Ikuazz ----

void Stomp(Monster& ikuazz) {
    PrintWords(
        "The demon stomps the ground in fury, shaking and crumbling everything in the vicinity, including you. ");
    player.hp -= kStompDamage;
    player.CheckPlayerDeath("Ikuazz's powerful stomp broke HIS backbone.", kTrickKiller);
    Floor& floor = FloorOf(ikuazz);
    // The outermost ring of the map stands whatever happens.
    for (int32_t x = std::max(1, ikuazz.x - kStompReach); x <= std::min(kFloorWidth - 2, ikuazz.x + kStompReach); ++x) {
        for (int32_t y = std::max(1, ikuazz.y - kStompReach); y <= std::min(kFloorHeight - 2, ikuazz.y + kStompReach);
             ++y) {
            Tile& tile = floor.At(x, y);
            if (BlocksSight(tile.glyph)) tile.glyph = kFloorGlyph;
        }
    }
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor != ikuazz.floor) continue;
        monster->awake = 1;
        if (std::abs(monster->x - player.x) <= kStompCallReach && std::abs(monster->y - player.y) <= kStompCallReach) {
            monster->hunting = 1;
        }
    }
    floor.ClearTileMarks();
    LookAround();
}

void BlowBoneWhistle(Monster& ikuazz) {
    const XY stairs = FindStaircase(ikuazz.floor, false);
    if (stairs.x < 0) return;
    XY square = stairs;
    if (IsMonsterAt(stairs.x, stairs.y, ikuazz.floor) || IsPlayerSquare(stairs.x, stairs.y)) {
        bool found = false;
        const Floor& floor = FloorOf(ikuazz);
        for (int32_t dx = -1; dx <= 1; ++dx) {
            for (int32_t dy = -1; dy <= 1; ++dy) {
                const int32_t x = stairs.x + dx;
                const int32_t y = stairs.y + dy;
                if (floor.GlyphAt(x, y) != kFloorGlyph || IsMonsterAt(x, y, ikuazz.floor) || IsPlayerSquare(x, y)) {
                    continue;
                }
                // The last such square, not the first.
                square = XY{x, y};
                found = true;
            }
        }
        if (!found) {
            // No room for the bodyguard: the whistle is his to blow again.
            ikuazz.ability = kTrickArmed;
            return;
        }
    }
    PrintWords("The demon looks panicked. It takes a bone whistle and calls for his upstairs bodyguard! ");
    SpawnMonster(square.x, square.y, ikuazz.floor, false, kVariantSuperior, kBodyguardLevel);
}

void IkuazzTrick(Monster& ikuazz) {
    if (ikuazz.ability != kTrickArmed) {
        if (ikuazz.ability == kIkuazzSpent && ikuazz.hp == ikuazz.maxHp) ikuazz.ability = kTrickArmed;
        return;
    }
    if (ikuazz.hp >= ikuazz.maxHp / 2) return;
    ikuazz.ability = kIkuazzSpent;
    if (ikuazz.trickVariant == 0) {
        Stomp(ikuazz);
    } else {
        BlowBoneWhistle(ikuazz);
    }
}

// ---- Omuerp ----

void TeleportElsewhere(Monster& omuerp) {
    const Floor& floor = FloorOf(omuerp);
    const auto fits = [&](int32_t x, int32_t y) {
        return InView(floor, x, y) && floor.At(x, y).glyph == kFloorGlyph && FreeOfFolk(omuerp, x, y) &&
               !IsPlayerSquare(x, y);
    };
    XY square;
    if (!DrawSquare(fits, square)) return;
    MoveDemon(omuerp, square);
    PrintWords("The demon teleports elsewhere. ");
}

int32_t Sign(int32_t value) { return (value > 0) - (value < 0); }

void GustOfWind(Monster& omuerp) {
    const int32_t dx = Sign(player.x - omuerp.x);
    const int32_t dy = Sign(player.y - omuerp.y);
    Floor& floor = floorArray[player.currentFloor];
    LeaveSquare(floor, player.x, player.y);
    int32_t steps = 0;
    for (; steps < kGustSteps; ++steps) {
        const int32_t x = player.x + dx;
        const int32_t y = player.y + dy;
        // Off the map is wall, as the border is.
        const char glyph = floor.GlyphAt(x, y);
        if (BlocksSight(glyph) || glyph == kDeepSmithGlyph || !FreeOfFolk(omuerp, x, y)) break;
        player.x = x;
        player.y = y;
    }
    floor.At(player.x, player.y).monsterPresent = 1;
    if (steps == kGustSteps) {
        PrintWords(
            "The demon conjures a strong gust of wind out of thin air and tries to slam you against the floor, but "
            "you manage to keep your balance as nothing obstructs your path. ");
        RedrawAndLookAround();
        return;
    }
    PrintWords("The demon conjures a strong gust of wind out of thin air to slam you violently against the dungeon "
               "floor! ");
    RedrawAndLookAround();
    player.hp -= static_cast<int32_t>(static_cast<float>(kGustSteps - steps) * 2.6f);
    player.CheckPlayerDeath("Omuerp's gust of wind slammed HIS breath out.", kTrickKiller);
}

void OmuerpTrick(Monster& omuerp) {
    const double h = omuerp.hp;
    const double m = omuerp.maxHp;
    if (omuerp.ability != kTrickArmed && h == m) omuerp.ability = kTrickArmed;
    bool fires = false;
    if (omuerp.ability == kTrickArmed) {
        fires = h < 0.75 * m;
    } else if (omuerp.ability == kOmuerpAtHalf) {
        fires = h < 0.5 * m;
    } else if (omuerp.ability <= kOmuerpAtFifth && h < 0.2 * m) {
        const int32_t roll = rng.Random(4);
        fires = roll == 0;
    }
    if (!fires) return;
    --omuerp.ability;
    if (omuerp.trickVariant == 0) {
        TeleportElsewhere(omuerp);
    } else {
        GustOfWind(omuerp);
    }
}

// ---- Nonehes ----

// Ice falls on plain, empty floor that nobody stands on.
void FreezeSquare(Monster& nonehes, Floor& floor, int32_t x, int32_t y) {
    if (!Floor::OnMap(x, y) || IsPlayerSquare(x, y) || !FreeOfFolk(nonehes, x, y)) return;
    Tile& tile = floor.At(x, y);
    if (tile.glyph != kFloorGlyph || !tile.items.empty() || tile.gold != 0) return;
    tile.glyph = kIceBlockGlyph;
}

void PullAndWallIn(Monster& nonehes) {
    Floor& floor = FloorOf(nonehes);
    const XY sides[4] = {{nonehes.x - 1, nonehes.y}, {nonehes.x + 1, nonehes.y}, {nonehes.x, nonehes.y - 1},
                         {nonehes.x, nonehes.y + 1}};
    const XY* pulledTo = nullptr;
    for (const XY& side : sides) {
        if (floor.GlyphAt(side.x, side.y) == kFloorGlyph && FreeOfFolk(nonehes, side.x, side.y)) {
            pulledTo = &side;
            break;
        }
    }
    if (pulledTo == nullptr) return;
    PrintWords(
        "The demon teleports you next to him, shoots at the roof and grins menacingly. You feel dizzy after the "
        "sudden teleport. ");
    MovePlayer(*pulledTo);
    player.dizziness += kPullDizziness;
    const int32_t extra = rng.Random(4);
    player.dizziness += extra;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) FreezeSquare(nonehes, floor, nonehes.x + dx, nonehes.y + dy);
    }
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) FreezeSquare(nonehes, floor, player.x + dx, player.y + dy);
    }
    RedrawAndLookAround();
}

void Charge(Monster& nonehes) {
    const Floor& floor = FloorOf(nonehes);
    const auto landing = [&](int32_t x, int32_t y) {
        return IsLandingGround(floor.GlyphAt(x, y)) && FreeOfFolk(nonehes, x, y);
    };
    // Only a free square in view can be landed on: without one the charge cannot come.
    bool anyInView = false;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t x = player.x + dx;
            const int32_t y = player.y + dy;
            if ((dx != 0 || dy != 0) && landing(x, y) && InView(floor, x, y)) anyInView = true;
        }
    }
    if (!anyInView) return;
    const int32_t distance = std::max(std::abs(player.x - nonehes.x), std::abs(player.y - nonehes.y));
    XY square{player.x, player.y};
    for (int32_t draw = 0;; ++draw) {
        if (draw >= kMostDraws) return;
        const int32_t dx = rng.Random(3) - 1;
        const int32_t dy = rng.Random(3) - 1;
        if (dx == 0 && dy == 0) continue;
        square = XY{player.x + dx, player.y + dy};
        if (landing(square.x, square.y) && InView(floor, square.x, square.y)) break;
    }
    MoveDemon(nonehes, square);
    PrintWords("The demon charges at you by jumping high and landing next to you with a thundering crash that makes you "
               "sink in the snow! ");
    if (distance <= 2) {
        PrintWords("You don't have time to react and thus take a heavy hit. ");
    } else if (distance <= 5) {
        PrintWords("Thanks to the distance, you manage to dodge the full hit of the charge. ");
    } else {
        PrintWords("You have enough time to dodge almost the whole charge. ");
    }
    player.immobility += kChargeImmobility;
    // From far enough away the charge does no harm, and never heals.
    player.hp -= std::max(0, 21 - 3 * distance);
    const int32_t held = rng.Random(10);
    player.immobility += held;
    player.CheckPlayerDeath("Nonehes' surprise charge impaled HIM.", kTrickKiller);
}

void NonehesTrick(Monster& nonehes) {
    const bool inView = nonehes.IsInPlayersView();
    const bool fires = (nonehes.ability == kTrickArmed && inView) || (nonehes.ability == kNonehesUnseen && !inView);
    if (!fires) return;
    nonehes.ability = kNonehesUnseen;
    if (nonehes.trickVariant == 0) {
        PullAndWallIn(nonehes);
    } else {
        Charge(nonehes);
    }
}

// ---- Uramesiel ----

void SplitInFour(Monster& uramesiel, int32_t copyKind) {
    const Floor& floor = FloorOf(uramesiel);
    const auto fits = [&](int32_t x, int32_t y) {
        return InView(floor, x, y) && IsLandingGround(floor.At(x, y).glyph) && FreeOfFolk(uramesiel, x, y) &&
               !IsPlayerSquare(x, y);
    };
    const int32_t room = CountSquares(fits);
    XY square;
    if (room == 0 || !DrawSquare(fits, square)) {
        PrintWords(
            "The demon is about to split in four, but there's no room! Uramesiel absorbs the parts back into itself "
            "and looks perfectly healthy again! ");
        uramesiel.hp = uramesiel.maxHp - 1;
        return;
    }
    MoveDemon(uramesiel, square);
    const int32_t wanted = std::min(room, kSplitCopies);
    int32_t made = 0;
    // His move may have taken the last free square: a copy without room is not made.
    while (made < wanted && DrawSquare(fits, square)) {
        CreateUniqueDemon(square.x, square.y, uramesiel.floor, copyKind);
        ++made;
    }
    if (made == kSplitCopies) {
        PrintWords("The demon splits in four and teleports! ");
    } else {
        PrintWords(
            "The demon teleports and tries to split in four, but there's no room! Uramesiel absorbs some of the parts "
            "back into itself and looks healthier! ");
        uramesiel.hp += (kSplitCopies - made) * kSplitHealPerMissingCopy;
    }
    player.target = nullptr;
}

void MirrorImages(Monster& uramesiel, int32_t copyKind) {
    const Floor& floor = FloorOf(uramesiel);
    std::vector<XY> candidates;
    const auto consider = [&](int32_t x, int32_t y) {
        if (static_cast<int32_t>(candidates.size()) >= kMirrorCandidates || !Floor::OnMap(x, y)) return;
        if (!InView(floor, x, y) || !IsLandingGround(floor.At(x, y).glyph) || IsSageAt(x, y, 0, 0, uramesiel.floor)) {
            return;
        }
        const bool hisOwn = x == uramesiel.x && y == uramesiel.y;
        if (!hisOwn && IsMonsterAt(x, y, uramesiel.floor)) return;
        for (const XY& taken : candidates) {
            if (taken.x == x && taken.y == y) return;
        }
        candidates.push_back(XY{x, y});
    };
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) consider(player.x + dx, player.y + dy);
        }
    }
    for (int32_t dx = -2; dx <= 2; ++dx) {
        for (int32_t dy = -2; dy <= 2; ++dy) {
            if (dx != 0 || dy != 0) consider(player.x + dx, player.y + dy);
        }
    }
    if (candidates.size() < 2) return;
    int32_t pick = 0;
    do {
        pick = rng.Random(kMirrorCandidates);
    } while (pick >= static_cast<int32_t>(candidates.size()));
    MoveDemon(uramesiel, candidates[static_cast<std::size_t>(pick)]);
    candidates.erase(candidates.begin() + pick);
    int32_t made = 0;
    for (const XY& square : candidates) {
        CreateUniqueDemon(square.x, square.y, uramesiel.floor, copyKind);
        ++made;
    }
    if (made == 1) {
        PrintWords("The demon teleports and tries to confuse you by creating a mirror image! ");
    } else {
        PrintWords("The demon teleports and creates mirror images to swarm you! ");
    }
}

void UramesielTrick(Monster& uramesiel) {
    // Only the demon himself, never one of his copies.
    if (uramesiel.experience == 0) return;
    if (uramesiel.ability != kTrickArmed && uramesiel.hp == uramesiel.maxHp) uramesiel.ability = kTrickArmed;
    bool first = false;
    if (uramesiel.ability == kTrickArmed && uramesiel.hp <= kFirstTrickHp) {
        uramesiel.hp = kFirstTrickHp;
        uramesiel.ability = kUramesielSecondArmed;
        first = true;
    } else if (uramesiel.ability == kUramesielSecondArmed && uramesiel.hp <= kSecondTrickHp) {
        uramesiel.hp = kSecondTrickHp;
        uramesiel.ability = kUramesielSpent;
    } else {
        return;
    }
    uramesiel.regenerationCount = 0;
    uramesiel.bleedDamage = 0;
    uramesiel.bleedTurns = 0;
    uramesiel.stunTurns = 0;
    uramesiel.tauntTurns = 0;
    if (uramesiel.trickVariant == 0) {
        SplitInFour(uramesiel, first ? kFirstSplitCopy : kSecondSplitCopy);
    } else {
        MirrorImages(uramesiel, first ? kFirstMirrorCopy : kSecondMirrorCopy);
    }
}

}  // namespace

void NoteVirveOutOfView(Monster& virve) {
    if (virve.ability == kVirveWaitsBeforeSecond || virve.ability == kVirveWaitsBeforeThird) ++virve.ability;
}

void Monster::PerformDemonTrick() {
    if (FloorFeelingAt(player.currentFloor) == kFeelingStupid || !IsUniqueDemon(name)) return;
    if (!IsFloorNumber(floor) || !Floor::OnMap(x, y)) return;
    if (IsDemonNamed(*this, kVirve)) VirveTrick(*this);
    if (IsDemonNamed(*this, kIkuazz)) IkuazzTrick(*this);
    if (IsDemonNamed(*this, kOmuerp)) OmuerpTrick(*this);
    if (IsDemonNamed(*this, kNonehes)) NonehesTrick(*this);
    if (IsDemonNamed(*this, kUramesiel)) UramesielTrick(*this);
}
