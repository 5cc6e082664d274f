// The bolts that fly straight: frost, fire and the slowing bolt, which a wall
// or an ice block stops, and the walk they share with the rays, which turn back.
#include "item_use/zap_wand.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kBoltSteps = 6;
constexpr int32_t kBoltWarmth = 300;
constexpr int32_t kSlowedTurns = 30;

void FrostAt(int32_t x, int32_t y) {
    Floor& floor = PlayersFloor();
    Tile& tile = floor.At(x, y);
    // Snow on a stone floor freezes to ice.
    if (tile.colour == kSnowyGround && floor.At(0, 0).colour == kStoneWalls && tile.glyph == kFloorGlyph) {
        tile.colour = kIcyGround;
    }
    if (Monster* monster = MonsterOnPlayersFloor(x, y)) {
        AnnounceBoltHit(*monster);
        ElementalHit(*monster, ZapElement::kCold);
    }
}

void FireAt(int32_t x, int32_t y) {
    Tile& tile = PlayersFloor().At(x, y);
    if (tile.colour == kIcyGround && tile.glyph == kFloorGlyph) tile.colour = kSnowyGround;
    if (Monster* monster = MonsterOnPlayersFloor(x, y)) {
        AnnounceBoltHit(*monster);
        ElementalHit(*monster, ZapElement::kHeat);
    }
}

void SlowAt(int32_t x, int32_t y) {
    Monster* monster = MonsterOnPlayersFloor(x, y);
    if (monster == nullptr) return;
    AnnounceBoltHit(*monster);
    if (IsUniqueDemon(monster->name)) {
        PrintWords("The demon seems to be immune to the bolt. ");
        return;
    }
    monster->speed = 1 - static_cast<int32_t>(monster->speed / -1.5);
    PrintWords("The monster's actions slow down. ");
}

// The frost and the fire bolt: what each does to the zapper, and what it does on its way.
struct ElementalBolt {
    const char* onSelf;
    const char* cause;
    const char* shoots;
    int32_t warmth;
    ColourCode colour;
    void (*actAt)(int32_t x, int32_t y);
};

void ZapElementalBolt(const ElementalBolt& bolt, char direction) {
    if (direction == '5') {
        PrintWords(bolt.onSelf);
        player.bodyTemperature += bolt.warmth;
        // Only the fire's wave of warmth dries the worn clothes.
        if (bolt.warmth > 0) player.DryClothes(bolt.warmth);
        WoundZapper(3 * player.level, bolt.cause);
        return;
    }
    PrintWords(bolt.shoots);
    TraceBolt(DirectionOfDigit(direction), bolt.colour, kBoltSteps, AtWall::kEnds, bolt.actAt);
}

}  // namespace

void TraceBolt(Direction direction, ColourCode colour, int32_t steps, AtWall atWall, void (*actAt)(int32_t, int32_t)) {
    Floor& floor = PlayersFloor();
    int32_t x = player.x + direction.step.x;
    int32_t y = player.y + direction.step.y;
    for (int32_t step = 0; step < steps; ++step) {
        if (!Floor::OnMap(x, y)) return;
        const Tile& tile = floor.At(x, y);
        if (StopsBolts(tile.glyph)) {
            if (atWall == AtWall::kEnds) return;
            // A ray turns on the wall itself and comes off it on the next step.
            direction.step.x = -direction.step.x;
            direction.step.y = -direction.step.y;
            PrintWords("The ray bounces. ");
        } else if (tile.visibleNow) {
            ShowMark(direction.lineGlyph, x, y, colour);
        }
        actAt(x, y);
        x += direction.step.x;
        y += direction.step.y;
        WaitMilliseconds(kZapStepMilliseconds);
    }
}

void ZapFrostBolt(char direction) {
    constexpr ElementalBolt kFrost = {"A bolt of ice and snow hits you. The surface of your nose freezes. ",
                                      "HE froze HIMSELF with a frost bolt.", "The wand shoots out an icy bolt. ",
                                      -kBoltWarmth, kCyan, FrostAt};
    ZapElementalBolt(kFrost, direction);
}

void ZapFireBolt(char direction) {
    constexpr ElementalBolt kFire = {"A fiery bolt of magma hits you. The surface of your nose burns. ",
                                     "HE grilled HIMSELF with a fire bolt.", "The wand shoots out a fiery bolt. ",
                                     kBoltWarmth, kLightRed, FireAt};
    ZapElementalBolt(kFire, direction);
}

void ZapSlowBolt(char direction) {
    if (direction == '5') {
        PrintWords("A strange vibrating bolt hits you. ");
        if (player.speedBoost == 0) {
            PrintWords("Everything around you seems to become faster. Oh wait, it's you who became slower. ");
            player.slowness += kSlowedTurns;
        }
        return;
    }
    PrintWords("The wand shoots out a strange transparent bolt. ");
    TraceBolt(DirectionOfDigit(direction), kBrown, kBoltSteps, AtWall::kEnds, SlowAt);
}
