// What a monster's ability adds to a hit that landed, row by row.
#include <functional>
#include <string>

#include "items/item_prefixes.h"
#include "monsters/monster_fight_fixture.h"

namespace {

using namespace conditions;
using namespace fight;

constexpr ColourCode kNoFlash = kNoColourCode;

struct Effect {
    const char* name;
    int32_t ability;
    std::function<void(Monster&)> setUp;
    // The draws that make the effect happen, as the row makes them.
    std::function<bool(RandomMother&)> draws;
    std::function<void(const Monster&)> check;
    const char* message;  // "" for none
    ColourCode flash;
};

class AbilityHits : public FightScreenTest {
protected:
    Monster* monster = nullptr;

    void SetUp() override {
        FightScreenTest::SetUp();
        monster = PlaceFighter(11, 10);
    }

    void Run(const Effect& e, int32_t damageTaken = 5) {
        SCOPED_TRACE(e.name);
        InitPrefixTable();
        DrawChar(' ', player.x, player.y, kBlack);
        monster->ability = e.ability;
        if (e.setUp) e.setUp(*monster);
        SeedFor(e.draws);
        monster->ApplyMonsterSpecialHit(damageTaken);
        e.check(*monster);
        EXPECT_EQ(Messages(), e.message);
        if (e.flash == kNoFlash) {
            EXPECT_NE(CharAt(player.y, player.x), '*');
        } else {
            EXPECT_EQ(CharAt(player.y, player.x), '*');
            EXPECT_EQ(ColourAt(player.y, player.x), e.flash);
        }
    }
};

// Each row with the draws that start it; the draw after the chance sets the amount.
TEST_F(AbilityHits, EveryAbilityHasItsEffectMessageAndFlash) {
    const Effect effects[] = {
        {"confusion", kAbilityConfusion, nullptr, [](RandomMother& r) { return r.Random(7) == 0 && r.Random(4) == 3; },
         [](const Monster&) { EXPECT_EQ(player.dizziness, 5); }, "You feel dizzy.", kRed},
        {"life drain", kAbilityLifeDrain, [](Monster& m) { m.hp = 8; }, [](RandomMother& r) { return r.Random(5) == 0; },
         [](const Monster& m) { EXPECT_EQ(m.hp, 10); },  // 8 + 4, capped at the maximum
         "It drains your blood.", kRed},
        {"sickness, both parts", kAbilityContagiousSickness, nullptr,
         [](RandomMother& r) { return r.Random(15) == 0 && r.Random(3) == 0 && r.Random(125) == 7 && r.Random(50) == 9; },
         [](const Monster&) {
             EXPECT_EQ(player.fever, 132);
             EXPECT_EQ(player.sickness, 49);
         },
         "You sneeze and feel sick.", kRed},
        {"sickness, fever only", kAbilityContagiousSickness, nullptr,
         [](RandomMother& r) { return r.Random(15) == 0 && r.Random(3) == 1 && r.Random(125) == 0; },
         [](const Monster&) {
             EXPECT_EQ(player.fever, 125);
             EXPECT_EQ(player.sickness, 0);
         },
         "You sneeze and feel sick.", kRed},
        {"poison", kAbilityPoisonous, nullptr, [](RandomMother& r) { return r.Random(12) == 0 && r.Random(20) == 19; },
         [](const Monster&) { EXPECT_EQ(player.poison, 39); }, "You feel poisoned.", kRed},
        {"cold touch", kAbilityColdTouch, nullptr, [](RandomMother& r) { return r.Random(6) == 0 && r.Random(150) == 149; },
         [](const Monster&) { EXPECT_EQ(player.bodyTemperature, 6000 - 224); }, "You shiver.", kRed},
        {"warm touch", kAbilityWarmTouch, nullptr, [](RandomMother& r) { return r.Random(6) == 0 && r.Random(150) == 0; },
         [](const Monster&) { EXPECT_EQ(player.bodyTemperature, 6075); }, "A wave of warmth flows through you.", kRed},
        {"knock-back", kAbilityKnockback, nullptr, [](RandomMother& r) { return r.Random(5) == 1; },
         [](const Monster&) {
             EXPECT_EQ(player.x, 9);  // pushed away from the monster at (11, 10)
             EXPECT_EQ(floorArray[0].At(9, 10).monsterPresent, 1);
             EXPECT_EQ(floorArray[0].At(10, 10).monsterPresent, 0);
         },
         "The powerful strike knocks you back a bit.", kNoFlash},
        {"bleeding", kAbilityBleeding, nullptr,
         [](RandomMother& r) { return r.Random(9) == 0 && r.Random(4) != 0 && r.Random(6) == 5; },
         [](const Monster&) { EXPECT_EQ(player.bleeding, 10); }, "You start to bleed.", kRed},
        {"bleeding worse", kAbilityBleeding, [](Monster&) { player.bleeding = 3; },
         [](RandomMother& r) { return r.Random(9) == 0 && r.Random(10) == 0 && r.Random(4) != 0 && r.Random(6) == 0; },
         [](const Monster&) { EXPECT_EQ(player.bleeding, 8); }, "The bleeding gets worse.", kRed},
        {"paralysis", kAbilityParalyzes, nullptr, [](RandomMother& r) { return r.Random(8) == 0 && r.Random(4) == 1; },
         [](const Monster&) { EXPECT_EQ(player.paralysis, 3); }, "You are paralyzed.", kNoFlash},
        {"energy burn", kAbilityBurnsEnergy, [](Monster&) { player.sp = player.maxSp = 30; },
         [](RandomMother& r) { return r.Random(5) == 0 && r.Random(10) == 9; },
         [](const Monster&) { EXPECT_EQ(player.sp, 20); }, "The monster's attack sucks energy out of you!", kRed},
        {"slowing", kAbilitySlowingTouch, nullptr, [](RandomMother& r) { return r.Random(12) == 0 && r.Random(7) == 2; },
         [](const Monster&) { EXPECT_EQ(player.slowness, 8); }, "The monster's magically enhanced attack slows you down!",
         kRed},
        {"frostbite", kAbilityFrostbites, [](Monster&) { player.hp = player.maxHp = 40; },
         [](RandomMother& r) { return r.Random(15) == 0 && r.Random(50) == 0 && r.Random(100) == 0; },
         [](const Monster&) {
             EXPECT_EQ(player.maxHp, 32);
             EXPECT_EQ(player.hp, 32);  // min(40 - 4, 32)
             EXPECT_EQ(player.frostbite, 200);
             EXPECT_EQ(player.bodyTemperature, 5950);
             EXPECT_EQ(player.frostbiteMaxHpLoss, 8);
             EXPECT_EQ(player.frostbiteHpLoss, 4);
         },
         "You get a frostbite from the monster's chilly attack! You feel weak.", kRed},
        {"immobility", kAbilityImmobilizes, nullptr, [](RandomMother& r) { return r.Random(6) == 0 && r.Random(10) == 4; },
         [](const Monster&) { EXPECT_EQ(player.immobility, 14); }, "The monster firmly grasps and immobilizes you!", kRed},
        {"clumsiness", kAbilityClumsiness, nullptr, [](RandomMother& r) { return r.Random(9) == 0 && r.Random(8) == 7; },
         [](const Monster&) { EXPECT_EQ(player.clumsiness, 13); },
         "The strike was targeted at your eyes and weakens the accuracy of your motions considerably! You feel clumsy.",
         kRed},
        {"fear", kAbilityFear, nullptr, [](RandomMother& r) { return r.Random(9) == 0 && r.Random(4) == 0; },
         [](const Monster&) { EXPECT_EQ(player.horror, 3); },
         "The monster's visage twists into your worst nightmare! You cannot look at the horror, for fear grips you hard.",
         kMagenta},
    };
    for (const Effect& e : effects) {
        ResetGameState();
        PrepareConditions();
        SeeFloor(0);
        monster = PlaceFighter(11, 10);
        floorArray[0].At(10, 10).monsterPresent = 1;
        Run(e);
    }
}

// A row whose chance comes up but whose condition fails does nothing at all.
TEST_F(AbilityHits, RunningAilmentsAreNotLengthenedAndImmunitiesHold) {
    const Effect effects[] = {
        {"already dizzy", kAbilityConfusion, [](Monster&) { player.dizziness = 1; },
         [](RandomMother& r) { return r.Random(7) == 0; }, [](const Monster&) { EXPECT_EQ(player.dizziness, 1); }, "",
         kNoFlash},
        {"already poisoned", kAbilityPoisonous, [](Monster&) { player.poison = 2; },
         [](RandomMother& r) { return r.Random(12) == 0; }, [](const Monster&) { EXPECT_EQ(player.poison, 2); }, "", kNoFlash},
        {"poison-proof", kAbilityPoisonous, [](Monster&) { Wear(kSlotChest, kClothKind, kPrefixPoisonProof); },
         [](RandomMother& r) { return r.Random(12) == 0; }, [](const Monster&) { EXPECT_EQ(player.poison, 0); }, "", kNoFlash},
        {"bleeding on, no worse", kAbilityBleeding, [](Monster&) { player.bleeding = 3; },
         [](RandomMother& r) { return r.Random(9) == 0 && r.Random(10) != 0; },
         [](const Monster&) { EXPECT_EQ(player.bleeding, 3); }, "", kNoFlash},
        {"cold-proof ring", kAbilityColdTouch, [](Monster&) { WearAccessory(kSlotRightRing, kPropertyColdImmunity); },
         [](RandomMother& r) { return r.Random(6) == 0; }, [](const Monster&) { EXPECT_EQ(player.bodyTemperature, 6000); },
         "", kNoFlash},
        {"speed boost against slowing", kAbilitySlowingTouch, [](Monster&) { player.speedBoost = 5; },
         [](RandomMother& r) { return r.Random(12) == 0; }, [](const Monster&) { EXPECT_EQ(player.slowness, 0); }, "",
         kNoFlash},
        {"no ability", kAbilityReincarnates, nullptr, [](RandomMother&) { return true; }, [](const Monster&) {}, "",
         kNoFlash},
    };
    for (const Effect& e : effects) {
        ResetGameState();
        PrepareConditions();
        SeeFloor(0);
        monster = PlaceFighter(11, 10);
        Run(e);
    }
}

TEST_F(AbilityHits, NothingHappensWhereEveryoneIsStupid) {
    floorArray[0].feeling = kFeelingStupid;
    monster->ability = kAbilityConfusion;
    SeedFor([](RandomMother& r) { return r.Random(7) == 0; });
    const RandomMother before = rng;
    monster->ApplyMonsterSpecialHit(5);
    EXPECT_EQ(player.dizziness, 0);
    EXPECT_EQ(rng.BRandom(), RandomMother(before).BRandom());  // not even the chance is drawn
}

TEST_F(AbilityHits, ABlinkLandsOnTheOneFreeSquareInView) {
    for (Tile& tile : floorArray[0].tiles) tile.visibleNow = 0;
    floorArray[0].At(30, 5).visibleNow = 1;
    floorArray[0].At(31, 5).visibleNow = 1;
    AddMonster(31, 5, 0);
    monster->ability = kAbilityBlinks;
    SeedFor([](RandomMother& r) { return r.Random(7) == 0; });
    monster->ApplyMonsterSpecialHit(5);
    EXPECT_EQ(monster->x, 30);
    EXPECT_EQ(monster->y, 5);
    EXPECT_EQ(floorArray[0].At(11, 10).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(30, 5).monsterPresent, 1);
    EXPECT_EQ(Messages(), "Immediately after attacking the rat blinks elsewhere.");

    // With no free square in view it stays, silently.
    floorArray[0].At(30, 5).visibleNow = 0;
    SeedFor([](RandomMother& r) { return r.Random(7) == 0; });
    messageLog = MessageLog();
    monster->ApplyMonsterSpecialHit(5);
    EXPECT_EQ(monster->x, 30);
    EXPECT_EQ(Messages(), "");
}

// A shot from afar pushes the character by the whole offset; a landing off the
// map, on a wall or on a monster keeps it where it is.
TEST_F(AbilityHits, AKnockBackLandsOnlyOnFreeFloorOnTheMap) {
    struct Case {
        const char* name;
        int32_t playerX, monsterX;
        int32_t landedX;
    };
    const Case cases[] = {
        {"from afar", 10, 14, 6},
        {"off the map", 3, 8, -1},  // the landing would be column -2
        {"into the wall", 1, 2, -1},
        {"onto a monster", 10, 12, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetGameState();
        PrepareConditions();
        SeeFloor(0);
        player.x = c.playerX;
        Monster* shooter = PlaceFighter(c.monsterX, 10, "kobold archer", kAbilityKnockback);
        AddMonster(8, 10, 0);
        SeedFor([](RandomMother& r) { return r.Random(5) == 1; });
        shooter->ApplyMonsterSpecialHit(5);
        EXPECT_EQ(player.x, c.landedX < 0 ? c.playerX : c.landedX);
        EXPECT_EQ(Messages(), c.landedX < 0 ? "" : "The powerful strike knocks you back a bit.");
    }
}

// Energy burn with a store of 2 or less burns one point; the store never goes below 0.
TEST_F(AbilityHits, EnergyBurnWithASmallStoreBurnsOnePoint) {
    monster->ability = kAbilityBurnsEnergy;
    player.maxSp = 2;
    for (int32_t expected : {1, 0}) {
        player.sp = expected + 1;
        SeedFor([](RandomMother& r) { return r.Random(5) == 0; });
        monster->ApplyMonsterSpecialHit(5);
        EXPECT_EQ(player.sp, expected);
    }
    player.sp = 0;
    SeedFor([](RandomMother& r) { return r.Random(5) == 0; });
    monster->ApplyMonsterSpecialHit(5);
    EXPECT_EQ(player.sp, 0);

    player.maxSp = 30;
    player.sp = 3;  // a burn of up to 10 leaves 0
    SeedFor([](RandomMother& r) { return r.Random(5) == 0 && r.Random(10) == 9; });
    monster->ApplyMonsterSpecialHit(5);
    EXPECT_EQ(player.sp, 0);
}

// The stomp fells the walls of the 3 by 3 block around the character, never
// the frame of the floor, and each fallen wall takes 4 % of the hit points.
TEST_F(AbilityHits, StompedWallsFallAroundTheCharacter) {
    for (int32_t y = 0; y <= 18; ++y) floorArray[0].At(1, y).glyph = kWallGlyph;
    floorArray[0].At(3, 11).glyph = kWallGlyph;
    floorArray[0].At(0, 0).colour = kStoneWalls;
    player.x = 2;
    player.hp = 50;
    Monster* stomper = PlaceFighter(3, 10, "ettin", kAbilityCrumblesWalls);
    SeedFor([](RandomMother& r) { return r.Random(9) == 0; });
    stomper->ApplyMonsterSpecialHit(5);
    for (int32_t y = 9; y <= 11; ++y) {
        EXPECT_EQ(floorArray[0].At(1, y).glyph, kFloorGlyph) << y;
        EXPECT_EQ(floorArray[0].At(1, y).colour, kSnowyGround) << y;
    }
    EXPECT_EQ(floorArray[0].At(3, 11).glyph, kFloorGlyph);
    EXPECT_EQ(floorArray[0].At(0, 10).glyph, kWallGlyph);
    EXPECT_EQ(player.hp, 50 - 8);  // trunc(50 x -0.04 x 4)
    EXPECT_EQ(Messages(), "The monster stomps the ground to collapse the nearby walls on you!");

    // Beside the frame (column 1) nothing falls.
    player.x = 1;
    floorArray[0].At(0, 10).glyph = kWallGlyph;
    SeedFor([](RandomMother& r) { return r.Random(9) == 0; });
    stomper->ApplyMonsterSpecialHit(5);
    EXPECT_EQ(player.hp, 42);
}

}  // namespace
