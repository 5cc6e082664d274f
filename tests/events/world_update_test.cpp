#include <gtest/gtest.h>

#include <string>

#include "events/fading_boosts.h"
#include "events/world_events.h"
#include "events_fixture.h"
#include "floors/floor_feelings.h"
#include "skills/skill_def.h"

namespace {

using conditions::kClothKind;
using conditions::kWeaponKind;
using conditions::WearAccessory;

// ---- wandering monsters ----

// Wanderers come out of sight: here the character sees nothing at all.
class WanderingMonsters : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        HideEverything();
    }
    static void HideEverything() {
        for (Floor& floor : floorArray) {
            for (Tile& tile : floor.tiles) tile.visibleNow = 0;
        }
    }
};

// The floor, level and feeling that forbid a wanderer draw nothing at all.
TEST_F(WanderingMonsters, NeverOnPrebuiltOrDullFloorsNorBesideASnowmanOrWriting) {
    struct Case {
        int32_t layout;
        int32_t feeling;
        char underfoot;
    };
    for (const Case c : {Case{kLayoutPrebuilt, kFeelingNone, '.'}, Case{kLayoutRooms, kFeelingDull, '.'},
                         Case{kLayoutRooms, kFeelingNone, kSnowmanGlyph}, Case{kLayoutRooms, kFeelingNone, kWritingGlyph}}) {
        floorArray[0].layoutType = c.layout;
        floorArray[0].feeling = c.feeling;
        floorArray[0].At(player.x, player.y).glyph = c.underfoot;
        const RandomMother before = rng;
        SpawnWanderingMonster();
        EXPECT_EQ(rng.Random(1000000), RandomMother(before).Random(1000000)) << c.layout << " " << c.feeling;
        EXPECT_EQ(MonsterCount(0), 0);
    }
}

// The odds are one in 350 + 6f, shrinking by 100 a level above 17 down to one in
// 200; an exciting floor makes them one in 100 whatever the level.
TEST_F(WanderingMonsters, OddsFollowDepthLevelAndFeeling) {
    struct Case {
        int32_t floor;
        int32_t level;
        int32_t feeling;
        int32_t odds;
    };
    for (const Case c : {Case{0, 1, kFeelingNone, 350}, Case{10, 17, kFeelingNone, 410}, Case{10, 18, kFeelingNone, 310},
                         Case{10, 25, kFeelingNone, 200}, Case{10, 25, kFeelingExciting, 100}}) {
        ResetGameState();
        conditions::PrepareConditions();
        events::PrepareEvents();
        HideEverything();
        OpenArea(floorArray[c.floor], 1, 1, 78, 17);
        floorArray[c.floor].layoutType = kLayoutRooms;
        floorArray[c.floor].feeling = c.feeling;
        player.currentFloor = c.floor;
        player.level = c.level;
        // A roll of 0 spawns; a roll of 1 (just past it) does not. Both need the odds right.
        SeedFor([&](RandomMother& g) { return g.Random(c.odds) == 0; });
        SpawnWanderingMonster();
        EXPECT_EQ(MonsterCount(c.floor), 1) << c.floor << " " << c.level;
        SeedFor([&](RandomMother& g) { return g.Random(c.odds) == 1; });
        SpawnWanderingMonster();
        EXPECT_EQ(MonsterCount(c.floor), 1) << c.floor << " " << c.level;
    }
}

TEST_F(WanderingMonsters, AFloorOfThirtyMayReachThirtyOneButNoMore) {
    for (int32_t i = 0; i < 30; ++i) AddMonster(50 + i % 20, 1 + i / 20, 0);
    SeedFor([](RandomMother& g) { return g.Random(350) == 0; });
    SpawnWanderingMonster();
    EXPECT_EQ(MonsterCount(0), 31);
    SeedFor([](RandomMother& g) { return g.Random(350) == 0; });
    SpawnWanderingMonster();
    EXPECT_EQ(MonsterCount(0), 31);
}

// It comes only where the character cannot see it, on open floor.
TEST_F(WanderingMonsters, ArrivesOutOfSightOnOpenFloor) {
    for (Tile& tile : floorArray[0].tiles) tile.visibleNow = 1;
    floorArray[0].At(40, 9).visibleNow = 0;
    SeedFor([](RandomMother& g) { return g.Random(350) == 0; });
    SpawnWanderingMonster();
    ASSERT_NE(monsterListHead, nullptr);
    EXPECT_EQ(monsterListHead->x, 40);
    EXPECT_EQ(monsterListHead->y, 9);
}

// ---- wild rage ----

using WildRage = EventTest;

TEST_F(WildRage, BurnsLevelSpecialPointsAndEndsWhenTheyRunOut) {
    struct Case {
        int32_t sp;
        int32_t level;
        int32_t spAfter;
        bool ends;
    };
    for (const Case c : {Case{3, 5, 0, true}, Case{0, 5, 0, true}, Case{5, 5, 0, true}, Case{6, 5, 1, false}}) {
        player.activeSkill = kSkillWildRage;
        player.sp = c.sp;
        player.level = c.level;
        messageLog = MessageLog();
        UpdateWorld();
        EXPECT_EQ(player.sp, c.spAfter) << c.sp;
        EXPECT_EQ(player.activeSkill == 0, c.ends) << c.sp;
        EXPECT_EQ(Messages().find("You run out of energy to rage.") != std::string::npos, c.ends) << c.sp;
    }
}

// ---- boosts ----

TEST_F(EventTest, BoostsRunDownAndWarnAtTenTurnsStoneSkinAtFive) {
    player.agilityBoost = 11;
    player.strengthBoost = 10;
    player.dexterityBoost = 1;
    player.speedBoost = 0;
    player.stoneSkinTurns = 6;
    WarnBoostsFading();
    EXPECT_EQ(player.agilityBoost, 10);
    EXPECT_EQ(player.strengthBoost, 9);
    EXPECT_EQ(player.dexterityBoost, 0);
    EXPECT_EQ(player.speedBoost, 0);
    EXPECT_EQ(player.stoneSkinTurns, 5);
    EXPECT_EQ(Messages(),
              "Your temporary agility boost is quickly fading away. Your temporary stone skin is quickly fading away.");
}

// ---- melting ----

TEST_F(EventTest, VaporizingGearMeltsEveryIceBlockInViewWithASloshEach) {
    Wear(kSlotMainWeapon, kWeaponKind, kPrefixVaporizing);
    floorArray[0].At(12, 10).glyph = kIceBlockGlyph;
    floorArray[0].At(13, 11).glyph = kIceBlockGlyph;
    floorArray[0].At(30, 3).glyph = kIceBlockGlyph;
    floorArray[0].At(12, 10).inViewMark = 1;
    floorArray[0].At(13, 11).inViewMark = 1;
    UpdateWorld();
    EXPECT_EQ(floorArray[0].At(12, 10).glyph, kFloorGlyph);
    EXPECT_EQ(floorArray[0].At(13, 11).glyph, kFloorGlyph);
    EXPECT_EQ(floorArray[0].At(30, 3).glyph, kIceBlockGlyph);
    EXPECT_EQ(events::CountOf(Messages(), "*Slosh*."), 2);
}

// ---- slush ----

using Slush = EventTest;

TEST_F(Slush, SlowsTheCharacterUnlessBoostedOrProtected) {
    floorArray[0].At(player.x, player.y).glyph = kSlushGlyph;
    UpdateWorld();
    // The upkeep's tick comes first, so the slush's 2 or 3 turns stand whole.
    EXPECT_GE(player.slowness, 2);
    EXPECT_LE(player.slowness, 3);
    EXPECT_NE(Messages().find("You step into the slush, which sticks into you and slows you down."), std::string::npos);

    player.slowness = 0;
    player.speedBoost = 5;
    messageLog = MessageLog();
    UpdateWorld();
    EXPECT_EQ(player.slowness, 0);

    player.speedBoost = 0;
    WearAccessory(kSlotAmulet, kPropertyNimbleRecovery);
    UpdateWorld();
    EXPECT_EQ(player.slowness, 0);
}

TEST_F(Slush, AnAlreadySlowedCharacterGetsTheTurnsWithoutTheMessage) {
    floorArray[0].At(player.x, player.y).glyph = kSlushGlyph;
    player.slowness = 20;
    const int32_t afterTick = [] {
        player.TickSlowness();
        const int32_t left = player.slowness;
        player.slowness = 20;
        return left;
    }();
    messageLog = MessageLog();
    UpdateWorld();
    EXPECT_GE(player.slowness, afterTick + 2);
    EXPECT_LE(player.slowness, afterTick + 3);
    EXPECT_EQ(Messages().find("You step into the slush"), std::string::npos);
}

// ---- campfires ----

// A fire's messages fill the message lines: the tests type a key for each "-More-".
using Campfires = EventScreenTest;

TEST_F(Campfires, OnlyTheFirstSeenBurningFireBurnsDown) {
    Floor& floor = floorArray[0];
    for (const XY at : {XY{5, 5}, XY{5, 7}, XY{3, 12}}) {
        floor.At(at.x, at.y).glyph = kCampfireGlyph;
        floor.At(at.x, at.y).featureState = 50;
    }
    floor.At(3, 12).remembered = 0;  // never seen: keeps its fuel though it comes first
    BurnInCampfire();
    EXPECT_EQ(floor.At(3, 12).featureState, 50);
    EXPECT_EQ(floor.At(5, 5).featureState, 49);
    EXPECT_EQ(floor.At(5, 7).featureState, 50);
}

TEST_F(Campfires, ClothesAndArrowsFeedTheFire) {
    Tile& fire = floorArray[0].At(5, 5);
    fire.glyph = kCampfireGlyph;
    fire.featureState = 20;
    fire.PutItemOnTile(kClothKind, 10, 0, 1, kNotMadeByGame, -1, 0);
    fire.PutItemOnTile(conditions::kWeaponKind, 10, 0, 1, kNotMadeByGame, -1, 0);
    fire.PutItemOnTile(kClothKind, 10, 0, 1, kNotMadeByGame, -1, 0);
    fire.PutItemOnTile(events::kArrowKind, -1, 0, 1, kNotMadeByGame, -1, 0);
    fire.items.back().quantity = 7;
    Type("   ");
    BurnInCampfire();
    EXPECT_EQ(fire.featureState, 20 + 200 + 35 - 1);
    ASSERT_EQ(fire.items.size(), 1u);
    EXPECT_EQ(fire.items[0].kind, conditions::kWeaponKind);
    EXPECT_EQ(Messages(),
              "The flames engulf and destroy the piece of clothing. The fire burns more brightly now. "
              "The flames engulf and destroy the piece of clothing. The fire burns more brightly now. "
              "The flames engulf and destroy the arrows. The fire burns more brightly now.");
}

TEST_F(Campfires, WarnsAtTenTurnsOfFuelAndNeverRevivesOnceDead) {
    Tile& fire = floorArray[0].At(5, 5);
    fire.glyph = kCampfireGlyph;
    fire.colour = kCampfireColour;
    fire.featureState = 11;
    Type("   ");
    BurnInCampfire();
    EXPECT_NE(Messages().find("The campfire's flame will die soon, but the burning time could be extended by "
                              "dropping clothes or arrows on the fire."),
              std::string::npos);
    fire.featureState = 1;
    fire.visibleNow = 0;  // dies out of sight: no word of it
    messageLog = MessageLog();
    BurnInCampfire();
    EXPECT_EQ(fire.featureState, 0);
    EXPECT_EQ(fire.colour, kDeadCampfireColour);
    EXPECT_EQ(Messages(), "");
    fire.PutItemOnTile(kClothKind, 10, 0, 1, kNotMadeByGame, -1, 0);
    BurnInCampfire();
    EXPECT_EQ(fire.featureState, 0);
    EXPECT_EQ(fire.items.size(), 1u);
}

TEST_F(Campfires, AStrayFlameSingesAWornClothButNeverBelowTwo) {
    Tile& fire = floorArray[0].At(player.x, player.y);
    fire.glyph = kCampfireGlyph;
    fire.featureState = 100;
    Wear(kSlotClothCap, kClothKind);
    player.inventory.back().durability = 6;
    // The breeze (1 in 1000), then the cap (roll 1).
    SeedFor([](RandomMother& g) {
        const int32_t breeze = g.Random(1000);
        const int32_t slot = g.Random(5);
        return breeze == 0 && slot == 1;
    });
    Type("   ");
    BurnInCampfire();
    EXPECT_EQ(player.inventory.back().durability, 2);
    EXPECT_EQ(fire.featureState, 199);
    EXPECT_NE(Messages().find("catch a corner of a cloth you're wearing!"), std::string::npos);
}

// ---- the ring of domination ----

using RingOfDomination = EventScreenTest;

TEST_F(RingOfDomination, TauntsEachRangedMonsterInSightButNotTheDemons) {
    WearAccessory(kSlotRightRing, kPropertyNoRangedWeapons);
    Monster* archers[3] = {AddMonster(12, 10, 0), AddMonster(8, 9, 0), AddMonster(10, 14, 0)};
    for (Monster* m : archers) m->ranged = 1;
    Monster* melee = AddMonster(11, 11, 0);
    Monster* hidden = AddMonster(14, 10, 0);
    hidden->ranged = 1;
    floorArray[0].At(14, 10).visibleNow = 0;
    Monster* far = AddMonster(30, 10, 0);
    far->ranged = 1;
    Monster* demon = AddMonster(9, 10, 0);
    std::snprintf(demon->name, sizeof demon->name, "%s", kUniqueDemonNames[0]);
    demon->ranged = 1;
    SeedFor([](RandomMother& g) { return g.Random(50) == 0; });
    Type("   ");
    ApplyRingOfDomination();
    for (Monster* m : archers) {
        EXPECT_EQ(m->ranged, 0);
        EXPECT_EQ(m->tauntTurns, 6);
    }
    EXPECT_EQ(melee->tauntTurns, 0);
    EXPECT_EQ(hidden->ranged, 1);
    EXPECT_EQ(far->ranged, 1);
    EXPECT_EQ(demon->ranged, 1);
    EXPECT_EQ(events::CountOf(Messages(), "Your ring sends out a wave of bloodthirsty domination"), 3);
}

// ---- weather ----

using Weather = EventScreenTest;

TEST_F(Weather, StopsOneTimeInSixHundredAndThenPaintsNothing) {
    floorArray[0].weather = kWeatherFreezingDrizzle;
    SeedFor([](RandomMother& g) { return g.Random(600) == 0; });
    Type(" ");
    UpdateWeather();
    EXPECT_EQ(floorArray[0].weather, kWeatherNone);
    EXPECT_NE(Messages().find("The raining stops."), std::string::npos);
}

TEST_F(Weather, StartsByTheWallsOfTheFloor) {
    struct Case {
        ColourCode walls;
        int32_t coin;  // the stone floor's second draw
        int32_t weather;
        const char* text;
    };
    for (const Case c : {Case{kIcyWalls, -1, kWeatherSnowing, "It starts snowing through the roof. Weird."},
                         Case{kSnowyWalls, -1, kWeatherFreezingDrizzle,
                              "It starts raining freezing drizzle through the roof. Weird."},
                         Case{kStoneWalls, 0, kWeatherFreezingDrizzle, "It starts raining freezing drizzle"},
                         Case{kStoneWalls, 1, kWeatherSnowing, "It starts snowing"}}) {
        floorArray[0].weather = kWeatherNone;
        floorArray[0].At(0, 0).colour = c.walls;
        SeedFor([&](RandomMother& g) {
            const int32_t start = g.Random(40000);
            return start == 0 && (c.coin < 0 || g.Random(2) == c.coin);
        });
        messageLog = MessageLog();
        Type(" ");
        UpdateWeather();
        EXPECT_EQ(floorArray[0].weather, c.weather) << c.text;
        EXPECT_NE(Messages().find(c.text), std::string::npos) << c.text;
    }
}

TEST_F(Weather, AHailstormHurtsAndCanKill) {
    floorArray[0].weather = kWeatherFreezingDrizzle;
    player.level = 1;
    // Goes on (600), paints no patch (3), hails (150), and hits for the most: 2L + 2.
    SeedFor([](RandomMother& g) {
        const int32_t stop = g.Random(600);
        const int32_t patch = g.Random(3);
        const int32_t hail = g.Random(150);
        const int32_t damage = g.Random(4);
        return stop != 0 && patch != 0 && hail == 0 && damage == 3;
    });
    player.hp = 10;
    Type(" ");
    UpdateWeather();
    EXPECT_EQ(player.hp, 6);
    EXPECT_NE(Messages().find("You're caught in a passing hailstorm!"), std::string::npos);
}

}  // namespace
