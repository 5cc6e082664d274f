// The steps the trap effects share: wounds, the death check, moving the
// character, striking what stands around it and a trap's vanishing.
#include "events/bounded_draws.h"
#include "events/trap_effects.h"
#include "floors/field_of_view.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

bool IsFreeTile(int32_t floor, int32_t x, int32_t y) {
    const Tile& tile = floorArray[floor].At(x, y);
    return tile.glyph == kFloorGlyph && !IsSageAt(x, y, 0, 0, floor) && !IsMonsterAt(x, y, floor) &&
           tile.monsterPresent == 0;
}

}  // namespace

Floor& TrapFloor() { return floorArray[player.currentFloor]; }

void TakeTrapDamage() {
    const int32_t wound = rng.Random(3 * player.level + 3);
    player.hp -= 1 + wound;
}

void CheckTrapDeath(const std::string& cause) {
    Player& p = player;
    if (p.hp <= 0) ComputeFieldOfView(&TrapFloor(), p.x, p.y, p.sightRadius);
    p.CheckPlayerDeath(cause, kDungeonKiller);
}

int32_t DepthStep(int32_t floor) { return (1 + static_cast<int32_t>(1.43 * floor)) / 2; }

bool FindFreeTile(int32_t floor, XY& spot) {
    const auto free = [floor](int32_t x, int32_t y) { return IsFreeTile(floor, x, y); };
    return DrawFittingTile(0, 0, kFloorWidth, kFloorHeight, free, spot);
}

void MovePlayerTo(int32_t leftFloor, XY spot) {
    Player& p = player;
    floorArray[leftFloor].At(p.x, p.y).monsterPresent = 0;
    p.x = spot.x;
    p.y = spot.y;
    TrapFloor().At(p.x, p.y).monsterPresent = 1;
}

void StrikeSurroundings() {
    const Player& p = player;
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        // A record marked dead only waits for the purge.
        if (monster->floor != p.currentFloor || monster->alive == 0) continue;
        if (monster->x < p.x - 1 || monster->x > p.x + 1 || monster->y < p.y - 1 || monster->y > p.y + 1) continue;
        monster->hp -= monster->hp / 3;
        PrintWords("It screams in pain. ");
    }
}

void VanishTrap(Tile& tile) {
    PrintWords("Having used its only charge, the trap evaporates. ");
    tile.trapKind = kNoTrap;
    tile.glyph = kFloorGlyph;
    tile.colour = TrapFloor().At(0, 0).colour == kIcyWalls ? kIcyGround : kSnowyGround;
    WaitForSpace();
}

void SayTrapStepped(const std::string& rest) { PrintWords("You step on a trap! " + rest); }
