// The traps that strike the tiles and monsters around the character as well.
#include "events/trap_effects.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// Lava melts icy and snowy walls to bare stone and leaves the ground snowy white.
void MeltAround() {
    const Player& p = player;
    Floor& floor = TrapFloor();
    for (int32_t x = p.x - 1; x <= p.x + 1; ++x) {
        for (int32_t y = p.y - 1; y <= p.y + 1; ++y) {
            if (!Floor::OnMap(x, y)) continue;
            Tile& tile = floor.At(x, y);
            if (tile.glyph == kWallGlyph && (tile.colour == kSnowyWalls || tile.colour == kIcyWalls)) {
                tile.colour = kStoneWalls;
                tile.mark = 0;  // drawn again in its new colour
            } else if (tile.glyph == kFloorGlyph && (tile.colour == kSnowyGround || tile.colour == kIcyGround)) {
                tile.colour = kSnowyGround;
            }
        }
    }
}

// The colour of an ice block on the floor, from its scheme; unknown schemes keep the tile's colour.
ColourCode IceBlockColour(ColourCode scheme, ColourCode current) {
    if (scheme == kIcyWalls) return kIcyGround;
    if (scheme == kStoneWalls || scheme == kSnowyWalls) return kSnowyGround;
    return current;
}

// Gold and a hidden trap stay buried under the new blocks.
void BuryAroundInIce() {
    const Player& p = player;
    Floor& floor = TrapFloor();
    const ColourCode scheme = floor.At(0, 0).colour;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t x = p.x + dx;
            const int32_t y = p.y + dy;
            if ((dx == 0 && dy == 0) || !Floor::OnMap(x, y)) continue;
            Tile& tile = floor.At(x, y);
            if (tile.glyph != kFloorGlyph || !tile.items.empty() || IsSageNextToPlayer(dx, dy) ||
                IsMonsterAt(x, y, p.currentFloor)) {
                continue;
            }
            tile.glyph = kIceBlockGlyph;
            tile.colour = IceBlockColour(scheme, tile.colour);
        }
    }
}

}  // namespace

void EruptLava() {
    Player& p = player;
    SayTrapStepped("A wave of lava erupts from the trap. Everything around you melts. ");
    if (!RingHas(kPropertyHeatImmunity)) {
        PrintWords("Your feet didn't like the hot lava bath. ");
        const int32_t heat = 15 * DepthStep(p.currentFloor);
        p.bodyTemperature += heat;
        TakeTrapDamage();
        p.DryClothes(heat);
        CheckTrapDeath("HE was scalded by hot lava.");
    }
    MeltAround();
    StrikeSurroundings();
}

void DropIceAndSnow() {
    SayTrapStepped(
        "You hear heavy rumbling from above. Tons of ice and snow fall from the ceiling! Everything near you is "
        "hit. ");
    TakeTrapDamage();
    CheckTrapDeath("HE was crushed by masses of snow and ice.");
    StrikeSurroundings();
    BuryAroundInIce();
}
