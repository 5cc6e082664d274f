// Monsters and the stairs: healthy monsters beside the player follow it to the
// next floor and land beside the staircase it arrives on, and a monster found
// on the player's arrival square is crushed.
#include "monsters/monster_messages.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// The first free floor square around the staircase, columns outer and rows inner.
bool FindLandingSquare(int32_t floor, XY stairs, XY& landing) {
    const Floor& map = floorArray[floor];
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t x = stairs.x + dx;
            const int32_t y = stairs.y + dy;
            if (map.GlyphAt(x, y) != kFloorGlyph || IsMonsterAt(x, y, floor)) continue;
            // Nor onto a sage standing there.
            if (IsSageAt(x, y, 0, 0, floor)) continue;
            landing = XY{x, y};
            return true;
        }
    }
    return false;
}

}  // namespace

XY FindStaircase(int32_t floor, bool down) {
    if (!IsFloorNumber(floor)) return XY{-1, -1};
    const char wanted = down ? kDownStairsGlyph : kUpStairsGlyph;
    const Floor& map = floorArray[floor];
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (map.At(x, y).glyph == wanted) return XY{x, y};
        }
    }
    return XY{-1, -1};
}

void LetFollowersTakeStairs(int32_t direction) {
    const int32_t from = player.currentFloor;
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor == from && monster->ability != kAbilityTerrainSpecific) monster->FollowThroughStairs(direction);
    }
}

void Monster::FollowThroughStairs(int32_t direction) {
    // A dying monster stays behind, whatever its maximum.
    if (alive == 0 || hp < 1 || hp < maxHp / 2) return;
    if (!IsAdjacentToPlayer(x, y)) return;
    const int32_t to = floor + direction;
    if (!IsFloorNumber(floor) || !IsFloorNumber(to)) return;
    // Going up the player arrives on the '>' above, going down on the '<' below.
    const XY stairs = FindStaircase(to, direction < 0);
    if (stairs.x < 0) return;
    XY landing;
    if (!FindLandingSquare(to, stairs, landing)) return;
    Tile& left = floorArray[floor].At(x, y);
    if (left.monsterPresent == 1) left.monsterPresent = 0;
    PlaceMonster(*this, landing.x, landing.y, to);
    floorArray[floor].At(x, y).monsterPresent = 1;
    MatchMonsterToFloorColour();
    PrintWords(MonsterSubject(*this) + " follows you. ");
}

void ClearArrivalStairs(int32_t x, int32_t y, int32_t floor) {
    if (!IsFloorNumber(floor) || !Floor::OnMap(x, y) || !IsStairs(floorArray[floor].At(x, y).glyph)) return;
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        // Left for the next death pass, which tells the kill; until then it does nothing.
        if (monster->x == x && monster->y == y && monster->floor == floor) monster->hp = -1;
    }
    PurgeDeadMonsters();
}
