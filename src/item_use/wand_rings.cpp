// The ring wands: fire, a blizzard or acid on the eight tiles around the zapper.
#include "item_use/zap_wand.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

struct RingWand {
    int32_t effect;
    const char* opening;
    ColourCode flash;
    const char* engulfs;
    ZapElement element;
};

constexpr RingWand kRingWands[] = {
    {kWandSeaOfFire, "The wand summons a huge sea of fire around you. ", kLightRed, "The fire engulfs ",
     ZapElement::kHeat},
    {kWandBlizzard, "The wand summons a blizzard with sharp icicles around you. ", kCyan, "The frost engulfs ",
     ZapElement::kCold},
    {kWandAcidRain, "The wand summons a toxic acid rain around you. ", kLightGreen, "The acid burns ",
     ZapElement::kPlain},
};

// Fire thaws ice on the floor; a blizzard freezes the snow of a stone floor.
void ChangeGround(Floor& floor, Tile& tile, ZapElement element) {
    if (tile.glyph != kFloorGlyph) return;
    if (element == ZapElement::kHeat && tile.colour == kIcyGround) tile.colour = kSnowyGround;
    if (element == ZapElement::kCold && tile.colour == kSnowyGround && floor.At(0, 0).colour == kStoneWalls) {
        tile.colour = kIcyGround;
    }
}

}  // namespace

void ZapRingWand(int32_t effect, int32_t kind) {
    const RingWand* wand = nullptr;
    for (const RingWand& candidate : kRingWands) {
        if (candidate.effect == effect) wand = &candidate;
    }
    if (wand == nullptr) return;
    QuietRedraw();
    IdentifyWand(kind);
    PrintWords(wand->opening);
    Floor& floor = PlayersFloor();
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int32_t x = player.x + dx;
            const int32_t y = player.y + dy;
            if (!Floor::OnMap(x, y)) continue;
            Tile& tile = floor.At(x, y);
            if (!StopsBolts(tile.glyph)) ShowMark(kFlashGlyph, x, y, wand->flash);
            ChangeGround(floor, tile, wand->element);
            if (Monster* monster = MonsterOnPlayersFloor(x, y)) {
                PrintWords(wand->engulfs);
                PrintMonsterPhrase(*monster);
                ElementalHit(*monster, wand->element);
            }
            WaitMilliseconds(kZapStepMilliseconds);
        }
    }
}
