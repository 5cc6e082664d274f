#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "floors/floor_fixtures.h"
#include "floors/prebuilt_floors.h"
#include "support/screen_test.h"
#include "support/working_directory.h"
#include "toolkit/drawing.h"
#include "toolkit/run_length.h"

namespace {

class PrebuiltFloors : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        AddMonsterKindPerLevel();
    }
    void TearDown() override { ResetGameState(); }
};

// A walled map of open floor; `cells` are put on it, left to right, from (1, 1) on.
std::vector<std::string> MapRows(const std::string& cells = "") {
    std::vector<std::string> rows(kFloorHeight, std::string(kFloorWidth, '.'));
    rows.front() = rows.back() = std::string(kFloorWidth, '#');
    for (std::string& row : rows) row.front() = row.back() = '#';
    for (size_t i = 0; i < cells.size(); ++i) rows[1 + i / 78][1 + i % 78] = cells[i];
    return rows;
}

std::string Text(const std::vector<std::vector<std::string>>& maps, const std::string& separator = "!\n") {
    std::string text;
    for (size_t m = 0; m < maps.size(); ++m) {
        if (m > 0) text += separator;
        for (const std::string& row : maps[m]) text += row + "\n";
    }
    return text;
}

TEST_F(PrebuiltFloors, MapsAreFoundAfterTheirSeparators) {
    std::vector<std::vector<std::string>> maps;
    for (char mark : {'0', '1', '2', '3'}) maps.push_back(MapRows(std::string(1, mark)));
    // Blank lines and blanks before the '!' are passed over; the rest of a separator line is ignored.
    const std::string text = Text(maps, "\n  \t! the next map, with a '#' and a '!' in its comment\n");
    for (int32_t m = 0; m < 4; ++m) {
        SCOPED_TRACE(m);
        floorArray[9] = Floor{};
        floorArray[9].LoadPrebuiltFloor(text, m, 9);
        EXPECT_EQ(floorArray[9].At(1, 1).glyph, '0' + m);
        EXPECT_EQ(floorArray[9].At(2, 1).glyph, '.');
        EXPECT_EQ(floorArray[9].layoutType, kLayoutPrebuilt);
    }
}

TEST_F(PrebuiltFloors, LegendMakesTerrainTrapsAndMonsters) {
    for (int32_t seed = 1; seed <= 30; ++seed) {
        ResetGameState(static_cast<uint32_t>(seed));
        AddMonsterKindPerLevel();
        floorArray[10].LoadPrebuiltFloor(Text({MapRows(",^^^m.s<>_~'")}), 0, 10);
        const Floor& floor = floorArray[10];
        EXPECT_EQ(floor.At(1, 1).glyph, ',');
        EXPECT_EQ(floor.At(1, 1).colour, 5);
        for (int32_t x = 2; x <= 4; ++x) {
            EXPECT_EQ(floor.At(x, 1).glyph, '.');
            EXPECT_TRUE(floor.At(x, 1).trapKind >= 1 && floor.At(x, 1).trapKind <= 18);
            EXPECT_NE(floor.At(x, 1).trapKind, 6);
            EXPECT_NE(floor.At(x, 1).trapKind, 11);
        }
        const std::string kept = "<>_~'";
        for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(floor.At(8 + static_cast<int32_t>(i), 1).glyph, kept[i]);

        const Monster* plain = FindMonsterAt(5, 1, 10);
        const Monster* strong = FindMonsterAt(7, 1, 10);
        ASSERT_NE(plain, nullptr);
        ASSERT_NE(strong, nullptr);
        EXPECT_EQ(floor.At(5, 1).glyph, '.');
        EXPECT_EQ(std::strchr(plain->name, ' '), std::strrchr(plain->name, ' '));  // "beast N": no variant word
        EXPECT_NE(std::strchr(strong->name, ' '), std::strrchr(strong->name, ' '));
        EXPECT_GE(strong->colour, 16);  // a variant's mark
    }
}

TEST_F(PrebuiltFloors, MonsterBudgetDecidesTheExtraMonsters) {
    struct Case {
        int32_t plain;
        int32_t strong;
        int32_t extraMin;
        int32_t extraMax;
    };
    // Budget 23 - m - 2s: above 0 that many more, 0 or -1 one to four more, -2 or less none.
    const Case cases[] = {{23, 0, 1, 4}, {0, 12, 1, 4}, {1, 12, 0, 0}, {5, 3, 12, 12}, {0, 0, 23, 23}, {30, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.plain) + " m, " + std::to_string(c.strong) + " s");
        for (int32_t seed = 1; seed <= 10; ++seed) {
            ResetGameState(static_cast<uint32_t>(seed));
            AddMonsterKindPerLevel();
            const std::string cells = std::string(static_cast<size_t>(c.plain), 'm') + std::string(static_cast<size_t>(c.strong), 's');
            floorArray[16].LoadPrebuiltFloor(Text({MapRows(cells)}), 0, 16);
            const int32_t extra = MonsterCount(16) - c.plain - c.strong;
            EXPECT_GE(extra, c.extraMin);
            EXPECT_LE(extra, c.extraMax);
        }
    }
}

TEST_F(PrebuiltFloors, SpecialSpotsPlaceEachLandmarkOnceAtMost) {
    const std::string text = Text({MapRows(std::string(78 * 3, 'A'))});
    std::set<char> seenLandmarks;
    for (int32_t seed = 1; seed <= 30; ++seed) {
        ResetGameState(static_cast<uint32_t>(seed));
        AddMonsterKindPerLevel();
        floorArray[9].LoadPrebuiltFloor(text, 0, 9);
        EXPECT_LE(CountGlyph(floorArray[9], '@'), 1);
        EXPECT_LE(CountGlyph(floorArray[9], '_'), 1);
        EXPECT_LE(sages.size(), 1u);
        if (CountGlyph(floorArray[9], '@') == 1) seenLandmarks.insert('@');
        if (CountGlyph(floorArray[9], '_') == 1) seenLandmarks.insert('_');
        if (!sages.empty()) {
            seenLandmarks.insert('s');
            EXPECT_EQ(sages[0].priceLevel, 170);
            EXPECT_EQ(sages[0].floor, 9);
            EXPECT_EQ(floorArray[9].At(sages[0].x, sages[0].y).monsterPresent, 1);
        }
        // Without item kinds, every treasure of a special spot is gold: Random(2) + 40 + 5 x 2 at floor 9's n = 12.
        for (const Tile& tile : floorArray[9].tiles) {
            EXPECT_TRUE(tile.gold == 0 || (tile.gold >= 100 && tile.gold < 112)) << tile.gold;
        }
    }
    EXPECT_EQ(seenLandmarks.size(), 3u);
}

TEST_F(PrebuiltFloors, LandmarksNeedDistanceFromTheLastOfTheirKind) {
    struct Case {
        int32_t sageFloor;
        int32_t altarFloor;
        int32_t smithFloor;
        bool sage;
        bool altar;
        bool smith;
    };
    // On floor 10: a sage needs the highest sage 6 floors up, an altar or a smith 8 floors up.
    const Case cases[] = {{4, 2, 2, true, true, true}, {5, 3, 3, false, false, false}};
    const std::string text = Text({MapRows(std::string(78 * 17, 'A'))});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sageFloor);
        ResetGameState();
        AddMonsterKindPerLevel();
        cSage sage;
        sage.floor = c.sageFloor;
        sages.push_back(sage);
        floorArray[c.altarFloor].At(3, 3).glyph = '_';
        floorArray[c.smithFloor].At(4, 4).glyph = '@';
        floorArray[10].LoadPrebuiltFloor(text, 0, 10);
        EXPECT_EQ(sages.size(), c.sage ? 2u : 1u);
        EXPECT_EQ(CountGlyph(floorArray[10], '_'), c.altar ? 1 : 0);
        EXPECT_EQ(CountGlyph(floorArray[10], '@'), c.smith ? 1 : 0);
    }
}

TEST_F(PrebuiltFloors, TreasureGoldGrowsWithTheFloor) {
    for (int32_t seed = 1; seed <= 20; ++seed) {
        ResetGameState(static_cast<uint32_t>(seed));
        AddMonsterKindPerLevel();
        floorArray[2].LoadPrebuiltFloor(Text({MapRows(std::string(40, 'a'))}), 0, 2);
        for (int32_t x = 1; x <= 40; ++x) {
            const int32_t gold = floorArray[2].At(x, 1).gold;
            EXPECT_TRUE(gold == 28 || gold == 29) << gold;  // Random(2) + 20 + 4 x 2
        }
    }
    // On floor 0 the depth rounds to 0: a roll of Random(0) would be nonsense, so it adds nothing.
    floorArray[0].LoadPrebuiltFloor(Text({MapRows("a")}), 0, 0);
    EXPECT_EQ(floorArray[0].At(1, 1).gold, 20);
}

TEST_F(PrebuiltFloors, FallThroughTrapsOnTheFloorAboveBecomeIceDarts) {
    floorArray[8].At(5, 5).trapKind = 11;
    floorArray[8].At(6, 5).trapKind = 3;
    floorArray[7].At(5, 5).trapKind = 11;
    floorArray[9].LoadPrebuiltFloor(Text({MapRows()}), 0, 9);
    EXPECT_EQ(floorArray[8].At(5, 5).trapKind, 15);
    EXPECT_EQ(floorArray[8].At(6, 5).trapKind, 3);
    EXPECT_EQ(floorArray[7].At(5, 5).trapKind, 11);
}

TEST_F(PrebuiltFloors, OddMapsReadAsWallWhereTheyFallShortAndKeepTheirBorder) {
    std::vector<std::string> rows = MapRows();
    rows[3] = "#....";        // a short row
    rows[5][0] = '.';          // an open border cell
    rows[7] = std::string(79, '.') + "m";  // a monster marked on the border
    rows[9] += "....\r";        // a row that runs on, ending in a carriage return
    rows.resize(12);            // the file ends inside the map
    std::string text;
    for (const std::string& row : rows) text += row + "\n";
    text.pop_back();  // and without its last line feed

    floorArray[9].LoadPrebuiltFloor(text, 0, 9);
    const Floor& floor = floorArray[9];
    EXPECT_EQ(floor.At(4, 3).glyph, '.');
    EXPECT_EQ(floor.At(5, 3).glyph, '#');
    EXPECT_EQ(floor.At(0, 5).glyph, '#');
    EXPECT_EQ(floor.At(79, 7).glyph, '#');
    EXPECT_EQ(FindMonsterAt(79, 7, 9), nullptr);
    EXPECT_EQ(floor.At(78, 9).glyph, '.');
    for (int32_t y = 12; y < kFloorHeight; ++y) {
        for (int32_t x = 0; x < kFloorWidth; ++x) EXPECT_EQ(floor.At(x, y).glyph, '#');
    }

    // A map number past the last separator reads as solid wall, and the loader returns.
    floorArray[10].LoadPrebuiltFloor(Text({MapRows(), MapRows()}), 49, 10);
    EXPECT_EQ(CountGlyph(floorArray[10], '#'), kFloorWidth * kFloorHeight);
    EXPECT_EQ(MonsterCount(10), 0);
}

TEST_F(PrebuiltFloors, FiveDistinctMapsAreChosen) {
    std::set<int32_t> everSeen;
    for (int32_t seed = 1; seed <= 200; ++seed) {
        rng.RandomInit(static_cast<uint32_t>(seed));
        std::vector<int32_t> maps = {7, 7};
        ChoosePrebuiltMaps(maps);
        ASSERT_EQ(maps.size(), 5u);
        EXPECT_EQ(std::set<int32_t>(maps.begin(), maps.end()).size(), 5u);
        for (int32_t m : maps) {
            EXPECT_TRUE(m >= 0 && m < kPrebuiltMapCount);
            everSeen.insert(m);
        }
    }
    EXPECT_EQ(everSeen.size(), 50u);
}

// Fifty maps of open floor, each with its stairs unless `spoil` takes them away.
std::string FiftyMaps(const std::function<void(int32_t, std::vector<std::string>&)>& spoil = {}) {
    std::vector<std::vector<std::string>> maps;
    for (int32_t m = 0; m < kPrebuiltMapCount; ++m) {
        maps.push_back(MapRows("<.>"));
        if (spoil) spoil(m, maps.back());
    }
    return Text(maps);
}

TEST(PrebuiltMaps, EveryMapNeedsItsStairsInsideTheWalls) {
    EXPECT_TRUE(HoldsEveryMap(FiftyMaps()));
    const struct {
        const char* what;
        std::string text;
    } broken[] = {
        {"no down stairs in map 37", FiftyMaps([](int32_t m, auto& rows) { rows[1][3] = m == 37 ? '.' : rows[1][3]; })},
        {"no up stairs in the last map", FiftyMaps([](int32_t m, auto& rows) { rows[1][1] = m == 49 ? '.' : '<'; })},
        {"stairs only on the border, which is wall", FiftyMaps([](int32_t m, auto& rows) {
             if (m != 0) return;
             rows[1][1] = '.';
             rows[0][5] = '<';
         })},
        {"49 maps", FiftyMaps().substr(0, FiftyMaps().rfind('!'))},
        {"nothing", ""},
    };
    for (const auto& map : broken) EXPECT_FALSE(HoldsEveryMap(map.text)) << map.what;
}

class FloorsFileScreen : public ScreenTest {
protected:
    void WriteFloorsFile(const std::string& text) {
        const std::vector<uint8_t> packed = RunLengthPack(std::vector<uint8_t>(text.begin(), text.end()));
        std::ofstream(folder.Path() / "floors.hmd", std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
    }
    ScopedWorkingDirectory folder;
};

TEST_F(FloorsFileScreen, AFloorsFileThatCannotGiveEveryMapEndsTheGameWithItsScreen) {
    const struct {
        const char* what;
        std::optional<std::string> text;
    } cases[] = {
        {"missing", std::nullopt},
        {"a map without its down stairs", FiftyMaps([](int32_t m, auto& rows) { rows[1][3] = m == 12 ? '.' : '>'; })},
        // A small file can claim over a hundred times its size.
        {"more than a megabyte unpacked", FiftyMaps() + std::string(1u << 20, '#')},
    };
    for (const auto& c : cases) {
        ClearScreen();
        std::filesystem::remove(folder.Path() / "floors.hmd");
        if (c.text) WriteFloorsFile(*c.text);
        std::string text;
        EXPECT_TRUE(RunUntilItWaitsForAKey([&text] { UnpackPrebuiltMaps(text); })) << c.what;
        EXPECT_EQ(TextAt(20, 20, 39), "Couldn't open decompressed floors file!") << c.what << Dump();
        EXPECT_EQ(ColourAt(20, 20), 4);
        EXPECT_EQ(TextAt(5, 28, 20), "Press a key to exit.");
        EXPECT_EQ(ColourAt(5, 28), 4);
    }
    Type("k");
    std::string text;
    EXPECT_EXIT(UnpackPrebuiltMaps(text), ::testing::ExitedWithCode(1), "");

    WriteFloorsFile(FiftyMaps());
    UnpackPrebuiltMaps(text);
    EXPECT_EQ(text, FiftyMaps());
}

}  // namespace
