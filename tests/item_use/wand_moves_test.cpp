// Summoning, teleporting, detection and digging.
#include <string>

#include "item_use/wand_fixture.h"

using namespace wands;

namespace {

// Walls on the eight neighbours of the zapper but the ones listed.
void WallInExcept(std::initializer_list<XY> open) {
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) TileAt(kX + dx, kY + dy).glyph = kWallGlyph;
        }
    }
    for (const XY spot : open) TileAt(spot.x, spot.y).glyph = kFloorGlyph;
}

Monster* LastMonster() {
    Monster* last = monsterListHead;
    while (last != nullptr && last->next != nullptr) last = last->next;
    return last;
}

}  // namespace

TEST_F(WandTest, ASummonTakesTheLastFreeNeighbourAndNeverASagesOrAMonstersSquare) {
    WallInExcept({{kX - 1, kY - 1}, {kX + 1, kY + 1}, {kX + 1, kY}});
    AddSage(kX + 1, kY, 0);
    ZapSummon(kWandSummonMonster, WandKind(kWandSummonMonster));
    ASSERT_EQ(MonsterCount(), 1);
    EXPECT_EQ(LastMonster()->x, kX + 1);
    EXPECT_EQ(LastMonster()->y, kY + 1);
    EXPECT_TRUE(Known(kWandSummonMonster));
    EXPECT_EQ(Messages(), "The wand summons a monster!");

    // (x + 1, y + 1) is taken now: the wild one comes to (x - 1, y - 1).
    ZapSummon(kWandSummonWildMonster, WandKind(kWandSummonWildMonster));
    ASSERT_EQ(MonsterCount(), 2);
    EXPECT_EQ(LastMonster()->x, kX - 1);
    EXPECT_EQ(LastMonster()->y, kY - 1);
}

TEST_F(WandTest, ASummonWithNoFreeNeighbourFizzlesAndStaysUnknown) {
    WallInExcept({{kX + 1, kY}, {kX, kY + 1}});
    Foe(kX + 1, kY);
    AddSage(kX, kY + 1, 0);
    ZapSummon(kWandSummonWildMonster, WandKind(kWandSummonWildMonster));
    EXPECT_EQ(MonsterCount(), 1);
    EXPECT_EQ(Messages(), "The spell fizzles.");
    EXPECT_FALSE(Known(kWandSummonWildMonster));
}

TEST_F(WandTest, TeleportingOneselfLandsOnAnotherFreeSquareAndMovesTheOccupiedMark) {
    ZapTeleport(WandKind(kWandTeleport), '5');
    EXPECT_FALSE(player.x == kX && player.y == kY);
    EXPECT_EQ(TileAt(player.x, player.y).glyph, kFloorGlyph);
    EXPECT_EQ(TileAt(player.x, player.y).monsterPresent, 1);
    EXPECT_EQ(TileAt(kX, kY).monsterPresent, 0);
    EXPECT_TRUE(Known(kWandTeleport));
}

TEST_F(WandTest, TeleportOnAFloorWithNowhereToGoMovesNothing) {
    // Only the zapper's own square and the monster's are open.
    OpenArea(floorArray[0], 1, 1, 78, 17, kWallGlyph);
    TileAt(kX, kY).glyph = kFloorGlyph;
    TileAt(kX + 1, kY).glyph = kFloorGlyph;
    Monster* monster = Foe(kX + 1, kY);
    ZapTeleport(WandKind(kWandTeleport), '5');
    ZapTeleport(WandKind(kWandTeleport), '6');
    EXPECT_EQ(player.x, kX);
    EXPECT_EQ(monster->x, kX + 1);
    EXPECT_EQ(TileAt(kX + 1, kY).monsterPresent, 1);
}

TEST_F(WandTest, TeleportSendsAMonsterOrASageAwayButAWallStaysAndTellsNothing) {
    Monster* monster = Foe(kX + 1, kY);
    ZapTeleport(WandKind(kWandTeleport), '6');
    EXPECT_FALSE(monster->x == kX + 1 && monster->y == kY);
    EXPECT_EQ(TileAt(monster->x, monster->y).monsterPresent, 1);
    EXPECT_EQ(TileAt(kX + 1, kY).monsterPresent, 0);

    // A sage needs room: a floor of narrow corridors with one open hall.
    OpenArea(floorArray[0], 1, 1, 78, 17, kWallGlyph);
    OpenArea(floorArray[0], 1, kY, 78, kY);
    OpenArea(floorArray[0], 60, 2, 62, 4);
    AddSage(kX - 1, kY, 0);
    sages.back().seen = 1;
    ZapTeleport(WandKind(kWandTeleport), '4');
    EXPECT_GE(floorArray[0].CountGlyphAround(sages.back().x, sages.back().y, 1, kFloorGlyph), 6);
    EXPECT_EQ(sages.back().y < kY, true);
    EXPECT_EQ(sages.back().seen, 0);
    EXPECT_EQ(Messages(), "The monster disappears. The sage disappears.");

    ResetGameState();
    BuildRoom();
    TileAt(kX, kY - 1).glyph = kWallGlyph;
    ZapTeleport(WandKind(kWandTeleport), '8');
    EXPECT_EQ(Messages(), "");
    EXPECT_EQ(CharAt(kY - 1, kX), ' ');
    EXPECT_FALSE(Known(kWandTeleport));
}

TEST_F(WandTest, DetectionRevealsTrapsForGoodAndShowsMonstersAndItemsOnlyOnItsScreens) {
    TileAt(20, 5).trapKind = kTrapLava;
    Foe(30, 6);
    TileAt(40, 7).gold = 5;
    Type("      ");
    ZapDetection(WandKind(kWandDetection));
    EXPECT_EQ(TileAt(20, 5).glyph, kFoundTrapGlyph);
    EXPECT_EQ(TileAt(20, 5).colour, kTrapColour[kTrapLava]);
    EXPECT_EQ(TileAt(20, 5).trapKind, kTrapLava);
    EXPECT_TRUE(Known(kWandDetection));
    EXPECT_EQ(Messages(), "You sense the special objects in this level. You sense the presence of traps! Press space. "
                          "You sense the presence of monsters! Press space. You sense the presence of items! Press "
                          "space.");
}

TEST_F(WandTest, DetectionWaitsForTheSpaceBarOnEachScreen) {
    TileAt(40, 7).gold = 5;
    Type("     x");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ZapDetection(WandKind(kWandDetection)); }));
    EXPECT_EQ(CharAt(7, 40), '$');
    EXPECT_EQ(ColourAt(7, 40), kYellow);
    EXPECT_EQ(TextAt(23, 33, 12), "Press space.");
    EXPECT_EQ(ColourAt(23, 33), kCyan);
}

TEST_F(WandTest, TheShovelDigsUpToSixWallsButNeverTheBorderNorColumnOrRowOne) {
    struct Case {
        int32_t x;
        int32_t y;
        char direction;
        const char* row;  // the row after, from column 0
    };
    const Case cases[] = {
        // From column 72 to the right: 73 to 78, the border stays.
        {72, kY, '6', "########################################################################.......#"},
        // From column 4 to the left: 3 and 2, column 1 stays.
        {4, kY, '4', "##...###################################################################.......#"},
        // From column 1 to the left: nothing, the border stays.
        {1, kY, '4', "#....###################################################################.......#"},
    };
    // Rows of wall but for the zapper's own squares.
    OpenArea(floorArray[0], 1, kY, 78, kY, kWallGlyph);
    for (const Case& c : cases) {
        TileAt(c.x, c.y).glyph = kFloorGlyph;
        player.x = c.x;
        player.y = c.y;
        ZapDigging(c.direction);
        std::string row;
        for (int32_t x = 0; x < kFloorWidth; ++x) row += TileAt(x, kY).glyph;
        EXPECT_EQ(row, c.row) << c.x;
    }
}

TEST_F(WandTest, DugWallsBecomeFloorOfTheirSchemesColour) {
    OpenArea(floorArray[0], kX + 1, kY, kX + 2, kY, kWallGlyph);
    TileAt(kX + 1, kY).colour = kStoneWalls;
    TileAt(kX + 2, kY).colour = kIcyWalls;
    TileAt(kX + 2, kY).mark = 1;
    ZapDigging('6');
    EXPECT_EQ(TileAt(kX + 1, kY).colour, kSnowyGround);
    EXPECT_EQ(TileAt(kX + 2, kY).colour, kIcyGround);
    EXPECT_EQ(TileAt(kX + 2, kY).mark, 0);
    EXPECT_EQ(CharAt(kY, kX + 3), '-');
}

TEST_F(WandTest, TheDrillWearsAWornPieceDownToOneOrTicklesWhenNothingIsWorn) {
    ZapDigging('5');
    EXPECT_EQ(Messages(), "You feel something invisible tickling your belly. You giggle.");

    messageLog = MessageLog();
    const int32_t shield = Wear(kSlotShield, items::KindNamed("wooden small shield"));
    player.inventory[shield].durability = 10;
    ZapDigging('5');
    EXPECT_EQ(player.inventory[shield].durability, 1);
    EXPECT_EQ(Messages(), "The wand drills holes into a piece of your equipment!");
}
