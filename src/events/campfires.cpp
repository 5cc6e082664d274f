// A campfire the character has found burns down turn by turn; clothes and
// arrows thrown in feed it, and a stray flame may singe what the character wears.
#include <cstdint>
#include <vector>

#include "events/world_events.h"
#include "player/commands.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr int32_t kFuelPerCloth = 100;
constexpr int32_t kFuelPerArrow = 5;
constexpr int32_t kFuelFromWornCloth = 100;
// A worn cloth singed by the fire loses this much, but never wears below kSingedFloor.
constexpr int32_t kSingeLoss = 5;
constexpr int32_t kSingedFloor = 2;
constexpr int32_t kSingeableDurability = 3;
// The fuel left when the fire warns that it will die soon.
constexpr int32_t kDyingFuel = 10;

// The cloth slot a stray flame catches, by its roll.
constexpr int32_t kSingedSlots[5] = {kSlotClothShirt, kSlotClothCap, kSlotClothSocks, kSlotClothGloves,
                                     kSlotClothTrousers};

// The first burning campfire on the character's map, column by column.
Tile* FirstBurningCampfire(Floor& floor, int32_t& fireX, int32_t& fireY) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            Tile& tile = floor.At(x, y);
            if (tile.glyph == kCampfireGlyph && tile.remembered == 1 && tile.featureState > 0) {
                fireX = x;
                fireY = y;
                return &tile;
            }
        }
    }
    return nullptr;
}

// Clothes and arrows lying in the fire burn and feed it.
void FeedFire(Tile& fire) {
    std::vector<std::size_t> burnt;
    for (std::size_t i = 0; i < fire.items.size(); ++i) {
        const ItemData& item = fire.items[i];
        const ItemKind* kind = KindOf(&item);
        if (kind != nullptr && kind->type == kItemCloth) {
            PrintWords("The flames engulf and destroy the piece of clothing. The fire burns more brightly now. ");
            fire.featureState += kFuelPerCloth;
            burnt.push_back(i);
        } else if (item.kind == arrowKindIndex && arrowKindIndex >= 0) {
            PrintWords(item.quantity == 1
                           ? "The flames engulf and destroy the arrow. The fire burns more brightly now. "
                           : "The flames engulf and destroy the arrows. The fire burns more brightly now. ");
            fire.featureState += kFuelPerArrow * item.quantity;
            burnt.push_back(i);
        }
    }
    for (auto it = burnt.rbegin(); it != burnt.rend(); ++it) {
        fire.items.erase(fire.items.begin() + static_cast<std::ptrdiff_t>(*it));
    }
}

void SingeWornCloth(Tile& fire) {
    const int32_t breeze = rng.Random(1000);
    if (breeze != 0) return;
    const int32_t pick = rng.Random(5);
    ItemData* cloth = EquippedItem(kSingedSlots[pick]);
    if (cloth == nullptr || cloth->durability < kSingeableDurability) return;
    cloth->durability -= kSingeLoss;
    if (cloth->durability < kSingedFloor) cloth->durability = kSingedFloor;
    fire.featureState += kFuelFromWornCloth;
    PrintWords(
        "An odd breeze makes the flames dance in front of you. Suddenly the flames sway towards you and catch a "
        "corner of a cloth you're wearing! The cloth burns for a moment, but it isn't completely destroyed. The "
        "campfire's flames burn more brightly now. ");
}

}  // namespace

void BurnInCampfire() {
    Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    int32_t fireX = 0;
    int32_t fireY = 0;
    Tile* fire = FirstBurningCampfire(*floor, fireX, fireY);
    if (fire == nullptr) return;
    FeedFire(*fire);
    if (player.x == fireX && player.y == fireY) SingeWornCloth(*fire);

    fire->featureState -= 1;
    if (fire->featureState > 0) {
        if (fire->featureState == kDyingFuel && fire->visibleNow != 0) {
            PrintWords(
                "The campfire's flame will die soon, but the burning time could be extended @Yby dropping clothes or "
                "arrows@C on the fire. ");
        }
        return;
    }
    fire->colour = kDeadCampfireColour;
    if (fire->visibleNow != 0) {
        PrintWords("The campfire's flame is now completely dead. ");
        WaitForSpace();
    }
}
