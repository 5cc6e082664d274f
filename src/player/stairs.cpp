// The stairs between neighbouring floors. The floors keep their state while
// the player is away; the monsters of the floor arrived at get 25 catch-up rounds.
#include <algorithm>

#include "floors/field_of_view.h"
#include "floors/floor_feelings.h"
#include "player/commands.h"
#include "records/endings.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kLastFloor = kFloorCount - 1;
constexpr int32_t kCatchUpRounds = 25;
// Every seventh floor is a demon's; its staircase down stays sealed until the demon is slain.
constexpr int32_t kFloorsPerDemon = 7;
constexpr int32_t kFirstDemonFloor = 6;

// The floor the ascend command leaves the dungeon from.
int32_t TopFloor() { return player.startMode == 1 ? 7 : 0; }

bool IsSealedDown(int32_t floor) {
    if (floor % kFloorsPerDemon != kFirstDemonFloor || floor >= kLastFloor) return false;
    return player.demonSlainFlags[floor / kFloorsPerDemon] == 0;
}

bool StandsOn(char glyph) {
    const Floor* floor = CurrentFloor();
    return floor != nullptr && Floor::OnMap(player.x, player.y) && floor->At(player.x, player.y).glyph == glyph;
}

void SetOccupied(int32_t value) {
    Floor* floor = CurrentFloor();
    if (floor != nullptr && Floor::OnMap(player.x, player.y)) floor->At(player.x, player.y).monsterPresent = value;
}

// Leaves the floor by the stairs and arrives on the first staircase of the
// other kind on the floor above or below.
void ChangeFloor(int32_t direction) {
    Player& p = player;
    CatchUpArrivalFloor(p.currentFloor + direction);
    LetFollowersTakeStairs(direction);
    p.UpdateSightRadius(direction);
    SetOccupied(0);
    p.currentFloor += direction;
    p.target = nullptr;
    // Without such a staircase the player keeps the old coordinates.
    if (!PlaceOnFirstGlyph(direction > 0 ? kUpStairsGlyph : kDownStairsGlyph)) SetOccupied(1);
    ClearArrivalStairs(p.x, p.y, p.currentFloor);
}

void RedrawArrival() {
    ClearScreen();
    Floor* floor = CurrentFloor();
    if (floor != nullptr) {
        floor->RedrawSeenTiles();
        ComputeFieldOfView(floor, player.x, player.y, player.sightRadius);
    }
    RedrawScreenQuiet();
}

}  // namespace

void CatchUpArrivalFloor(int32_t floor) {
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        // A monster below 1 hit point is only waiting to be removed: it neither acts nor heals.
        if (monster->floor != floor || monster->hp < 1) continue;
        for (int32_t round = 0; round < kCatchUpRounds && monster->hp >= 1; ++round) {
            monster->TickMonster();
            monster->RegenerateMonster();
        }
    }
}

bool PlaceOnFirstGlyph(char glyph) {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return false;
    for (int32_t column = 0; column < kFloorWidth; ++column) {
        for (int32_t row = 0; row < kFloorHeight; ++row) {
            if (floor->At(column, row).glyph != glyph) continue;
            player.x = column;
            player.y = row;
            floor->At(column, row).monsterPresent = 1;
            return true;
        }
    }
    return false;
}

int32_t Player::DescendStairs() {
    if (!StandsOn(kDownStairsGlyph) || currentFloor >= kLastFloor) return 0;
    if (IsSealedDown(currentFloor)) {
        PrintWords("A demonic power stops you! ");
        return 1;
    }
    ChangeFloor(+1);
    if ((currentFloor + 1) % kFloorsPerDemon == 0) ReportPietyLink(0);
    PrintFeelingMessage();
    deepestFloor = std::max(deepestFloor, currentFloor);
    RedrawArrival();
    return 1;
}

int32_t Player::AscendStairs() {
    if (!StandsOn(kUpStairsGlyph)) return 0;
    if (currentFloor <= TopFloor()) {
        if (demonSlainFlags[kFinalDemon] == 1) {
            currentFloor = -1;
            VictoryEnding();
            return 1;
        }
        messageLog.PrintMessage("You would be executed for your cowardice!");
        messageLog.FlushMessages(false);
        return 0;
    }
    ChangeFloor(-1);
    if ((currentFloor + 2) % kFloorsPerDemon == 0) ReportPietyLink(1);
    PrintFeelingMessage();
    RedrawArrival();
    return 1;
}

bool Player::PlaceOnUpStairs() { return PlaceOnFirstGlyph(kUpStairsGlyph); }
