#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data_compiler/floor_source.h"
#include "data_compiler/item_source.h"
#include "data_compiler/monster_source.h"
#include "toolkit/data_file.h"
#include "toolkit/run_length.h"

namespace {

std::string Source(const char* name) {
    std::string text;
    EXPECT_TRUE(ReadTextFile(std::string(HOLLOWMERE_SOURCE_DIR) + "/data/" + name, text)) << name;
    return text;
}

// The text with the line that holds `marker` replaced (or removed when `with` is empty).
std::string ReplaceLine(std::string text, const std::string& marker, const std::string& with) {
    const size_t at = text.find(marker);
    EXPECT_NE(at, std::string::npos) << marker;
    const size_t start = text.rfind('\n', at) + 1;
    const size_t end = text.find('\n', at);
    return text.replace(start, end - start + 1, with.empty() ? "" : with + "\n");
}

int LineOf(const std::string& text, const std::string& marker) {
    const size_t at = text.find(marker);
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

Diagnostics CheckItems(const std::string& text) {
    Diagnostics diagnostics;
    CheckItemSource(ParseItemSource(text, "items.txt", diagnostics), diagnostics);
    return diagnostics;
}

Diagnostics CheckGlyphs(const std::string& items, const std::string& monsters) {
    Diagnostics diagnostics;
    const ItemSource itemSource = ParseItemSource(items, "items.txt", diagnostics);
    CheckItemGlyphs(itemSource, ParseMonsterSource(monsters, "monsters.txt", diagnostics), diagnostics);
    return diagnostics;
}

Diagnostics CheckMonsters(const std::string& text) {
    Diagnostics diagnostics;
    CheckMonsterSource(ParseMonsterSource(text, "monsters.txt", diagnostics), diagnostics);
    return diagnostics;
}

int LineOfRule(const Diagnostics& diagnostics, const std::string& rule) {
    for (const SourceError& error : diagnostics.errors) {
        if (error.rule == rule) return error.line;
    }
    return -1;
}

TEST(DataCompiler, TheGamesSourcesKeepEveryRule) {
    const Diagnostics monsters = CheckMonsters(Source("monsters.txt"));
    EXPECT_TRUE(monsters.Ok()) << monsters.Format();
    const Diagnostics items = CheckItems(Source("items.txt"));
    EXPECT_TRUE(items.Ok()) << items.Format();
    const Diagnostics glyphs = CheckGlyphs(Source("items.txt"), Source("monsters.txt"));
    EXPECT_TRUE(glyphs.Ok()) << glyphs.Format();
    Diagnostics floors;
    const std::vector<FloorMap> maps = ParseFloorSource(Source("floors.txt"), "floors.txt", floors);
    CheckFloorMaps(maps, "floors.txt", floors);
    EXPECT_TRUE(floors.Ok()) << floors.Format();
    EXPECT_EQ(maps.size(), 50u);
}

TEST(DataCompiler, TheBuiltFloorsFileUnpacksToTheMapsText) {
    std::vector<uint8_t> packed;
    ASSERT_TRUE(ReadFileStart(std::string(HOLLOWMERE_PLAY_DIR) + "/floors.hmd", SIZE_MAX, packed));
    const std::vector<uint8_t> unpacked = RunLengthUnpack(packed);
    EXPECT_EQ(std::string(unpacked.begin(), unpacked.end()), Source("floors.txt"));
}

TEST(DataCompiler, BrokenItemSourcesAreRefusedWithTheirRule) {
    const std::string items = Source("items.txt");
    std::string extraPotions;
    for (int i = 0; i < 5; ++i) extraPotions += "  \"potion of echo " + std::to_string(i) + "\" '!' red 3 2 30\n";
    struct Case {
        const char* what;
        std::string text;
        const char* rule;
    };
    const Case cases[] = {
        {"no arrow", ReplaceLine(items, "\"arrow\"", ""), "named kinds"},
        {"a 31st potion kind",
         ReplaceLine(items, "\"potion of mud skin\"", "  \"potion of mud skin\" '!' brown 26 2 30\n" + extraPotions),
         "appearance limits"},
        {"a 24th ring kind", ReplaceLine(items, "\"ring of domination\"",
                                         "  \"ring of domination\" ring '=' red 31 1 10\n  \"ring of echoes\" ring '=' red 9 1 10"),
         "appearance limits"},
        {"a heavy cuirass", ReplaceLine(items, "\"leather cuirass\"", "  \"leather cuirass\" chest '[' brown 5 2 24 90 20"),
         "kit weight"},
        {"a single tier 2 material", ReplaceLine(items, "\"piece of ash wood\"", ""), "crafting"},
        {"a capital letter", ReplaceLine(items, "\"bone knife\"", "  \"Bone knife\" one-handed ')' white 2 1-4 14 4 5"),
         "lower case"},
    };
    for (const Case& c : cases) {
        const Diagnostics diagnostics = CheckItems(c.text);
        EXPECT_TRUE(diagnostics.Broke(c.rule)) << c.what << "\n" << diagnostics.Format();
    }
    // A missing kind is reported at the head of the section it belongs in.
    EXPECT_NE(CheckItems(cases[0].text).Format().find("items.txt:" + std::to_string(LineOf(items, "[ammunition]")) +
                                                      ": named kinds: no kind is named \"arrow\""),
              std::string::npos);

    // Removing every iron piece leaves armour windows empty and the smith without tier 3 armour.
    std::string noIron = items;
    for (const char* name : {"\"chain coif\"", "\"iron helmet\"", "\"iron knuckles\"", "\"iron leggings\"",
                             "\"iron boots\"", "\"iron chainmail\"", "\"iron kite shield\"", "\"steel cuirass\""}) {
        noIron = ReplaceLine(noIron, name, "");
    }
    const Diagnostics gap = CheckItems(noIron);
    EXPECT_TRUE(gap.Broke("random coverage")) << gap.Format();
    EXPECT_TRUE(gap.Broke("crafting")) << gap.Format();
}

// On the map an item must never pass for a monster: no item kind takes a monster
// kind's glyph, nor the '&' of the unique demons, whichever source changed.
TEST(DataCompiler, AnItemWithAMonstersGlyphIsRefused) {
    const std::string items = Source("items.txt");
    const std::string monsters = Source("monsters.txt");
    auto copperShownAs = [&items](const std::string& glyph) {
        return ReplaceLine(items, "\"lump of copper\"", "  \"lump of copper\" '" + glyph + "' brown 3 1 melee 6 25");
    };
    // The rat's line with the materials' glyph in place of its letter.
    std::string rat = monsters.substr(monsters.find("  \"rat\""));
    rat = rat.substr(0, rat.find('\n'));
    rat[rat.find(" r ") + 1] = '*';
    struct Case {
        const char* what;
        std::string items;
        std::string monsters;
    };
    const Case cases[] = {
        {"an item shown as the demons", copperShownAs("&"), monsters},
        {"an item shown as a rat", copperShownAs("r"), monsters},
        {"a monster kind shown as the materials", items, ReplaceLine(monsters, "\"rat\"", rat)},
    };
    for (const Case& c : cases) {
        const Diagnostics diagnostics = CheckGlyphs(c.items, c.monsters);
        EXPECT_TRUE(diagnostics.Broke("glyphs")) << c.what << "\n" << diagnostics.Format();
    }
    const std::string told = CheckGlyphs(copperShownAs("r"), monsters).Format();
    EXPECT_NE(told.find("items.txt:" + std::to_string(LineOf(items, "\"lump of copper\"")) +
                        ": glyphs: \"lump of copper\": its glyph 'r' is also that of the monster kind \"rat\""),
              std::string::npos)
        << told;
}

TEST(DataCompiler, ADuplicateNameIsReportedAtItsLine) {
    const std::string items = Source("items.txt");
    const std::string duplicated = ReplaceLine(items, "\"opal\"", "  \"pearl\" '*' light-magenta 18 1 60");
    const Diagnostics diagnostics = CheckItems(duplicated);
    ASSERT_TRUE(diagnostics.Broke("unique names")) << diagnostics.Format();
    EXPECT_EQ(LineOfRule(diagnostics, "unique names"), LineOf(items, "\"opal\""));
    EXPECT_NE(diagnostics.Format().find("items.txt:" + std::to_string(LineOf(items, "\"opal\"")) + ": unique names: \"pearl\""),
              std::string::npos)
        << diagnostics.Format();

    const std::string monsters = Source("monsters.txt");
    const Diagnostics twoWolves = CheckMonsters(ReplaceLine(monsters, "\"lynx\"", "  \"wolf\" f white 15 64 11-18 495 79 4/4 1000/1000 20 30/2 stalker melee living"));
    EXPECT_EQ(LineOfRule(twoWolves, "unique names"), LineOf(monsters, "\"lynx\"")) << twoWolves.Format();
}

TEST(DataCompiler, BrokenMonsterSourcesAreRefusedWithTheirRule) {
    const std::string monsters = Source("monsters.txt");
    Diagnostics diagnostics;
    MonsterSource source = ParseMonsterSource(monsters, "monsters.txt", diagnostics);
    ASSERT_TRUE(diagnostics.Ok());

    // A gap: no kind of levels 18 to 22, so nothing fits a wanted level of 20.
    MonsterSource gap = source;
    for (size_t i = gap.kinds.size(); i-- > 0;) {
        if (gap.kinds[i].level >= 18 && gap.kinds[i].level <= 22) {
            gap.kinds.erase(gap.kinds.begin() + static_cast<std::ptrdiff_t>(i));
            gap.lines.erase(gap.lines.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    Diagnostics gapErrors;
    CheckMonsterSource(gap, gapErrors);
    ASSERT_TRUE(gapErrors.Broke("level coverage")) << gapErrors.Format();
    EXPECT_NE(gapErrors.Format().find("level 20 on icy (colour 11) floors"), std::string::npos) << gapErrors.Format();

    // Only pack kinds around a level: fine for packs, but no variant can be made there.
    MonsterSource packs = source;
    for (MonsterKind& kind : packs.kinds) {
        if (kind.level >= 28 && kind.level <= 32) kind.ability = 26;
    }
    Diagnostics packErrors;
    CheckMonsterSource(packs, packErrors);
    EXPECT_NE(packErrors.Format().find("level 30 on snowy (colour 15) floors: no kind that may become a variant"),
              std::string::npos)
        << packErrors.Format();

    struct Case {
        const char* what;
        const char* marker;
        const char* line;
        const char* rule;
    };
    const Case cases[] = {
        {"a unique demon's name", "\"demon\"", "  \"Omuerp\" U magenta 38 239 41-68 374 77 19/19 1000/1000 1225 30/6 warm-touch melee living", "demon name"},
        {"an act threshold of 0", "\"rat\"", "  \"rat\" r brown 1 7 2-3 593 13 0/0 1000/0 1 30/1 none melee living", "used kind"},
        {"a variant word", "\"bat\"", "  \"quick bat\" b brown 1 4 2-3 593 18 0/0 1500/1000 1 30/1 none melee living", "variant words"},
        {"a digit for a glyph", "\"bat\"", "  \"bat\" 8 brown 1 4 2-3 593 18 0/0 1500/1000 1 30/1 none melee living", "value range"},
        {"falling danger", "\"winter ant\"", "  \"winter ant\" a white 1 8 2-4 586 16 1/1 1000/1000 1 30/1 pack melee living", "rising danger"},
        {"a kind out of its place", "\"bat\"", "  \"wolf\" b brown 1 4 2-3 593 18 0/0 1500/1000 1 30/1 none melee living", "kind names"},
        {"two kinds that look alike", "\"bat\"", "  \"bat\" r brown 1 4 2-3 593 18 0/0 1500/1000 1 30/1 none melee living", "look apart"},
        {"a terrain kind no floor has", "\"snow diver\"", "  \"snow diver\" B red 32 135 31-47 376 152 16/16 1500/1000 911 30/3 terrain melee living", "terrain colour"},
        {"experience that doubles only every second level past 22", "\"doppelganger\"", "  \"doppelganger\" p magenta 25 134 22-36 425 85 12/12 1000/1000 1096 30/3 chameleon melee living", "kind curve"},
        {"experience that doubles only every 1.25 levels past 38", "\"titan\"", "  \"titan\" P yellow 51 488 53-89 283 98 26/26 1000/1000 2634385289 30/12 wall-crumbling melee living", "kind curve"},
        {"a blow far above its level", "\"rat\"", "  \"rat\" r brown 1 7 2-30 593 13 0/0 1000/1000 3 30/1 none melee living", "kind curve"},
        {"a missing column", "\"bat\"", "  \"bat\" b brown 1 4 2-3 593 18 0/0 1500/1000 1 30/1 none melee", "syntax"},
    };
    for (const Case& c : cases) {
        const std::string text = ReplaceLine(monsters, c.marker, c.line);
        const Diagnostics errors = CheckMonsters(text);
        EXPECT_EQ(LineOfRule(errors, c.rule), LineOf(monsters, c.marker)) << c.what << "\n" << errors.Format();
    }
    const Diagnostics noSoaking = CheckMonsters(ReplaceLine(ReplaceLine(monsters, "\"slush ooze\"", "  \"slush ooze\" j white 7 30 8-10 551 12 5/5 750/1000 3 30/1 slowing melee unliving"), "\"ice ooze\"", "  \"ice ooze\" j light-cyan 27 216 20-32 411 46 17/17 750/1000 229 30/5 slowing melee unliving"));
    EXPECT_NE(noSoaking.Format().find("no kind has ability 32 (soaking)"), std::string::npos) << noSoaking.Format();
}

// ---- the prebuilt maps ----

using Grid = std::vector<std::string>;

Grid OpenRoom() {
    Grid grid(kMapRows, std::string(kMapColumns, '.'));
    grid.front() = grid.back() = std::string(kMapColumns, '#');
    for (std::string& row : grid) row.front() = row.back() = '#';
    grid[1][1] = '<';
    grid[17][78] = '>';
    return grid;
}

// Fifty maps; `change` may alter map k. Separators carry free text and leading blanks.
std::string MapFile(const std::function<void(int, Grid&)>& change = nullptr) {
    std::string text;
    for (int k = 0; k < kPrebuiltMapCount; ++k) {
        if (k > 0) text += k % 2 == 0 ? "! map " + std::to_string(k) + "\n" : "  \t! another map\n";
        Grid grid = OpenRoom();
        if (change) change(k, grid);
        for (const std::string& row : grid) text += row + (row.size() == 80 ? "   trailing text is ignored\n" : "\n");
    }
    return text;
}

Diagnostics CheckMaps(const std::string& text, size_t* count = nullptr) {
    Diagnostics diagnostics;
    const std::vector<FloorMap> maps = ParseFloorSource(text, "floors.txt", diagnostics);
    CheckFloorMaps(maps, "floors.txt", diagnostics);
    if (count != nullptr) *count = maps.size();
    return diagnostics;
}

// The source line of row y of map k in MapFile's layout.
int MapLine(int k, int y) { return k * (kMapRows + 1) + y + 1; }

TEST(DataCompiler, MapsAreFoundAsTheGameFindsThem) {
    size_t count = 0;
    const Diagnostics diagnostics = CheckMaps(MapFile(), &count);
    EXPECT_TRUE(diagnostics.Ok()) << diagnostics.Format();
    EXPECT_EQ(count, 50u);

    Diagnostics parsed;
    const std::vector<FloorMap> maps = ParseFloorSource(MapFile([](int k, Grid& grid) {
                                                            if (k == 49) grid[5][5] = 'a';
                                                        }),
                                                        "floors.txt", parsed);
    ASSERT_EQ(maps.size(), 50u);
    EXPECT_EQ(maps[49].firstLine, MapLine(49, 0));
    EXPECT_EQ(maps[49].rows[5][5], 'a');
    EXPECT_EQ(maps[0].rows[1].size(), 80u) << "characters after the 80th are not part of the map";
}

TEST(DataCompiler, BrokenMapsAreRefusedWithTheirRule) {
    struct Case {
        const char* what;
        int map;
        std::function<void(Grid&)> change;
        const char* rule;
        int row;  // the row the error names
    };
    const Case cases[] = {
        {"a gap in the border", 4, [](Grid& g) { g[0][30] = '.'; }, "wall border", 0},
        {"a floor at the right edge", 5, [](Grid& g) { g[9][79] = 'a'; }, "wall border", 9},
        {"a sealed room", 7,
         [](Grid& g) {
             for (int x = 30; x <= 40; ++x) g[5][x] = g[10][x] = '#';
             for (int y = 5; y <= 10; ++y) g[y][30] = g[y][40] = '#';
         },
         "reachable", 6},
        {"the way down behind ice is fine, behind a special spot it is not", 8,
         [](Grid& g) {
             for (int y = 1; y <= 17; ++y) g[y][60] = '#';
             g[3][60] = '\'';
             g[12][60] = '#';
             for (int y = 1; y <= 17; ++y) g[y][65] = '#';
             g[9][65] = 'A';
         },
         "reachable", 1},
        {"no way down", 9, [](Grid& g) { g[17][78] = '.'; }, "stairs", 0},
        {"two ways up", 10, [](Grid& g) { g[9][9] = '<'; }, "stairs", 0},
        {"too many monsters", 11,
         [](Grid& g) {
             for (int x = 2; x < 15; ++x) g[8][x] = 's';
         },
         "monster budget", 0},
        {"an altar written into a map", 12, [](Grid& g) { g[4][4] = '_'; }, "legend", 4},
        {"a short row", 13, [](Grid& g) { g[6].resize(79); }, "map rows", 6},
    };
    for (const Case& c : cases) {
        const std::string text = MapFile([&](int k, Grid& grid) {
            if (k == c.map) c.change(grid);
        });
        const Diagnostics diagnostics = CheckMaps(text);
        EXPECT_TRUE(diagnostics.Broke(c.rule)) << c.what << "\n" << diagnostics.Format();
        EXPECT_EQ(LineOfRule(diagnostics, c.rule), MapLine(c.map, c.row)) << c.what << "\n" << diagnostics.Format();
    }

    // A budget of exactly -2 is still allowed: 12 's' cells and 1 'm' cell.
    const Diagnostics edge = CheckMaps(MapFile([](int k, Grid& g) {
        if (k != 3) return;
        for (int x = 2; x < 14; ++x) g[8][x] = 's';
        g[9][2] = 'm';
    }));
    EXPECT_TRUE(edge.Ok()) << edge.Format();
}

TEST(DataCompiler, AMapFileOfTheWrongShapeIsRefused) {
    // A twentieth row in map 3 (the separator after it comes a line late).
    std::string text = MapFile();
    const size_t at = text.find("! map 4");
    text.insert(at, std::string(80, '#') + "\n");
    EXPECT_TRUE(CheckMaps(text).Broke("map rows"));

    // 49 maps only.
    std::string fewer = MapFile();
    fewer.erase(fewer.find("! map 48"), std::string::npos);
    const Diagnostics diagnostics = CheckMaps(fewer);
    EXPECT_TRUE(diagnostics.Broke("map count")) << diagnostics.Format();
}

}  // namespace
