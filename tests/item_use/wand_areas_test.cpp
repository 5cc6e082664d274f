// The ring wands around the zapper, the blood rain and the demonic flames. (What
// the rings do to each nature of monster is tested with the bolts.)
#include <string>

#include "item_use/wand_fixture.h"

using namespace wands;

TEST_F(WandTest, ARingWandInACorridorFlashesOnlyWhereItIsOpen) {
    OpenArea(floorArray[0], 1, 1, 78, 17, kWallGlyph);
    OpenArea(floorArray[0], 1, kY, 78, kY);
    ZapRingWand(kWandAcidRain, WandKind(kWandAcidRain));
    EXPECT_EQ(CharAt(kY, kX - 1), '*');
    EXPECT_EQ(CharAt(kY, kX + 1), '*');
    EXPECT_EQ(ColourAt(kY, kX + 1), kLightGreen);
    EXPECT_EQ(CharAt(kY - 1, kX), '#');
    EXPECT_EQ(CharAt(kY + 1, kX + 1), '#');
    EXPECT_TRUE(Known(kWandAcidRain));
}

TEST_F(WandTest, FireThawsIceAroundTheZapperAndABlizzardFreezesSnowOnStoneFloorsOnly) {
    ZapRingWand(kWandBlizzard, WandKind(kWandBlizzard));
    EXPECT_EQ(TileAt(kX + 1, kY + 1).colour, kIcyGround);
    EXPECT_EQ(TileAt(kX, kY).colour, kSnowyGround);
    ZapRingWand(kWandSeaOfFire, WandKind(kWandSeaOfFire));
    EXPECT_EQ(TileAt(kX + 1, kY + 1).colour, kSnowyGround);

    TileAt(0, 0).colour = kSnowyWalls;
    ZapRingWand(kWandBlizzard, WandKind(kWandBlizzard));
    EXPECT_EQ(TileAt(kX + 1, kY + 1).colour, kSnowyGround);
}

TEST_F(WandTest, TheBloodRainStainsWhatIsInViewButNotTheCornerAndWakesTheBeast) {
    TileAt(kX + 5, kY).visibleNow = 0;
    ZapBloodRain(WandKind(kWandBloodRain));
    EXPECT_EQ(TileAt(0, 0).colour, kStoneWalls);
    EXPECT_EQ(TileAt(kX + 5, kY).colour, kSnowyGround);
    int32_t stained = 0;
    for (const Tile& tile : floorArray[0].tiles) stained += tile.colour == kRed || tile.colour == kLightRed ? 1 : 0;
    EXPECT_EQ(stained, kFloorWidth * kFloorHeight - 2);
    EXPECT_EQ(player.strengthBoost + player.dexterityBoost + player.agilityBoost + player.speedBoost, 20);
    EXPECT_TRUE(Known(kWandBloodRain));
}

TEST_F(WandTest, DemonicFlamesNeedBloodInSight) {
    // A stain behind a wall, out of sight.
    OpenArea(floorArray[0], kX + 2, 1, kX + 2, 17, kWallGlyph);
    TileAt(kX + 4, kY).colour = kRed;
    ZapDemonicFlames(WandKind(kWandDemonicFlames));
    EXPECT_EQ(Messages(), "Nothing appears to happen.");
    EXPECT_FALSE(Known(kWandDemonicFlames));
    EXPECT_EQ(TileAt(kX + 4, kY).colour, kRed);
}

TEST_F(WandTest, EachStainBurstsOnItsOwnBurningMonstersAndTheZapper) {
    // Two stains side by side beside a monster, one under a demon, one under the zapper.
    TileAt(kX + 3, kY).colour = kRed;
    TileAt(kX + 3, kY + 1).colour = kLightRed;
    Monster* rat = Foe(kX + 4, kY);
    Monster* demon = Foe(kX - 4, kY, "Omuerp");
    TileAt(kX - 4, kY).colour = kRed;
    TileAt(kX, kY).colour = kLightRed;
    TileAt(kX + 4, kY - 3).glyph = kWallGlyph;
    TileAt(kX + 4, kY - 3).colour = kRed;
    Type("   ");  // the message lines fill up: -More-
    ZapDemonicFlames(WandKind(kWandDemonicFlames));
    // Level 4: 2.5 x 4 = 10 a burst, a demon 1.5 x 4 = 6, the zapper 2 x 4 = 8.
    EXPECT_EQ(rat->hp, 100 - 20);
    EXPECT_EQ(demon->hp, 100 - 6);
    EXPECT_EQ(player.hp, 500 - 8);
    EXPECT_TRUE(Known(kWandDemonicFlames));
    EXPECT_EQ(TileAt(kX + 3, kY).colour, kSnowyGround);
    EXPECT_EQ(TileAt(kX + 4, kY - 3).colour, kWhite);
    EXPECT_NE(Messages().find("The demonic fires burn Omuerp. "), std::string::npos);
    EXPECT_NE(Messages().find("The demonic fires burn you! "), std::string::npos);
}
