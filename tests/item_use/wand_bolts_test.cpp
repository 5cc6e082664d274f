// The straight bolts: frost, fire and the slowing bolt, on monsters of every
// nature, against walls and ice blocks, on the snow they fly over, and on the zapper.
#include <string>

#include "item_use/wand_fixture.h"
#include "world/monster_abilities.h"

using namespace wands;

namespace {

bool Said(const std::string& text) { return Messages().find(text) != std::string::npos; }

}  // namespace

TEST_F(WandTest, BoltsAndRingsHurtByTheMonstersNature) {
    struct Case {
        void (*zap)();
        int32_t ability;
        const char* name;
        int32_t loss;
        const char* said;
    };
    constexpr auto frost = [] { ZapFrostBolt('6'); };
    constexpr auto fire = [] { ZapFireBolt('6'); };
    constexpr auto seaOfFire = [] { ZapRingWand(kWandSeaOfFire, WandKind(kWandSeaOfFire)); };
    constexpr auto blizzard = [] { ZapRingWand(kWandBlizzard, WandKind(kWandBlizzard)); };
    constexpr auto acid = [] { ZapRingWand(kWandAcidRain, WandKind(kWandAcidRain)); };
    // Level 4: 3.5 x 4 = 14, a demon 2.5 x 4 = 10, a weak nature 6 x 4 = 24.
    const Case cases[] = {
        {frost, kAbilityNone, "rat", 14, "The bolt hits the rat."},
        {frost, kAbilityNone, "Omuerp", 10, "The bolt hits Omuerp."},
        {frost, kAbilityColdTouch, "rat", 0, "Nothing happens to the monster."},
        {frost, kAbilityFrostbites, "rat", 0, "Nothing happens to the monster."},
        {frost, kAbilityWarmTouch, "rat", 24, "The monster shrieks in pain."},
        {fire, kAbilityNone, "rat", 14, "The bolt hits the rat."},
        {fire, kAbilityWarmTouch, "rat", 0, "Nothing happens to the monster."},
        {fire, kAbilityColdTouch, "rat", 24, "The monster shrieks in pain."},
        {fire, kAbilityFrostbites, "Nonehes", 24, "The monster shrieks in pain."},
        {seaOfFire, kAbilityNone, "rat", 14, "The fire engulfs the rat."},
        {seaOfFire, kAbilityWarmTouch, "rat", 0, "The fire engulfs the rat. Nothing happens to the monster."},
        {seaOfFire, kAbilityFrostbites, "rat", 24, "The fire engulfs the rat. The monster shrieks in pain."},
        {blizzard, kAbilityWarmTouch, "rat", 24, "The frost engulfs the rat. The monster shrieks in pain."},
        {blizzard, kAbilityColdTouch, "Vir've", 0, "The frost engulfs Vir've. Nothing happens to the monster."},
        {acid, kAbilityWarmTouch, "rat", 14, "The acid burns the rat."},
        {acid, kAbilityNone, "Vir've", 10, "The acid burns Vir've."},
    };
    for (const Case& c : cases) {
        ResetGameState();
        BuildRoom();
        Monster* monster = Foe(kX + 1, kY, c.name, c.ability);
        c.zap();
        EXPECT_EQ(monster->hp, 100 - c.loss) << c.said;
        EXPECT_TRUE(Said(c.said)) << Messages();
    }
}

TEST_F(WandTest, AStraightBoltEndsAtTheFirstWallOrIceBlockAndAfterSixSquares) {
    struct Case {
        char obstacle;  // at x + 3, or '.' for none
        int32_t monsterX;
        bool hit;
    };
    const Case cases[] = {
        {'.', kX + 6, true}, {'.', kX + 7, false}, {kWallGlyph, kX + 4, false},
        {kIceBlockGlyph, kX + 4, false}, {kWallGlyph, kX + 2, true},
    };
    for (const Case& c : cases) {
        ResetGameState();
        BuildRoom();
        TileAt(kX + 3, kY).glyph = c.obstacle;
        Monster* monster = Foe(c.monsterX, kY);
        ZapFireBolt('6');
        EXPECT_EQ(monster->hp < 100, c.hit) << c.obstacle << " " << c.monsterX;
    }
}

TEST_F(WandTest, TheFrostBoltFreezesSnowOnStoneFloorsAndTheFireBoltThawsIce) {
    // The bolt flies over (11, 10) to (16, 10).
    ZapFrostBolt('6');
    EXPECT_EQ(TileAt(kX + 1, kY).colour, kIcyGround);
    EXPECT_EQ(TileAt(kX + 6, kY).colour, kIcyGround);
    EXPECT_EQ(TileAt(kX + 7, kY).colour, kSnowyGround);
    ZapFireBolt('6');
    EXPECT_EQ(TileAt(kX + 1, kY).colour, kSnowyGround);

    // On a floor of white walls the snow stays snow.
    TileAt(0, 0).colour = kSnowyWalls;
    ZapFrostBolt('4');
    EXPECT_EQ(TileAt(kX - 1, kY).colour, kSnowyGround);
}

TEST_F(WandTest, TheSlowBoltSlowsMonstersButNotDemonsAndNeverHurts) {
    Monster* rat = Foe(kX + 2, kY);
    Monster* slug = Foe(kX + 3, kY);
    Monster* demon = Foe(kX + 4, kY, "Ikuazz");
    slug->speed = 10;
    ZapSlowBolt('6');
    EXPECT_EQ(rat->speed, 667);
    EXPECT_EQ(slug->speed, 7);
    EXPECT_EQ(demon->speed, 1000);
    EXPECT_EQ(rat->hp + slug->hp + demon->hp, 300);
    EXPECT_TRUE(Said("The bolt hits Ikuazz. The demon seems to be immune to the bolt."));
    EXPECT_TRUE(Said("The bolt hits the rat. The monster's actions slow down."));
}

TEST_F(WandTest, BoltsAimedAtTheZapperHitHimInstead) {
    struct Case {
        void (*zap)(char);
        int32_t speedBoost;
        int32_t hpLoss;
        int32_t warmth;
        int32_t slowness;
        const char* said;
    };
    const Case cases[] = {
        {ZapFrostBolt, 0, 12, -300, 0, "A bolt of ice and snow hits you. The surface of your nose freezes."},
        {ZapFireBolt, 0, 12, 300, 0, "A fiery bolt of magma hits you. The surface of your nose burns."},
        {ZapLightningBolt, 0, 12, 0, 0, "An electric bolt hits you. The surface of your nose is shocked."},
        {ZapSlowBolt, 0, 0, 0, 30,
         "A strange vibrating bolt hits you. Everything around you seems to become faster. Oh wait, it's you who "
         "became slower."},
        {ZapSlowBolt, 5, 0, 0, 0, "A strange vibrating bolt hits you."},
    };
    for (const Case& c : cases) {
        ResetGameState();
        BuildRoom();
        player.speedBoost = c.speedBoost;
        const int32_t warmth = player.bodyTemperature;
        c.zap('5');
        EXPECT_EQ(player.hp, 500 - c.hpLoss) << c.said;
        EXPECT_EQ(player.bodyTemperature - warmth, c.warmth) << c.said;
        EXPECT_EQ(player.slowness, c.slowness) << c.said;
        EXPECT_EQ(Messages(), c.said);
    }
}
