// Traps: when one goes off (the lock, the avoid roll) and what each kind does.
#include "events/feature_fixture.h"
#include "events/traps.h"
#include "events/world_events.h"
#include "items/item_prefixes.h"

namespace {

using namespace conditions;
using namespace features;
using fight::SeedFor;

// Lays a trap under the character, hidden or found.
void LayTrap(int32_t kind, bool found) {
    Here().trapKind = kind;
    Here().glyph = found ? kFoundTrapGlyph : kFloorGlyph;
    player.trapLock = 0;
}

// A found trap that goes off: its avoid roll fails, whatever the further draws.
void SetOff(int32_t kind) {
    LayTrap(kind, true);
    SeedFor([](RandomMother& r) { return r.Random(4) == 0; });
    TriggerTrap();
}

TEST_F(FeatureTest, TheLockAndTheAvoidRollDecideWhetherATrapGoesOff) {
    struct Case {
        const char* name;
        int32_t kind;
        bool found;
        uint8_t lock;
        int32_t avoidRoll;
        bool goesOff;
        const char* said;
        uint8_t lockAfter;
    };
    const Case cases[] = {
        {"no trap", kNoTrap, false, 0, 0, false, "", 0},
        {"locked", kTrapEnergyDrain, false, 1, 1, false, "", 1},
        {"hidden, avoided on 0", kTrapEnergyDrain, false, 0, 0, false, "You avoid the hidden trap!", 1},
        {"hidden, set off on 1", kTrapEnergyDrain, false, 0, 1, true, "The magical trap sucks your energy away.", 1},
        {"found, avoided on 1", kTrapEnergyDrain, true, 0, 1, false, "You avoid the trap.", 1},
        {"found, avoided on 3", kTrapEnergyDrain, true, 0, 3, false, "You avoid the trap.", 1},
        {"found, set off on 0", kTrapEnergyDrain, true, 0, 0, true, "You step on a trap! The magical trap", 1},
    };
    for (const Case& c : cases) {
        ResetGameState();
        PrepareConditions();
        PrepareFeatureFloor(0, kStoneWalls);
        LayTrap(c.kind, c.found);
        player.trapLock = c.lock;
        player.sp = 7;
        SeedFor([&c](RandomMother& r) { return r.Random(4) == c.avoidRoll; });
        TriggerTrap();
        EXPECT_EQ(player.sp, c.goesOff ? 0 : 7) << c.name;
        EXPECT_TRUE(Says(c.said)) << c.name << ": " << Messages();
        EXPECT_EQ(player.trapLock, c.lockAfter) << c.name;
        // A trap that was met is known from then on; one behind the lock is left as it lay.
        const bool met = c.kind != kNoTrap && c.lock == 0;
        EXPECT_EQ(Here().glyph, met || c.found ? kFoundTrapGlyph : kFloorGlyph) << c.name;
        if (met) {
            EXPECT_EQ(Here().colour, kLightMagenta) << c.name;
        }
    }
}

TEST_F(FeatureTest, StandingOnTheTrapSetsItOffOnlyOnce) {
    player.sp = 7;
    SetOff(kTrapEnergyDrain);
    player.sp = 7;
    TriggerTrap();
    EXPECT_EQ(player.sp, 7);
}

TEST_F(FeatureTest, WoundingTrapsHitForOneToThreeTimesTheLevelPlusThree) {
    // The highest wound roll on level 2: 9 hit points.
    player.level = 2;
    for (int32_t kind : {kTrapStoneBlock, kTrapSpikePit, kTrapIceDart}) {
        player.hp = 20;
        LayTrap(kind, true);
        SeedFor([](RandomMother& r) { return r.Random(4) == 0 && r.Random(9) == 8; });
        TriggerTrap();
        EXPECT_EQ(player.hp, 11) << kind;
    }
    EXPECT_TRUE(Says("You step on a trap! An icy stone block hits your head!"));
    EXPECT_TRUE(Says("You step on a trap! You fall into a pit full of icy spikes."));
    EXPECT_TRUE(Says("You step on a trap! A dart made of ice hits you."));
}

TEST_F(FeatureTest, AilmentTrapsAddTheirTurns) {
    player.poison = 0;
    SetOff(kTrapPoisonedSpear);
    EXPECT_GE(player.poison, 25);
    EXPECT_LE(player.poison, 49);
    EXPECT_TRUE(Says("A blunt spear hits you, but only slightly wounds you. The wound burns. The spear was poisoned."));

    SetOff(kTrapBlowpipe);
    EXPECT_GE(player.clumsiness, 16);
    EXPECT_LE(player.clumsiness, 27);
}

TEST_F(FeatureTest, PoisonProofArmourStopsTheSpearsPoison) {
    InitPrefixTable();
    DefineKind(kWeaponKind + 1, kItemArmour, 2, "leather boots");
    Wear(kSlotBoots, kWeaponKind + 1, kPrefixPoisonProof);
    const int32_t hp = player.hp;
    SetOff(kTrapPoisonedSpear);
    EXPECT_EQ(player.poison, 0);
    EXPECT_EQ(player.hp, hp);
    EXPECT_TRUE(Says("Luckily your armor prevents the poison from entering your system."));
}

TEST_F(FeatureTest, TheAlarmBellWakesTheMonstersOfThisFloorOnly) {
    Monster* here = AddMonster(30, 5, 0);
    Monster* below = AddMonster(30, 5, 1);
    SetOff(kTrapAlarmBell);
    EXPECT_EQ(here->awake, 1);
    EXPECT_EQ(here->hunting, 1);
    EXPECT_EQ(below->awake, 0);
}

TEST_F(FeatureTest, ShockAndGasWaitForTheSpaceBar) {
    Type(" ");
    SetOff(kTrapElectricShock);
    EXPECT_GE(player.paralysis, 15);
    EXPECT_LE(player.paralysis, 29);
    Type(" ");
    SetOff(kTrapSleepingGas);
    EXPECT_GE(player.sleep, 200);
    EXPECT_LE(player.sleep, 799);
    EXPECT_TRUE(Says("You step on a trap! A sweet yellow gas surrounds you. You fall asleep. Press space."));
}

TEST_F(FeatureTest, SingleUseTrapsVanishIntoTheFloorsOwnColour) {
    for (ColourCode walls : {kStoneWalls, kIcyWalls}) {
        for (int32_t kind : {kTrapBagExplosion, kTrapCurseRay, kTrapPurseRay}) {
            PrepareFeatureFloor(0, walls);
            Type(" ");
            SetOff(kind);
            EXPECT_EQ(Here().trapKind, kNoTrap) << kind;
            EXPECT_EQ(Here().glyph, kFloorGlyph) << kind;
            EXPECT_EQ(Here().colour, walls == kIcyWalls ? kIcyGround : kSnowyGround) << kind;
        }
    }
    EXPECT_TRUE(Says("Having used its only charge, the trap evaporates. Press space."));
}

TEST_F(FeatureTest, AvoidingASingleUseTrapDoesNotUseItUp) {
    LayTrap(kTrapPurseRay, true);
    SeedFor([](RandomMother& r) { return r.Random(4) == 1; });
    TriggerTrap();
    EXPECT_EQ(Here().trapKind, kTrapPurseRay);
}

TEST_F(FeatureTest, ThePurseRayTakesAtLeastOneCoinAndNeverMoreThanThePurseHolds) {
    // Floor 0 has no range to draw from: one coin goes.
    player.gold = 10;
    Type(" ");
    SetOff(kTrapPurseRay);
    EXPECT_EQ(player.gold, 9);
    EXPECT_TRUE(Says("A teleportation ray shoots out at your gold purse. Your purse feels lighter!"));

    PrepareFeatureFloor(34, kStoneWalls);
    player.gold = 5;
    Type(" ");
    LayTrap(kTrapPurseRay, true);
    SeedFor([](RandomMother& r) { return r.Random(4) == 0 && r.Random(96) == 95; });
    TriggerTrap();
    EXPECT_EQ(player.gold, 0);

    Type(" ");
    SetOff(kTrapPurseRay);
    EXPECT_EQ(player.gold, 0);
    EXPECT_TRUE(Says("Luckily nothing seems to happen."));
}

TEST_F(FeatureTest, TheBagExplosionSparesWornItemsAndStacks) {
    Wear(kSlotMainWeapon, kWeaponKind);
    const int32_t stack = Carry(kClothKind);
    player.inventory[stack].quantity = 3;
    Type(" ");
    LayTrap(kTrapBagExplosion, true);
    SeedFor([](RandomMother& r) { return r.Random(4) == 0 && r.Random(2) == 1; });
    TriggerTrap();
    EXPECT_EQ(player.inventory.size(), 2u);
    EXPECT_TRUE(Says("Luckily nothing is destroyed."));

    Carry(kClothKind);
    Type(" ");
    LayTrap(kTrapBagExplosion, true);
    SeedFor([](RandomMother& r) { return r.Random(4) == 0 && r.Random(2) == 1; });
    TriggerTrap();
    ASSERT_EQ(player.inventory.size(), 2u);
    EXPECT_TRUE(Says("The explosion destroys your linen shirt!"));
    EXPECT_EQ(player.inventory[player.equipSlots[kSlotMainWeapon]].kind, kWeaponKind);
}

TEST_F(FeatureTest, CrushingStonesNeverBreakOrMendAnItem) {
    for (int32_t durability : {0, 1}) {
        ResetGameState();
        PrepareConditions();
        PrepareFeatureFloor(0, kStoneWalls);
        const int32_t index = Wear(kSlotMainWeapon, kWeaponKind);
        player.inventory[index].durability = durability;
        SetOff(kTrapCrushingStones);
        EXPECT_EQ(player.inventory[index].durability, durability);
    }
    EXPECT_TRUE(Says("Two large stones crush you between them. You aren't damaged, but your equipment might be."));
}

TEST_F(FeatureTest, TheCurseRayCursesOnlyWornItemsNotYetCursed) {
    const int32_t cursed = Wear(kSlotMainWeapon, kWeaponKind, -1, kCursed);
    const int32_t thrown = Wear(kSlotThrownWeapon, kWeaponKind);
    Type(" ");
    LayTrap(kTrapCurseRay, true);
    SeedFor([](RandomMother& r) { return r.Random(4) == 0 && r.Random(3) == 0; });
    TriggerTrap();
    EXPECT_TRUE(Says("Luckily nothing seems to happen."));
    EXPECT_EQ(player.inventory[thrown].blessing, kUncursed);

    WearAccessory(kSlotRightRing, kPropertyAccuracy);
    const int32_t ring = player.equipSlots[kSlotRightRing];
    player.inventory[ring].identified = 0;
    Type(" ");
    LayTrap(kTrapCurseRay, true);
    SeedFor([](RandomMother& r) { return r.Random(4) == 0 && r.Random(3) == 0; });
    TriggerTrap();
    EXPECT_TRUE(Says("Something you're wearing feels heavier."));
    EXPECT_EQ(player.inventory[ring].blessing, kCursed);
    EXPECT_EQ(player.inventory[ring].identified, 1);
    EXPECT_EQ(player.inventory[cursed].blessing, kCursed);
}

TEST_F(FeatureTest, LavaMeltsTheSurroundingsAndHurtsTheMonstersBesideTheCharacter) {
    PrepareFeatureFloor(10, kSnowyWalls);
    WallIn();
    Floor& floor = floorArray[10];
    floor.At(kHere + 1, kHere).glyph = kFloorGlyph;
    floor.At(kHere + 1, kHere).colour = kIcyGround;
    floor.At(kHere - 2, kHere).glyph = kWallGlyph;  // outside the square
    Monster* weak = AddMonster(kHere + 1, kHere, 10);
    weak->hp = 2;
    Monster* strong = AddMonster(kHere - 1, kHere - 1, 10);
    strong->hp = 9;
    Monster* away = AddMonster(kHere + 2, kHere, 10);
    // Worn heat immunity spares the character, not the surroundings.
    WearAccessory(kSlotLeftRing, kPropertyHeatImmunity);
    const int32_t temperature = player.bodyTemperature;
    const int32_t hp = player.hp;
    SetOff(kTrapLava);
    EXPECT_EQ(weak->hp, 2);
    EXPECT_EQ(strong->hp, 6);
    EXPECT_EQ(away->hp, 10);
    EXPECT_EQ(player.hp, hp);
    EXPECT_EQ(player.bodyTemperature, temperature);
    EXPECT_EQ(floor.At(kHere - 1, kHere).colour, kStoneWalls);
    EXPECT_EQ(floor.At(kHere + 1, kHere).colour, kSnowyGround);
    EXPECT_EQ(floor.At(kHere - 2, kHere).colour, kSnowyWalls);
    EXPECT_TRUE(Says("It screams in pain. It screams in pain."));
    EXPECT_FALSE(Says("Your feet"));
}

TEST_F(FeatureTest, LavaScaldsByTheDepthOfTheFloor) {
    PrepareFeatureFloor(10, kStoneWalls);
    const int32_t temperature = player.bodyTemperature;
    player.hp = 40;
    SetOff(kTrapLava);
    EXPECT_EQ(player.bodyTemperature, temperature + 15 * 7);
    EXPECT_LT(player.hp, 40);
    EXPECT_TRUE(Says("Your feet didn't like the hot lava bath."));
}

TEST_F(FeatureTest, FallingIceWallsInTheCharacterWhereNothingLies) {
    floorArray[0].At(kHere + 1, kHere).items.push_back(ItemData{});
    AddMonster(kHere - 1, kHere, 0);
    AddSage(kHere, kHere + 1, 0);
    player.hp = 50;
    SetOff(kTrapFallingIce);
    const Floor& floor = floorArray[0];
    EXPECT_EQ(floor.At(kHere, kHere).glyph, kFoundTrapGlyph);
    EXPECT_EQ(floor.At(kHere + 1, kHere).glyph, kFloorGlyph);
    EXPECT_EQ(floor.At(kHere - 1, kHere).glyph, kFloorGlyph);
    EXPECT_EQ(floor.At(kHere, kHere + 1).glyph, kFloorGlyph);
    EXPECT_EQ(floor.At(kHere - 1, kHere - 1).glyph, kIceBlockGlyph);
    EXPECT_EQ(floor.At(kHere - 1, kHere - 1).colour, kSnowyGround);
    EXPECT_EQ(floor.At(kHere + 2, kHere).glyph, kFloorGlyph);
}

TEST_F(FeatureTest, ColdWaterChillsByTheDepth) {
    struct Case {
        int32_t floor;
        bool slain;
        int32_t loss;
    };
    for (const Case& c : {Case{0, false, 0}, Case{34, false, 360}, Case{34, true, 72}}) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            ResetGameState(seed);
            PrepareConditions();
            PrepareFeatureFloor(c.floor, kStoneWalls);
            player.demonSlainFlags[kFinalDemon] = c.slain ? 1 : 0;
            player.bodyTemperature = 6000;
            LayTrap(kTrapColdWater, true);
            rng.RandomInit(FindSeed([](RandomMother& r) { return r.Random(4) == 0; }, 1000 * seed));
            TriggerTrap();
            EXPECT_EQ(player.bodyTemperature, 6000 - c.loss) << c.floor;
            // No frostbite in the warmth after the final demon's death.
            if (c.slain) {
                EXPECT_EQ(player.frostbite, 0);
            }
        }
    }
    EXPECT_TRUE(Says("You fall into a small pool of almost warm water."));
}

TEST_F(FeatureTest, ColdImmunitySparesTheChillButNotTheWetting) {
    PrepareFeatureFloor(34, kStoneWalls);
    Wear(kSlotClothShirt, kClothKind);
    WearAccessory(kSlotRightRing, kPropertyColdImmunity);
    SetOff(kTrapColdWater);
    EXPECT_EQ(player.bodyTemperature, 6000);
    EXPECT_GT(player.inventory[player.equipSlots[kSlotClothShirt]].prefix, 0);
    EXPECT_TRUE(Says("Your clothes get wet."));
}

TEST_F(FeatureTest, TheTeleportTrapMovesTheCharacterToAFreeFloorTile) {
    SetOff(kTrapTeleport);
    const Tile& arrival = Here();
    EXPECT_TRUE(player.x != kHere || player.y != kHere);
    EXPECT_EQ(arrival.glyph, kFloorGlyph);
    EXPECT_EQ(arrival.monsterPresent, 1);
    EXPECT_EQ(floorArray[0].At(kHere, kHere).monsterPresent, 0);
    // The lock holds until an ordinary step: the arrival sets off nothing.
    EXPECT_EQ(player.trapLock, 1);
}

TEST_F(FeatureTest, FallingThroughTheFloorLandsOnTheFloorBelow) {
    PrepareFeatureFloor(5, kStoneWalls);
    PrepareFeatureFloor(4, kStoneWalls);
    Type("  ");
    SetOff(kTrapFallThrough);
    EXPECT_EQ(player.currentFloor, 5);
    EXPECT_EQ(player.deepestFloor, 5);
    EXPECT_EQ(Here().glyph, kFloorGlyph);
    EXPECT_EQ(Here().monsterPresent, 1);
    EXPECT_EQ(floorArray[4].At(kHere, kHere).monsterPresent, 0);
}

TEST_F(FeatureTest, TheDeepestFloorHasNothingToFallInto) {
    PrepareFeatureFloor(34, kStoneWalls);
    SetOff(kTrapFallThrough);
    EXPECT_EQ(player.currentFloor, 34);
    EXPECT_EQ(player.x, kHere);
    EXPECT_EQ(Here().glyph, kFoundTrapGlyph);
}

// The random searches give up in the end: a floor with no free tile leaves the character where it stands.
TEST_F(FeatureTest, AFloorWithoutAFreeTileNeverHangsATrap) {
    for (Tile& tile : floorArray[0].tiles) tile.glyph = kWallGlyph;
    SetOff(kTrapTeleport);
    EXPECT_EQ(player.x, kHere);
    EXPECT_EQ(player.y, kHere);
    EXPECT_EQ(Here().monsterPresent, 1);
}

}  // namespace

