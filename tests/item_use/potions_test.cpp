// Drinking potions: naming, identifying, using up, and each effect on a fixture character.
#include <gtest/gtest.h>

#include <string>

#include "item_use/potion_effects.h"
#include "items/appearances.h"
#include "monsters/monster_fight_fixture.h"

namespace {

constexpr int32_t kPotionKind = 50;

class PotionTest : public ConditionScreenTest {
protected:
    void SetUp() override {
        ConditionScreenTest::SetUp();
        player.maxHp = 41;
        player.hp = 10;
        player.maxSp = 21;
        player.sp = 2;
    }
    // One potion of a kind with the effect, known or not; gives its inventory index.
    static int32_t CarryPotion(int32_t effect, bool known = true, int32_t quantity = 1) {
        conditions::DefineKind(kPotionKind, kItemPotion, effect, "potion of testing");
        player.identifiedKinds[kPotionKind] = known ? 1 : 0;
        const int32_t index = Carry(kPotionKind);
        player.inventory[static_cast<size_t>(index)].quantity = quantity;
        return index;
    }
    // Each drink starts with empty message lines, so that no -More- waits for a key.
    void Drink(int32_t effect) {
        messageLog = MessageLog();
        Type("    ");
        player.DrinkPotion(CarryPotion(effect));
    }
};

TEST_F(PotionTest, AnUnknownPotionIsNamedByItsLookThenIdentifiedAndUsedUp) {
    potionAppearances[0].kind = kPotionKind;
    potionAppearances[0].name = "purple potion";
    const int32_t index = CarryPotion(kPotionHealing, false, 2);
    player.DrinkPotion(index);
    EXPECT_EQ(Messages().find("You take the purple potion."), 0u) << Messages();
    EXPECT_EQ(player.identifiedKinds[kPotionKind], 1);
    EXPECT_EQ(player.inventory[0].quantity, 1);
    player.DrinkPotion(0);
    EXPECT_NE(Messages().find("You take the potion of testing."), std::string::npos);
    EXPECT_TRUE(player.inventory.empty());
}

TEST_F(PotionTest, HealingAndEnergyEffects) {
    struct Case {
        int32_t effect;
        int32_t hp, sp;
    };
    // From 10 of 41 hit points and 2 of 21 special points.
    const Case cases[] = {
        {kPotionWeakness, 1, 0},       {kPotionHealing, 30, 2},    {kPotionFullHealing, 41, 2},
        {kPotionVigour, 10, 12},       {kPotionFullEnergy, 10, 21}, {kPotionAllOverHealing, 30, 12},
    };
    for (const Case& c : cases) {
        player.maxHp = 41;
        player.hp = 10;
        player.maxSp = 21;
        player.sp = 2;
        Drink(c.effect);
        EXPECT_EQ(player.hp, c.hp) << c.effect;
        EXPECT_EQ(player.sp, c.sp) << c.effect;
    }
    // Healing stops at the maximum.
    player.hp = 40;
    Drink(kPotionHealing);
    EXPECT_EQ(player.hp, 41);
}

TEST_F(PotionTest, CureAllGivesFrostbiteBackQuietlyAndLeavesSleepAndParalysis) {
    player.poison = player.bleeding = player.fever = player.horror = player.slowness = 5;
    player.sleep = player.paralysis = 7;
    player.frostbite = 30;
    player.frostbiteMaxHpLoss = 3;
    player.frostbiteHpLoss = 40;
    Drink(kPotionCureAll);
    EXPECT_EQ(player.poison + player.bleeding + player.fever + player.horror + player.slowness, 0);
    EXPECT_EQ(player.sleep, 7);
    EXPECT_EQ(player.paralysis, 7);
    EXPECT_EQ(player.frostbite, 0);
    EXPECT_EQ(player.maxHp, 44);
    EXPECT_EQ(player.hp, 50);  // no cap
    EXPECT_EQ(Messages().find("frostbite"), std::string::npos);
}

TEST_F(PotionTest, BoostsAndTimeStop) {
    player.slowness = 4;
    player.energy = 999999;
    Drink(kPotionSpeed);
    EXPECT_EQ(player.slowness, 0);
    EXPECT_NE(Messages().find("You aren't slow anymore."), std::string::npos);
    for (int32_t effect : {kPotionStrength, kPotionSixthSense, kPotionAgility, kPotionMudSkin, kPotionTimeStop}) {
        Drink(effect);
    }
    EXPECT_EQ(player.speedBoost, 20);
    EXPECT_EQ(player.strengthBoost, 20);
    EXPECT_EQ(player.dexterityBoost, 20);
    EXPECT_EQ(player.agilityBoost, 20);
    EXPECT_EQ(player.stoneSkinTurns, 10);
    EXPECT_EQ(player.energy, 7 * player.actThreshold + 1);
}

TEST_F(PotionTest, TrainingFavoursAClearLeaderAndUnlearningNeverGoesBelowOne) {
    player.profOneHanded = 3;
    player.profTwoHanded = player.profShield = player.profThrown = player.profTwoWeapon = player.profRanged = 1;
    Drink(kPotionTraining);
    EXPECT_EQ(player.profOneHanded, 4);
    EXPECT_NE(Messages().find("Tastes juicy. Your onehanded weapon skill increases!"), std::string::npos);

    player.profOneHanded = 2;
    Drink(kPotionUnlearning);
    EXPECT_EQ(player.profOneHanded, 1);
    EXPECT_NE(Messages().find("Your onehanded weapon skill decreases!"), std::string::npos);
    Drink(kPotionUnlearning);
    EXPECT_NE(Messages().find("Tastes bitter. You feel stupid!"), std::string::npos);
    EXPECT_EQ(player.profOneHanded + player.profTwoHanded + player.profShield + player.profThrown +
                  player.profTwoWeapon + player.profRanged,
              6);
}

TEST_F(PotionTest, FireAndIceHurtByAQuarterAndChangeTheTemperature) {
    player.hp = 41;
    player.bodyTemperature = 6000;
    Drink(kPotionFire);
    EXPECT_EQ(player.hp, 31);
    EXPECT_EQ(player.bodyTemperature, 6500);
    EXPECT_NE(Messages().find("Your stomach aches."), std::string::npos);
    Drink(kPotionIce);
    EXPECT_EQ(player.hp, 21);
    EXPECT_EQ(player.bodyTemperature, 6000);
    EXPECT_NE(Messages().find("As if your guts were freezing!"), std::string::npos);
}

TEST_F(PotionTest, AFireThatKillsGoesToTheDeathWithTheTemperatureRaised) {
    player.maxHp = 12;
    player.hp = 3;
    player.bodyTemperature = 6000;
    EXPECT_TRUE(RunUntilItWaitsForAKey([] {
        messageLog = MessageLog();
        player.DrinkPotion(CarryPotion(kPotionFire));
    }));
    EXPECT_EQ(player.hp, 0);
    EXPECT_EQ(player.bodyTemperature, 6500);
    EXPECT_NE(Messages().find("Your stomach aches. You die... Press space."), std::string::npos) << Messages();
}

TEST_F(PotionTest, OilWithNothingToRepairIsThrownAway) {
    Drink(kPotionOil);
    EXPECT_NE(Messages().find("Unfortunately you don't need it at the moment. You throw it away even though you're "
                              "tempted to drink it."),
              std::string::npos);
    EXPECT_TRUE(player.inventory.empty());
}

TEST_F(PotionTest, ParalysisWaitsForSpace) {
    Drink(kPotionParalysis);
    EXPECT_GE(player.paralysis, 30);
    EXPECT_LE(player.paralysis, 59);
}

TEST_F(PotionTest, ShiftingNeverTurnsIntoShiftingOrUnlearning) {
    // A seed whose first draws are 15 and 21 before an effect that asks for nothing more.
    fight::SeedFor([](RandomMother& r) {
        return r.Random(26) + 1 == kPotionShifting && r.Random(26) + 1 == kPotionUnlearning &&
               r.Random(26) + 1 == kPotionFullHealing;
    });
    player.profOneHanded = 5;
    Drink(kPotionShifting);
    EXPECT_EQ(player.hp, player.maxHp);
    EXPECT_EQ(player.profOneHanded, 5);
    EXPECT_NE(Messages().find("The potion seems to change every other second into a completely different one."),
              std::string::npos);
}

TEST_F(PotionTest, TheVisionMarksFloorAndBagSquaresWithTheirNeighboursInsideTheMap) {
    Floor& floor = floorArray[0];
    for (Tile& tile : floor.tiles) tile.glyph = kWallGlyph;
    player.x = 1;
    player.y = 1;
    floor.At(1, 1).glyph = kFloorGlyph;
    floor.At(15, 5).glyph = kBagGlyph;
    floor.At(30, 5).glyph = kFloorGlyph;  // beyond the 18 columns to the right
    Drink(kPotionVision);
    EXPECT_EQ(floor.At(0, 0).remembered, 1);
    EXPECT_EQ(floor.At(16, 6).remembered, 1);
    EXPECT_EQ(floor.At(30, 5).remembered, 0);
    EXPECT_GE(player.sleep, 200);
}

TEST_F(PotionTest, AnUnknownEffectOnlyNamesIdentifiesAndUsesUp) {
    Drink(99);
    EXPECT_EQ(Messages(), "You take the potion of testing.");
    EXPECT_TRUE(player.inventory.empty());
}

}  // namespace
