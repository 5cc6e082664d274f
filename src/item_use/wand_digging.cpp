// The digging wand: a flying shovel that digs through walls, or, aimed at the
// zapper, a drill that bores into a piece of his equipment.
#include <cstddef>

#include "item_use/zap_wand.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_types.h"
#include "world/player.h"

namespace {

constexpr int32_t kShovelSteps = 6;
constexpr int32_t kDrillDraws = 65;
constexpr int32_t kDrillWear = 15;
constexpr EquipSlot kDrillSlots[] = {
    kSlotMainWeapon,    kSlotLeggings,    kSlotGauntlets,   kSlotHelmet,       kSlotBoots,
    kSlotChest,         kSlotShield,      kSlotSecondWeapon, kSlotClothTrousers, kSlotClothGloves,
    kSlotClothCap,      kSlotClothSocks,  kSlotClothShirt,
};
constexpr int32_t kDrillSlotCount = static_cast<int32_t>(sizeof kDrillSlots / sizeof kDrillSlots[0]);

void DrillEquipment() {
    for (int32_t draw = 0; draw < kDrillDraws; ++draw) {
        const int32_t pick = rng.Random(kDrillSlotCount);
        const int32_t index = player.equipSlots[kDrillSlots[pick]];
        if (index < 0 || static_cast<std::size_t>(index) >= player.inventory.size()) continue;
        ItemData& item = player.inventory[static_cast<std::size_t>(index)];
        // The drill wears the piece down but never breaks it.
        item.durability -= kDrillWear;
        if (item.durability <= 0) item.durability = 1;
        PrintWords("The wand drills holes into a piece of your equipment! ");
        return;
    }
    PrintWords("You feel something invisible tickling your belly. ");
    PrintWords("You giggle. ");
}

// The shovel never reaches the border walls, nor column 1 or row 1.
bool ShovelStopsAt(int32_t x, int32_t y) { return x <= 1 || x >= kFloorWidth - 1 || y <= 1 || y >= kFloorHeight - 1; }

void DigWall(Tile& tile) {
    if (tile.glyph != kWallGlyph) return;
    tile.glyph = kFloorGlyph;
    tile.mark = 0;
    if (tile.colour == kIcyWalls) tile.colour = kIcyGround;
    if (tile.colour == kStoneWalls) tile.colour = kSnowyGround;
}

}  // namespace

void ZapDigging(char direction) {
    if (direction == '5') {
        DrillEquipment();
        return;
    }
    PrintWords("The wand shoots out a flying shovel! ");
    const Direction line = DirectionOfDigit(direction);
    Floor& floor = PlayersFloor();
    int32_t x = player.x + line.step.x;
    int32_t y = player.y + line.step.y;
    for (int32_t count = 0; count < kShovelSteps; ++count) {
        if (ShovelStopsAt(x, y)) return;
        Tile& tile = floor.At(x, y);
        DigWall(tile);
        if (tile.visibleNow) ShowMark(line.lineGlyph, x, y, kDarkGrey);
        x += line.step.x;
        y += line.step.y;
        WaitMilliseconds(kZapStepMilliseconds);
    }
}
