#include "player/condition_fixture.h"

namespace {

class TrappedArmourTest : public ConditionTest {
protected:
    static constexpr int32_t kArmourKind = 30;
    void SetUp() override {
        ConditionTest::SetUp();
        DefineKind(kArmourKind, kItemArmour, 2, "leather armor");
    }
};

TEST_F(TrappedArmourTest, PutridArmourReleasesNoxiousFumes) {
    const int32_t index = Wear(kSlotChest, kArmourKind, 6);
    player.poison = 1;
    player.ExplodeTrappedArmour(index);
    EXPECT_GE(player.fever, 150);
    EXPECT_LE(player.fever, 299);
    EXPECT_GE(player.sickness, 50);
    EXPECT_LE(player.sickness, 99);
    EXPECT_GE(player.poison, 11);
    EXPECT_LE(player.poison, 25);
    EXPECT_EQ(player.inventory[index].prefix, 6) << "the prefix stays on the item";
}

TEST_F(TrappedArmourTest, OtherItemsDoNothing) {
    const int32_t deflecting = Wear(kSlotShield, kArmourKind, 0);
    const int32_t plain = Wear(kSlotHelmet, kArmourKind, -1);
    const int32_t wetCloth = Wear(kSlotClothShirt, kClothKind, 6);  // wetness, not a prefix
    const RandomMother before = rng;
    for (int32_t index : {deflecting, plain, wetCloth, -1, 99}) player.ExplodeTrappedArmour(index);
    EXPECT_EQ(player.fever + player.sickness + player.poison, 0);
    EXPECT_EQ(rng.x[0], before.x[0]);
}

TEST_F(TrappedArmourTest, FumesAreDescribed) {
    REQUIRE_MESSAGE_LOG();
    player.ExplodeTrappedArmour(Wear(kSlotChest, kArmourKind, 6));
    EXPECT_EQ(Messages().rfind("As you were putting on the piece of armor, the piece started slowly glowing green.", 0),
              0u);
}

}  // namespace
