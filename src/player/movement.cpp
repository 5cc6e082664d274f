// The eight one-tile steps. They share one rule set: walls and deep smiths
// block (an orthogonal step of a run may turn at a corridor bend instead),
// ice blocks are kicked, anything else is walked onto.
#include "player/commands.h"
#include "player/surroundings.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

bool IsOrthogonal(int32_t command) { return command >= kCommandNorth && command <= kCommandEast; }

int32_t StepTowards(int32_t command) {
    Player& p = player;
    Floor* floor = CurrentFloor();
    if (floor == nullptr || !Floor::OnMap(p.x, p.y)) return 0;
    Tile& here = floor->At(p.x, p.y);
    if (here.monsterPresent == 1) here.monsterPresent = 0;
    const XY step = DirectionStep(command);
    const int32_t toX = p.x + step.x;
    const int32_t toY = p.y + step.y;
    const char glyph = floor->GlyphAt(toX, toY);
    if (BlocksStep(glyph)) {
        here.monsterPresent = 1;
        if (!IsOrthogonal(command)) {
            // A diagonal run never turns: it ends at the first wall.
            p.runKey = kNoRunKey;
            return 0;
        }
        if (p.runKey == kNoRunKey) return 0;
        const int32_t turn = p.FollowCorridor();
        if (!IsOrthogonal(turn) || turn == command) return 0;
        StepTowards(turn);
        return 1;
    }
    if (glyph == kIceBlockGlyph) {
        KickIceBlock(*floor, toX, toY);
        here.monsterPresent = 1;
        return 1;
    }
    p.x = toX;
    p.y = toY;
    p.trapLock = 0;
    floor->At(toX, toY).monsterPresent = 1;
    return 1;
}

}  // namespace

Floor* CurrentFloor() { return FloorAt(player.currentFloor); }

char GlyphBesidePlayer(int32_t dx, int32_t dy) {
    const Floor* floor = CurrentFloor();
    return floor == nullptr ? kWallGlyph : floor->GlyphAt(player.x + dx, player.y + dy);
}

int32_t FloorTilesAround() {
    int32_t count = 0;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) count += GlyphBesidePlayer(dx, dy) == kFloorGlyph ? 1 : 0;
    }
    return count;
}

int32_t Player::StepNorth() { return StepTowards(kCommandNorth); }
int32_t Player::StepSouth() { return StepTowards(kCommandSouth); }
int32_t Player::StepWest() { return StepTowards(kCommandWest); }
int32_t Player::StepEast() { return StepTowards(kCommandEast); }
int32_t Player::StepNorthWest() { return StepTowards(kCommandNorthWest); }
int32_t Player::StepNorthEast() { return StepTowards(kCommandNorthEast); }
int32_t Player::StepSouthWest() { return StepTowards(kCommandSouthWest); }
int32_t Player::StepSouthEast() { return StepTowards(kCommandSouthEast); }
