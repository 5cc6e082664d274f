// Where an orthogonal run stops by itself: at side openings that are no
// simple bend, at the mouth of a corridor into a room, and at side passages
// just ahead. The rules are written for a run to the north and turned with the run.
#include "player/commands.h"
#include "world/command_keys.h"
#include "world/direction.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

// A frame turned with the run: a is across the run, b against it (b = -1 is the tile ahead).
struct RunFrame {
    XY across;
    XY back;

    XY Offset(int32_t a, int32_t b) const { return {a * across.x + b * back.x, a * across.y + b * back.y}; }
    char Glyph(int32_t a, int32_t b) const {
        const XY offset = Offset(a, b);
        return GlyphBesidePlayer(offset.x, offset.y);
    }
};

bool IsOpen(char glyph) {
    return glyph == kFloorGlyph || glyph == kFoundTrapGlyph || glyph == kSlushGlyph || glyph == kBagGlyph;
}
bool IsPassableBeside(char glyph) { return IsOpen(glyph) || glyph == kIceBlockGlyph; }

// The frame of an orthogonal run key; false for any other run.
bool FrameOf(uint8_t runKey, RunFrame& frame) {
    for (int32_t command = kCommandNorth; command <= kCommandEast; ++command) {
        if (!IsBoundKey(runKey, command)) continue;
        const XY ahead = DirectionStep(command);
        frame.back = {-ahead.x, -ahead.y};
        frame.across = {ahead.y == 0 ? 0 : 1, ahead.x == 0 ? 0 : 1};
        return true;
    }
    return false;
}

// A side opening with walls on all four diagonals: only a simple bend, with floor behind, lets the run go on.
bool StopsAtSideOpening(const RunFrame& f) {
    if (f.Glyph(1, 0) != kFloorGlyph && f.Glyph(-1, 0) != kFloorGlyph) return true;
    if (FloorTilesAround() != 3 || f.Glyph(0, 0) != kFloorGlyph) return true;
    return f.Glyph(0, 1) != kFloorGlyph;
}

// The '.' tiles of the two rows ahead, three wide; only tiles at column 1 and row 1 or beyond count.
int32_t FloorTilesAhead(const RunFrame& f) {
    int32_t count = 0;
    for (int32_t b = -2; b <= -1; ++b) {
        for (int32_t a = -1; a <= 1; ++a) {
            const XY offset = f.Offset(a, b);
            const int32_t x = player.x + offset.x;
            const int32_t y = player.y + offset.y;
            if (x < 1 || y < 1 || !Floor::OnMap(x, y)) continue;
            count += f.Glyph(a, b) == kFloorGlyph ? 1 : 0;
        }
    }
    return count;
}

bool StopsInCorridor(const RunFrame& f) {
    // A room ahead.
    if (IsOpen(f.Glyph(-1, -1)) && f.Glyph(0, -1) == kFloorGlyph && IsOpen(f.Glyph(1, -1))) return true;
    // A side passage opening just ahead.
    if (FloorTilesAhead(f) != 4 || (f.Glyph(-1, -1) != kFloorGlyph && f.Glyph(1, -1) != kFloorGlyph)) return false;
    return (f.Glyph(1, -1) == kWallGlyph && f.Glyph(1, -2) == kWallGlyph) ||
           (f.Glyph(-1, -1) == kWallGlyph && f.Glyph(-1, -2) == kWallGlyph);
}

bool ShouldStop(const RunFrame& f) {
    const bool diagonalsWalled = f.Glyph(1, 1) == kWallGlyph && f.Glyph(-1, 1) == kWallGlyph &&
                                 f.Glyph(1, -1) == kWallGlyph && f.Glyph(-1, -1) == kWallGlyph;
    if ((IsPassableBeside(f.Glyph(1, 0)) || IsPassableBeside(f.Glyph(-1, 0))) && diagonalsWalled) {
        return StopsAtSideOpening(f);
    }
    const bool inCorridor = f.Glyph(1, 0) == kWallGlyph && f.Glyph(-1, 0) == kWallGlyph;
    if (inCorridor && f.Glyph(1, 1) == kWallGlyph && f.Glyph(-1, 1) == kWallGlyph) return StopsInCorridor(f);
    return false;
}

}  // namespace

void Player::CheckQuickMoveStop() {
    RunFrame frame;
    if (runKey == kNoRunKey || IsBoundKey(runKey, kCommandRest) || !FrameOf(runKey, frame)) return;
    if (ShouldStop(frame)) runKey = kNoRunKey;
}
