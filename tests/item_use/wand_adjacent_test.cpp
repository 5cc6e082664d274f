// The wands that work on the tile beside the zapper, or on himself.
#include <string>

#include "item_use/wand_fixture.h"
#include "toolkit/drawing.h"
#include "toolkit/random_mother.h"
#include "world/monster_abilities.h"

using namespace wands;

namespace {

// East of the zapper.
constexpr int32_t kTx = kX + 1;
constexpr int32_t kTy = kY;

}  // namespace

TEST_F(WandTest, IceBlocksAndCampfiresGrowOnlyOnBareFloorThatNobodyStandsOn) {
    struct Case {
        const char* what;
        void (*put)();
        bool made;
    };
    const Case cases[] = {
        {"bare floor", [] {}, true},
        {"a coin", [] { TileAt(kTx, kTy).gold = 1; }, false},
        {"an item", [] { TileAt(kTx, kTy).items.push_back(ItemData{}); }, false},
        {"a sage", [] { AddSage(kTx, kTy, 0); }, false},
        {"a monster", [] { Foe(kTx, kTy); }, false},
        {"a wall", [] { TileAt(kTx, kTy).glyph = kWallGlyph; }, false},
    };
    for (const int32_t effect : {kWandColdRain, kWandCampfire}) {
        for (const Case& c : cases) {
            ResetGameState();
            BuildRoom();
            c.put();
            ZapAdjacentWand(effect, WandKind(effect), '6');
            const char made = effect == kWandColdRain ? kIceBlockGlyph : kCampfireGlyph;
            EXPECT_EQ(TileAt(kTx, kTy).glyph == made, c.made) << effect << " on " << c.what;
            EXPECT_EQ(Known(effect), c.made) << effect << " on " << c.what;
            if (!c.made) {
                EXPECT_EQ(Messages(), "The spell fizzles.") << c.what;
            }
        }
    }
}

TEST_F(WandTest, TheIceBlockFlashesOnTheZapperAndTheCampfireOnItsOwnTile) {
    ZapAdjacentWand(kWandColdRain, WandKind(kWandColdRain), '6');
    EXPECT_EQ(CharAt(kY, kX), '*');
    EXPECT_EQ(TileAt(kTx, kTy).colour, kSnowyGround);
    EXPECT_EQ(Messages(), "An iceblock appears from out of nowhere.");

    // The largest fuel a new campfire can have.
    rng.RandomInit(FindSeed([](RandomMother& probe) { return probe.Random(200) == 199; }));
    ZapAdjacentWand(kWandCampfire, WandKind(kWandCampfire), '2');
    const Tile& fire = TileAt(kX, kY + 1);
    EXPECT_EQ(fire.featureState, 599);
    EXPECT_EQ(fire.colour, kCampfireColour);
    EXPECT_EQ(CharAt(kY + 1, kX), '*');
}

TEST_F(WandTest, TheWarmthDrainWarmsOrChillsByTheMonstersNatureAndLeavesItUnharmed) {
    struct Case {
        int32_t ability;
        int32_t warmth;
        const char* said;
    };
    const Case cases[] = {
        {kAbilityColdTouch, -400, "You shiver!"},
        {kAbilityFrostbites, -400, "You shiver!"},
        {kAbilityWarmTouch, 400, "You sweat!"},
        {kAbilityNone, 200, ""},
    };
    for (const Case& c : cases) {
        ResetGameState();
        BuildRoom();
        Monster* monster = Foe(kTx, kTy, "rat", c.ability);
        const int32_t before = player.bodyTemperature;
        ZapAdjacentWand(kWandWarmthDrain, WandKind(kWandWarmthDrain), '6');
        EXPECT_EQ(player.bodyTemperature - before, c.warmth) << c.ability;
        EXPECT_EQ(Messages(), std::string("The wand sucks warmth from the monster to you.") + (*c.said ? " " : "") + c.said);
        EXPECT_EQ(monster->hp, 100);
        EXPECT_TRUE(Known(kWandWarmthDrain));
    }
}

TEST_F(WandTest, TheSqueezeTakesAQuarterOrADemonsFifthAndNeverKills) {
    struct Case {
        const char* name;
        int32_t hp;
        int32_t after;
    };
    for (const Case c : {Case{"rat", 3, 3}, Case{"rat", 9, 7}, Case{"Vir've", 9, 8}, Case{"rat", 1, 1}}) {
        ResetGameState();
        BuildRoom();
        Monster* monster = Foe(kTx, kTy, c.name);
        monster->hp = c.hp;
        ZapAdjacentWand(kWandSqueeze, WandKind(kWandSqueeze), '6');
        EXPECT_EQ(monster->hp, c.after) << c.name << " " << c.hp;
        EXPECT_EQ(monster->alive, 1);
    }
}

TEST_F(WandTest, TheLifeDrainMovesHealthByWhatTheMonsterIsUpToTheMaximum) {
    struct Case {
        const char* name;
        int32_t living;
        int32_t moved;
        bool impure;
    };
    // Level 4: 3 x 4 from a living monster, 2 x 4 from a demon or a lifeless one.
    for (const Case c : {Case{"rat", 1, 12, false}, Case{"skeleton", 0, 8, true}, Case{"Nonehes", 1, 8, false}}) {
        ResetGameState();
        BuildRoom();
        player.hp = 100;
        Monster* monster = Foe(kTx, kTy, c.name);
        monster->living = c.living;
        ZapAdjacentWand(kWandLifeDrain, WandKind(kWandLifeDrain), '6');
        EXPECT_EQ(monster->hp, 100 - c.moved) << c.name;
        EXPECT_EQ(player.hp, 100 + c.moved) << c.name;
        EXPECT_EQ(Messages().find("The monster's lifeforce felt impure. You feel hollow.") != std::string::npos,
                  c.impure);
    }
    player.hp = player.maxHp - 3;
    Foe(kX - 1, kY);
    ZapAdjacentWand(kWandLifeDrain, WandKind(kWandLifeDrain), '4');
    EXPECT_EQ(player.hp, player.maxHp);
}

TEST_F(WandTest, HealthToEnergyBurnsAMonsterWithoutItsDeathUntilTheSweep) {
    Monster* monster = Foe(kTx, kTy);
    monster->hp = 10;
    monster->energy = 5;
    ZapAdjacentWand(kWandHealthToEnergy, WandKind(kWandHealthToEnergy), '6');
    EXPECT_EQ(monster->hp, 10 - 14);
    EXPECT_EQ(monster->energy, 1005);
    EXPECT_EQ(monster->alive, 1);
}

TEST_F(WandTest, EachAdjacentWandAimedAtTheZapperDoesItsOwnThing) {
    struct Case {
        int32_t effect;
        int32_t warmth;
        int32_t hpLoss;
        int32_t spGain;
    };
    const Case cases[] = {
        {kWandColdRain, -150, 0, 0},    {kWandWarmthDrain, -200, 0, 0}, {kWandCampfire, 150, 0, 0},
        {kWandSqueeze, 0, 25, 0},       {kWandLifeDrain, 0, 0, 0},
        // 3.5 x 4 = 14 hit points into 6 x 4 = 24 special points, capped at the maximum of 30.
        {kWandHealthToEnergy, 0, 14, 20},
    };
    for (const Case& c : cases) {
        ResetGameState();
        BuildRoom();
        player.hp = 100;
        player.sp = 10;
        player.maxSp = 30;
        const int32_t before = player.bodyTemperature;
        ZapAdjacentWand(c.effect, WandKind(c.effect), '5');
        EXPECT_EQ(player.bodyTemperature - before, c.warmth) << c.effect;
        EXPECT_EQ(100 - player.hp, c.hpLoss) << c.effect;
        EXPECT_EQ(player.sp - 10, c.spGain) << c.effect;
        EXPECT_TRUE(Known(c.effect)) << c.effect;
        EXPECT_EQ(CharAt(kY, kX), '*') << c.effect;
    }
    EXPECT_EQ(player.energy, player.actThreshold - 1);
}

TEST_F(WandTest, HealthToEnergyCanKillTheZapper) {
    player.level = 1;
    player.hp = 3;
    player.predictedKiller = kWandKiller;
    // The rescue's two waits, and the message lines' -More- on the way.
    Type("      ");
    ZapAdjacentWand(kWandHealthToEnergy, WandKind(kWandHealthToEnergy), '5');
    EXPECT_EQ(player.deathsAverted, 1);
    EXPECT_LE(player.sp, player.maxSp);
}

TEST_F(WandTest, AMonsterWandThatFindsNoMonsterFlashesOnFloorOnlyAndStaysUnknown) {
    struct Case {
        void (*put)();
        bool flash;
    };
    const Case cases[] = {
        {[] {}, true},
        {[] { AddSage(kTx, kTy, 0); }, true},
        {[] { TileAt(kTx, kTy).glyph = kWallGlyph; }, false},
    };
    for (const int32_t effect : {kWandWarmthDrain, kWandHealthToEnergy, kWandSqueeze, kWandLifeDrain}) {
        for (const Case& c : cases) {
            ResetGameState();
            BuildRoom();
            c.put();
            DrawChar(' ', kTx, kTy, kBlack);
            ZapAdjacentWand(effect, WandKind(effect), '6');
            EXPECT_EQ(CharAt(kTy, kTx) == '*', c.flash) << effect;
            EXPECT_EQ(Messages(), "");
            EXPECT_FALSE(Known(effect));
        }
    }
}
