#include <gtest/gtest.h>

#include <cstring>

#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "world/monster_kind.h"

namespace {

class UniqueDemons : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

Monster* Last() {
    Monster* m = monsterListHead;
    while (m != nullptr && m->next != nullptr) m = m->next;
    return m;
}

TEST_F(UniqueDemons, EachDemonFloorGetsItsOwnDemonAtTheListsTail) {
    struct Case {
        int32_t floor;
        const char* name;
        int32_t hp, speed, level, ability;
        int64_t experience;
    };
    const Case cases[] = {
        {6, "Vir've", 100, 1000, 12, -5, 20},
        {13, "Ikuazz", 240, 2000, 21, 0, 160},
        {20, "Omuerp", 400, 1000, 30, 0, 1280},
        {27, "Nonehes", 600, 1000, 42, 0, 20476},
        {34, "Uramesiel", 800, 1000, 51, 0, 163828},
    };
    for (const Case& c : cases) {
        const uint32_t seed = 40 + static_cast<uint32_t>(c.floor);
        rng.RandomInit(seed);
        RandomMother replay = rng;
        CreateUniqueDemon(12, 7, c.floor, 0);
        Monster* demon = Last();
        ASSERT_NE(demon, nullptr);
        EXPECT_STREQ(demon->name, c.name);
        EXPECT_EQ(demon->glyph, '&');
        EXPECT_EQ(std::make_pair(demon->x, demon->y), std::make_pair(12, 7));
        EXPECT_EQ(demon->floor, c.floor);
        EXPECT_EQ(demon->hp, c.hp);
        EXPECT_EQ(demon->maxHp, c.hp);
        EXPECT_EQ(demon->speed, c.speed);
        EXPECT_EQ(demon->actThreshold, 1000);
        EXPECT_EQ(demon->level, c.level);
        EXPECT_EQ(demon->ability, c.ability);
        EXPECT_EQ(demon->experience, c.experience);
        EXPECT_EQ(demon->armourFloor, (demon->meleeArmour + demon->rangedArmour) / 4);
        EXPECT_EQ(demon->ranged, 1);
        EXPECT_EQ(demon->living, 1);
        EXPECT_EQ(demon->alive, 1);
        EXPECT_EQ(demon->awake, 0);
        EXPECT_EQ(demon->trickVariant, replay.Random(2) == 0 ? 1 : 0);
        EXPECT_EQ(rng.BRandom(), replay.BRandom());
        EXPECT_EQ(floorArray[c.floor].At(12, 7).monsterPresent, 1);
        EXPECT_TRUE(IsUniqueDemon(demon->name));
    }
    EXPECT_EQ(MonsterCount(), 5);
    EXPECT_STREQ(monsterListHead->name, "Vir've");
}

TEST_F(UniqueDemons, TrickVariantIsEvenlyDrawn) {
    int32_t ones = 0;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        FreeAllMonsters();
        rng.RandomInit(seed);
        CreateUniqueDemon(5, 5, 13, 0);
        ones += monsterListHead->trickVariant;
    }
    EXPECT_GT(ones, 150);
    EXPECT_LT(ones, 250);
}

TEST_F(UniqueDemons, CopiesOfTheFinalDemonAreWeakerAndGiveNothing) {
    struct Case {
        int32_t copyKind, hp, maxHp, dodge, armour;
    };
    const Case cases[] = {{1, 250, 400, 100, 18}, {2, 50, 160, 75, 15}, {3, 125, 200, 75, 15}, {4, 50, 160, 75, 15}};
    for (const Case& c : cases) {
        FreeAllMonsters();
        RandomMother before = rng;
        CreateUniqueDemon(3, 4, 34, c.copyKind);
        const Monster* copy = monsterListHead;
        ASSERT_NE(copy, nullptr);
        EXPECT_STREQ(copy->name, "Uramesiel");
        EXPECT_EQ(copy->hp, c.hp);
        EXPECT_EQ(copy->maxHp, c.maxHp);
        EXPECT_EQ(copy->dodge, c.dodge);
        EXPECT_EQ(copy->meleeArmour, c.armour);
        EXPECT_EQ(copy->armourFloor, c.armour / 2);
        EXPECT_EQ(copy->experience, 0);
        EXPECT_EQ(copy->ability, -5);
        EXPECT_EQ(copy->regenerationAmount, 1);
        EXPECT_EQ(copy->damageBound1, 44);
        EXPECT_EQ(copy->damageBound2, 46);
        EXPECT_EQ(copy->trickVariant, 0);
        EXPECT_EQ(rng.BRandom(), before.BRandom());  // copies draw nothing
    }
}

TEST_F(UniqueDemons, AFloorWithoutADemonOrABadPlaceGetsNone) {
    CreateUniqueDemon(5, 5, 7, 0);
    CreateUniqueDemon(5, 5, 34, 5);
    CreateUniqueDemon(80, 5, 6, 0);
    CreateUniqueDemon(5, 5, 35, 1);
    EXPECT_EQ(monsterListHead, nullptr);
}

TEST(UniqueDemonNames, OnlyTheExactNamesCount) {
    struct Case {
        const char* name;
        bool demon;
    };
    const Case cases[] = {
        {"Vir've", true},      {"Ikuazz", true},     {"Omuerp", true},   {"Nonehes", true},
        {"Uramesiel", true},   {"uramesiel", false}, {"Vir've ", false}, {" Ikuazz", false},
        {"quick Omuerp", false}, {"Nonehe", false},  {"", false},        {nullptr, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsUniqueDemon(c.name), c.demon) << (c.name ? c.name : "null");
}

}  // namespace
