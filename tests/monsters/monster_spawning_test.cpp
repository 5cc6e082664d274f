#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "world/monster_kind.h"

namespace {

MonsterKind& SetKind(int32_t index, const char* name, int32_t level, ColourCode colour = 7, int32_t ability = 0) {
    MonsterKind& kind = monsterKinds[index];
    std::strncpy(kind.name, name, sizeof kind.name);
    kind.glyph = name[0];
    kind.level = level;
    kind.colour = colour;
    kind.ability = ability;
    kind.hitPoints = 10;
    kind.speed = 1000;
    kind.actThreshold = 1000;
    return kind;
}

// The same kind in all 250 records, so the kind draw takes exactly one draw.
void FillWithOneKind(const MonsterKind& kind) {
    for (MonsterKind& each : monsterKinds.kinds) each = kind;
}

class Spawning : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        OpenArea(floorArray[3], 1, 1, 78, 17);
    }
    void TearDown() override { ResetGameState(); }

    static void ClearList(int32_t floor) {
        FreeAllMonsters();
        for (Tile& tile : floorArray[floor].tiles) tile.monsterPresent = 0;
    }
};

// The wanted level as the rules give it, drawn from a copy of the generator.
int32_t WantedPlusJitter(RandomMother& g, int32_t floor, bool byDepth, char underfoot) {
    int32_t wanted = 3 * player.level - 1;
    if (byDepth) {
        const float depth = static_cast<float>(floor) * 1.43f;
        wanted = static_cast<int32_t>(depth);
        const int32_t p = GetFractionPercent(depth);
        if (p > 0 && g.Random(100) <= p) ++wanted;
    }
    int32_t jitter = 0;
    if (g.Random(500) == 0) jitter = g.Random(5);
    if (g.Random(500) == 0) jitter -= g.Random(5);
    if (g.Random(20) == 0) jitter = 2 * g.Random(3) - 2;
    if (!byDepth && floor < 32 && underfoot == ':') jitter += 4;
    if (!byDepth && floor > 3 && underfoot == '?') jitter -= 4;
    return std::clamp(wanted + jitter, 0, 50);
}

TEST_F(Spawning, LevelComesFromDepthOrCharacterWithItsJitterDrawnInOrder) {
    for (int32_t level = 0; level <= 60; ++level) SetKind(level, "rat", level);
    struct Setup {
        bool byDepth;
        int32_t floor;
        int32_t playerLevel;
        char underfoot;
    };
    const Setup setups[] = {
        {true, 0, 1, '.'},   {true, 1, 1, '.'},    {true, 10, 1, '.'},  {true, 25, 1, ':'},
        {true, 34, 1, '.'},  {false, 2, 1, '.'},   {false, 10, 5, ':'}, {false, 33, 5, ':'},
        {false, 10, 20, '?'}, {false, 2, 3, '?'},  {false, 31, 18, ':'},
    };
    for (const Setup& setup : setups) {
        OpenArea(floorArray[setup.floor], 1, 1, 78, 17);
        player.level = setup.playerLevel;
        player.currentFloor = 0;
        player.x = 40;
        player.y = 10;
        floorArray[0].At(40, 10).glyph = setup.underfoot;
        for (uint32_t seed = 1; seed <= 300; ++seed) {
            ClearList(setup.floor);
            rng.RandomInit(seed);
            RandomMother replay = rng;
            const int32_t expected = WantedPlusJitter(replay, setup.floor, setup.byDepth, setup.underfoot) + 1;
            ASSERT_EQ(SpawnMonster(5, 5, setup.floor, setup.byDepth, -1, -1), 1);
            ASSERT_EQ(monsterListHead->level, std::min(expected, 60))
                << "floor " << setup.floor << " byDepth " << setup.byDepth << " seed " << seed;
        }
    }
}

TEST_F(Spawning, DepthTenRoundsUpOnADrawOfThirtyOrLess) {
    for (int32_t level = 10; level <= 20; ++level) SetKind(level, "rat", level);
    const auto quiet = [](RandomMother& g, int32_t roundUp) {
        return g.Random(100) == roundUp && g.Random(500) != 0 && g.Random(500) != 0 && g.Random(20) != 0;
    };
    struct Case {
        int32_t roundUpDraw;
        int32_t level;
    };
    for (const Case& c : {Case{30, 16}, Case{31, 15}}) {
        ClearList(10);
        OpenArea(floorArray[10], 1, 1, 78, 17);
        const uint32_t seed = FindSeed([&](RandomMother& g) { return quiet(g, c.roundUpDraw); });
        ASSERT_NE(seed, 0u);
        rng.RandomInit(seed);
        ASSERT_EQ(SpawnMonster(5, 5, 10, true, -1, -1), 1);
        EXPECT_EQ(monsterListHead->level, c.level) << "draw " << c.roundUpDraw;
    }
}

TEST_F(Spawning, AGivenLevelSkipsJitterAndClampButStillDrawsIt) {
    MonsterKind kind = SetKind(0, "imp", 22);
    FillWithOneKind(kind);
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        ClearList(3);
        rng.RandomInit(seed);
        RandomMother replay = rng;
        player.level = 1;
        WantedPlusJitter(replay, 3, false, '.');
        replay.Random(250);
        ASSERT_EQ(SpawnMonster(5, 5, 3, false, -1, 21), 1);
        EXPECT_EQ(monsterListHead->level, 22);
        EXPECT_EQ(rng.BRandom(), replay.BRandom()) << "seed " << seed;
    }
}

TEST_F(Spawning, AnOccupiedOrOffMapSquareMakesNothingAndDrawsNothing) {
    SetKind(0, "rat", 1);
    floorArray[3].At(5, 5).monsterPresent = 1;
    RandomMother before = rng;
    EXPECT_EQ(SpawnMonster(5, 5, 3, true, 0, -1), 0);
    EXPECT_EQ(SpawnMonster(80, 5, 3, true, 0, -1), 0);
    EXPECT_EQ(SpawnMonster(5, 5, 35, true, 0, -1), 0);
    EXPECT_EQ(monsterListHead, nullptr);
    EXPECT_EQ(rng.BRandom(), before.BRandom());
}

TEST_F(Spawning, NoFittingKindMakesNothingInsteadOfDrawingForever) {
    SetKind(0, "dragon", 40);  // nothing near level 1
    EXPECT_EQ(SpawnMonster(5, 5, 0, true, -1, -1), 0);
    SetKind(1, "terrain", 1, 11, 22);  // fits cyan floors only
    floorArray[0].At(0, 0).colour = 7;
    EXPECT_EQ(SpawnMonster(5, 5, 0, true, -1, -1), 0);
    EXPECT_EQ(monsterListHead, nullptr);
    EXPECT_EQ(floorArray[0].At(5, 5).monsterPresent, 0);
}

TEST_F(Spawning, FloorSchemeDecidesWhichTerrainKindsFit) {
    SetKind(0, "ice", 1, 11, 22);
    SetKind(1, "stone", 1, 7, 22);
    SetKind(2, "snow", 1, 15, 22);
    struct Case {
        ColourCode corner;
        ColourCode kindColour;
    };
    for (const Case& c : {Case{3, 11}, Case{7, 7}, Case{1, 15}, Case{11, 15}}) {
        ClearList(3);
        floorArray[3].At(0, 0).colour = c.corner;
        ASSERT_EQ(SpawnMonster(5, 5, 3, true, -1, -1), 1);
        EXPECT_EQ(monsterListHead->colour, c.kindColour) << "corner " << c.corner;
    }
}

TEST_F(Spawning, CavernMonstersAreWeakerButTheirPackIsNot) {
    MonsterKind& wolf = SetKind(0, "wolf", 1, 7, 26);
    wolf.hitPoints = 50;
    wolf.damageBound1 = 20;
    wolf.damageBound2 = 33;
    wolf.meleeArmour = 10;
    wolf.rangedArmour = 22;
    wolf.experience = -5;
    floorArray[3].layoutType = kLayoutCavern;
    // Around (10, 10): a wall, a free square, a monster, a sage, the player, then free squares.
    floorArray[3].At(9, 9).glyph = '#';
    Monster* earlier = AddMonster(9, 11, 3);
    sages.push_back(cSage{10, 9, 3, 100, 0});
    player.currentFloor = 3;
    player.x = 10;
    player.y = 11;
    floorArray[3].At(10, 11).monsterPresent = 1;

    ASSERT_EQ(SpawnMonster(10, 10, 3, true, -1, -1), 1);

    Monster* leader = earlier->next;
    ASSERT_NE(leader, nullptr);
    EXPECT_EQ(leader->hp, 47);
    EXPECT_EQ(leader->maxHp, 47);
    EXPECT_EQ(leader->damageBound1, 19);
    EXPECT_EQ(leader->damageBound2, 32);
    EXPECT_EQ(leader->meleeArmour, 10);
    EXPECT_EQ(leader->rangedArmour, 21);
    EXPECT_EQ(leader->armourFloor, 7);
    EXPECT_EQ(leader->experience, 0);

    Monster* first = leader->next;
    ASSERT_NE(first, nullptr);
    Monster* second = first->next;
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->next, nullptr);
    EXPECT_EQ(std::make_pair(first->x, first->y), std::make_pair(9, 10));
    EXPECT_EQ(std::make_pair(second->x, second->y), std::make_pair(11, 9));
    for (const Monster* companion : {first, second}) {
        EXPECT_EQ(companion->hp, 50);
        EXPECT_EQ(companion->maxHp, 50);
        EXPECT_EQ(companion->rangedArmour, 22);
        EXPECT_EQ(companion->armourFloor, 8);
        EXPECT_EQ(companion->floor, 3);
        EXPECT_EQ(floorArray[3].At(companion->x, companion->y).monsterPresent, 1);
    }
}

TEST_F(Spawning, PacksComeAloneUnlessSpawnedByDepth) {
    SetKind(0, "wolf", 3, 7, 26);
    player.level = 1;
    ASSERT_EQ(SpawnMonster(10, 10, 3, false, -1, -1), 1);
    EXPECT_EQ(MonsterCount(), 1);
}

TEST_F(Spawning, WallLikeMonstersTakeTheFloorScheme) {
    struct Case {
        const char* name;
        char glyph;
        int32_t ability;
        ColourCode corner;
        ColourCode colour;
    };
    const Case cases[] = {
        {"quick chameleon", 'c', 25, 3, 75},
        {"floating wall", '#', 0, 7, 7},
        {"floating wall", '#', 0, 1, 1},
        {"rolling boulder", 'O', 0, 7, 15},
        {"rolling boulder", 'O', 0, 3, 11},
        {"agile mimic", '#', 25, 4, 68},
        {"superior floating wall", '#', 0, 3, 5},  // not the exact name: left alone
        {"rat", 'r', 0, 3, 5},
    };
    for (const Case& c : cases) {
        floorArray[2].At(0, 0).colour = c.corner;
        Monster monster;
        std::strcpy(monster.name, c.name);
        monster.glyph = c.glyph;
        monster.ability = c.ability;
        monster.floor = 2;
        monster.colour = 5;
        monster.MatchMonsterToFloorColour();
        EXPECT_EQ(monster.colour, c.colour) << c.name << " on corner " << c.corner;
    }
}

class KindChoice : public Spawning {};

TEST_F(KindChoice, OnlyKindsThatFitLevelFloorAndVariantAreDrawn) {
    SetKind(0, "plain", 5);
    SetKind(1, "unused", 5).hitPoints = 0;
    SetKind(2, "terrain", 5, 11, 22);
    SetKind(3, "cyan stalker", 5, 11, 24);
    SetKind(4, "white stalker", 5, 15, 24);
    SetKind(5, "grey stalker", 5, 7, 24);
    SetKind(6, "pack", 5, 7, 26);
    SetKind(7, "too strong", 8);
    SetKind(8, "stronger", 7);
    SetKind(9, "too weak", 2);
    SetKind(10, "weaker", 3);
    struct Case {
        int32_t level;
        ColourCode wanted;
        int32_t variant;
        std::set<int32_t> kinds;
    };
    const Case cases[] = {
        {4, 11, -1, {0, 2, 3, 5, 6, 8, 10}},
        {4, 15, -1, {0, 4, 5, 6, 8, 10}},
        {4, 7, -1, {0, 4, 5, 6, 8, 10}},
        {4, 11, 1, {0, 2, 3, 5, 8, 10}},
        {40, 7, -1, {7, 8}},  // far above the top level: kinds around the top
        {-9, 7, -1, {9, 10}},  // at least level 1
    };
    for (const Case& c : cases) {
        std::set<int32_t> drawn;
        for (int32_t i = 0; i < 400; ++i) drawn.insert(ChooseMonsterKind(c.level, c.variant, c.wanted).kind);
        EXPECT_EQ(drawn, c.kinds) << "level " << c.level << " colour " << c.wanted << " variant " << c.variant;
    }
}

TEST_F(KindChoice, VariantsChangeTheKindAsTheirWordSays) {
    MonsterKind kind = SetKind(0, "rat", 5, 7);
    kind.hitPoints = 100;
    kind.damageBound1 = 10;
    kind.damageBound2 = 20;
    kind.dodge = 50;
    kind.toHitThreshold = 500;
    kind.experience = 1000;
    kind.regenerationAmount = 10;
    kind.meleeArmour = 8;
    kind.rangedArmour = 12;
    FillWithOneKind(kind);
    struct Case {
        int32_t roll;  // the draw that picks the variant
        const char* name;
        int32_t hp, damage1, damage2, dodge, toHit, speed, experience, regeneration, melee, ranged, level;
    };
    const Case cases[] = {
        {0, "superior rat", 150, 15, 30, 130, 400, 1000, 2000, 15, 9, 13, 15},
        {1, "quick rat", 100, 10, 20, 50, 500, 2000, 1500, 10, 8, 12, 13},
        {2, "fierce rat", 100, 17, 34, 50, 500, 1000, 1500, 10, 8, 12, 13},
        {3, "tough rat", 170, 10, 20, 50, 500, 1000, 1500, 10, 10, 15, 13},
        {4, "agile rat", 100, 10, 20, 200, 350, 1000, 1500, 10, 8, 12, 13},
        {5, "superior rat", 150, 15, 30, 130, 400, 1000, 2000, 15, 9, 13, 15},
    };
    for (const Case& c : cases) {
        const uint32_t seed = FindSeed([&](RandomMother& g) {
            g.Random(250);
            return g.Random(6) == c.roll;
        });
        ASSERT_NE(seed, 0u);
        rng.RandomInit(seed);
        const MonsterTemplate t = ChooseMonsterKind(4, 1, 7);
        EXPECT_STREQ(t.name, c.name);
        EXPECT_EQ(t.stats.hitPoints, c.hp) << c.name;
        EXPECT_EQ(t.stats.damageBound1, c.damage1) << c.name;
        EXPECT_EQ(t.stats.damageBound2, c.damage2) << c.name;
        EXPECT_EQ(t.stats.dodge, c.dodge) << c.name;
        EXPECT_EQ(t.stats.toHitThreshold, c.toHit) << c.name;
        EXPECT_EQ(t.stats.speed, c.speed) << c.name;
        EXPECT_EQ(t.stats.experience, c.experience) << c.name;
        EXPECT_EQ(t.stats.regenerationAmount, c.regeneration) << c.name;
        EXPECT_EQ(t.stats.meleeArmour, c.melee) << c.name;
        EXPECT_EQ(t.stats.rangedArmour, c.ranged) << c.name;
        EXPECT_EQ(t.stats.level, c.level) << c.name;
        EXPECT_EQ(t.stats.colour, 71) << c.name;

        // Variant 2 is always superior, whatever the draw.
        rng.RandomInit(seed);
        EXPECT_STREQ(ChooseMonsterKind(4, 2, 7).name, "superior rat");
    }
}

TEST_F(KindChoice, LevelFactorIsWorkedOutInSinglePrecision) {
    MonsterKind kind = SetKind(0, "rat", 15, 7);
    kind.hitPoints = 20;
    kind.damageBound1 = 20;
    FillWithOneKind(kind);
    // Level 15: factor 1.45f, whose product with 20 is just above 29 (a double 1.45 is just below).
    struct Case {
        int32_t roll;
        int32_t hp;
        int32_t damage1;
    };
    for (const Case& c : {Case{0, 29, 29}, Case{2, 20, 33}, Case{3, 33, 20}}) {
        const uint32_t seed = FindSeed([&](RandomMother& g) {
            g.Random(250);
            return g.Random(6) == c.roll;
        });
        rng.RandomInit(seed);
        const MonsterTemplate t = ChooseMonsterKind(14, 1, 7);
        EXPECT_EQ(t.stats.hitPoints, c.hp) << t.name;
        EXPECT_EQ(t.stats.damageBound1, c.damage1) << t.name;
    }
}

TEST_F(KindChoice, VariantMarkColourAndStalkers) {
    struct Case {
        ColourCode colour;
        int32_t ability;
        ColourCode marked;
    };
    for (const Case& c : {Case{4, 0, 20}, Case{12, 0, 28}, Case{7, 0, 71}, Case{11, 24, 11}, Case{15, 24, 15}}) {
        FillWithOneKind(SetKind(0, "thing", 1, c.colour, c.ability));
        EXPECT_EQ(ChooseMonsterKind(1, 1, c.colour).stats.colour, c.marked) << "colour " << c.colour;
    }
}

TEST_F(KindChoice, OneVariantInEightyOnlyWhenAsked) {
    FillWithOneKind(SetKind(0, "rat", 1));
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        rng.RandomInit(seed);
        RandomMother replay = rng;
        const bool variant = replay.Random(80) == 0;
        const std::string name = ChooseMonsterKind(1, 0, 7).name;
        ASSERT_EQ(name != "rat", variant) << "seed " << seed;
    }
    // Below -1 acts as never (one draw: the kind); above 2 as always (the kind and the variant).
    rng.RandomInit(7);
    RandomMother replay = rng;
    EXPECT_STREQ(ChooseMonsterKind(1, -4, 7).name, "rat");
    replay.Random(250);
    EXPECT_EQ(rng.BRandom(), replay.BRandom());
    EXPECT_STRNE(ChooseMonsterKind(1, 9, 7).name, "rat");
}

TEST_F(KindChoice, ALongNameIsCutToTheRecordsSize) {
    MonsterKind kind = SetKind(0, "x", 1);
    std::memset(kind.name, 'n', sizeof kind.name);  // 64 letters, no terminating zero
    FillWithOneKind(kind);
    const MonsterTemplate t = ChooseMonsterKind(1, 2, 7);
    EXPECT_EQ(std::strlen(t.name), 69u);
    EXPECT_EQ(std::string(t.name, 9), "superior ");
    EXPECT_EQ(std::strlen(ChooseMonsterKind(1, -1, 7).name), 64u);
}

}  // namespace
