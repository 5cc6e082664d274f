// The lightning bolt and the four rays: bounces off walls, corners and ice,
// what they hit on the way back, the zapper included, and what is out of view.
#include <string>

#include "item_use/wand_fixture.h"

using namespace wands;

namespace {

int32_t Count(const std::string& text) {
    const std::string all = Messages();
    int32_t count = 0;
    for (std::size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) ++count;
    return count;
}

}  // namespace

TEST_F(WandTest, ALightningBoltIntoAWallBesideTheZapperComesStraightBackAtHim) {
    TileAt(kX + 1, kY).glyph = kWallGlyph;
    Monster* behind = Foe(kX - 3, kY);
    ZapLightningBolt('6');
    EXPECT_EQ(Messages(), "The wand shoots out an electric bolt. The bolt bounces. The bolt hits you. The bolt hits "
                          "the rat.");
    EXPECT_EQ(player.hp, 500 - 14);
    EXPECT_EQ(behind->hp, 100 - 14);
}

TEST_F(WandTest, ALightningBoltBouncesSilentlyOffUnseenWallsAndPassesUnseenMonsters) {
    TileAt(kX + 3, kY).glyph = kIceBlockGlyph;
    TileAt(kX + 3, kY).visibleNow = 0;
    Monster* unseen = Foe(kX + 2, kY);
    TileAt(kX + 2, kY).visibleNow = 0;
    ZapLightningBolt('6');
    EXPECT_EQ(Count("bounces"), 0);
    EXPECT_EQ(unseen->hp, 100);
    EXPECT_EQ(Count("The bolt hits you."), 1);
}

TEST_F(WandTest, AMonsterBeforeTheWallIsHitGoingAndComingAndTheZapperNext) {
    Monster* rat = Foe(kX + 1, kY);
    TileAt(kX + 2, kY).glyph = kWallGlyph;
    ZapLightningBolt('6');
    EXPECT_EQ(rat->hp, 100 - 28);
    EXPECT_EQ(Count("The bolt hits the rat."), 2);
    EXPECT_EQ(player.hp, 500 - 14);
}

TEST_F(WandTest, ADiagonalLightningBoltIsReflectedByAFlatWallAndSentBackByACornersTip) {
    // A wall along row 8: the bolt going north-east turns south-east at (12, 9).
    OpenArea(floorArray[0], 1, 8, 78, 8, kWallGlyph);
    Monster* reflected = Foe(kX + 3, kY);
    ZapLightningBolt('9');
    EXPECT_EQ(reflected->hp, 100 - 14);
    EXPECT_EQ(player.hp, 500);

    // A lone pillar met at its tip: the bolt comes straight back through the zapper.
    BuildRoom();
    TileAt(kX + 2, kY - 2).glyph = kWallGlyph;
    Monster* beyond = Foe(kX + 3, kY - 3);
    Monster* behind = Foe(kX - 2, kY + 2);
    ZapLightningBolt('9');
    EXPECT_EQ(beyond->hp, 100);
    EXPECT_EQ(behind->hp, 100 - 14);
    EXPECT_EQ(player.hp, 500 - 14);
    // The bolt was drawn going back south-west.
    EXPECT_EQ(CharAt(kY + 1, kX - 1), '/');
}

TEST_F(WandTest, TheEastRayTurnsAtAWallTwoSquaresAwayAndHitsWhatItPassesTwice) {
    TileAt(kX + 2, kY).glyph = kWallGlyph;
    Monster* rat = Foe(kX + 1, kY);
    Monster* demon = Foe(kX - 1, kY, "Uramesiel");
    ZapFourRays(WandKind(kWandFourRays));
    // Level 4: a monster loses 3 x 4 a hit, a demon 2 x 4, the zapper 4.
    EXPECT_EQ(rat->hp, 100 - 24);
    // Hit once by the returning east ray and once by the west ray.
    EXPECT_EQ(demon->hp, 100 - 16);
    EXPECT_EQ(player.hp, 500 - 4);
    EXPECT_EQ(Count("The ray bounces."), 1);
    EXPECT_EQ(Count("The bolt hits the Uramesiel."), 2);
    EXPECT_EQ(Count("The bolt hits you! Ouch."), 1);
    EXPECT_TRUE(Known(kWandFourRays));
}

TEST_F(WandTest, AZapperKilledByHisOwnBoltGoesThroughTheDeathCheckOfWands) {
    // A prediction of death by a wand saves him, so the check must name the wand's killer code.
    player.hp = 10;
    player.predictedKiller = kWandKiller;
    // The rescue's two waits, and the message lines' -More- on the way.
    Type("      ");
    ZapLightningBolt('5');
    EXPECT_EQ(player.deathsAverted, 1);
    EXPECT_EQ(player.hp, player.maxHp);
}
