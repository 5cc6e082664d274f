// The damage ranges, the armour value and the burden percentage that the
// character pages show and the fights use.
#include <string>

#include "items/item_prefixes.h"
#include "player/armour_value.h"
#include "player/condition_fixture.h"

namespace {

using namespace conditions;

constexpr int32_t kOneHanded = 20;
constexpr int32_t kTwoHanded = 21;
constexpr int32_t kBow = 22;
constexpr int32_t kDart = 23;
constexpr int32_t kChest = 24;
constexpr int32_t kLeggings = 25;
constexpr int32_t kShield = 26;
constexpr int32_t kPack = 27;

class CombatFigures : public ConditionTest {
protected:
    void SetUp() override {
        ConditionTest::SetUp();
        DefineWeapon(kOneHanded, 0, 3, 6);
        DefineWeapon(kTwoHanded, 1, 4, 9);
        DefineWeapon(kBow, 2, 2, 8);
        DefineWeapon(kDart, 0, 2, 4);
        DefineKind(kChest, kItemArmour, 5, "chest");
        DefineKind(kLeggings, kItemArmour, 3, "leggings");
        DefineKind(kShield, kItemArmour, 3, "shield");
        DefineKind(kPack, kItemValuable, 0, "pack");
    }

    static std::string Melee(int32_t* high = nullptr) { return player.FormatMeleeDamageRange(high); }
    static std::string Thrown(int32_t* high = nullptr) { return player.FormatRangedDamageRange(high); }
};

TEST_F(CombatFigures, BareHandsRangeFromTheLevelToTheReducedStrength) {
    struct Case {
        int32_t strength;
        int32_t fever;
        const char* shown;
    };
    // Strength above 20 counts two fifths, then 85 %, then 90 % in a fever.
    for (const Case& c : {Case{12, 0, "1-10"}, Case{25, 0, "1-18"}, Case{25, 3, "1-16"}, Case{0, 0, "0-1"}}) {
        SCOPED_TRACE(c.strength);
        player.strength = c.strength;
        player.fever = c.fever;
        int32_t high = -1;
        EXPECT_EQ(Melee(&high), c.shown);  // (strength 0: the pair 1 and 0 is put in order)
        EXPECT_EQ(high, std::stoi(std::string(c.shown).substr(std::string(c.shown).find('-') + 1)));
    }
}

TEST_F(CombatFigures, WeaponsAddTheirDamageBlessingQualityAndProficiency) {
    player.profTwoHanded = 2;
    Wear(kSlotMainWeapon, kTwoHanded, 11, 1);  // blessed, high quality
    int32_t high = 0;
    EXPECT_EQ(Melee(&high), "9-27");  // 1+4+1+1+2 .. 10+9+3+3+2
    EXPECT_EQ(high, 27);

    player.inventory.clear();
    player.level = 2;
    player.profOneHanded = 5;  // not used beside a second weapon
    player.profTwoWeapon = 1;
    Wear(kSlotMainWeapon, kOneHanded, 12);        // poor quality
    Wear(kSlotSecondWeapon, kTwoHanded, -1, -1);  // cursed
    EXPECT_EQ(Melee(&high), "5-15/6-17");         // 2+3-1+1 .. 10+6-2+1 / 2+4-1+1 .. 10+9-3+1
    EXPECT_EQ(high, 15);
}

TEST_F(CombatFigures, TheSecondHandAloneStillShowsTwoRanges) {
    Wear(kSlotSecondWeapon, kOneHanded);
    EXPECT_EQ(Melee(), "1-10/1-10");
}

TEST_F(CombatFigures, ABowUsesDexterityAndTheRangedProficiency) {
    player.dexterity = 15;
    player.profRanged = 4;
    Wear(kSlotMainWeapon, kBow);
    EXPECT_EQ(Melee(), "7-24");
    player.fightingStyle = kStyleAggressive;  // an eighth more with a bow, not a quarter
    EXPECT_EQ(Melee(), "7-27");
}

TEST_F(CombatFigures, RingsRageStylesAndFloorsScaleBothEnds) {
    player.level = 4;
    player.strength = 24;  // 20 + 1, then 17
    struct Case {
        const char* name;
        int32_t ring;
        int32_t boon;
        int32_t style;
        int32_t feeling;
        const char* shown;
    };
    const Case cases[] = {
        {"plain", 0, 0, kStyleNormal, 0, "4-17"},
        {"ring of damage", 19, 0, kStyleNormal, 0, "4-19"},
        {"stronger rage", 0, kBoonStronger, kStyleNormal, 0, "5-21"},
        {"weakening ring", 20, 0, kStyleNormal, 0, "3-13"},
        {"aggressive", 0, 0, kStyleAggressive, 0, "5-21"},
        {"aggressive with the style ring", 26, 0, kStyleAggressive, 0, "5-24"},
        {"defensive", 0, 0, kStyleDefensive, 0, "3-12"},
        {"provocative floor", 0, 0, kStyleNormal, 10, "5-22"},
        {"calm floor", 0, 0, kStyleNormal, 11, "3-12"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player.inventory.clear();
        player.equipSlots[kSlotRightRing] = -1;
        if (c.ring != 0) WearAccessory(kSlotRightRing, c.ring);
        player.berserkBoon = c.boon;
        player.fightingStyle = c.style;
        floorArray[0].feeling = c.feeling;
        EXPECT_EQ(Melee(), c.shown);
    }
}

TEST_F(CombatFigures, AWeakCharacterOfAHighLevelHasItsEndsPutInOrder) {
    player.level = 12;
    player.strength = 5;  // 4
    EXPECT_EQ(Melee(), "4-12");
}

TEST_F(CombatFigures, TheThrownRangeNeedsAThrownWeapon) {
    int32_t high = -1;
    EXPECT_EQ(Thrown(&high), "-");
    EXPECT_EQ(high, 0);

    player.level = 4;
    player.profThrown = 1;
    player.traits[kTraitThrownDamage] = 2;
    Wear(kSlotThrownWeapon, kDart);
    // Strength and dexterity averaged: (12 + 9) / 2 = 10, then 8.
    EXPECT_EQ(Thrown(&high), "9-15");
    EXPECT_EQ(high, 15);
    InitSkillTable();
    skillTable[44].learned = 1;  // thrown weapon expertise: level / 2 more
    EXPECT_EQ(Thrown(), "11-17");
    player.fightingStyle = kStyleAggressive;
    EXPECT_EQ(Thrown(), "12-19");
}

TEST_F(CombatFigures, ArmourCountsPiecesShieldAndPrefixes) {
    player.profShield = 2;
    Wear(kSlotChest, kChest, -1, 1);         // 5, blessed
    Wear(kSlotLeggings, kLeggings, 1, -1);  // 3, cursed, target painted
    Wear(kSlotShield, kShield, 0);           // 2/3 + 1.5, deflecting
    // 5+1 + 3-1 + 0.667+1.5 = 10.17 against blows; deflection and the painted target only count against missiles.
    EXPECT_EQ(player.ComputeArmourValue(false), 10);
    EXPECT_EQ(player.ComputeArmourValue(true), 10);
    player.inventory[0].prefix = 11;  // high quality counts both ways
    EXPECT_EQ(player.ComputeArmourValue(false), 11);
    EXPECT_EQ(player.ComputeArmourValue(true), 11);

    player.fightingStyle = kStyleDefensive;  // + a fifth of 11.17
    EXPECT_EQ(player.ComputeArmourValue(false), 13);
    WearAccessory(kSlotLeftRing, 26);  // + a tenth more
    EXPECT_EQ(player.ComputeArmourValue(false), 14);
    player.fightingStyle = kStyleAggressive;  // - 3.35
    EXPECT_EQ(player.ComputeArmourValue(false), 8);
}

TEST(ArmourCap, ArmourAboveTheLevelsCapCountsOneThird) {
    struct Case {
        int32_t armour;
        int32_t level;
        int32_t counted;
    };
    // Caps: level 1 16, 2 12, 3 11, 10 27, 20 53 (2.65 in single precision).
    const Case cases[] = {{20, 1, 17}, {16, 1, 16}, {15, 2, 13}, {14, 3, 12}, {20, 10, 20}, {60, 20, 55}};
    for (const Case& c : cases) {
        EXPECT_EQ(CapArmourForLevel(c.armour, c.level), c.counted) << c.armour << " at level " << c.level;
    }
}

TEST_F(CombatFigures, BurdenIsTheCarriedShareOfTheCapacity) {
    InitPrefixTable();
    itemKinds[kPack].weight = 10;
    itemKinds[kChest].weight = 10;
    const int32_t pack = Carry(kPack);
    player.inventory[pack].quantity = 3;
    EXPECT_EQ(player.ComputeBurdenPercent(), 10);  // 30 of 300

    const int32_t chest = Carry(kChest, 7);  // heavy: six pieces' weight, whatever the quantity
    player.inventory[chest].quantity = 4;
    EXPECT_EQ(player.ComputeBurdenPercent(), 30);
    player.inventory[chest].prefix = 8;  // anti-weight: nothing, and 25 more capacity when worn
    EXPECT_EQ(player.ComputeBurdenPercent(), 10);
    player.equipSlots[kSlotChest] = chest;
    EXPECT_EQ(player.ComputeBurdenPercent(), 9);  // 30 of 325

    player.traits[kTraitCarryingCapacity] = 3;  // 400
    player.fever = 1;                           // 320
    EXPECT_EQ(player.ComputeBurdenPercent(), 9);
    player.traits[kTraitCarryingCapacity] = 0;
    player.fever = 0;
    player.equipSlots[kSlotChest] = -1;
    WearAccessory(kSlotRightRing, 11);  // 12 × 33 = 396
    EXPECT_EQ(player.ComputeBurdenPercent(), 7);
}

TEST_F(CombatFigures, NoStrengthLeftStillGivesABurden) {
    player.strength = 0;
    itemKinds[kPack].weight = 2;
    Carry(kPack);
    EXPECT_EQ(player.ComputeBurdenPercent(), 200);
}

}  // namespace
