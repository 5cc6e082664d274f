#pragma once
// Shooting and throwing on an open floor in view: the character at (10, 10) of
// floor 0 with a bow, arrows and darts of hand-made kinds, and rats to aim at.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "items/item_kind.h"
#include "monsters/monster_fight_fixture.h"
#include "player/player.h"
#include "support/hand_made_world.h"

namespace ranged {

constexpr int32_t kArrowKind = 30;
constexpr int32_t kBowKind = 31;
constexpr int32_t kDartKind = 32;

inline void DefineRangedKinds() {
    conditions::DefineKind(kArrowKind, kItemAmmunition, 1, "arrow");
    itemKinds[kArrowKind].secondValue = 1;
    conditions::DefineWeapon(kBowKind, kSubtypeRanged, 4, 6);
    itemKinds[kBowKind].maxDurability = 100;
    conditions::DefineKind(kDartKind, kItemAmmunition, 2, "dart");
    itemKinds[kDartKind].secondValue = 3;
    arrowKindIndex = kArrowKind;
}

// A bow in the main hand and a stack of arrows; gives the arrows' inventory index.
inline int32_t ArmWithBow(int32_t arrows) {
    fight::WearSturdily(kSlotMainWeapon, kBowKind);
    const int32_t index = Carry(kArrowKind);
    player.inventory[static_cast<std::size_t>(index)].quantity = arrows;
    return index;
}

// The darts in the thrown-weapon slot.
inline void ArmWithDarts(int32_t darts) {
    const int32_t index = Wear(kSlotThrownWeapon, kDartKind);
    player.inventory[static_cast<std::size_t>(index)].quantity = darts;
}

// A plain item lying on a square.
inline ItemData Lying(int32_t kind, int32_t quantity) {
    ItemData item;
    item.kind = kind;
    item.quantity = quantity;
    return item;
}

// How many arrows the character carries in all.
inline int32_t CarriedArrows() {
    int32_t count = 0;
    for (const ItemData& item : player.inventory) count += item.kind == kArrowKind ? item.quantity : 0;
    return count;
}

// The quantity of the kind lying on (x, y) of floor 0.
inline int32_t LyingOn(int32_t x, int32_t y, int32_t kind) {
    int32_t count = 0;
    for (const ItemData& item : floorArray[0].At(x, y).items) count += item.kind == kind ? item.quantity : 0;
    return count;
}

}  // namespace ranged

// For the cursors and everything that flashes: type the keys first.
class RangedScreenTest : public FightScreenTest {
protected:
    void SetUp() override {
        FightScreenTest::SetUp();
        ranged::DefineRangedKinds();
    }
};
