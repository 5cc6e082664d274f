// The shoot command and one arrow's flight.
#include <gtest/gtest.h>

#include <string>

#include "floors/floor_feelings.h"
#include "item_use/ranged_fixture.h"
#include "skills/skill_def.h"
#include "world/monster_abilities.h"

using namespace ranged;

namespace {

// A monster's dodge raises the to-hit threshold for the roll: far below any roll every
// arrow hits, far above every arrow misses or is dodged.
constexpr int32_t kSureHit = -5000;
constexpr int32_t kSureMiss = 5000;

using ShootingTest = RangedScreenTest;

// A rat of the hit points three squares east of the character, stored as the
// target, its dodge set; the character with a bow and the arrows.
Monster* AimAtRat(int32_t hp, int32_t dodge, int32_t arrows) {
    Monster* rat = fight::PlaceFighter(13, 10);
    rat->hp = rat->maxHp = hp;
    rat->dodge = dodge;
    ArmWithBow(arrows);
    player.target = rat;
    return rat;
}

TEST_F(ShootingTest, RefusalsUseNoTurnAndShowNoCursor) {
    struct Case {
        const char* what;
        bool ring, bow, arrows;
        const char* message;
    };
    const Case cases[] = {
        {"melee-only ring", true, true, true, "Your ring glows. Only melee combat feels like an option!"},
        {"no bow", false, false, true, "Equip a ranged weapon."},
        {"no arrows", false, true, false, "You need more arrows."},
    };
    for (const Case& c : cases) {
        ResetGameState();
        conditions::PrepareConditions();
        SeeFloor(0);
        DefineRangedKinds();
        if (c.ring) conditions::WearAccessory(kSlotRightRing, kPropertyNoRangedWeapons);
        if (c.bow) fight::WearSturdily(kSlotMainWeapon, kBowKind);
        if (c.arrows) Carry(kArrowKind);
        fight::PlaceFighter(12, 10);
        EXPECT_EQ(player.Shoot(), 0) << c.what;
        EXPECT_NE(Messages().find(c.message), std::string::npos) << c.what << ": " << Messages();
        EXPECT_EQ(player.target, nullptr) << c.what;
    }
}

TEST_F(ShootingTest, AStoredTargetInViewIsShotAtOnceAndTheLastArrowLeavesTheInventory) {
    Monster* rat = AimAtRat(100, kSureHit, 1);
    EXPECT_EQ(player.Shoot(), 1);
    EXPECT_EQ(CarriedArrows(), 0);
    EXPECT_EQ(player.inventory.size(), 1u);  // only the bow
    EXPECT_EQ(player.equipSlots[kSlotMainWeapon], 0);
    EXPECT_LT(rat->hp, 100);
    EXPECT_EQ(Messages().find("You shoot"), 0u) << Messages();
}

TEST_F(ShootingTest, WithoutATargetTheCursorAsksAndLeavingItUsesNoTurn) {
    fight::PlaceFighter(13, 10);
    ArmWithBow(3);
    Type("z");
    EXPECT_EQ(player.Shoot(), 0);
    EXPECT_EQ(CarriedArrows(), 3);
    Type("f");
    EXPECT_EQ(player.Shoot(), 1);
    EXPECT_EQ(CarriedArrows(), 2);
    EXPECT_NE(player.target, nullptr);
}

TEST_F(ShootingTest, ThePromptNamesTheShootAndThrowKeys) {
    fight::PlaceFighter(13, 10);
    ArmWithBow(3);
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.Shoot(); }));
    EXPECT_EQ(TextAt(19, 0, 41), "Select a target, Z = exit, f or t = shoot");
    EXPECT_EQ(ColourAt(19, 0), kLightCyan);
    EXPECT_EQ(TextAt(20, 0, 3), "rat");
}

TEST_F(ShootingTest, AMissLandsTheArrowAndKeepsAPreparedShotButNotAnAccurateOne) {
    Monster* rat = fight::PlaceFighter(13, 10);
    ArmWithBow(10);
    rat->dodge = kSureMiss;
    player.target = rat;
    player.preparedSkill = kSkillBrutalShot;
    player.Shoot();
    EXPECT_EQ(player.preparedSkill, kSkillBrutalShot);
    EXPECT_EQ(rat->hp, 10);
    EXPECT_EQ(CarriedArrows(), 9);
    const std::string said = Messages();
    EXPECT_TRUE(said.find("You miss the rat.") != std::string::npos ||
                said.find("The rat dodges your attack.") != std::string::npos)
        << said;

    // An accurate shot that is not sure is used up all the same.
    player.preparedSkill = kSkillAccurateShot;
    fight::SeedFor([](RandomMother& r) { return r.Random(10) <= 4; });
    player.Shoot();
    EXPECT_EQ(player.preparedSkill, 0);
    EXPECT_EQ(rat->hp, 10);
}

TEST_F(ShootingTest, ASureAccurateShotHitsWhateverTheRoll) {
    Monster* rat = AimAtRat(100, kSureMiss, 10);
    player.preparedSkill = kSkillAccurateShot;
    fight::SeedFor([](RandomMother& r) { return r.Random(10) > 4; });
    player.Shoot();
    EXPECT_LT(rat->hp, 100);
    EXPECT_EQ(player.preparedSkill, 0);
}

TEST_F(ShootingTest, ADoubleShotStopsWhenArrowsRunOutOrTheTargetDies) {
    AimAtRat(1000, kSureHit, 1);
    player.preparedSkill = kSkillDoubleShot;
    EXPECT_EQ(player.Shoot(), 1);
    EXPECT_NE(Messages().find("Not enough arrows."), std::string::npos) << Messages();
    EXPECT_EQ(player.preparedSkill, 0);

    // A kill with the first arrow clears the target: no second arrow leaves.
    Monster* weak = fight::PlaceFighter(11, 11);
    weak->hp = 1;
    weak->dodge = kSureHit;
    Carry(kArrowKind);
    player.inventory.back().quantity = 5;
    player.target = weak;
    player.preparedSkill = kSkillDoubleShot;
    const int32_t kills = player.kills;
    player.Shoot();
    EXPECT_EQ(CarriedArrows(), 4);
    EXPECT_EQ(weak->alive, 0);
    EXPECT_EQ(player.kills, kills + 1);
    EXPECT_EQ(player.target, nullptr);
}

TEST_F(ShootingTest, APenetratingShotSpendsAndLandsNoArrow) {
    Monster* rat = fight::PlaceFighter(13, 10);
    rat->hp = rat->maxHp = 100;
    ArmWithBow(4);
    rat->dodge = kSureHit;
    player.preparedSkill = kSkillPenetratingShot;
    player.ResolveShot(rat);
    EXPECT_EQ(CarriedArrows(), 4);
    EXPECT_EQ(LyingOn(13, 10, kArrowKind), 0);
    EXPECT_LT(rat->hp, 100);
}

TEST_F(ShootingTest, ADeflectingMonsterTurnsArrowsAwayExceptWhereEveryoneIsStupid) {
    Monster* rat = fight::PlaceFighter(13, 10, "rat", kAbilityDeflectsMissiles);
    rat->hp = rat->maxHp = 100;
    ArmWithBow(10);
    rat->dodge = kSureHit;
    fight::SeedFor([](RandomMother& r) { return r.Random(10) < 5; });
    player.ResolveShot(rat);
    EXPECT_EQ(rat->hp, 100);
    EXPECT_NE(Messages().find("The monster deflects your arrow!"), std::string::npos);

    floorArray[0].feeling = kFeelingStupid;
    fight::SeedFor([](RandomMother& r) { return r.Random(10) < 5; });
    player.ResolveShot(rat);
    EXPECT_LT(rat->hp, 100);
}

// Whatever stands on the line before it, a monster's name of two words is one piece.
TEST_F(ShootingTest, AMonstersNameIsNeverPartedByTheLineBreak) {
    Type(std::string(200, ' '));  // the -More- of a full page
    Monster* chameleon = fight::PlaceFighter(13, 10, "arctic chameleon");
    ArmWithBow(1000);
    struct Case {
        const char* what;
        int32_t threshold;
        int32_t dodge;
        const char* rest;
    };
    const Case cases[] = {
        {"hit", 0, kSureHit, "chameleon."},
        {"miss", kSureMiss, 0, "chameleon."},
        {"dodge", 0, kSureMiss, "chameleon dodges"},
    };
    for (const Case& c : cases) {
        const int32_t width = WidthThatPartsAName(
            [&] {
                chameleon->hp = chameleon->maxHp = 100000;
                chameleon->dodge = c.dodge;
                player.toHitThreshold = c.threshold;
                player.inventory[static_cast<std::size_t>(player.equipSlots[kSlotMainWeapon])].durability = 100;
                player.ResolveShot(chameleon);
            },
            "arctic", c.rest);
        EXPECT_EQ(width, -1) << c.what << ": " << Messages();
    }
}

TEST_F(ShootingTest, TheHorrifiedCannotShootAtAFearsomeMonster) {
    Monster* ghost = fight::PlaceFighter(13, 10, "ghost", kAbilityFear);
    ArmWithBow(3);
    player.horror = 5;
    player.target = ghost;
    EXPECT_EQ(player.Shoot(), 0);
    EXPECT_EQ(CarriedArrows(), 3);
    EXPECT_NE(Messages().find("You're too horrified to shoot at that monster!"), std::string::npos);
}

}  // namespace

namespace {

// A bow cut in half by the first arrow of a double shot fires no second one.
TEST_F(ShootingTest, ABowBrokenByTheFirstArrowEndsTheVolley) {
    bool broke = false;
    for (uint32_t seed = 1; seed < 3000 && !broke; ++seed) {
        ResetGameState();
        conditions::PrepareConditions();
        SeeFloor(0);
        DefineRangedKinds();
        Monster* rat = fight::PlaceFighter(13, 10);
        rat->hp = rat->maxHp = 1000;
        rat->dodge = kSureHit;
        ArmWithBow(10);
        player.inventory[0].durability = 1;
        player.target = rat;
        player.preparedSkill = kSkillDoubleShot;
        rng.RandomInit(seed);
        Type(" ");  // "cut in half! Press space."
        EXPECT_EQ(player.Shoot(), 1);
        broke = player.equipSlots[kSlotMainWeapon] == -1;
        if (broke) {
            EXPECT_EQ(CarriedArrows(), 9) << seed;
        }
    }
    EXPECT_TRUE(broke);
}

}  // namespace
