// Zapping: the confused hand, charges and the empty wand, the last charge that
// turns a wand to dust, the zap line's name, and the wand of wild magic.
#include <string>

#include "item_use/wand_fixture.h"
#include "items/appearances.h"
#include "toolkit/random_mother.h"

using namespace wands;

namespace {

// The first seed whose generator's first draw of Random(n) fits.
template <typename Fits>
uint32_t SeedWhoseFirst(int32_t n, Fits fits) {
    return FindSeed([n, fits](RandomMother& probe) { return fits(probe.Random(n)); });
}

}  // namespace

TEST_F(WandTest, AConfusedZapperFailsTwoTimesInThreeWithoutSpendingTheCharge) {
    struct Case {
        bool steady;
        int32_t chargesAfter;
        bool failed;
    };
    for (const Case c : {Case{false, 3, true}, Case{true, 2, false}}) {
        BuildRoom();
        player.inventory.clear();
        messageLog = MessageLog();
        player.dizziness = 5;
        const int32_t index = CarryWand(kWandAcidRain, 3);
        rng.RandomInit(SeedWhoseFirst(3, [c](int32_t roll) { return (roll == 0) == c.steady; }));
        player.ZapWand(index);
        EXPECT_EQ(player.inventory[0].durability, c.chargesAfter);
        const bool failed = Messages().find("You try to aim, but you are too confused to do it.") != std::string::npos;
        EXPECT_EQ(failed, c.failed);
        EXPECT_EQ(Known(kWandAcidRain), !c.failed);
    }
}

TEST_F(WandTest, TheZapLineNamesAnUnknownWandByItsLookAndAKnownOneByItsKind) {
    ShuffleWandNames();
    const int32_t index = CarryWand(kWandAcidRain, 2);
    const std::string look = WandAppearanceName(WandKind(kWandAcidRain));
    player.ZapWand(index);
    player.ZapWand(index);
    EXPECT_NE(Messages().find("You zap the " + look + ". The wand summons a toxic acid rain"), std::string::npos)
        << Messages();
    EXPECT_NE(Messages().find("You zap the wand of acid rain. "), std::string::npos) << Messages();
    EXPECT_EQ(player.inventory[0].durability, 0);
}

TEST_F(WandTest, AWandWithoutChargesMostlyDoesNothingAndIsMarkedEmpty) {
    for (const int32_t charges : {0, -1}) {
        player.inventory.clear();
        messageLog = MessageLog();
        const int32_t index = CarryWand(kWandAcidRain, charges);
        rng.RandomInit(SeedWhoseFirst(30, [](int32_t roll) { return roll == 29; }));
        player.ZapWand(index);
        ASSERT_EQ(player.inventory.size(), 1u);
        EXPECT_EQ(player.inventory[0].empty, 1);
        EXPECT_EQ(player.inventory[0].durability, charges);
        EXPECT_EQ(Messages(), "Nothing happens.");
        EXPECT_FALSE(Known(kWandAcidRain));
    }
}

TEST_F(WandTest, TheLastChargeWrenchedTurnsTheWandToDustAndStillWorksAndIdentifies) {
    const int32_t index = CarryWand(kWandAcidRain, 0);
    // The worn piece after the wand keeps its slot when the wand goes.
    const int32_t shirt = Wear(kSlotClothShirt, items::KindNamed("linen shirt"));
    ASSERT_EQ(shirt, 1);
    rng.RandomInit(SeedWhoseFirst(30, [](int32_t roll) { return roll == 0; }));
    player.ZapWand(index);
    ASSERT_EQ(player.inventory.size(), 1u);
    EXPECT_EQ(player.equipSlots[kSlotClothShirt], 0);
    EXPECT_EQ(Messages(),
              "You manage to wrench one last charge before the wand turns into dust. The wand summons a toxic acid "
              "rain around you.");
    EXPECT_TRUE(Known(kWandAcidRain));
}

TEST_F(WandTest, AnEffectOutsideTheKnownOnesSpendsTheChargeAndDoesNothingElse) {
    const int32_t index = CarryWand(kWandAcidRain, 2);
    itemKinds[player.inventory[0].kind].power = kWandEffectCount + 1;
    player.identifiedKinds[player.inventory[0].kind] = 1;
    player.ZapWand(index);
    EXPECT_EQ(player.inventory[0].durability, 1);
    EXPECT_EQ(Messages(), "You zap the wand of acid rain.");
}

TEST_F(WandTest, WildMagicNeverCastsItselfAndLendsItsZapToTheEffectDrawn) {
    // The first draw would be wild magic again; the second is the acid rain.
    const uint32_t seed = FindSeed([](RandomMother& probe) {
        const int32_t first = probe.Random(kWandEffectCount);
        const int32_t second = probe.Random(kWandEffectCount);
        return first + 1 == kWandWildMagic && second + 1 == kWandAcidRain;
    });
    ASSERT_NE(seed, 0u);
    const int32_t index = CarryWand(kWandWildMagic, 2);
    player.identifiedKinds[WandKind(kWandWildMagic)] = 1;
    rng.RandomInit(seed);
    player.ZapWand(index);
    EXPECT_EQ(Messages(),
              "You zap the wand of wild magic. This wand starts casting an unknown spell that isn't its own. The wand "
              "summons a toxic acid rain around you.");
    EXPECT_FALSE(Known(kWandAcidRain));
}

TEST_F(WandTest, ABoltAimedThroughTheDirectionPromptFliesThatWay) {
    Monster* east = Foe(kX + 2, kY);
    Monster* north = Foe(kX, kY - 2);
    const int32_t index = CarryWand(kWandFrostBolt, 1);
    Type("6");
    player.ZapWand(index);
    EXPECT_EQ(east->hp, 100 - 14);
    EXPECT_EQ(north->hp, 100);
    EXPECT_TRUE(Known(kWandFrostBolt));
}
