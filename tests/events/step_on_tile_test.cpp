#include <gtest/gtest.h>

#include <string>

#include "events/world_events.h"
#include "events_fixture.h"
#include "floors/floor_feelings.h"
#include "items/item_prefixes.h"
#include "world/player.h"

namespace {

using conditions::kClothKind;
using conditions::kWeaponKind;
using conditions::WearAccessory;

bool Said(const std::string& text) { return Messages().find(text) != std::string::npos; }

// ---- what the tile says ----

using TileDescriptions = EventTest;

TEST_F(TileDescriptions, FeaturesAreDescribedWithTheUseKeyWhileUsable) {
    struct Case {
        char glyph;
        int32_t state;
        ColourCode colour;
        const char* text;
    };
    const Case cases[] = {
        {kCampfireGlyph, 5, kCampfireColour,
         "There is an abandoned camp here. The flames of the campfire warm you while you stand here."},
        {kCampfireGlyph, 0, kDeadCampfireColour, "There is an abandoned camp here. The campfire is dead."},
        {kAltarGlyph, 0, kAltarColour,
         "There is an ancient altar of the Goddess here. You could sacrifice something on it. (Press 'u' to use.)"},
        {kSnowmanGlyph, 1, kWhite, "There is a twisted snowman here. You could destroy it. (Press 'u' to use.)"},
        {kSnowmanGlyph, 0, kWhite, "There is a heap of snow here."},
        {kMirrorGlyph, 1, kMirrorColour, "There is an ice mirror here. You could check your looks here. (Press 'u' to use.)"},
        {kMirrorGlyph, 0, kMirrorColour, "There is an ice mirror here. You can't see anything in it."},
        {kVeilSpiritGlyph, 1, kWhite,
         "There is a spirit veil made of heavy fabric here. You could peek behind the veil. (Press 'u' to use.)"},
        {kVeilSpiritGlyph, 0, kWhite, "There is a spirit veil made of heavy fabric here."},
        {kWritingGlyph, 1, kWhite,
         "There is an ancient scroll nailed on a pedestal here. You understand the writing, so you could read it. "
         "(Press 'u' to use.)"},
        {kWritingGlyph, 0, kWhite, "There is an ancient scroll nailed on a pedestal here. It's blank."},
        {kBagGlyph, 1, kBrown,
         "There is a frozen body of a long dead adventurer here. The body is hugging a bag which you could loot. "
         "(Press 'u' to use.)"},
        {kBagGlyph, 0, kBrown, "There is a frozen body of a long dead adventurer here."},
        {kPoolGlyph, 6, kBlue,
         "There is a hole in the ice here, leading into a pool of icy water. You catch a glimpse of an item on the "
         "bottom of the ten foot deep pool. Ice swimming here would be a very chilling experience. (Press 'u' to use.)"},
        {kPoolGlyph, 5, kBlue,
         "There is a hole in the ice here, leading into a pool of icy water. You catch a glimpse of an item on the "
         "bottom of the foot deep pool. Ice swimming here would be a very chilling experience. (Press 'u' to use.)"},
        {kPoolGlyph, 0, kBlue, "You notice that the previously liquid water in the pool is now ice."},
    };
    for (const Case& c : cases) {
        Tile& tile = floorArray[0].At(player.x, player.y);
        tile.glyph = c.glyph;
        tile.featureState = c.state;
        tile.colour = c.colour;
        messageLog = MessageLog();
        rng.RandomInit(1);
        StepOnTile();
        EXPECT_EQ(Messages(), c.text) << c.glyph << " " << c.state;
    }
}

TEST_F(TileDescriptions, StairsTakeTheirWordFromTheWallsOfTheFloorTheyLeadTo) {
    struct Case {
        int32_t floor;
        char glyph;
        ColourCode walls;
        const char* text;
    };
    for (const Case c : {Case{0, kUpStairsGlyph, kIcyWalls, "You see stairs leading upwards here."},
                         Case{1, kUpStairsGlyph, kIcyWalls, "You see icy stairs leading upwards here."},
                         Case{1, kDownStairsGlyph, kSnowyWalls, "You see snowy stairs leading downwards here."},
                         Case{1, kDownStairsGlyph, kStoneWalls, "You see stairs leading downwards here."},
                         Case{34, kDownStairsGlyph, kIcyWalls, "You see stairs leading downwards here."}}) {
        for (int32_t f = 0; f < kFloorCount; ++f) {
            for (Tile& tile : floorArray[f].tiles) tile.colour = c.walls;  // every wall of every floor
        }
        // The floor the character stands on has walls of no scheme: they must not count.
        for (Tile& tile : floorArray[c.floor].tiles) tile.colour = kDarkGrey;
        OpenArea(floorArray[c.floor], 5, 5, 15, 15);
        player.currentFloor = c.floor;
        floorArray[c.floor].At(player.x, player.y).glyph = c.glyph;
        messageLog = MessageLog();
        rng.RandomInit(1);
        StepOnTile();
        EXPECT_EQ(Messages(), c.text) << c.floor;
    }
}

// ---- the folk greet ----

TEST_F(EventTest, TheFolkGreetOncePerApproachTheFirstInVisitingOrder) {
    floorArray[0].At(9, 11).glyph = kDeepSmithGlyph;  // dx -1: visited before the sage at dx +1
    AddSage(11, 9, 0);
    GreetNpc();
    EXPECT_EQ(Messages(), "The smith waves a hello to you. (Press 'c' to chat.)");
    messageLog = MessageLog();
    GreetNpc();  // still beside them
    EXPECT_EQ(Messages(), "");
    player.x = 30;  // away from both
    GreetNpc();
    EXPECT_EQ(player.besideNpc, 0);
    player.x = 12;
    player.y = 10;  // beside the sage only
    GreetNpc();
    EXPECT_EQ(Messages(), "The sage nods a greeting to you. (Press 'c' to chat.)");
}

// ---- unstable gear ----

TEST_F(EventTest, UnstableGearThrowsTheCharacterOntoAFreeFloorTileAndTheStepGoesOnThere) {
    Wear(kSlotMainWeapon, kWeaponKind, kPrefixUnstable);
    for (Tile& tile : floorArray[0].tiles) {
        if (tile.glyph == kFloorGlyph) tile.glyph = kWallGlyph;
    }
    floorArray[0].At(player.x, player.y).glyph = kFloorGlyph;
    floorArray[0].At(60, 4).glyph = kFloorGlyph;
    floorArray[0].At(60, 4).gold = 7;
    SeedFor([](RandomMother& g) { return g.Random(150) == 0; });
    StepOnTile();
    EXPECT_EQ(player.x, 60);
    EXPECT_EQ(player.y, 4);
    EXPECT_EQ(floorArray[0].At(10, 10).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(60, 4).monsterPresent, 1);
    EXPECT_EQ(player.gold, 7);
    EXPECT_EQ(Messages(), "*Flop*. You see some money here. You pick up 7 coins.");

    // With no free floor tile left anywhere the flop finds nowhere to go instead of searching for ever.
    floorArray[0].At(10, 10).glyph = kWallGlyph;
    messageLog = MessageLog();
    SeedFor([](RandomMother& g) { return g.Random(150) == 0; });
    StepOnTile();
    EXPECT_EQ(player.x, 60);
    EXPECT_EQ(player.y, 4);
    EXPECT_EQ(Messages(), "*Flop*.");
}

// ---- hidden traps ----

TEST_F(EventTest, TheTrapRingFindsEveryHiddenTrapAroundAndColoursItByKind) {
    WearAccessory(kSlotLeftRing, kPropertyTrapSight);
    floorArray[0].At(9, 9).trapKind = kTrapPoisonedSpear;
    floorArray[0].At(11, 11).trapKind = kTrapPurseRay;
    floorArray[0].At(12, 10).trapKind = kTrapLava;  // out of reach
    FindHiddenTrap();
    EXPECT_EQ(floorArray[0].At(9, 9).glyph, kFoundTrapGlyph);
    EXPECT_EQ(floorArray[0].At(9, 9).colour, kLightGreen);
    EXPECT_EQ(floorArray[0].At(11, 11).glyph, kFoundTrapGlyph);
    EXPECT_EQ(floorArray[0].At(11, 11).colour, kBrown);
    EXPECT_EQ(floorArray[0].At(12, 10).glyph, kFloorGlyph);
    EXPECT_EQ(Messages(), "You find a hidden trap! You find a hidden trap!");
}

// ---- rare events of the step ----

using StepEvents = EventScreenTest;

TEST_F(StepEvents, TheLightBallTrainsTheCharacterAndLeavesSlush) {
    floorArray[0].At(player.x, player.y).glyph = kLightBallGlyph;
    player.traits[kTraitExtraHp] = 0;
    Type("   a   ");
    EnterTrainingRoom();
    EXPECT_EQ(floorArray[0].At(player.x, player.y).glyph, kSlushGlyph);
    EXPECT_EQ(floorArray[0].At(player.x, player.y).colour, kMagenta);
    EXPECT_EQ(player.traits[kTraitExtraHp], 1);
    EXPECT_TRUE(Said("After you're done training, you return back to the snowy dungeon"));
}

TEST_F(StepEvents, TheMaskMeldsIntoACalmCharacterAndIgnoresARagingOne) {
    floorArray[0].At(0, 0).colour = kIcyWalls;
    floorArray[0].At(player.x, player.y).glyph = kMaskGlyph;
    player.berserkTurns = 3;
    MeetRotatingMask();
    EXPECT_EQ(Messages(), "The mask ignores you.");
    EXPECT_EQ(floorArray[0].At(player.x, player.y).glyph, kMaskGlyph);

    player.berserkTurns = 0;
    messageLog = MessageLog();
    Type("   ");
    MeetRotatingMask();
    EXPECT_EQ(player.berserkBoon, kBoonMaskWaiting);
    EXPECT_EQ(floorArray[0].At(player.x, player.y).glyph, kFloorGlyph);
    EXPECT_EQ(floorArray[0].At(player.x, player.y).colour, kIcyGround);
    EXPECT_TRUE(Said("hits your face and melds into you."));
}

// A monster in sight may start the rage before the next command is read: the
// mask's last sentence is on the screen, waiting for a key, before anything else.
TEST_F(StepEvents, TheMasksLastSentenceIsReadBeforeTheRageCanStart) {
    floorArray[0].At(player.x, player.y).glyph = kMaskGlyph;
    Type(" ");  // the first page of the story
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { MeetRotatingMask(); }));
    const std::string rows = Row(19) + Row(20) + Row(21);
    EXPECT_NE(rows.find("you're only left with a feeling of anticipation."), std::string::npos) << Dump();
    EXPECT_NE(rows.find("-More-"), std::string::npos) << Dump();
}

TEST_F(StepEvents, AHordeGathersOnNineCellsOutOfSight) {
    for (Tile& tile : floorArray[0].tiles) tile.visibleNow = 1;
    for (int32_t x = 40; x <= 42; ++x) {
        for (int32_t y = 5; y <= 7; ++y) floorArray[0].At(x, y).visibleNow = 0;
    }
    SeedFor([](RandomMother& g) { return g.Random(10000) == 0; });
    Type(" ");
    SummonAngryHorde();
    EXPECT_EQ(MonsterCount(0), 9);
    EXPECT_TRUE(IsMonsterAt(40, 5, 0));
    EXPECT_TRUE(IsMonsterAt(42, 7, 0));
    EXPECT_TRUE(Said("You hear many monstrous, loud and angry sounds nearby!"));
}

TEST_F(EventTest, NoHordeWithoutAHiddenSpotNorOnTheDemonsFloors) {
    SeedFor([](RandomMother& g) { return g.Random(10000) == 0; });
    SummonAngryHorde();  // everything is in view
    EXPECT_EQ(MonsterCount(0), 0);
    EXPECT_EQ(Messages(), "");
    player.currentFloor = 6;
    OpenArea(floorArray[6], 1, 1, 78, 17);
    const RandomMother before = rng;
    SummonAngryHorde();
    EXPECT_EQ(rng.Random(1000000), RandomMother(before).Random(1000000));
}

TEST_F(StepEvents, IllnessStrikesOnlyTheHealthyAndUnprotected) {
    struct Case {
        int32_t temperature;
        int32_t odds;
        int32_t kind;
        bool fever;
        bool sickness;
    };
    for (const Case c : {Case{4000, 10000, 0, true, true}, Case{4001, 15000, 1, false, true},
                         Case{6001, 20000, 2, true, false}}) {
        player.fever = 0;
        player.sickness = 0;
        player.bodyTemperature = c.temperature;
        // The horde stays away (1 in 10000), the sneeze comes, then the kind of illness.
        SeedFor([&](RandomMother& g) {
            const int32_t horde = g.Random(10000);
            const int32_t sneeze = g.Random(c.odds);
            return horde != 0 && sneeze == 0 && g.Random(3) == c.kind;
        });
        messageLog = MessageLog();
        Type(" ");
        StepOnTile();
        EXPECT_EQ(player.fever > 0, c.fever) << c.temperature;
        EXPECT_EQ(player.sickness > 0, c.sickness) << c.temperature;
        EXPECT_TRUE(Said("You sneeze. You've become ill.")) << c.temperature;
    }
}

TEST_F(StepEvents, SlippingOnIceHurtsUnlessTheRingKeepsTheCharacterSteady) {
    floorArray[0].At(player.x, player.y).colour = kIcyGround;
    floorArray[0].weather = kWeatherFreezingDrizzle;
    player.level = 2;
    player.hp = 50;
    // No horde (1 in 10000) nor illness (1 in 15000), the slip (1 in 75) and the most damage of 2L + 2.
    const auto seed = [](RandomMother& g) {
        const int32_t horde = g.Random(10000);
        const int32_t sneeze = g.Random(15000);
        const int32_t slip = g.Random(75);
        const int32_t damage = g.Random(6);
        return horde != 0 && sneeze != 0 && slip == 0 && damage == 5;
    };
    SeedFor(seed);
    Type(" ");
    StepOnTile();
    EXPECT_EQ(player.hp, 44);
    EXPECT_TRUE(Said("You slip and fall over!"));

    WearAccessory(kSlotRightRing, kPropertySureFooting);
    SeedFor(seed);
    StepOnTile();
    EXPECT_EQ(player.hp, 44);
}

TEST_F(StepEvents, DeepSnowHoldsTheCharacterOnSnowyFloorsOnly) {
    floorArray[0].At(0, 0).colour = kSnowyWalls;
    floorArray[0].At(player.x, player.y).colour = kSnowyGround;
    floorArray[0].weather = kWeatherSnowing;
    SeedFor([](RandomMother& g) {
        const int32_t sink = g.Random(125);
        return sink == 0 && g.Random(11) == 10;
    });
    Type(" ");
    SinkInDeepSnow();
    EXPECT_EQ(player.immobility, 15);
    EXPECT_TRUE(Said("Your foot sinks deep into a snowy hole! You're immobilized."));

    floorArray[0].feeling = kFeelingHardSnow;
    const RandomMother before = rng;
    SinkInDeepSnow();
    EXPECT_EQ(rng.Random(1000000), RandomMother(before).Random(1000000));
}

TEST_F(StepEvents, AQuakeDropsIceBlocksOnlyOnFreeFloor) {
    floorArray[0].feeling = kFeelingStalactites;
    // The count (0 + 5 + 20 blocks), then the quake itself (1 in 500).
    SeedFor([](RandomMother& g) {
        const int32_t count = g.Random(10);
        return count == 0 && g.Random(500) == 0;
    });
    floorArray[0].At(20, 5).PutItemOnTile(kClothKind, 10, 0, 1, kNotMadeByGame, -1, 0);
    AddMonster(21, 5, 0);
    Type(" ");
    ShakeLevel();
    int32_t blocks = 0;
    for (const Tile& tile : floorArray[0].tiles) {
        if (tile.glyph == kIceBlockGlyph) {
            ++blocks;
            EXPECT_EQ(tile.colour, kSnowyGround);
        }
    }
    EXPECT_EQ(blocks, 25);
    EXPECT_EQ(floorArray[0].At(20, 5).glyph, kFloorGlyph);
    EXPECT_EQ(floorArray[0].At(21, 5).glyph, kFloorGlyph);
    EXPECT_EQ(floorArray[0].At(player.x, player.y).glyph, kFloorGlyph);
}

TEST_F(StepEvents, TheAvalancheNeedsAWallAndFloorInViewAndBuriesTheFreeFloor) {
    player.sightRadius = 2;
    floorArray[0].At(12, 12).glyph = kWallGlyph;
    AddMonster(11, 10, 0);
    player.level = 1;
    player.hp = 50;
    SeedFor([](RandomMother& g) {
        const int32_t rumble = g.Random(15000);
        return rumble == 0 && g.Random(6) == 0;
    });
    Type(" ");
    TriggerAvalanche();
    EXPECT_EQ(floorArray[0].At(9, 9).glyph, kIceBlockGlyph);
    EXPECT_EQ(floorArray[0].At(12, 8).glyph, kIceBlockGlyph);
    EXPECT_EQ(floorArray[0].At(11, 10).glyph, kFloorGlyph);  // the monster's
    EXPECT_EQ(floorArray[0].At(player.x, player.y).glyph, kFloorGlyph);
    EXPECT_EQ(floorArray[0].At(13, 10).glyph, kFloorGlyph);  // beyond the square
    EXPECT_EQ(player.hp, 49);
}

TEST_F(StepEvents, ThePriestsPrayerStunsTheMonstersInSightWhenThreeAreThere) {
    Monster* near[3] = {AddMonster(11, 10, 0), AddMonster(9, 9, 0), AddMonster(12, 12, 0)};
    Monster* far = AddMonster(40, 10, 0);
    SeedFor([](RandomMother& g) { return g.Random(1250) == 0; });
    Type("   ");
    HearPriestPrayer();
    for (Monster* m : near) EXPECT_EQ(m->stunTurns, 10);
    EXPECT_EQ(far->stunTurns, 0);
    // The whole prayer reaches the message lines, word by word.
    EXPECT_TRUE(Said("\"Goddess, mother of all, protect this one during the hour of need!\" You recognize the voice "
                     "of your village priest, who is now aiding you with a prayer. All the monsters are literally "
                     "struck dumb."));
}

TEST_F(StepEvents, TheColdWindAndWarmBreezeFollowTheDepth) {
    struct Case {
        int32_t floor;
        int32_t change;
    };
    for (const Case c : {Case{0, 0}, Case{34, 360}}) {
        player.currentFloor = c.floor;
        OpenArea(floorArray[c.floor], 1, 1, 78, 17);
        floorArray[c.floor].At(0, 0).colour = kStoneWalls;
        player.bodyTemperature = 6000;
        // Every earlier event misses (no horde comes to the demon's floor 34); then the
        // wind blows and the breeze does not.
        SeedFor([&](RandomMother& g) {
            const int32_t horde = c.floor == 34 ? 1 : g.Random(10000);
            const int32_t sneeze = g.Random(15000);
            const int32_t stalactite = g.Random(12500);
            g.Random(10);
            const int32_t quake = g.Random(15000);
            const int32_t wind = g.Random(7500);
            const int32_t breeze = g.Random(7500);
            return horde != 0 && sneeze != 0 && stalactite != 0 && quake != 0 && wind == 0 && breeze != 0;
        });
        floorArray[c.floor].layoutType = kLayoutRooms;
        Type(" ");
        StepOnTile();
        EXPECT_EQ(player.bodyTemperature, 6000 - c.change) << c.floor;
        EXPECT_TRUE(Said("A cold wind makes you shiver.")) << c.floor;
    }
}

// ---- digging in the snow ----

TEST_F(StepEvents, ABuriedFindOnAFullTileIsGold) {
    Tile& tile = floorArray[0].At(player.x, player.y);
    tile.colour = kSnowyGround;
    tile.featureState = kBuriedItemState;
    for (int32_t i = 0; i < kMaxTileItems; ++i) tile.items.push_back(ItemData{});
    for (ItemData& item : tile.items) item.kind = kWeaponKind;
    player.currentFloor = 0;
    SeedFor([](RandomMother& g) { return g.Random(3) == 0; });
    Type(" ");
    DigUpItem();
    EXPECT_EQ(tile.featureState, 0);
    EXPECT_EQ(tile.items.size(), static_cast<std::size_t>(kMaxTileItems));
    EXPECT_EQ(tile.gold, 6);  // floor 0: 6 + 0 + Random(1)
    EXPECT_TRUE(Said("You stumble on something you didn't notice before in the deep snow. You dig it up. You see "
                     "several items and some money here."));
}

}  // namespace
