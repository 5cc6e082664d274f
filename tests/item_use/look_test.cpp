// The look cursor and what it tells of a square.
#include <gtest/gtest.h>

#include <string>

#include "items/appearances.h"
#include "monsters/monster_fight_fixture.h"

namespace {

using LookTest = FightScreenTest;

std::string Padded(const std::string& text, size_t width) { return text + std::string(width - text.size(), ' '); }

TEST_F(LookTest, GroundTexts) {
    struct Case {
        char glyph;
        ColourCode colour;
        int32_t state;
        const char* text;
    };
    const Case cases[] = {
        {'.', kRed, 0, "bloodstained floor"},   {'.', kWhite, 0, "snowy floor"},
        {'.', kLightCyan, 0, "icy floor"},      {'.', kGrey, 0, "floor"},
        {'#', kLightRed, 0, "bloodstained wall"}, {'#', kCyan, 0, "icy wall"},
        {'#', kWhite, 0, "wall"},               {'\'', kWhite, 0, "an iceblock"},
        {'+', kLightBlue, 0, "an ice mirror"},  {'+', kRed, 0, "a bloody stand"},
        {'0', kBlue, 0, "the frozen surface of a pool"}, {'0', kBlue, 1, "a hole in the ice"},
        {':', kWhite, 1, "a snowman"},          {':', kWhite, 0, "a heap of snow"},
        {'>', kWhite, 0, "stairs down"},        {'|', kBrown, 0, "a frozen body of an adventurer"},
        {'^', kBrown, kTrapPurseRay, "a trap of money destruction"}, {'^', kBrown, kTrapStoneBlock, "a damage trap"},
        {'^', kYellow, kTrapBlowpipe, "a blinding trap"}, {'^', kYellow, kTrapSleepingGas, "a sleep trap"},
        {'^', kDarkGrey, kTrapFallingIce, "an iceblock trap"},
    };
    for (const Case& c : cases) {
        Tile& tile = floorArray[0].At(11, 10);
        tile.glyph = c.glyph;
        tile.colour = c.colour;
        tile.featureState = c.state;
        tile.trapKind = c.state;
        player.DescribeSquare(11, 10);
        const std::string text = c.text;
        const size_t width = text.find("iceblock") != std::string::npos ? 60 : 59;
        EXPECT_EQ(TextAt(19, 0, 80), Padded(text, width) + std::string(80 - width, ' ')) << c.text;
        EXPECT_EQ(ColourAt(19, 0), kLightCyan);
    }
}

TEST_F(LookTest, AMagentaFloorLeavesTheGroundLineOfTheSquareBefore) {
    floorArray[0].At(11, 10).colour = kGrey;
    player.DescribeSquare(11, 10);
    floorArray[0].At(12, 10).colour = kMagenta;
    player.DescribeSquare(12, 10);
    EXPECT_EQ(TextAt(19, 0, 6), "floor ");
}

TEST_F(LookTest, MonsterHealthWords) {
    struct Case {
        int32_t hp;
        int32_t living;
        const char* name;
        const char* line;
    };
    const Case cases[] = {
        {30, 1, "rat", "a hostile rat (l = look at details)"},
        {20, 1, "rat", "a hostile rat, barely injured (l = look at details)"},
        {15, 1, "rat", "a hostile rat, injured (l = look at details)"},
        {10, 1, "rat", "a hostile rat, badly injured (l = look at details)"},
        {9, 1, "rat", "a hostile rat, almost dead (l = look at details)"},
        {9, 0, "rat", "a hostile rat, almost destroyed (l = look at details)"},
        {10, 1, "Ikuazz", "Ikuazz, badly injured (l = look at details)"},
    };
    for (const Case& c : cases) {
        Monster* monster = fight::PlaceFighter(11, 10, c.name);
        monster->maxHp = 30;
        monster->hp = c.hp;
        monster->living = c.living;
        EXPECT_EQ(player.DescribeSquare(11, 10), monster);
        EXPECT_EQ(Row(20), Padded(c.line, 80)) << c.line;
        FreeAllMonsters();
    }
}

TEST_F(LookTest, OutOfViewNothingIsTold) {
    fight::PlaceFighter(11, 10);
    floorArray[0].At(11, 10).items.push_back(ItemData());
    floorArray[0].At(11, 10).visibleNow = 0;
    EXPECT_EQ(player.DescribeSquare(11, 10), nullptr);
    EXPECT_EQ(Row(19), Padded("You can't see there", 80));
    EXPECT_EQ(Row(20), std::string(80, ' '));
    EXPECT_EQ(Row(21), std::string(80, ' '));
}

TEST_F(LookTest, ItemsAndMoney) {
    conditions::DefineKind(60, kItemPotion, 3, "potion of healing");
    potionAppearances[0].kind = 60;
    potionAppearances[0].name = "orange potion";
    Tile& tile = floorArray[0].At(11, 10);
    ItemData potion;
    potion.kind = 60;

    tile.gold = 5;
    player.DescribeSquare(11, 10);
    EXPECT_EQ(Row(21), Padded("some money", 80));
    tile.items.push_back(potion);
    player.DescribeSquare(11, 10);
    EXPECT_EQ(Row(21), Padded("an orange potion and some money", 80));
    tile.gold = 0;
    tile.items[0].quantity = 2;
    player.DescribeSquare(11, 10);
    EXPECT_EQ(Row(21), Padded("orange potions", 80));
    tile.items.push_back(potion);
    player.DescribeSquare(11, 10);
    EXPECT_EQ(Row(21), Padded("several objects", 80));
}

TEST_F(LookTest, LOnAnEmptySquareDoesNothing) {
    Type("6l");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.Look(); }));
    EXPECT_EQ(TextAt(19, 0, 6), "floor ");
}

TEST_F(LookTest, TheCharactersOwnSquareAndSagesAndSmiths) {
    player.DescribeSquare(player.x, player.y);
    EXPECT_EQ(Row(20), Padded("you (l = look at details)", 80));
    AddSage(11, 10, 0);
    player.DescribeSquare(11, 10);
    EXPECT_EQ(Row(20), Padded("a sage", 80));
    floorArray[0].At(12, 10).glyph = kDeepSmithGlyph;
    player.DescribeSquare(12, 10);
    EXPECT_EQ(TextAt(19, 0, 6), "floor ");
    EXPECT_EQ(Row(20), Padded("a deep smith", 80));
}

TEST_F(LookTest, TheCursorLeavesTheMapKeepingTheLastTextAndExitsWithZ) {
    player.x = 1;
    player.y = 1;
    Type("44");  // onto the border wall, then past the left edge
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.Look(); }));
    EXPECT_EQ(TextAt(19, 0, 5), "wall ");
    EXPECT_EQ(TextAt(21, 72, 8), "z = exit");
    // A fresh look starts on the character again; 'z' ends it and clears the rows.
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.Look(); }));
    EXPECT_EQ(TextAt(19, 0, 6), "floor ");
    Type("z");
    player.Look();
    EXPECT_EQ(Row(19), std::string(80, ' '));
    EXPECT_EQ(Row(21), std::string(80, ' '));
}

TEST_F(LookTest, EnterOnAMonsterOpensItsExamination) {
    fight::PlaceFighter(11, 10, "rat");
    Type("6\n");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.Look(); }));
    EXPECT_EQ(TextAt(0, 30, 19), "Monster Examination") << Dump();
}

}  // namespace
