// The traps that move the character, or its gold.
#include <algorithm>

#include "events/trap_effects.h"
#include "floors/field_of_view.h"
#include "floors/floor_feelings.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr int32_t kLastFloor = kFloorCount - 1;
// Every seventh floor belongs to the Goddess's next tier of prayer.
constexpr int32_t kFloorsPerTier = 7;

}  // namespace

void TeleportPlayer() {
    SayTrapStepped("Suddenly you stand elsewhere. ");
    XY spot;
    if (FindFreeTile(player.currentFloor, spot)) MovePlayerTo(player.currentFloor, spot);
}

void FallThroughFloor() {
    Player& p = player;
    // Traps laid by magic can lie on the deepest floor, which has nothing below it.
    if (p.currentFloor >= kLastFloor) {
        SayTrapStepped("The floor below you cracks, but there is nothing deeper to fall into. ");
        return;
    }
    SayTrapStepped("You fall through the floor. Press space. ");
    messageLog.FlushMessages(true);
    WaitForSpaceKey();
    p.UpdateSightRadius(+1);
    const int32_t left = p.currentFloor;
    p.currentFloor += 1;
    p.target = nullptr;
    XY spot{p.x, p.y};
    FindFreeTile(p.currentFloor, spot);
    MovePlayerTo(left, spot);
    if ((p.currentFloor + 1) % kFloorsPerTier == 0) p.ReportPietyLink(0);
    PrintFeelingMessage();
    p.deepestFloor = std::max(p.deepestFloor, p.currentFloor);
    ClearScreen();
    Floor& floor = TrapFloor();
    floor.RedrawSeenTiles();
    ComputeFieldOfView(&floor, p.x, p.y, p.sightRadius);
    RedrawScreenQuiet();
}

void FirePurseRay(Tile& tile) {
    Player& p = player;
    SayTrapStepped("A teleportation ray shoots out at your gold purse. ");
    if (p.gold > 0) {
        PrintWords("Your purse feels lighter! ");
        // On floor 0 the ray's range is empty; it takes the one coin every floor takes at least.
        const int32_t range = 2 * static_cast<int32_t>(1.43 * p.currentFloor);
        int32_t loss = 1;
        if (range > 0) loss += rng.Random(range);
        p.gold = std::max(p.gold - loss, 0);
    } else {
        PrintWords("Luckily nothing seems to happen. ");
    }
    VanishTrap(tile);
}
