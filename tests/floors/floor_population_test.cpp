#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "floors/floor_fixtures.h"
#include "floors/floor_population.h"

namespace {

class FloorPopulation : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
    void TearDown() override { ResetGameState(); }
};

// Results of RandomItemKind over many seeds: kind -> times drawn (-1 for none).
std::map<int32_t, int32_t> DrawKinds(float level, int32_t category, int32_t seeds = 2000) {
    std::map<int32_t, int32_t> drawn;
    for (int32_t seed = 1; seed <= seeds; ++seed) {
        rng.RandomInit(static_cast<uint32_t>(seed));
        ++drawn[RandomItemKind(level, category)];
    }
    return drawn;
}

TEST_F(FloorPopulation, ItemKindsComeFromTheWindowAroundTheLevel) {
    for (int32_t depth = 0; depth <= 50; depth += 10) AddItemKind(depth, kItemArmour, depth);
    const std::map<int32_t, int32_t> drawn = DrawKinds(20.0f, kItemArmour);
    // Depth 20 almost always; 10 and 30 only when a rare draw widens the window.
    EXPECT_GT(drawn.at(20), 1900);
    EXPECT_EQ(drawn.count(0) + drawn.count(40) + drawn.count(50) + drawn.count(-1), 0u);
}

TEST_F(FloorPopulation, WeaponsComeFromANarrowerDeeperWindow) {
    AddItemKind(3, kItemWeapon, 3);
    AddItemKind(8, kItemWeapon, 8);
    AddItemKind(47, kItemWeapon, 47);
    AddItemKind(44, kItemWeapon, 44);
    EXPECT_EQ(DrawKinds(49.0f, kItemWeapon, 300), (std::map<int32_t, int32_t>{{47, 300}}));
    // At level 12 the window is 9..15 before its rare changes: only the rare shallow draws reach depth 8.
    const std::map<int32_t, int32_t> drawn = DrawKinds(12.0f, kItemWeapon, 300);
    EXPECT_EQ(drawn.count(3) + drawn.count(44) + drawn.count(47), 0u);
}

TEST_F(FloorPopulation, ArrowsPotionsWandsAccessoriesAndFoodComeAtAnyDepth) {
    AddItemKind(0, kItemArmour, 1);  // something lies in every shallow window
    AddItemKind(10, kItemAmmunition, 40, "arrow");
    AddItemKind(11, kItemAmmunition, 40, "bolt");
    arrowKindIndex = 10;
    AddItemKind(20, kItemPotion, 45);
    AddItemKind(30, kItemFood, 50);
    EXPECT_EQ(DrawKinds(1.0f, kItemAmmunition, 100), (std::map<int32_t, int32_t>{{10, 100}}));
    EXPECT_EQ(DrawKinds(1.0f, kItemPotion, 100), (std::map<int32_t, int32_t>{{20, 100}}));
    EXPECT_EQ(DrawKinds(1.0f, kItemFood, 100), (std::map<int32_t, int32_t>{{30, 100}}));
}

TEST_F(FloorPopulation, ItemDataWithoutAFittingKindGivesNone) {
    AddItemKind(0, kItemArmour, 50);
    EXPECT_EQ(DrawKinds(1.0f, kItemArmour, 50), (std::map<int32_t, int32_t>{{-1, 50}}));  // nothing in the window
    AddItemKind(1, kItemArmour, 2);
    EXPECT_EQ(DrawKinds(1.0f, kItemCloth, 50), (std::map<int32_t, int32_t>{{-1, 50}}));  // no cloth at all
    EXPECT_EQ(DrawKinds(1.0f, kItemWand, 50), (std::map<int32_t, int32_t>{{-1, 50}}));
}

TEST_F(FloorPopulation, SpecialKindsAreRare) {
    AddItemKind(0, kItemArmour, 10);
    AddItemKind(1, kItemArmour, 10).special = 1;
    AddItemKind(2, kItemCloth, 10).special = 1;
    const std::map<int32_t, int32_t> armour = DrawKinds(10.0f, kItemArmour);
    EXPECT_LT(armour.count(1) ? armour.at(1) : 0, 60);
    EXPECT_EQ(DrawKinds(10.0f, kItemCloth, 100), (std::map<int32_t, int32_t>{{2, 100}}));  // the only one there is
}

TEST_F(FloorPopulation, AnyCategoryGivesNothingOneTimeInFifteen) {
    for (int32_t type = 0; type <= 9; ++type) AddItemKind(type, type, 5);
    const std::map<int32_t, int32_t> drawn = DrawKinds(5.0f, kAnyItemCategory, 3000);
    EXPECT_GT(drawn.at(-1), 120);
    EXPECT_LT(drawn.at(-1), 290);
    for (int32_t type = 0; type <= 9; ++type) EXPECT_GT(drawn.count(type), 0u) << type;
}

TEST_F(FloorPopulation, ItemsAndGoldLandInsideTheBorderAndOffSagesTiles) {
    int32_t items = 0;
    for (int32_t seed = 1; seed <= 100; ++seed) {
        ResetGameState(static_cast<uint32_t>(seed));
        for (int32_t type = 0; type <= 9; ++type) AddItemKind(type, type, 2);
        FillFloor(floorArray[0], '.');
        cSage sage;
        sage.x = 40;
        sage.y = 9;
        sage.floor = 0;
        sages.push_back(sage);
        floorArray[0].ScatterItemsAndGold(1);
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                const Tile& tile = floorArray[0].At(x, y);
                if (tile.items.empty() && tile.gold == 0) continue;
                items += static_cast<int32_t>(tile.items.size());
                EXPECT_TRUE(x > 0 && x < 79 && y > 0 && y < 18) << x << "," << y;
                EXPECT_FALSE(x == 40 && y == 9);
                // Depth 1 gives piles of 2 to 9 coins.
                EXPECT_TRUE(tile.gold == 0 || tile.gold >= 2);
            }
        }
    }
    EXPECT_GT(items, 300);
}

TEST_F(FloorPopulation, WithoutItemKindsEveryItemBecomesGold) {
    Floor& floor = floorArray[4];
    MakeOpenFloor(floor);
    floor.ScatterItemsAndGold(5);
    int32_t goldTiles = 0;
    for (const Tile& tile : floor.tiles) {
        EXPECT_TRUE(tile.items.empty());
        goldTiles += tile.gold > 0 ? 1 : 0;
    }
    EXPECT_GE(goldTiles, 1);
}

// Seeds the generator so that a floor's own monster count is Random(7) = 3 with no rare change.
void SeedPlainMonsterCount() {
    rng.RandomInit(FindSeed([](RandomMother& probe) {
        const int32_t base = probe.Random(7);
        const int32_t horde = probe.Random(5000);
        const int32_t more = probe.Random(50);
        const int32_t fewer = probe.Random(50);
        return base == 3 && horde != 0 && more != 0 && fewer != 0;
    }));
}

TEST_F(FloorPopulation, MonsterCountsFollowTheFloor) {
    struct Case {
        int32_t floorNumber;
        int32_t count;
        int32_t expected;
    };
    const Case cases[] = {{1, -1, 17}, {13, -1, 16}, {34, -1, 12}, {20, 5, 5}, {20, 0, 0}, {20, -3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE("floor " + std::to_string(c.floorNumber) + " count " + std::to_string(c.count));
        ResetGameState();
        AddMonsterKindPerLevel();
        MakeOpenFloor(floorArray[c.floorNumber]);
        SeedPlainMonsterCount();
        floorArray[c.floorNumber].SpawnFloorMonsters(c.floorNumber, c.count);
        EXPECT_EQ(MonsterCount(c.floorNumber), c.expected);
    }
}

TEST_F(FloorPopulation, MonstersKeepOffSagesOccupiedTilesAndTheStartingStairs) {
    for (int32_t startMode : {0, 1}) {
        for (int32_t seed = 1; seed <= 40; ++seed) {
            ResetGameState(static_cast<uint32_t>(seed));
            AddMonsterKindPerLevel();
            player.startMode = startMode;
            const int32_t f = startMode == 1 ? 7 : 0;
            Floor& floor = floorArray[f];
            FillFloor(floor, '#');
            OpenArea(floorArray[f], 30, 5, 40, 12);
            floor.At(35, 8).glyph = '<';
            cSage sage;
            sage.x = 31;
            sage.y = 6;
            sage.floor = f;
            sages.push_back(sage);
            floor.SpawnFloorMonsters(f, 30);
            int32_t count = 0;
            for (Monster* m = monsterListHead; m != nullptr; m = m->next) {
                ++count;
                EXPECT_EQ(m->floor, f);
                EXPECT_EQ(floor.At(m->x, m->y).glyph, '.');
                EXPECT_FALSE(m->x == 31 && m->y == 6);
                EXPECT_TRUE(std::abs(m->x - 35) > 2 || std::abs(m->y - 8) > 2) << m->x << "," << m->y;
                EXPECT_EQ(std::strstr(m->name, "superior"), nullptr);  // a given count makes no variants
                for (Monster* other = m->next; other != nullptr; other = other->next) {
                    EXPECT_FALSE(other->x == m->x && other->y == m->y);
                }
            }
            EXPECT_EQ(count, 30);
        }
    }
}

// A pack's companions stand beside their leader: on the starting floor they too
// keep two tiles from the up stairs, and one that would not is not placed.
TEST_F(FloorPopulation, PackCompanionsKeepClearOfTheStartingStairsToo) {
    int32_t companions = 0;
    for (int32_t seed = 1; seed <= 40; ++seed) {
        ResetGameState(static_cast<uint32_t>(seed));
        AddMonsterKindPerLevel();
        for (MonsterKind& kind : monsterKinds.kinds) kind.ability = kAbilityPack;
        Floor& floor = floorArray[0];
        FillFloor(floor, '#');
        OpenArea(floor, 25, 3, 45, 14);
        floor.At(35, 8).glyph = '<';
        floor.SpawnFloorMonsters(0, 10);
        for (Monster* m = monsterListHead; m != nullptr; m = m->next) {
            ++companions;
            EXPECT_TRUE(std::abs(m->x - 35) > 2 || std::abs(m->y - 8) > 2) << "seed " << seed << ": " << m->x << "," << m->y;
        }
        companions -= 10;
    }
    EXPECT_GT(companions, 0);  // the packs did come with companions
}

TEST_F(FloorPopulation, SpawningEndsWhenNoMonsterCanBeMade) {
    MakeOpenFloor(floorArray[3]);
    floorArray[3].SpawnFloorMonsters(3, 5);  // no monster kinds at all
    EXPECT_EQ(monsterListHead, nullptr);

    AddMonsterKindPerLevel();
    FillFloor(floorArray[4], '#');
    OpenArea(floorArray[4], 10, 5, 11, 5);  // room for two
    floorArray[4].SpawnFloorMonsters(4, 5);
    EXPECT_EQ(MonsterCount(4), 2);
}

}  // namespace
