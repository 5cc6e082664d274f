#include <gtest/gtest.h>

#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "world/item_kind.h"
#include "world/monster_kind.h"

namespace {

class WornProperties : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        InitPrefixTable();
    }
    void TearDown() override { ResetGameState(); }
};

TEST_F(WornProperties, HarmfulAccessoryKindsComeCursedOthersBlessed) {
    struct Case {
        int32_t property;
        int32_t blessing;
    };
    const Case cases[] = {{8, -1}, {9, -1}, {20, -1}, {22, -1}, {28, -1}, {31, -1}, {34, -1}, {1, 1},
                          {11, 1}, {35, 1},  {0, 0},   {-3, 0},  {36, 0}};
    for (const Case& c : cases) {
        itemKinds[40].power = c.property;
        EXPECT_EQ(GetAccessoryBlessing(40), c.blessing) << "property " << c.property;
    }
    EXPECT_EQ(GetAccessoryBlessing(-1), 0);
    EXPECT_EQ(GetAccessoryBlessing(250), 0);
}

TEST_F(WornProperties, EachAccessorySlotGivesItsKindsProperty) {
    itemKinds[1].power = 4;
    itemKinds[2].power = 17;
    itemKinds[3].power = 20;
    EXPECT_EQ(GetWornAccessoryProperty(1), 0);  // nothing worn
    Wear(kSlotAmulet, 1);
    Wear(kSlotRightRing, 2);
    Wear(kSlotLeftRing, 3, -1, -1);  // cursed or not, it works
    EXPECT_EQ(GetWornAccessoryProperty(1), 4);
    EXPECT_EQ(GetWornAccessoryProperty(2), 17);
    EXPECT_EQ(GetWornAccessoryProperty(3), 20);
    EXPECT_EQ(GetWornAccessoryProperty(4), 0);
    EXPECT_EQ(GetWornAccessoryProperty(0), 0);
    player.equipSlots[kSlotRightRing] = 9;  // names no item
    EXPECT_EQ(GetWornAccessoryProperty(2), 0);
}

TEST_F(WornProperties, OnlyArmourPrefixesCount) {
    EXPECT_FALSE(player.WearsArmourProperty(5));
    Wear(kSlotMainWeapon, 1, 5);
    Wear(kSlotClothShirt, 2, 5);
    EXPECT_FALSE(player.WearsArmourProperty(5));
    Wear(kSlotShield, 3, 5);
    Wear(kSlotChest, 4, 5);
    EXPECT_TRUE(player.WearsArmourProperty(5));
    EXPECT_FALSE(player.WearsArmourProperty(0));
    Wear(kSlotHelmet, 5, 40);  // no such prefix: ignored
    EXPECT_FALSE(player.WearsArmourProperty(-1));
}

class PossessedWeapon : public WornProperties {
protected:
    void SetUp() override {
        WornProperties::SetUp();
        monsterKinds[0].hitPoints = 5;
        monsterKinds[0].level = 2;
        monsterKinds[0].glyph = 'g';
        player.currentFloor = 1;
        player.x = 20;
        player.y = 10;
        OpenArea(floorArray[1], 1, 1, 78, 17);
        floorArray[1].At(20, 10).monsterPresent = 1;
    }
    // A seed whose first draw is the 1 in 40.
    static uint32_t Lucky() {
        return FindSeed([](RandomMother& g) { return g.Random(40) == 0; });
    }
};

TEST_F(PossessedWeapon, SummonsOnTheFirstFreeSquareFromTheNorthWest) {
    Wear(kSlotMainWeapon, 1, 23);
    floorArray[1].At(19, 9).glyph = '#';
    rng.RandomInit(Lucky());
    player.PossessedWeaponSummon(false);
    ASSERT_NE(monsterListHead, nullptr);
    EXPECT_EQ(std::make_pair(monsterListHead->x, monsterListHead->y), std::make_pair(19, 10));

    FreeAllMonsters();
    rng.RandomInit(Lucky());
    player.PossessedWeaponSummon(true);  // the second hand holds nothing
    EXPECT_EQ(monsterListHead, nullptr);
}

TEST_F(PossessedWeapon, NothingWithoutTheRollAPossessedWeaponOrAFreeSquare) {
    Wear(kSlotSecondWeapon, 1, 23);
    Wear(kSlotMainWeapon, 2, 24);
    rng.RandomInit(Lucky());
    player.PossessedWeaponSummon(false);  // the main weapon is only piercing
    EXPECT_EQ(monsterListHead, nullptr);

    const uint32_t unlucky = FindSeed([](RandomMother& g) { return g.Random(40) != 0; });
    rng.RandomInit(unlucky);
    player.PossessedWeaponSummon(true);
    EXPECT_EQ(monsterListHead, nullptr);

    for (int32_t dx = -1; dx <= 1; ++dx) {
        floorArray[1].At(20 + dx, 9).glyph = '\'';
        floorArray[1].At(20 + dx, 11).glyph = '#';
    }
    sages.push_back(cSage{19, 10, 1, 100, 0});
    Monster* neighbour = AddMonster(21, 10, 1);
    rng.RandomInit(Lucky());
    player.PossessedWeaponSummon(true);
    EXPECT_EQ(MonsterCount(), 1);

    floorArray[1].At(21, 11).glyph = '.';
    rng.RandomInit(Lucky());
    player.PossessedWeaponSummon(true);
    ASSERT_EQ(MonsterCount(), 2);
    EXPECT_EQ(std::make_pair(neighbour->next->x, neighbour->next->y), std::make_pair(21, 11));
}

}  // namespace
