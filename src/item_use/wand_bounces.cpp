// The bolts that bounce off walls and ice blocks and may come back at the
// zapper: the lightning bolt and the four rays.
#include <string>

#include "item_use/zap_wand.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kLightningSteps = 8;
constexpr int32_t kRaySteps = 5;

bool IsZappersSquare(int32_t x, int32_t y) { return x == player.x && y == player.y; }

// The four rays as they start from the zapper's square: east, west, south, north.
constexpr Direction kRays[4] = {DirectionOfCommand(kCommandEast), DirectionOfCommand(kCommandWest),
                                DirectionOfCommand(kCommandSouth), DirectionOfCommand(kCommandNorth)};

void RayAt(int32_t x, int32_t y) {
    if (Monster* monster = MonsterOnPlayersFloor(x, y)) {
        PrintWords("The bolt hits the ");
        messageLog.PrintMessage(std::string(monster->name) + ". ");
        WoundMonster(*monster, (IsUniqueDemon(monster->name) ? 2 : 3) * player.level);
    } else if (IsZappersSquare(x, y)) {
        PrintWords("The bolt hits you! Ouch. ");
        WoundZapper(player.level, "A magical ray penetrated HIM.");
    }
}

}  // namespace

void ZapLightningBolt(char direction) {
    if (direction == '5') {
        PrintWords("An electric bolt hits you. The surface of your nose is shocked. ");
        WoundZapper(3 * player.level, "HE electrocuted HIMSELF with a lightning bolt.");
        return;
    }
    PrintWords("The wand shoots out an electric bolt. ");
    const Direction start = DirectionOfDigit(direction);
    int32_t dx = start.step.x;
    int32_t dy = start.step.y;
    char glyph = start.lineGlyph;
    Floor& floor = PlayersFloor();
    // p is where the bolt is, q the square it came from.
    int32_t qx = player.x;
    int32_t qy = player.y;
    int32_t px = qx + dx;
    int32_t py = qy + dy;
    for (int32_t step = 0; step < kLightningSteps; ++step) {
        if (!Floor::OnMap(px, py)) return;
        if (StopsBolts(floor.At(px, py).glyph)) {
            if (floor.At(px, py).visibleNow) PrintWords("The bolt bounces. ");
            // The squares beside the corner decide: a flat wall reflects one
            // component, a wall met head-on or a corner's tip sends it straight back.
            const bool acrossBlocked = StopsBolts(floor.GlyphAt(qx + dx, qy));
            const bool alongBlocked = StopsBolts(floor.GlyphAt(qx, qy + dy));
            if (acrossBlocked == alongBlocked) {
                dx = -dx;
                dy = -dy;
                px = qx;
                py = qy;
            } else if (acrossBlocked) {
                dx = -dx;
                px = qx;
                py = qy + dy;
            } else {
                dy = -dy;
                px = qx + dx;
                py = qy;
            }
            glyph = BoltGlyph(dx, dy);
        }
        const Tile& tile = floor.At(px, py);
        if (!StopsBolts(tile.glyph) && tile.visibleNow) ShowMark(glyph, px, py, kYellow);
        Monster* monster = MonsterOnPlayersFloor(px, py);
        if (monster != nullptr && tile.visibleNow) {
            AnnounceBoltHit(*monster);
            WoundMonster(*monster, LevelTimes(IsUniqueDemon(monster->name) ? 2.5 : 3.5));
        } else if (IsZappersSquare(px, py)) {
            PrintWords("The bolt hits you. ");
            WoundZapper(LevelTimes(3.5), "HE was penetrated by a lightning bolt.");
        }
        qx = px;
        qy = py;
        px += dx;
        py += dy;
        WaitMilliseconds(kZapStepMilliseconds);
    }
}

void ZapFourRays(int32_t kind) {
    QuietRedraw();
    IdentifyWand(kind);
    PrintWords("The wand shoots out four magical rays. ");
    for (const Direction& ray : kRays) TraceBolt(ray, kLightBlue, kRaySteps, AtWall::kTurnsBack, RayAt);
}
