// The throw command: one item of the thrown stack at a time.
#include <gtest/gtest.h>

#include <string>

#include "item_use/ranged_fixture.h"
#include "skills/skill_def.h"
#include "world/monster_abilities.h"

using namespace ranged;

namespace {

// A dodge far below any roll: every throw hits.
constexpr int32_t kSureHit = -5000;

using ThrowingTest = RangedScreenTest;

TEST_F(ThrowingTest, RefusalsComeRingFirst) {
    EXPECT_EQ(player.Throw(), 0);
    EXPECT_NE(Messages().find("Equip a thrown weapon."), std::string::npos);
    conditions::WearAccessory(kSlotLeftRing, kPropertyNoRangedWeapons);
    EXPECT_EQ(player.Throw(), 0);
    EXPECT_NE(Messages().find("Your ring glows. Only melee combat feels like an option!"), std::string::npos);
    EXPECT_EQ(Messages().find("Equip a thrown weapon.", Messages().find("ring glows")), std::string::npos);
}

TEST_F(ThrowingTest, AStackOfThreeIsThrownDownToAnEmptySlot) {
    Monster* rat = fight::PlaceFighter(13, 10);
    rat->hp = rat->maxHp = 1000;
    Carry(kArrowKind);  // an entry before the darts, to see the renumbering
    ArmWithDarts(3);
    rat->dodge = kSureHit;
    player.target = rat;
    Type("          ");  // the -More- prompts of the hit reports
    for (int32_t left = 2; left >= 1; --left) {
        EXPECT_EQ(player.Throw(), 1);
        ASSERT_GE(player.equipSlots[kSlotThrownWeapon], 0);
        EXPECT_EQ(player.inventory[static_cast<size_t>(player.equipSlots[kSlotThrownWeapon])].quantity, left);
    }
    EXPECT_EQ(player.Throw(), 1);
    EXPECT_EQ(player.equipSlots[kSlotThrownWeapon], -1);
    EXPECT_EQ(player.lastThrownKind, kDartKind);
    EXPECT_EQ(player.inventory.size(), 1u);
    EXPECT_LT(rat->hp, 1000);
    EXPECT_NE(Messages().find("the rat with a dart."), std::string::npos) << Messages();
}

TEST_F(ThrowingTest, ArmourAboveTheDamageStillCostsOneHitPoint) {
    Monster* rat = fight::PlaceFighter(13, 10);
    rat->hp = rat->maxHp = 36;  // a damage of 2 or less merely scratches
    rat->rangedArmour = 500;
    ArmWithDarts(2);
    rat->dodge = kSureHit;
    player.target = rat;
    player.Throw();
    EXPECT_EQ(rat->hp, 35);
    EXPECT_NE(Messages().find("hit, but merely scratch the rat with a dart."), std::string::npos) << Messages();
}

TEST_F(ThrowingTest, ARendingThrowBleedsTheLivingAndNotTheRest) {
    Monster* rat = fight::PlaceFighter(13, 10);
    rat->hp = rat->maxHp = 1000;
    Monster* golem = fight::PlaceFighter(13, 12, "golem");
    golem->hp = golem->maxHp = 1000;
    golem->living = 0;
    golem->dodge = kSureHit;
    ArmWithDarts(5);
    rat->dodge = kSureHit;
    player.preparedSkill = kSkillRangersRendingThrow;
    player.ResolveThrownProjectile(*rat);
    EXPECT_EQ(rat->bleedTurns, 6);
    EXPECT_GE(rat->bleedDamage, 1);
    EXPECT_EQ(player.preparedSkill, 0);
    player.preparedSkill = kSkillRangersRendingThrow;
    player.ResolveThrownProjectile(*golem);
    EXPECT_EQ(golem->bleedTurns, 0);
    EXPECT_LT(golem->hp, 1000);
    EXPECT_NE(Messages().find("The monster is immune to bleeding!"), std::string::npos);
}

TEST_F(ThrowingTest, ADeflectedThrowSpendsTheItemAndLandsIt) {
    Monster* rat = fight::PlaceFighter(13, 10, "rat", kAbilityDeflectsMissiles);
    ArmWithDarts(2);
    fight::SeedFor([](RandomMother& r) { return r.Random(10) < 5 && r.Random(10) >= 2; });
    player.ResolveThrownProjectile(*rat);
    EXPECT_EQ(rat->hp, 10);
    EXPECT_EQ(LyingOn(13, 10, kDartKind), 1);
    EXPECT_EQ(player.profThrown, 0);
    EXPECT_NE(Messages().find("The monster deflects your projectile!"), std::string::npos);
}

// Whatever stands on the line before it, a monster's name of two words is one piece.
TEST_F(ThrowingTest, AMonstersNameIsNeverPartedByTheLineBreak) {
    Monster* chameleon = fight::PlaceFighter(13, 10, "arctic chameleon");
    ArmWithDarts(1000);
    const int32_t width = WidthThatPartsAName(
        [&] {
            chameleon->hp = chameleon->maxHp = 100000;
            chameleon->dodge = kSureHit;
            player.ResolveThrownProjectile(*chameleon);
        },
        "arctic", "chameleon with a");
    EXPECT_EQ(width, -1) << Messages();
}

TEST_F(ThrowingTest, UniqueDemonsAreNamedWithoutAnArticle) {
    Monster* demon = fight::PlaceFighter(13, 10, "Omuerp");
    ArmWithDarts(5);
    demon->dodge = 5000;
    player.ResolveThrownProjectile(*demon);
    const std::string said = Messages();
    EXPECT_TRUE(said.find("You miss Omuerp.") != std::string::npos || said.find("Omuerp dodges your attack.") == 0)
        << said;
}

}  // namespace
