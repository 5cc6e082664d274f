// Magic writing: one reading, then a blank scroll; the effects at their edges.
#include "events/feature_fixture.h"
#include "events/magic_writing.h"
#include "floors/floor_feelings.h"

namespace {

using namespace conditions;
using namespace features;
using fight::SeedFor;

// Reads a fresh writing whose effect draw gives `effect` first.
void ReadWriting(int32_t effect) {
    PlaceFeature(kWritingGlyph, kFeatureUnused);
    SeedFor([effect](RandomMother& r) { return r.Random(kWritingEffectCount) == effect; });
    EXPECT_EQ(player.UseDungeonFeature(), 1);
}

TEST_F(FeatureTest, AWritingIsReadOnceAndStaysABlankScroll) {
    player.gold = 8;
    ReadWriting(kWritingPurseLighter);
    EXPECT_EQ(player.gold, 6);
    EXPECT_EQ(Here().glyph, kWritingGlyph);
    EXPECT_EQ(Here().featureState, kFeatureSpent);
    EXPECT_TRUE(Says("Now there is only a blank scroll in front of you. Your purse feels lighter!"));
}

TEST_F(FeatureTest, ThePredictionDealIsNotOfferedWhileOneIsHeld) {
    player.predictedKiller = 'r';
    PlaceFeature(kWritingGlyph, kFeatureUnused);
    // The first draw offers the deal again; the next one gives more experience.
    SeedFor([](RandomMother& r) {
        return r.Random(kWritingEffectCount) == kWritingPredictionDeal &&
               r.Random(kWritingEffectCount) == kWritingExperienceUp;
    });
    player.UseDungeonFeature();
    EXPECT_EQ(player.predictedKiller, 'r');
    EXPECT_EQ(player.experience, 1);
}

TEST_F(FeatureTest, ThePredictionDealTakesTheFirstLowerCaseLetter) {
    Type("A7q");
    ReadWriting(kWritingPredictionDeal);
    EXPECT_EQ(player.predictedKiller, 'q');
    EXPECT_TRUE(Says("Enter a lower case letter. (Affects both cases) \"So be it.\""));
}

TEST_F(FeatureTest, TheMapSpellsFizzleOnAConfusingFloor) {
    floorArray[0].feeling = kFeelingConfusing;
    floorArray[0].At(30, 5).remembered = 1;
    ReadWriting(kWritingMapForgotten);
    EXPECT_EQ(floorArray[0].At(30, 5).remembered, 1);
    EXPECT_TRUE(Says("blank scroll in front of you. The spell fizzles!"));
    EXPECT_FALSE(Says("Suddenly"));
}

TEST_F(FeatureTest, ToxicGasHalvesEveryonesHealthButKillsNobody) {
    Monster* rat = AddMonster(30, 5, 0);
    rat->hp = 1;
    Monster* elsewhere = AddMonster(30, 5, 1);
    for (int32_t hp : {1, 7}) {
        player.hp = hp;
        PoisonFloorWithGas();
        EXPECT_EQ(player.hp, hp == 1 ? 1 : 4);
    }
    EXPECT_EQ(rat->hp, 1);
    EXPECT_EQ(elsewhere->hp, 10);
}

TEST_F(FeatureTest, PurseAndExperienceEffectsAtTheirEdges) {
    struct Case {
        const char* name;
        void (*effect)();
        int32_t gold;
        int64_t experience;
        int32_t goldAfter;
        int64_t experienceAfter;
        const char* said;
    };
    const Case cases[] = {
        {"lighter, 3 gold", LightenPurse, 3, 0, 3, 0, "Your purse feels lighter!"},
        {"lighter, no gold", LightenPurse, 0, 0, 0, 0, "Nothing happens."},
        {"heavier, no gold", HeavierPurse, 0, 0, 0, 0, "Your purse feels heavier!"},
        {"heavier, 10 gold", HeavierPurse, 10, 0, 14, 0, "Your purse feels heavier!"},
        {"more, from 0", RaiseExperience, 0, 0, 0, 1, "You feel more experienced."},
        {"more, from 30", RaiseExperience, 0, 30, 0, 39, "You feel more experienced."},
        {"more, below the threshold", RaiseExperience, 0, 40, 0, 41, "You feel more experienced."},
        {"less, from 1", LowerExperience, 0, 1, 0, 0, "You feel less experienced."},
        {"less, from 20", LowerExperience, 0, 20, 0, 17, "You feel less experienced."},
        {"less, from 0", LowerExperience, 0, 0, 0, 0, "Nothing happens."},
    };
    for (const Case& c : cases) {
        ResetGameState();
        player.levelThreshold = 42;
        player.gold = c.gold;
        player.experience = c.experience;
        c.effect();
        EXPECT_EQ(player.gold, c.goldAfter) << c.name;
        EXPECT_EQ(player.experience, c.experienceAfter) << c.name;
        EXPECT_EQ(Messages(), c.said) << c.name;
    }
}

TEST_F(FeatureTest, PietyMovesByTheTierOfTheFloor) {
    player.currentFloor = 0;
    player.piety = 100;
    RaisePiety();  // tier 1: half of 220
    EXPECT_EQ(player.piety, 210);
    player.piety = 1000;
    RaisePiety();
    EXPECT_EQ(player.piety, 1500);
    player.currentFloor = 13;
    player.piety = 0;
    LowerPiety();  // tier 3: a third of 660
    EXPECT_EQ(player.piety, -220);
}

TEST_F(FeatureTest, KindsAreIdentifiedAndForgotten) {
    ForgetRandomKind();
    EXPECT_EQ(Messages(), "Nothing happens.");
    DefineKind(40, kItemPotion, 0, "potion of warmth");
    IdentifyRandomKind();
    EXPECT_EQ(player.identifiedKinds[40], 1);
    ForgetRandomKind();
    EXPECT_EQ(player.identifiedKinds[40], 0);
    EXPECT_TRUE(Says("Some item has been unidentified."));
}

TEST_F(FeatureTest, MonstersAppearOnlyOnOpenTilesAroundTheCharacter) {
    WallIn();
    SummonMonstersAround();
    EXPECT_EQ(Messages(), "Nothing happens.");
    EXPECT_EQ(MonsterCount(), 0);
}

TEST_F(FeatureTest, TrapSpellsChangeOnlyHiddenTrapsAndTheShockwaveKeepsTheBorder) {
    floorArray[0].At(20, 5).trapKind = kTrapSpikePit;
    floorArray[0].At(21, 5).trapKind = kTrapIceDart;
    floorArray[0].At(21, 5).glyph = kFoundTrapGlyph;
    DestroyHiddenTraps();
    EXPECT_EQ(floorArray[0].At(20, 5).trapKind, kNoTrap);
    EXPECT_EQ(floorArray[0].At(21, 5).trapKind, kTrapIceDart);

    AddTraps();
    int32_t traps = 0;
    for (const Tile& tile : floorArray[0].tiles) traps += tile.trapKind > 0 && tile.glyph == kFloorGlyph;
    EXPECT_GE(traps, 1);
    EXPECT_LE(traps, 5);

    floorArray[0].At(40, 9).glyph = kWallGlyph;
    SendShockwave();
    EXPECT_EQ(floorArray[0].At(40, 9).glyph, kIceBlockGlyph);
    EXPECT_EQ(floorArray[0].At(0, 9).glyph, kWallGlyph);
    EXPECT_EQ(floorArray[0].At(40, kFloorHeight - 1).glyph, kWallGlyph);
    EXPECT_EQ(player.dizziness, 10);
    DestroyIceBlocks();
    EXPECT_EQ(floorArray[0].At(40, 9).glyph, kFloorGlyph);
}

TEST_F(FeatureTest, NewItemsLieOutOfSightOrTurnIntoGold) {
    // With no item kinds in play every find is gold: 6 to 6 + 3k on floor 0.
    AddItems();
    int32_t piles = 0;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floorArray[0].At(x, y);
            if (tile.gold == 0) continue;
            ++piles;
            EXPECT_EQ(tile.gold % 6, 0);
            EXPECT_TRUE(x > 0 && y > 0 && x < kFloorWidth - 1 && y < kFloorHeight - 1);
        }
    }
    EXPECT_GE(piles, 1);
}

TEST_F(FeatureScreenTest, SensedTrapsAreShownAndBecomeKnown) {
    floorArray[0].At(20, 5).trapKind = kTrapLava;
    floorArray[0].At(21, 5).trapKind = kTrapLava;
    floorArray[0].At(21, 5).glyph = kIceBlockGlyph;  // buried under ice
    Type(" ");
    ASSERT_TRUE(RunUntilItWaitsForAKey([] { SenseTraps(); }));
    EXPECT_EQ(CharAt(5, 20), '^');
    EXPECT_EQ(ColourAt(5, 20), kLightRed);
    EXPECT_EQ(TextAt(23, 33, 12), "Press space.");
    EXPECT_EQ(floorArray[0].At(20, 5).glyph, kFoundTrapGlyph);
    EXPECT_EQ(floorArray[0].At(20, 5).colour, kLightRed);
    EXPECT_EQ(floorArray[0].At(21, 5).glyph, kIceBlockGlyph);
}

}  // namespace
