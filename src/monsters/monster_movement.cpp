// How monsters move: eight one-square steps under one set of rules, the order in
// which a pursuer tries them, wandering, and the two ways monsters beside the
// player in a corridor make way for each other.
#include <cstdlib>

#include "monsters/monster_messages.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// The steps by their last-move codes, which are the direction commands (world/direction.h).
enum StepCode : int32_t {
    kNorth = kCommandNorth,
    kSouth = kCommandSouth,
    kWest = kCommandWest,
    kEast = kCommandEast,
    kNorthWest = kCommandNorthWest,
    kNorthEast = kCommandNorthEast,
    kSouthWest = kCommandSouthWest,
    kSouthEast = kCommandSouthEast,
};

using StepOrder = StepCode[8];

// Where the target lies diagonally: the order after a last move that turns
// round the monster one way, after one that turns the other way, and otherwise.
struct DiagonalOrders {
    StepCode turnOneWay;
    StepCode turnOtherWay;
    StepOrder oneWay;
    StepOrder otherWay;
    StepOrder plain;
};

constexpr DiagonalOrders kTowardSouthEast = {kWest,
                                             kNorth,
                                             {kSouthEast, kSouth, kSouthWest, kWest, kNorthWest, kNorth, kNorthEast, kEast},
                                             {kSouthEast, kEast, kNorthEast, kNorth, kNorthWest, kWest, kSouthWest, kSouth},
                                             {kSouthEast, kSouth, kEast, kSouthWest, kNorthEast, kWest, kNorth, kNorthWest}};
constexpr DiagonalOrders kTowardNorthWest = {kEast,
                                             kSouth,
                                             {kNorthWest, kNorth, kNorthEast, kEast, kSouthEast, kSouth, kSouthWest, kWest},
                                             {kNorthWest, kWest, kSouthWest, kSouth, kSouthEast, kEast, kNorthEast, kNorth},
                                             {kNorthWest, kNorth, kWest, kNorthEast, kSouthWest, kSouth, kEast, kSouthEast}};
constexpr DiagonalOrders kTowardNorthEast = {kSouth,
                                             kWest,
                                             {kNorthEast, kEast, kSouthEast, kSouth, kSouthWest, kWest, kNorthWest, kNorth},
                                             {kNorthEast, kNorth, kNorthWest, kWest, kSouthWest, kSouth, kSouthEast, kEast},
                                             {kNorthEast, kNorth, kEast, kNorthWest, kSouthEast, kSouth, kWest, kSouthWest}};
constexpr DiagonalOrders kTowardSouthWest = {kNorth,
                                             kEast,
                                             {kSouthWest, kWest, kNorthWest, kNorth, kNorthEast, kEast, kSouthEast, kSouth},
                                             {kSouthWest, kSouth, kSouthEast, kEast, kNorthEast, kNorth, kNorthWest, kWest},
                                             {kSouthWest, kSouth, kWest, kSouthEast, kNorthWest, kEast, kNorth, kNorthEast}};

// Where the target lies straight: the order when a coin lands one way, and the other.
struct StraightOrders {
    StepOrder heads;
    StepOrder tails;
};

constexpr StraightOrders kTowardSouth = {{kSouth, kSouthEast, kSouthWest, kEast, kWest, kNorthEast, kNorthWest, kNorth},
                                         {kSouth, kSouthWest, kSouthEast, kWest, kEast, kNorthWest, kNorthEast, kNorth}};
constexpr StraightOrders kTowardNorth = {{kNorth, kNorthWest, kNorthEast, kWest, kEast, kSouthWest, kSouthEast, kSouth},
                                         {kNorth, kNorthEast, kNorthWest, kEast, kWest, kSouthEast, kSouthWest, kSouth}};
constexpr StraightOrders kTowardEast = {{kEast, kNorthEast, kSouthEast, kNorth, kSouth, kNorthWest, kSouthWest, kWest},
                                        {kEast, kSouthEast, kNorthEast, kSouth, kNorth, kSouthWest, kNorthWest, kWest}};
constexpr StraightOrders kTowardWest = {{kWest, kSouthWest, kNorthWest, kSouth, kNorth, kSouthEast, kNorthEast, kEast},
                                        {kWest, kNorthWest, kSouthWest, kNorth, kSouth, kNorthEast, kSouthEast, kEast}};

// A wanderer's Random(8) picks its step from this table.
constexpr StepCode kWanderSteps[8] = {kSouth, kNorth, kEast, kWest, kNorthEast, kNorthWest, kSouthEast, kSouthWest};
// An awake wanderer tries this many draws before it gives up and stays.
constexpr int32_t kAwakeWanderDraws = 39;

// A monster of one of these colours never treads on ground of the other.
constexpr ColourCode kIcyTerrainColour = kLightCyan;
constexpr ColourCode kSnowyTerrainColour = kWhite;

bool IsPlayerAt(int32_t x, int32_t y, int32_t floor) {
    return player.currentFloor == floor && player.x == x && player.y == y;
}

// Ground that a monster beside the player may step aside onto.
bool IsOpenGround(char glyph) {
    return glyph == kFloorGlyph || glyph == kSlushGlyph || glyph == kFoundTrapGlyph || glyph == kBagGlyph;
}

const Floor& FloorOf(const Monster& monster) { return floorArray[monster.floor]; }

// Moves the record and the occupied flags; nothing else of the record changes.
void Relocate(Monster& monster, int32_t x, int32_t y) {
    Floor& floor = floorArray[monster.floor];
    if (Floor::OnMap(monster.x, monster.y) && floor.At(monster.x, monster.y).monsterPresent == 1) {
        floor.At(monster.x, monster.y).monsterPresent = 0;
    }
    PlaceMonster(monster, x, y);
    floor.At(x, y).monsterPresent = 1;
}

int32_t Step(Monster& monster, StepCode code) {
    if (!IsFloorNumber(monster.floor)) return 0;
    const XY offset = DirectionStep(code);
    const int32_t toX = monster.x + offset.x;
    const int32_t toY = monster.y + offset.y;
    const Floor& floor = FloorOf(monster);
    // Off the map reads as wall, like the border every floor has.
    if (!Floor::OnMap(toX, toY)) return 0;
    const Tile& target = floor.At(toX, toY);
    if (monster.ability == kAbilityTerrainSpecific) {
        if (monster.colour == kIcyTerrainColour && target.colour == kSnowyTerrainColour) return 0;
        if (monster.colour == kSnowyTerrainColour && target.colour == kIcyTerrainColour) return 0;
    }
    if (target.glyph == kDeepSmithGlyph || target.glyph == kWallGlyph || target.glyph == kIceBlockGlyph) return 0;
    // Monsters take the stairs only after the player.
    if (monster.floor != player.currentFloor && IsStairs(target.glyph)) return 0;
    // Wherever a monster stands its tile is marked occupied (so are the player's and the
    // sages' tiles): the mark answers for the whole list of every floor's monsters, which
    // a crowd of pursuers would otherwise walk for each step it tries.
    if (target.monsterPresent != 0 || IsPlayerAt(toX, toY, monster.floor) || IsSageAt(toX, toY, 0, 0, monster.floor)) {
        return 0;
    }
    monster.previousX = monster.x;
    monster.previousY = monster.y;
    Relocate(monster, toX, toY);
    monster.lastMove = code;
    return 1;
}

int32_t TryInOrder(Monster& monster, const StepOrder& order) {
    for (StepCode code : order) {
        if (Step(monster, code) == 1) return 1;
    }
    return 0;
}

const StepOrder& DiagonalOrder(const DiagonalOrders& orders, int32_t lastMove) {
    if (lastMove == orders.turnOneWay) return orders.oneWay;
    if (lastMove == orders.turnOtherWay) return orders.otherWay;
    return orders.plain;
}

const StepOrder& StraightOrder(const StraightOrders& orders) {
    const int32_t coin = rng.Random(2);
    return coin != 0 ? orders.heads : orders.tails;
}

// The first of the eight neighbours of (x, y), outer loop over columns and inner
// over rows, that `fits`; false when none does.
template <typename Fits>
bool FirstNeighbour(int32_t x, int32_t y, Fits fits, XY& found) {
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            if (!fits(x + dx, y + dy)) continue;
            found = XY{x + dx, y + dy};
            return true;
        }
    }
    return false;
}

bool HasFullHealth(const Monster& monster) { return monster.hp >= monster.maxHp; }

// A monster in a one-tile corridor, seen from the player's side.
bool StandsInCorridor(const Monster& monster) {
    const Floor& floor = FloorOf(monster);
    const bool wallsWestAndEast =
        floor.GlyphAt(monster.x - 1, monster.y) == kWallGlyph && floor.GlyphAt(monster.x + 1, monster.y) == kWallGlyph;
    const bool wallsNorthAndSouth =
        floor.GlyphAt(monster.x, monster.y - 1) == kWallGlyph && floor.GlyphAt(monster.x, monster.y + 1) == kWallGlyph;
    if (player.x == monster.x) return wallsWestAndEast;
    if (player.y == monster.y) return wallsNorthAndSouth;
    return wallsNorthAndSouth || wallsWestAndEast;
}

int32_t OpenGroundAround(const Monster& monster) {
    const Floor& floor = FloorOf(monster);
    int32_t count = 0;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) count += IsOpenGround(floor.GlyphAt(monster.x + dx, monster.y + dy)) ? 1 : 0;
    }
    return count;
}

}  // namespace

int32_t Monster::StepMonster(int32_t direction) { return Step(*this, static_cast<StepCode>(direction)); }

int32_t Monster::MoveMonsterToward(int32_t targetX, int32_t targetY) {
    if (targetX > x && targetY > y) return TryInOrder(*this, DiagonalOrder(kTowardSouthEast, lastMove));
    if (targetX < x && targetY < y) return TryInOrder(*this, DiagonalOrder(kTowardNorthWest, lastMove));
    if (targetX > x && targetY < y) return TryInOrder(*this, DiagonalOrder(kTowardNorthEast, lastMove));
    if (targetX < x && targetY > y) return TryInOrder(*this, DiagonalOrder(kTowardSouthWest, lastMove));
    if (targetX == x && targetY > y) return TryInOrder(*this, StraightOrder(kTowardSouth));
    if (targetX == x && targetY < y) return TryInOrder(*this, StraightOrder(kTowardNorth));
    if (targetX > x) return TryInOrder(*this, StraightOrder(kTowardEast));
    if (targetX < x) return TryInOrder(*this, StraightOrder(kTowardWest));
    return 0;
}

void Monster::WanderMonster() {
    const int32_t draws = awake != 0 ? kAwakeWanderDraws : 1;
    for (int32_t draw = 0; draw < draws; ++draw) {
        const int32_t pick = rng.Random(8);
        if (Step(*this, kWanderSteps[pick]) == 1) return;
    }
}

int32_t Monster::SwapPlacesWithAlly() {
    if (hp > maxHp / 2 && ranged == 0) return 0;
    if (!IsAdjacentToPlayer(x, y) || !IsFloorNumber(floor)) return 0;
    Monster* ally = nullptr;
    const auto fresher = [this, &ally](int32_t nx, int32_t ny) {
        if (!IsMonsterAt(nx, ny, floor) || IsAdjacentToPlayer(nx, ny)) return false;
        Monster* other = FindMonsterAt(nx, ny, floor);
        // A record waiting to be purged is no fighter.
        if (other == nullptr || other->alive == 0) return false;
        const bool healthier = HasFullHealth(*other) && !HasFullHealth(*this);
        const bool closeFighter = other->ranged == 0 && ranged == 1;
        if (!healthier && !closeFighter) return false;
        ally = other;
        return true;
    };
    XY place;
    if (!FirstNeighbour(x, y, fresher, place)) return 0;
    PrintWords(MonsterSubject(*this) + " and " + MonsterObject(*ally) + " swap places. ");
    PlaceMonster(*ally, x, y);
    PlaceMonster(*this, place.x, place.y);
    return 1;
}

int32_t Monster::MakeRoomForAlly() {
    if (!IsFloorNumber(floor) || floor != player.currentFloor) return 0;
    const Floor& map = FloorOf(*this);
    if (!IsOpenGround(map.GlyphAt(player.x, player.y)) || !IsAdjacentToPlayer(x, y)) return 0;
    const int32_t open = OpenGroundAround(*this);
    if (open != 4 && open != 5 && !StandsInCorridor(*this)) return 0;

    const auto freeBesidePlayer = [this, &map](int32_t nx, int32_t ny) {
        if (nx == player.x && ny == player.y) return false;
        return IsOpenGround(map.GlyphAt(nx, ny)) && IsAdjacentToPlayer(nx, ny) && !IsSageAt(nx, ny, 0, 0, floor) &&
               !IsMonsterAt(nx, ny, floor);
    };
    XY destination;
    if (!FirstNeighbour(x, y, freeBesidePlayer, destination)) return 0;

    const auto allyBehind = [this, &map, destination](int32_t nx, int32_t ny) {
        if (!IsMonsterAt(nx, ny, floor) || IsAdjacentToPlayer(nx, ny)) return false;
        // A record waiting to be purged is no ally: the look-up does not even find it.
        const Monster* ally = FindMonsterAt(nx, ny, floor);
        if (ally == nullptr || ally->alive == 0) return false;
        // A shooter that already sees the player needs no way through.
        if (ally->ranged != 0 && map.At(nx, ny).inViewMark != 0) return false;
        return std::abs(nx - destination.x) > 1 || std::abs(ny - destination.y) > 1;
    };
    XY ally;
    if (!FirstNeighbour(x, y, allyBehind, ally)) return 0;
    Relocate(*this, destination.x, destination.y);
    return 1;
}
