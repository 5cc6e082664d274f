#include <gtest/gtest.h>

#include <string>

#include "items/item_prefixes.h"
#include "toolkit/random_mother.h"

namespace {

TEST(ItemPrefixes, TableNamesThirtyTwoPrefixesWithIdsEqualToTheirIndex) {
    InitPrefixTable();
    EXPECT_STREQ(itemPrefixes[0].name, "deflecting");
    EXPECT_STREQ(itemPrefixes[14].name, "vaporizing");
    EXPECT_STREQ(itemPrefixes[23].name, "possessed");
    EXPECT_STREQ(itemPrefixes[31].name, "blood bane");
    for (int32_t i = 0; i < 32; ++i) EXPECT_EQ(itemPrefixes[i].id, i);
    for (int32_t i = 32; i < kItemPrefixCount; ++i) {
        EXPECT_STREQ(itemPrefixes[i].name, "Undefined");
        EXPECT_EQ(itemPrefixes[i].id, -1);
    }
}

// The roll as the rules give it, on a copy of the generator.
int32_t ReplayRoll(RandomMother& g, int32_t type, const std::string& kindName, bool forced) {
    if (type != 0 && type != 1) return -1;
    const int32_t chance = g.Random(type == 1 ? 10 : 30);
    if (chance != 0 && !forced) return -1;
    for (int32_t attempt = 0; attempt < 5; ++attempt) {
        const int32_t index = type == 1 ? 7 + g.Random(25) : g.Random(15);
        if ((std::string(itemPrefixes[index].name) + " " + kindName).size() < 35) return index;
    }
    return -1;
}

TEST(PrefixRolls, DrawChanceThenUpToFivePrefixesThatFitTheName) {
    InitPrefixTable();
    // 28 letters: "heavy" (5) makes 34 characters and fits, "sturdy" (6) makes 35 and does not.
    const std::string names[] = {"sword", "quite a long name for armour", "an absurdly long weapon named", ""};
    bool acceptedAt34 = false;
    bool refusedAt35 = false;
    for (int32_t type : {0, 1, 2, 3, 8}) {
        for (const std::string& name : names) {
            for (bool forced : {false, true}) {
                for (uint32_t seed = 1; seed <= 150; ++seed) {
                    rng.RandomInit(seed);
                    RandomMother replay = rng;
                    const int32_t expected = ReplayRoll(replay, type, name, forced);
                    const int32_t got = RollItemPrefix(type, name, forced);
                    ASSERT_EQ(got, expected) << "type " << type << " '" << name << "' seed " << seed;
                    ASSERT_EQ(rng.BRandom(), replay.BRandom());
                    if (name.size() == 28 && got == 7) acceptedAt34 = true;
                    if (name.size() == 28 && type == 0 && forced && got == -1) refusedAt35 = true;
                }
            }
        }
    }
    EXPECT_TRUE(acceptedAt34);
    EXPECT_TRUE(refusedAt35);
}

TEST(PrefixRolls, AForcedRollForAThirtyLetterWeaponNeverFits) {
    InitPrefixTable();
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        rng.RandomInit(seed);
        EXPECT_EQ(RollItemPrefix(1, std::string(30, 'w'), true), -1);
    }
}

}  // namespace
