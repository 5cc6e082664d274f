// Eating and drinking food: warmth, the three kinds with rules of their own, frostbite.
#include <gtest/gtest.h>

#include <string>

#include "monsters/monster_fight_fixture.h"

namespace {

constexpr int32_t kBreadKind = 40;
constexpr int32_t kMeadKind = 41;
constexpr int32_t kRootKind = 42;
constexpr int32_t kSeedKind = 43;

class FoodTest : public ConditionScreenTest {
protected:
    void SetUp() override {
        ConditionScreenTest::SetUp();
        Define(kBreadKind, "bread", 1000);
        Define(kMeadKind, "firemead", 2000);
        Define(kRootKind, "flameroot", 0);
        Define(kSeedKind, "spotted seed", 500);
    }
    static void Define(int32_t kind, const char* name, int32_t warmth) {
        conditions::DefineKind(kind, kItemFood, 0, name);
        itemKinds[kind].secondValue = warmth;
    }
    static int32_t CarryFood(int32_t kind, int32_t quantity = 1) {
        const int32_t index = Carry(kind);
        player.inventory[static_cast<size_t>(index)].quantity = quantity;
        return index;
    }
    static void Frostbitten() {
        player.frostbite = 50;
        player.frostbiteMaxHpLoss = 4;
        player.frostbiteHpLoss = 6;
        player.maxHp = 20;
        player.hp = 18;
    }
};

TEST_F(FoodTest, WarmthAgainstTheTopOfTheScale) {
    struct Case {
        int32_t temperature;
        int32_t warmth;
        int32_t after;
        bool eaten;
        bool frostbiteEnds;
        const char* message;
    };
    const Case cases[] = {
        {10001, 1000, 10001, false, false, "But you really don't need it!"},
        {10000, 1000, 10000, true, true, "You have to stop and discard the rest of it, because the heat is getting way too high."},
        {9000, 1000, 10000, true, true, "You finish eating it."},
        {9001, 1000, 10000, true, true, "You have to stop and discard the rest of it"},
        {5000, 0, 5000, true, false, "You finish eating it."},
        {5000, 700, 5700, true, true, "You finish eating it."},
    };
    for (const Case& c : cases) {
        ResetGameState();
        conditions::PrepareConditions();
        Define(kBreadKind, "bread", c.warmth);
        const int32_t index = CarryFood(kBreadKind, 2);
        Frostbitten();
        player.bodyTemperature = c.temperature;
        player.UseItem(index);
        const std::string said = Messages();
        EXPECT_EQ(player.bodyTemperature, c.after) << c.temperature;
        EXPECT_EQ(player.inventory[0].quantity, c.eaten ? 1 : 2) << c.temperature;
        EXPECT_NE(said.find(c.message), std::string::npos) << said;
        if (c.eaten) {
            EXPECT_NE(said.find("You start eating the bread."), std::string::npos) << said;
        }
        EXPECT_EQ(player.frostbite == 0, c.frostbiteEnds) << c.temperature;
        if (c.frostbiteEnds) {
            EXPECT_EQ(player.maxHp, 24);
            EXPECT_EQ(player.hp, 24);
            EXPECT_NE(said.find("You recover from the frostbite."), std::string::npos);
        }
    }
}

TEST_F(FoodTest, FrostbiteRecoveryMayLeaveHitPointsAboveTheMaximum) {
    const int32_t index = CarryFood(kBreadKind);
    Frostbitten();
    player.hp = 20;
    player.bodyTemperature = 5000;
    player.UseItem(index);
    EXPECT_EQ(player.maxHp, 24);
    EXPECT_EQ(player.hp, 26);
    EXPECT_TRUE(player.inventory.empty());
}

TEST_F(FoodTest, FiremeadIsDrunkAndMakesDizzyEvenWhenDiscarded) {
    const int32_t index = CarryFood(kMeadKind);
    player.bodyTemperature = 9000;
    player.UseItem(index);
    EXPECT_NE(Messages().find("You start drinking the firemead. This beverage is strong! You feel dizzy. You have to "
                              "stop and discard the rest of it, because the heat is getting way too high."),
              std::string::npos)
        << Messages();
    EXPECT_GE(player.dizziness, 4);
    EXPECT_LE(player.dizziness, 9);
}

TEST_F(FoodTest, FlamerootBurnsEightAndAHalfPercentOfTheMaximum) {
    const int32_t maxima[][2] = {{11, 0}, {12, 1}, {100, 8}};
    for (const auto& [maximum, loss] : maxima) {
        messageLog = MessageLog();
        player.maxHp = maximum;
        player.hp = maximum;
        const int32_t index = CarryFood(kRootKind);
        player.UseItem(index);
        EXPECT_EQ(player.hp, maximum - loss) << maximum;
    }
    EXPECT_NE(Messages().find("Eating this feels as if a baby red dragon was scorching your throat and stomach!"),
              std::string::npos);
}

TEST_F(FoodTest, TheSpottedSeedIsNeverRefusedAndTurnsWithTheFinalDemon) {
    struct Case {
        bool finalDemonSlain;
        bool firstRollZero;
        bool warms;
    };
    const Case cases[] = {{false, false, true}, {false, true, false}, {true, false, false}, {true, true, true}};
    for (const Case& c : cases) {
        ResetGameState();
        conditions::PrepareConditions();
        Define(kSeedKind, "spotted seed", 500);
        const int32_t index = CarryFood(kSeedKind);
        player.demonSlainFlags[kFinalDemon] = c.finalDemonSlain ? 1 : 0;
        player.bodyTemperature = 10001;  // above the top: no refusal, no discard
        int32_t amount = 0;
        fight::SeedFor([&](RandomMother& r) {
            if ((r.Random(4) == 0) != c.firstRollZero) return false;
            amount = 1500 + r.Random(2000);
            return true;
        });
        player.UseItem(index);
        EXPECT_EQ(player.bodyTemperature, 10001 + 500 + (c.warms ? amount : -amount));
        EXPECT_NE(Messages().find(c.warms ? "This time the seed radiates warmth." : "This time the seed radiates cold."),
                  std::string::npos);
    }
}

}  // namespace
