// Blood and what it feeds: the blood rain stains what the zapper sees and wakes
// the beast within; the demonic flames make every stain in sight burst into fire.
#include "item_use/zap_wand.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr int32_t kBloodWetness = 125;
constexpr int32_t kBloodSoakedPieces = 4;
constexpr int32_t kBeastBoostTurns = 5;

bool IsStainable(char glyph) { return glyph == kWallGlyph || glyph == kFloorGlyph; }
bool IsBloodColour(ColourCode colour) { return colour == kDriedBlood || colour == kFreshBlood; }

// The stain washed off in the colours of the floor's scheme.
void CleanStain(Tile& tile, ColourCode walls) {
    const bool icy = walls == kIcyWalls;
    if (tile.glyph == kFloorGlyph) tile.colour = icy ? kIcyGround : kSnowyGround;
    if (tile.glyph == kWallGlyph) tile.colour = icy ? kIcyWalls : kWhite;
}

// The fire of one stain on the tiles in view of its 3 by 3 block.
void BurstAround(Floor& floor, int32_t stainX, int32_t stainY) {
    for (int32_t ex = -1; ex <= 1; ++ex) {
        for (int32_t ey = -1; ey <= 1; ++ey) {
            const int32_t x = stainX + ex;
            const int32_t y = stainY + ey;
            if (!Floor::OnMap(x, y) || !floor.At(x, y).visibleNow) continue;
            const int32_t shade = rng.Random(2);
            FlashTile(x, y, shade == 0 ? kLightRed : kRed);
            // The wall is painted again over the flash at the next drawing.
            if (floor.At(x, y).glyph == kWallGlyph) floor.At(x, y).mark = 0;
            if (Monster* monster = MonsterOnPlayersFloor(x, y)) {
                PrintWords("The demonic fires burn ");
                PrintMonsterPhrase(*monster);
                WoundMonster(*monster, LevelTimes(IsUniqueDemon(monster->name) ? 1.5 : 2.5));
            } else if (x == player.x && y == player.y) {
                PrintWords("The demonic fires burn you! ");
                WoundZapper(2 * player.level, "HE roasted HIMSELF with demonic flames.");
            }
        }
    }
}

}  // namespace

void ZapBloodRain(int32_t kind) {
    IdentifyWand(kind);
    PrintWords("A dark, red cloud appears above you. It starts raining... Blood! You feel an urge to growl! The beast "
               "within you wakes up! ");
    if (player.WetClothes(kBloodWetness, kBloodSoakedPieces)) PrintWords("Your clothes get wet from the blood. ");
    Floor& floor = PlayersFloor();
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            // The corner keeps the colour of the floor's scheme.
            if (x == 0 && y == 0) continue;
            Tile& tile = floor.At(x, y);
            if (!tile.visibleNow || !IsStainable(tile.glyph)) continue;
            const int32_t shade = rng.Random(2);
            tile.colour = shade == 0 ? kDriedBlood : kFreshBlood;
        }
    }
    player.strengthBoost += kBeastBoostTurns;
    player.dexterityBoost += kBeastBoostTurns;
    player.agilityBoost += kBeastBoostTurns;
    player.speedBoost += kBeastBoostTurns;
    QuietRedraw();
}

void ZapDemonicFlames(int32_t kind) {
    QuietRedraw();
    Floor& floor = PlayersFloor();
    const ColourCode walls = floor.At(0, 0).colour;
    const int32_t r = player.sightRadius;
    bool burst = false;
    for (int32_t dx = -r; dx <= r; ++dx) {
        for (int32_t dy = -r; dy <= r; ++dy) {
            const int32_t x = player.x + dx;
            const int32_t y = player.y + dy;
            if (!Floor::OnMap(x, y)) continue;
            Tile& tile = floor.At(x, y);
            if (!tile.visibleNow || !IsStainable(tile.glyph) || !IsBloodColour(tile.colour)) continue;
            if (!burst) {
                PrintWords("The wand resonates with the blood around you, making the pools hiss and then burst into "
                           "demonic flames! ");
                burst = true;
                IdentifyWand(kind);
            }
            CleanStain(tile, walls);
            BurstAround(floor, x, y);
        }
    }
    if (!burst) PrintWords("Nothing appears to happen. ");
}
