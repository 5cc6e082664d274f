#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "items/appearances.h"
#include "support/game_state.h"
#include "world/item_kind.h"

namespace {

class Appearances : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(11); }
    void TearDown() override { ResetGameState(); }

    static void MakeKinds(int32_t first, int32_t count, int32_t type, int32_t subtype = 0) {
        for (int32_t kind = first; kind < first + count; ++kind) {
            itemKinds[kind].type = type;
            itemKinds[kind].subtype = subtype;
        }
    }
};

// Deals entries to kinds in ascending order the way the rules say, on a copy of the
// generator: the entry of every kind, -1 for a kind that gets none.
std::vector<int32_t> ReplayDeal(RandomMother g, int32_t size, const std::vector<int32_t>& kinds,
                                const std::function<bool(int32_t entry, int32_t kind)>& fits) {
    std::vector<bool> taken(static_cast<size_t>(size), false);
    std::vector<int32_t> result;
    for (int32_t kind : kinds) {
        bool any = false;
        for (int32_t e = 0; e < size; ++e) any = any || (!taken[static_cast<size_t>(e)] && fits(e, kind));
        if (!any) {
            result.push_back(-1);
            continue;
        }
        int32_t r = g.Random(size);
        while (taken[static_cast<size_t>(r)] || !fits(r, kind)) r = g.Random(size);
        taken[static_cast<size_t>(r)] = true;
        result.push_back(r);
    }
    return result;
}

int32_t EntryOf(const AppearanceName* table, int32_t size, int32_t kind) {
    for (int32_t i = 0; i < size; ++i) {
        if (table[i].kind == kind) return i;
    }
    return -1;
}

TEST_F(Appearances, ThirtyPotionKindsTakeEveryLookOnceInDrawOrder) {
    MakeKinds(10, 30, kItemPotion);
    MakeKinds(60, 5, kItemWand);
    std::vector<int32_t> kinds;
    for (int32_t kind = 10; kind < 40; ++kind) kinds.push_back(kind);
    const std::vector<int32_t> expected = ReplayDeal(rng, 30, kinds, [](int32_t, int32_t) { return true; });

    ShufflePotionNames();

    std::set<int32_t> entries;
    for (size_t i = 0; i < kinds.size(); ++i) {
        const int32_t entry = EntryOf(potionAppearances, 30, kinds[i]);
        EXPECT_EQ(entry, expected[i]) << "kind " << kinds[i];
        entries.insert(entry);
        EXPECT_EQ(PotionAppearanceName(kinds[i]), potionAppearances[entry].name);
        EXPECT_EQ(PotionAppearanceColor(kinds[i]), potionAppearances[entry].colour);
    }
    EXPECT_EQ(entries.size(), 30u);
    for (const AppearanceName& entry : potionAppearances) EXPECT_EQ(entry.taken, 1);
    EXPECT_EQ(potionAppearances[24].name, "cute potion");
    EXPECT_EQ(potionAppearances[24].colour, 10);
}

TEST_F(Appearances, KindsWithoutALookShowTheErrorNameAndColourZero) {
    MakeKinds(60, 5, kItemWand);
    ShuffleWandNames();
    EXPECT_EQ(WandAppearanceName(7), "Error wand");
    EXPECT_EQ(WandAppearanceColor(7), 0);
    EXPECT_EQ(PotionAppearanceName(7), "Error potion");
    EXPECT_EQ(AccessoryAppearanceName(7), "Error accessory");
    EXPECT_EQ(wandAppearances[24].name, "stone wand");
    EXPECT_EQ(wandAppearances[24].colour, 8);
}

TEST_F(Appearances, RingsGetRingLooksAndAmuletsAmuletLooks) {
    MakeKinds(100, 12, kItemAccessory, 10);
    MakeKinds(120, 23, kItemAccessory, 9);
    MakeKinds(150, 1, kItemAccessory, 9);  // a 24th ring: no ring look is left for it
    MakeKinds(151, 1, kItemAccessory, 5);  // neither ring nor amulet
    std::vector<int32_t> kinds;
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (itemKinds[kind].type == kItemAccessory) kinds.push_back(kind);
    }
    const std::vector<int32_t> expected = ReplayDeal(rng, 35, kinds, [](int32_t entry, int32_t kind) {
        const bool ringLook = entry <= 18 || entry >= 31;
        return ringLook ? itemKinds[kind].subtype == 9 : itemKinds[kind].subtype == 10;
    });

    ShuffleAccessoryNames();

    for (size_t i = 0; i < kinds.size(); ++i) {
        int32_t entry = -1;
        for (int32_t e = 0; e < 35; ++e) {
            if (accessoryAppearances[e].kind == kinds[i]) entry = e;
        }
        EXPECT_EQ(entry, expected[i]) << "kind " << kinds[i];
        if (entry < 0) continue;
        EXPECT_EQ(accessoryAppearances[entry].ringFlag == 1, itemKinds[kinds[i]].subtype == 9);
    }
    EXPECT_EQ(AccessoryAppearanceName(150), "Error accessory");
    EXPECT_EQ(AccessoryAppearanceColor(151), 0);
    EXPECT_EQ(accessoryAppearances[19].name, "amethyst amulet");
    EXPECT_EQ(accessoryAppearances[31].ringFlag, 1);
}

TEST_F(Appearances, ANewShuffleDealsAFullTableAgain) {
    MakeKinds(10, 30, kItemWand);
    ShuffleWandNames();
    rng.RandomInit(99);
    ShuffleWandNames();
    std::set<int32_t> kinds;
    for (const AppearanceName& entry : wandAppearances) kinds.insert(entry.kind);
    EXPECT_EQ(kinds.size(), 30u);
    EXPECT_EQ(kinds.count(-1), 0u);
}

}  // namespace
