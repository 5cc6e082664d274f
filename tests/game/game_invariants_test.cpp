#include "game/game_invariants.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "world/item_kind.h"

namespace {

constexpr int32_t kSword = 7;
constexpr int32_t kFloor = 3;

// A sound little world: the character, a monster and a sage in a room, a sword
// worn and another on the floor. Each case breaks one rule of it.
class GameInvariants : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        itemKinds[kSword].inUse = 1;
        itemKinds[kSword].type = kItemWeapon;
        std::strcpy(itemKinds[kSword].name, "sword");
        DrawMap(kFloor, {"######", "#P.M.#", "#....#", "######"}, 10, 5);
        AddSage(14, 7, kFloor);
        floorArray[kFloor].At(14, 7).monsterPresent = 1;
        monster = monsterListHead;
        Wear(kSlotMainWeapon, kSword);
        ItemData sword;
        sword.kind = kSword;
        floorArray[kFloor].At(11, 7).items.push_back(sword);
    }
    Tile& TileAt(int32_t x, int32_t y) { return floorArray[kFloor].At(x, y); }

    Monster* monster = nullptr;
};

TEST_F(GameInvariants, HoldInASoundWorld) { EXPECT_TRUE(BrokenGameInvariants().empty()); }

TEST_F(GameInvariants, EachBrokenRuleIsNamedWithItsPlace) {
    struct Case {
        const char* rule;
        std::function<void()> breakIt;
        const char* expected;
    };
    const Case cases[] = {
        {"character in a wall", [] { player.y = 4; }, "the character on floor 3 at (11, 4) stands on '#'"},
        {"monster in a wall", [this] { monster->y = 4; }, "monster '' on floor 3 at (13, 4) stands on '#'"},
        {"monster on the character", [this] { monster->x = 11; }, "shares the character's tile"},
        {"monster moved past the index", [this] { monster->x = 14; TileAt(13, 6).monsterPresent = 0; TileAt(14, 6).monsterPresent = 1; }, "the occupancy index disagrees with the monster list"},
        {"two monsters on one tile", [] { AddMonster(13, 6, kFloor); }, "monster '' on floor 3 at (13, 6) shares its tile with another"},
        {"flag without anyone", [this] { TileAt(12, 7).monsterPresent = 1; }, "the tile on floor 3 at (12, 7) is marked taken but nobody does"},
        {"someone without the flag", [this] { TileAt(13, 6).monsterPresent = 0; }, "is marked free but someone stands there"},
        {"dead monster listed", [this] { monster->alive = 0; }, "dead monster '' on floor 3 at (13, 6) is still listed"},
        {"monster above its maximum", [this] { monster->hp = 11; }, "has 11 of 10 hit points"},
        {"character above the maximum", [] { player.hp = player.maxHp + 1; }, "the character has 29 of 28 hit points"},
        {"special points below 0", [] { player.sp = -1; }, "the character has -1 of 10 special points"},
        {"23 items on a tile", [this] { TileAt(11, 7).items.resize(23, TileAt(11, 7).items[0]); }, "holds 23 items"},
        {"an item of an unused kind", [this] { TileAt(11, 7).items[0].kind = kSword + 1; }, "an item of kind 8, which is not in use"},
        {"an empty stack", [] { player.inventory[0].quantity = 0; }, "inventory entry 0: sword in a quantity of 0"},
        {"slot past the inventory", [] { player.equipSlots[kSlotShield] = 1; }, "equipment slot 3 holds inventory entry 1 of 1"},
        {"one item in two hands", [] { player.equipSlots[kSlotSecondWeapon] = 0; }, "equipment slots 0 and 1 both hold entry 0"},
        {"a sword on the head", [] { player.equipSlots[kSlotMainWeapon] = kEmptySlot; player.equipSlots[kSlotHelmet] = 0; }, "equipment slot 6 holds sword, which does not go there"},
    };
    for (const Case& c : cases) {
        SetUp();
        c.breakIt();
        const std::vector<std::string> broken = BrokenGameInvariants();
        ASSERT_FALSE(broken.empty()) << c.rule;
        EXPECT_NE(broken[0].find(c.expected), std::string::npos) << c.rule << ": " << broken[0];
    }
}

TEST_F(GameInvariants, ReadiedWeaponMayNameWhatAHandHolds) {
    player.equipSlots[kSlotMainHandSwap] = 0;
    EXPECT_TRUE(BrokenGameInvariants().empty());
}

// A swap to the readied weapons leaves the worn shield in the second hand's swap
// slot; the main hand's swap slot takes weapons only.
TEST_F(GameInvariants, AShieldMayWaitInTheSecondHandsSwapSlotOnly) {
    constexpr int32_t kShield = kSword + 1;
    itemKinds[kShield].inUse = 1;
    itemKinds[kShield].type = kItemArmour;
    itemKinds[kShield].subtype = kSubtypeShield;
    std::strcpy(itemKinds[kShield].name, "buckler");
    const int32_t shield = Carry(kShield);
    player.equipSlots[kSlotSecondHandSwap] = shield;
    EXPECT_TRUE(BrokenGameInvariants().empty());
    player.equipSlots[kSlotSecondHandSwap] = kEmptySlot;
    player.equipSlots[kSlotMainHandSwap] = shield;
    const std::vector<std::string> broken = BrokenGameInvariants();
    ASSERT_EQ(broken.size(), 1u);
    EXPECT_NE(broken[0].find("equipment slot 17 holds buckler, which does not go there"), std::string::npos) << broken[0];
}

TEST_F(GameInvariants, CharactersFloorScopeLeavesTheOtherFloorsTiles) {
    floorArray[kFloor + 1].At(5, 5).monsterPresent = 1;
    EXPECT_TRUE(BrokenGameInvariants(InvariantScope::kCharactersFloor).empty());
    EXPECT_EQ(BrokenGameInvariants(InvariantScope::kEveryFloor).size(), 1u);
}

}  // namespace
