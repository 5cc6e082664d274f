// What each skill does once paid for: preparations, lasting effects, boosts,
// and the actions on small hand-made floors around the character at (10, 10).
#include <string>
#include <vector>

#include "floors/floor_feelings.h"
#include "skills/skill_use_fixture.h"
#include "world/item_kind.h"
#include "world/sage.h"

namespace {

using namespace conditions;
using namespace fight;

constexpr int32_t kBow = 33;
constexpr int32_t kArrow = 60;
constexpr int32_t kIceball = 61;

bool Said(const std::string& text) { return Messages().find(text) != std::string::npos; }

class SkillEffects : public SkillScreenTest {
protected:
    void SetUp() override {
        SkillScreenTest::SetUp();
        DefineWeapon(kBow, kSubtypeRanged, 2, 8);
        DefineKind(kArrow, kItemAmmunition, 1, "arrow");
        arrowKindIndex = kArrow;
    }
    // A fresh game on the same open floor, for the next case of a table.
    static void StartOver() {
        ResetGameState();
        InitSkillTable();
        PrepareConditions();
        SeeFloor(0);
        floorArray[0].At(player.x, player.y).monsterPresent = 1;
    }
    // Messages of several blows or shots may fill the lines and ask for a key.
    void AnswerMorePrompts() { Type(std::string(30, ' ')); }
    static void CarryArrows(int32_t count) {
        const int32_t index = Carry(kArrow);
        player.inventory[static_cast<std::size_t>(index)].quantity = count;
    }
};

TEST_F(SkillEffects, PreparationsReplaceEachOtherAndTakeNoTurn) {
    AnswerMorePrompts();
    EXPECT_EQ(player.PerformSkill(kSkillCriticalStrike), 0);
    EXPECT_EQ(player.preparedSkill, kSkillCriticalStrike);
    EXPECT_EQ(player.PerformSkill(kSkillWarriorsRendingStrike), 0);
    EXPECT_EQ(player.preparedSkill, kSkillWarriorsRendingStrike);
    EXPECT_TRUE(Said("Your eyes itch as you start looking for a weak spot. You prepare to rend flesh."));

    // The double shots want two arrows; with fewer the points are gone and the old preparation stays.
    CarryArrows(1);
    for (int32_t effect : {kSkillDoubleShot, kSkillMadShot}) {
        EXPECT_EQ(player.PerformSkill(effect), 0);
        EXPECT_EQ(player.preparedSkill, kSkillWarriorsRendingStrike);
    }
    EXPECT_TRUE(Said("Not enough arrows. The energy is wasted. Not enough arrows. The energy is wasted."));
    player.inventory.back().quantity = 2;
    EXPECT_EQ(player.PerformSkill(kSkillMadShot), 0);
    EXPECT_EQ(player.preparedSkill, kSkillMadShot);
}

TEST_F(SkillEffects, LastingEffectsAndPassiveSkills) {
    AnswerMorePrompts();
    struct Case {
        int32_t effect;
        int32_t result;
        int32_t active;
    };
    const Case cases[] = {
        {kSkillWildRegeneration, 1, kSkillWildRegeneration},
        {kSkillWildRage, 1, kSkillWildRage},
        {kSkillInhumanReflexes, 0, kSkillInhumanReflexes},
        {kSkillEnhancedSpeed, 0, 0},
        {kSkillThrownExpertise, 0, 0},
        {46, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        player.activeSkill = 0;
        EXPECT_EQ(player.PerformSkill(c.effect), c.result);
        EXPECT_EQ(player.activeSkill, c.active);
    }
    EXPECT_EQ(player.preparedSkill, 0);
}

// The special points are those left after the skill's own point was taken.
TEST_F(SkillEffects, AttributeBoostsSpendWhatTheyCan) {
    AnswerMorePrompts();
    struct Case {
        int32_t effect;
        int32_t level;
        int32_t sp;
        int32_t boost;
        int32_t spAfter;
    };
    const Case cases[] = {
        {kSkillWarriorsStrength, 1, 1, 1, 0},    // exactly the price: all spent, odd k gives k
        {kSkillWarriorsStrength, 1, 2, 2, 1},    // above it: k + 1 for the price
        {kSkillArchersDexterity, 8, 2, 2, 0},    // far below the price of 15
        {kSkillRangersAgility, 4, 8, 6, 1},      // price 7
        {kSkillRangersAgility, 16, 30, 21, 0},   // price 30, even k: k + 1 all the same
        {kSkillArchersDexterity, 40, 31, 21, 1}, // k stops at 20
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        player.strengthBoost = player.dexterityBoost = player.agilityBoost = 0;
        player.level = c.level;
        player.sp = c.sp;
        EXPECT_EQ(player.PerformSkill(c.effect), 1);
        const int32_t boost = c.effect == kSkillWarriorsStrength   ? player.strengthBoost
                              : c.effect == kSkillArchersDexterity ? player.dexterityBoost
                                                                   : player.agilityBoost;
        EXPECT_EQ(boost, c.boost);
        EXPECT_EQ(player.sp, c.spAfter);
        EXPECT_EQ(player.strengthBoost + player.dexterityBoost + player.agilityBoost, c.boost);
    }
    // A boost still running gives the skill's point back and takes no turn.
    player.sp = 5;
    EXPECT_EQ(player.PerformSkill(kSkillArchersDexterity), 0);
    EXPECT_EQ(player.sp, 6);
    EXPECT_EQ(player.dexterityBoost, 21);
    EXPECT_TRUE(Said("Your dexterity is already boosted!"));
}

TEST_F(SkillEffects, MultistrikeAttacksEveryNeighbourOnly) {
    PlaceFighter(9, 9, "ant");
    PlaceFighter(11, 10, "bat");
    PlaceFighter(10, 11, "cat");
    PlaceFighter(12, 10, "dog");
    AnswerMorePrompts();
    EXPECT_EQ(player.PerformSkill(kSkillMultistrike), 1);
    EXPECT_TRUE(Said("You swing round and try to hit everything around you."));
    for (const char* name : {"ant", "bat", "cat"}) EXPECT_TRUE(Said(name)) << name;
    EXPECT_FALSE(Said("dog"));
}

TEST_F(SkillEffects, MultishotNeedsABowAndTwoArrowsAndStopsWhenTheyRunOut) {
    CarryArrows(5);
    EXPECT_EQ(player.PerformSkill(kSkillMultishot), 0);
    EXPECT_EQ(Messages(), "You are unable to use this without a bow. The energy is wasted.");

    StartOver();
    WearSturdily(kSlotMainWeapon, kBow);
    CarryArrows(1);
    EXPECT_EQ(player.PerformSkill(kSkillMultishot), 0);
    EXPECT_EQ(Messages(), "Not enough arrows.");

    player.inventory.back().quantity = 2;
    PlaceFighter(8, 8);
    PlaceFighter(9, 12);
    PlaceFighter(14, 10);
    AnswerMorePrompts();
    EXPECT_EQ(player.PerformSkill(kSkillMultishot), 1);
    EXPECT_EQ(player.ArrowCount(), 0);
    EXPECT_TRUE(Said("You grab a few arrows and unleash hell.")) << Messages();
    EXPECT_TRUE(Said("You run out of arrows.")) << Messages();
}

// A bow cut in half by one shot of a multishot or a penetrating shot shoots no
// more. The seed is one where the bow breaks when there is a single rat to shoot:
// with three in a row the first shot breaks it just the same.
TEST_F(SkillEffects, ABowBrokenByAShotEndsTheSkill) {
    // Three rats east of the character that every shot hits; the first `rats` of them placed.
    const auto prepare = [this](int32_t effect, int32_t rats, uint32_t seed) {
        StartOver();
        const int32_t bow = WearSturdily(kSlotMainWeapon, kBow);
        player.inventory[static_cast<std::size_t>(bow)].durability = 1;
        CarryArrows(10);
        std::vector<Monster*> placed;
        for (int32_t step = 1; step <= rats; ++step) {
            Monster* rat = PlaceFighter(10 + step, 10);
            rat->hp = rat->maxHp = 1000;
            rat->dodge = -5000;
            placed.push_back(rat);
        }
        Type(std::string(effect == kSkillPenetratingShot ? "6" : "") + std::string(30, ' '));
        rng.RandomInit(seed);
        EXPECT_EQ(player.PerformSkill(effect), 1);
        return placed;
    };
    for (int32_t effect : {kSkillMultishot, kSkillPenetratingShot}) {
        SCOPED_TRACE(effect);
        uint32_t seed = 1;
        while (seed < 3000) {
            prepare(effect, 1, seed);
            if (player.equipSlots[kSlotMainWeapon] == kEmptySlot) break;
            ++seed;
        }
        ASSERT_LT(seed, 3000u);
        const std::vector<Monster*> rats = prepare(effect, 3, seed);
        EXPECT_EQ(player.equipSlots[kSlotMainWeapon], kEmptySlot);
        EXPECT_LT(rats[0]->hp, 1000);
        EXPECT_EQ(rats[1]->hp, 1000);
        EXPECT_EQ(rats[2]->hp, 1000);
        if (effect == kSkillMultishot) {
            EXPECT_EQ(player.ArrowCount(), 9);
        }
    }
}

TEST_F(SkillEffects, PenetratingStrikeWalksUntilIceAndStrikesOnTheWay) {
    PlaceFighter(12, 10, "bat");
    floorArray[0].At(14, 10).glyph = kIceBlockGlyph;
    PlaceFighter(15, 10, "dog");
    Type("6");
    AnswerMorePrompts();
    EXPECT_EQ(player.PerformSkill(kSkillPenetratingStrike), 1);
    EXPECT_EQ(CharAt(10, 11), '-');
    EXPECT_EQ(CharAt(10, 13), '-');
    EXPECT_NE(CharAt(10, 14), '-');
    EXPECT_TRUE(Said("bat"));
    EXPECT_FALSE(Said("dog"));

    // Straight into a wall: nothing is hit, and the turn is used all the same.
    floorArray[0].At(10, 9).glyph = kWallGlyph;
    Type("8");
    EXPECT_EQ(player.PerformSkill(kSkillPenetratingStrike), 1);
    EXPECT_NE(CharAt(9, 10), '|');
}

TEST_F(SkillEffects, PenetratingShotNeedsAnArrowOnlyAndSpendsNone) {
    EXPECT_EQ(player.PerformSkill(kSkillPenetratingShot), 0);
    EXPECT_EQ(Messages(), "You need an arrow.");

    // One arrow and no bow: it flies through the whole line all the same.
    CarryArrows(1);
    PlaceFighter(11, 11, "grey rat");
    PlaceFighter(12, 12, "cave bat");
    PlaceFighter(13, 13, "snow yak");
    Type("3");
    AnswerMorePrompts();
    EXPECT_EQ(player.PerformSkill(kSkillPenetratingShot), 1);
    for (const char* name : {"grey rat", "cave bat", "snow yak"}) EXPECT_TRUE(Said(name)) << name << ": " << Messages();
    EXPECT_FALSE(Said("without a bow"));
    EXPECT_EQ(CharAt(13, 13), '\\');
    EXPECT_EQ(player.ArrowCount(), 1);
    EXPECT_EQ(player.preparedSkill, 0);
}

TEST_F(SkillEffects, DashRunsTwoTilesUntilSomethingBlocks) {
    struct Case {
        const char* name;
        char glyph;  // what stands on the tile
        int32_t at;  // 11 first step, 12 second step
        int32_t endX;
    };
    const Case cases[] = {
        {"free", '.', 12, 12},        {"wall first", '#', 11, 10}, {"ice second", '\'', 12, 11},
        {"smith second", '@', 12, 11}, {"sage second", 'S', 12, 11}, {"monster first", 'M', 11, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartOver();
        if (c.glyph == 'S') {
            AddSage(c.at, 10, 0);
        } else if (c.glyph == 'M') {
            PlaceFighter(c.at, 10);
        } else {
            floorArray[0].At(c.at, 10).glyph = c.glyph;
        }
        Type("6");
        EXPECT_EQ(player.PerformSkill(kSkillDash), 1);
        EXPECT_EQ(player.x, c.endX);
        EXPECT_EQ(floorArray[0].At(c.endX, 10).monsterPresent, 1);
        if (c.endX != 10) {
            EXPECT_EQ(floorArray[0].At(10, 10).monsterPresent, 0);
        }
        EXPECT_EQ(Said("You sprint with blazing speed."), c.endX != 10);
        EXPECT_EQ(Said("The way is blocked!"), c.endX != 12);
    }
}

TEST_F(SkillEffects, KnockbackThrowsTheMonsterAsFarAsTheWayAllows) {
    Type("6");
    EXPECT_EQ(player.PerformSkill(kSkillKnockback), 0);
    EXPECT_EQ(Messages(), "There's nothing to knock there!");
    struct Case {
        const char* name;
        int32_t blockedAt;  // 0 for a free way
        char glyph;
        int32_t endX;
    };
    const Case cases[] = {
        {"free", 0, '.', 13}, {"wall at three", 13, '#', 12}, {"smith at two", 12, '@', 11},
        {"sage at three", 13, 'S', 12}, {"monster at two", 12, 'M', 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartOver();
        Monster* rat = PlaceFighter(11, 10);
        rat->speed = 900;
        rat->actThreshold = 1000;
        rat->energy = 5;
        if (c.glyph == 'S') {
            AddSage(c.blockedAt, 10, 0);
        } else if (c.glyph == 'M') {
            PlaceFighter(c.blockedAt, 10);
        } else if (c.blockedAt != 0) {
            floorArray[0].At(c.blockedAt, 10).glyph = c.glyph;
        }
        Type("6");
        EXPECT_EQ(player.PerformSkill(kSkillKnockback), 1);
        EXPECT_EQ(rat->x, c.endX);
        EXPECT_EQ(floorArray[0].At(c.endX, 10).monsterPresent, 1);
        if (c.endX == 11) {
            EXPECT_TRUE(Said("The way is blocked!"));
            EXPECT_EQ(rat->energy, 5);
        } else {
            EXPECT_EQ(floorArray[0].At(11, 10).monsterPresent, 0);
            EXPECT_EQ(rat->energy, 100);
            EXPECT_TRUE(Said("The monster is momentarily disoriented by your powerful shove."));
        }
    }
}

TEST_F(SkillEffects, YellWakesTheFloorAndBringsIceDownOnFreeFloor) {
    Floor& floor = floorArray[0];
    floor.feeling = kFeelingStalactites;
    floor.At(0, 0).colour = kIcyWalls;
    floor.At(9, 9).items.push_back(ItemData{});
    floor.At(9, 10).glyph = kWallGlyph;
    Monster* neighbour = PlaceFighter(11, 11);
    Monster* far = PlaceFighter(30, 5);
    Monster* elsewhere = AddMonster(10, 10, 1);
    AddSage(11, 9, 0);
    EXPECT_EQ(player.PerformSkill(kSkillYell), 1);
    EXPECT_TRUE(neighbour->awake && neighbour->hunting && far->awake && far->hunting);
    EXPECT_FALSE(elsewhere->awake);
    for (XY ice : {XY{9, 11}, XY{10, 9}, XY{10, 11}, XY{11, 10}}) {
        EXPECT_EQ(floor.At(ice.x, ice.y).glyph, kIceBlockGlyph) << ice.x << "," << ice.y;
        EXPECT_EQ(floor.At(ice.x, ice.y).colour, kIcyGround);
    }
    for (XY kept : {XY{9, 9}, XY{10, 10}, XY{11, 11}, XY{11, 9}}) EXPECT_EQ(floor.At(kept.x, kept.y).glyph, '.');

    // Elsewhere each tile falls to its own roll: nine misses leave the ground as it was.
    StartOver();
    SeedFor([](RandomMother& r) {
        for (int i = 0; i < 9; ++i) {
            if (r.Random(3) == 0) return false;
        }
        return true;
    });
    EXPECT_EQ(player.PerformSkill(kSkillYell), 1);
    EXPECT_EQ(floorArray[0].CountGlyphAround(10, 10, 1, kIceBlockGlyph), 0);
}

TEST_F(SkillEffects, CreateIceballsChillsByDepthAndUsesTheIceUp) {
    AnswerMorePrompts();
    DefineKind(kIceball, kItemAmmunition, 1, "iceball");
    struct Case {
        int32_t floor;
        int32_t chill;
    };
    for (const Case& c : {Case{0, 26}, Case{10, 35}, Case{34, 57}}) {
        SCOPED_TRACE(c.floor);
        PutPlayer(10, 10, c.floor);
        Tile& tile = floorArray[c.floor].At(10, 10);
        tile.glyph = kFloorGlyph;
        tile.colour = kIcyGround;
        tile.items.clear();
        player.bodyTemperature = 6000;
        EXPECT_EQ(player.PerformSkill(kSkillCreateIceballs), 1);
        EXPECT_EQ(player.bodyTemperature, 6000 - c.chill);
        EXPECT_EQ(tile.colour, kSnowyGround);
        ASSERT_EQ(tile.items.size(), 1u);
        EXPECT_EQ(tile.items[0].kind, kIceball);
        EXPECT_EQ(player.PerformSkill(kSkillCreateIceballs), 0);  // the ice is used up
        EXPECT_EQ(player.bodyTemperature, 6000 - c.chill);
    }
    EXPECT_TRUE(Said("You create some hard iceballs. That was cold work. You shiver. There's not enough ice here."));
}

TEST_F(SkillEffects, DestroyWallsTurnsWallsToIceAndHurtsWallMonsters) {
    Floor& floor = floorArray[0];
    floor.At(0, 0).colour = kStoneWalls;
    floor.At(11, 10).glyph = kWallGlyph;
    floor.At(11, 10).mark = 1;
    Type("6");
    EXPECT_EQ(player.PerformSkill(kSkillDestroyWalls), 1);
    EXPECT_EQ(floor.At(11, 10).glyph, kIceBlockGlyph);
    EXPECT_EQ(floor.At(11, 10).mark, 0);
    EXPECT_EQ(floor.At(11, 10).colour, kSnowyGround);

    Monster* wall = PlaceFighter(9, 10, "#");
    player.level = 3;
    Type("4");
    EXPECT_EQ(player.PerformSkill(kSkillDestroyWalls), 1);
    EXPECT_EQ(wall->hp, 1);
    Type("2");
    EXPECT_EQ(player.PerformSkill(kSkillDestroyWalls), 1);
    EXPECT_TRUE(Said("The wall collapses into a heap of stone and ice. The wall writhes in pain! There's nothing "
                     "to destroy there!"));

    PutPlayer(1, 10);
    Type("4");
    EXPECT_EQ(player.PerformSkill(kSkillDestroyWalls), 1);
    EXPECT_EQ(floor.At(0, 10).glyph, kWallGlyph);
    EXPECT_TRUE(Said("The wall is way too hard. You'd break your leg before destroying the wall."));
}

TEST_F(SkillEffects, DisarmTrapsClearsTheTrapsInSightAround) {
    EXPECT_EQ(player.PerformSkill(kSkillDisarmTraps), 1);
    EXPECT_EQ(Messages(), "You can't see anything to disarm around you.");
    Floor& floor = floorArray[0];
    floor.At(0, 0).colour = kIcyWalls;
    for (XY trap : {XY{9, 9}, XY{11, 11}}) {
        floor.At(trap.x, trap.y).glyph = kFoundTrapGlyph;
        floor.At(trap.x, trap.y).trapKind = 3;
    }
    floor.At(10, 11).trapKind = 4;  // hidden
    floor.At(12, 10).glyph = kFoundTrapGlyph;  // out of reach
    EXPECT_EQ(player.PerformSkill(kSkillDisarmTraps), 1);
    for (XY trap : {XY{9, 9}, XY{11, 11}}) {
        EXPECT_EQ(floor.At(trap.x, trap.y).glyph, kFloorGlyph);
        EXPECT_EQ(floor.At(trap.x, trap.y).trapKind, kNoTrap);
        EXPECT_EQ(floor.At(trap.x, trap.y).colour, kIcyGround);
    }
    EXPECT_EQ(floor.At(10, 11).trapKind, 4);
    EXPECT_EQ(floor.At(12, 10).glyph, kFoundTrapGlyph);
    EXPECT_TRUE(Said("You disarm all the traps you can see around you."));
}

TEST_F(SkillEffects, TauntSilencesTheShootersInViewButNotTheDemons) {
    Monster* archer = PlaceFighter(12, 10);
    archer->ranged = 1;
    Monster* brawler = PlaceFighter(8, 10);
    Monster* hidden = PlaceFighter(10, 13);
    hidden->ranged = 1;
    floorArray[0].At(10, 13).visibleNow = 0;
    Monster* demon = PlaceFighter(13, 12, kUniqueDemonNames[kNonehes]);
    demon->ranged = 1;
    EXPECT_EQ(player.PerformSkill(kSkillTaunt), 1);
    EXPECT_EQ(archer->ranged, 0);
    EXPECT_EQ(archer->tauntTurns, 6);
    EXPECT_EQ(brawler->tauntTurns, 0);
    EXPECT_EQ(hidden->ranged, 1);
    EXPECT_EQ(demon->ranged, 1);
    EXPECT_EQ(Messages(), "You provoke and insult everyone around you, and their mothers. The demon laughs at you.");
}

TEST_F(SkillEffects, ListenMarksMostMonstersButNeverOffTheMap) {
    AddMonster(5, 18, 0);  // a monster of the walls, on the bottom border
    AddMonster(30, 5, 0);
    SeedFor([](RandomMother& r) {
        return r.Random(5) != 0 && r.Random(3) == 2 && r.Random(3) == 1 && r.Random(5) != 0 && r.Random(3) == 1 &&
               r.Random(3) == 1;
    });
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.PerformSkill(kSkillListen); }));
    EXPECT_EQ(TextAt(23, 17, 45), "You listen intently. Press space to continue.");
    EXPECT_EQ(CharAt(19, 5), ' ');
    EXPECT_EQ(CharAt(5, 30), '?');
    EXPECT_EQ(ColourAt(5, 30), kLightGreen);
}

}  // namespace
