// Blood on the map: a splash away from the character after a wound, and now
// and then a burst that reddens the whole block around a death.
#include <gtest/gtest.h>

#include <vector>

#include "monsters/monster_fight_fixture.h"

namespace {

using namespace fight;

bool Bloody(int32_t x, int32_t y) {
    const ColourCode colour = floorArray[0].At(x, y).colour;
    return colour == kFreshBlood || colour == kDriedBlood;
}

// Every draw of a splash comes up: each candidate tried is coloured.
bool AllSplashDrawsPass(RandomMother& r) {
    for (int32_t k = 0; k < 4; ++k) {
        if (r.Random(3) == 0) return false;
        r.Random(2);
    }
    return true;
}

class MonsterBlood : public ConditionTest {
protected:
    void SetUp() override {
        ConditionTest::SetUp();
        SeeFloor(0);
        for (Tile& tile : floorArray[0].tiles) tile.colour = kWhite;
    }
    std::vector<XY> BloodyTiles() const {
        std::vector<XY> tiles;
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                if (Bloody(x, y)) tiles.push_back({x, y});
            }
        }
        return tiles;
    }
};

// The splash flies away from the character, as the table of directions has it.
TEST_F(MonsterBlood, ASplashFliesAwayFromTheCharacter) {
    struct Case {
        const char* where;  // the character, seen from the monster at (20, 9)
        int32_t playerX, playerY;
        std::vector<XY> blood;
    };
    const Case cases[] = {
        {"north-west", 19, 8, {{21, 10}, {22, 11}, {20, 10}, {21, 9}}},
        {"north", 20, 8, {{20, 10}, {20, 11}, {19, 10}, {21, 10}}},
        {"south", 20, 10, {{20, 8}, {20, 7}, {21, 8}, {19, 8}}},
        {"east", 21, 9, {{19, 9}, {18, 9}, {19, 8}, {19, 10}}},
        {"west", 19, 9, {{21, 9}, {22, 9}, {21, 10}, {21, 8}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        for (Tile& tile : floorArray[0].tiles) tile.colour = kWhite;
        player.x = c.playerX;
        player.y = c.playerY;
        Monster* monster = PlaceFighter(20, 9);
        SeedFor(AllSplashDrawsPass);
        monster->SpillMonsterBlood(true);
        std::vector<XY> expected = c.blood;
        std::vector<XY> found = BloodyTiles();
        auto order = [](XY a, XY b) { return a.x != b.x ? a.x < b.x : a.y < b.y; };
        std::sort(expected.begin(), expected.end(), order);
        EXPECT_EQ(found.size(), expected.size());
        for (std::size_t k = 0; k < found.size() && k < expected.size(); ++k) {
            EXPECT_EQ(found[k].x, expected[k].x);
            EXPECT_EQ(found[k].y, expected[k].y);
        }
    }
}

TEST_F(MonsterBlood, TheFarCandidateOnlyInViewAndAMagentaTileEndsTheSplash) {
    player.x = 19;
    player.y = 9;  // west: the blood flies east
    Monster* monster = PlaceFighter(20, 9);
    floorArray[0].At(22, 9).visibleNow = 0;
    SeedFor(AllSplashDrawsPass);
    monster->SpillMonsterBlood(true);
    EXPECT_TRUE(Bloody(21, 9));
    EXPECT_FALSE(Bloody(22, 9));
    EXPECT_TRUE(Bloody(21, 10));
    EXPECT_TRUE(Bloody(21, 8));

    for (Tile& tile : floorArray[0].tiles) tile.colour = kWhite;
    floorArray[0].At(22, 9).visibleNow = 1;
    floorArray[0].At(22, 9).colour = kMagenta;
    SeedFor(AllSplashDrawsPass);
    monster->SpillMonsterBlood(true);
    EXPECT_TRUE(Bloody(21, 9));
    EXPECT_EQ(floorArray[0].At(22, 9).colour, kMagenta);
    EXPECT_FALSE(Bloody(21, 10));
    EXPECT_FALSE(Bloody(21, 8));
}

// A monster on the first open column splashes toward the frame: the far
// candidate lies off the map and is passed over.
TEST_F(MonsterBlood, ASplashAtTheEdgeStaysOnTheMap) {
    player.x = 2;
    player.y = 9;
    Monster* monster = PlaceFighter(1, 9);
    SeedFor(AllSplashDrawsPass);
    monster->SpillMonsterBlood(true);
    EXPECT_TRUE(Bloody(0, 9));  // the frame's wall takes blood
    EXPECT_TRUE(Bloody(0, 8));
    EXPECT_TRUE(Bloody(0, 10));
}

TEST_F(MonsterBlood, TheNotLivingDoNotBleed) {
    Monster* monster = PlaceFighter(20, 9);
    monster->living = 0;
    const RandomMother before = rng;
    monster->SpillMonsterBlood(false);
    EXPECT_TRUE(BloodyTiles().empty());
    EXPECT_EQ(rng.BRandom(), RandomMother(before).BRandom());
}

TEST_F(MonsterBlood, ADemonAlwaysBurstsWithoutAWordAndBloodyFloorsBurstOften) {
    Monster* demon = PlaceFighter(1, 1, "Vir've");
    floorArray[0].At(0, 0).colour = kGrey;
    floorArray[0].At(2, 2).colour = kMagenta;
    floorArray[0].At(2, 1).glyph = kIceBlockGlyph;
    demon->SpillMonsterBlood(false);
    EXPECT_EQ(Messages(), "");
    EXPECT_EQ(floorArray[0].At(0, 0).colour, kGrey);
    EXPECT_EQ(floorArray[0].At(2, 2).colour, kMagenta);
    EXPECT_FALSE(Bloody(2, 1));
    EXPECT_EQ(BloodyTiles().size(), 6u);

    for (Tile& tile : floorArray[0].tiles) tile.colour = kWhite;
    floorArray[0].feeling = kFeelingBloody;
    Monster* monster = PlaceFighter(30, 9);
    SeedFor([](RandomMother& r) { return r.Random(3) == 0 && r.Random(4) != 0; });
    monster->SpillMonsterBlood(false);
    EXPECT_EQ(Messages(), "The monster explodes into pieces!");  // no cloth to soak
    EXPECT_EQ(BloodyTiles().size(), 9u);
}

}  // namespace
