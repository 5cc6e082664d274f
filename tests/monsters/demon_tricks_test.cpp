// The five demons' tricks: when each comes (the state kept in the ability field)
// and what each of the two tricks of every demon does.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "floors/floor_feelings.h"
#include "monsters/monster_fixture.h"
#include "player/command_helpers.h"
#include "support/screen_test.h"

namespace {

enum Trick : uint8_t { kFirstTrick = 0, kSecondTrick = 1 };

class DemonTricks : public ScreenTest {
protected:
    // The demon's own floor, open and in full view, the player on it at (10, 10), and
    // the demon at (x, y) keeping to one of its two tricks.
    static Monster* Meet(int32_t demon, uint8_t trick, int32_t x = 40, int32_t y = 10) {
        const int32_t floor = 6 + 7 * demon;
        OpenArea(floorArray[floor], 1, 1, 78, 17);
        SeeFloor(floor);
        PutPlayer(10, 10, floor);
        CreateUniqueDemon(x, y, floor, kFloorsOwnDemon);
        Monster* found = FindMonsterAt(x, y, floor);
        found->trickVariant = trick;
        return found;
    }

    // Every monster kind a plain level-1 wolf, so that summons always find one.
    static void WolvesOnly() {
        MonsterKind wolf;
        std::strcpy(wolf.name, "wolf");
        wolf.glyph = 'C';
        wolf.level = 1;
        wolf.hitPoints = 10;
        wolf.speed = 1000;
        wolf.actThreshold = 1000;
        for (MonsterKind& kind : monsterKinds.kinds) kind = wolf;
    }

    static void MovePlayerTo(int32_t x, int32_t y) {
        floorArray[player.currentFloor].At(player.x, player.y).monsterPresent = 0;
        PutPlayer(x, y, player.currentFloor);
    }

    static void Hide(const Monster& monster) { floorArray[monster.floor].At(monster.x, monster.y).visibleNow = 0; }

    static std::vector<const Monster*> MonstersOn(int32_t floor, const char* name) {
        std::vector<const Monster*> found;
        for (const Monster* m = monsterListHead; m != nullptr; m = m->next) {
            if (m->floor == floor && std::strcmp(m->name, name) == 0) found.push_back(m);
        }
        return found;
    }
};

TEST_F(DemonTricks, NoTrickOnAStupidFloorFromOrdinaryMonstersOrFromCopies) {
    Monster* ikuazz = Meet(kIkuazz, kFirstTrick);
    ikuazz->hp = 10;
    floorArray[13].feeling = kFeelingStupid;
    ikuazz->PerformDemonTrick();
    EXPECT_EQ(ikuazz->ability, 0);
    EXPECT_EQ(player.hp, 28);

    Monster* rat = PlaceMonster(30, 10, 13);
    rat->ability = 0;
    rat->hp = 1;
    floorArray[13].feeling = kFeelingNone;
    rat->PerformDemonTrick();
    EXPECT_EQ(rat->ability, 0);

    CreateUniqueDemon(50, 10, 13, 1);  // a split of the final demon, 250 of 400 hit points
    Monster* copy = FindMonsterAt(50, 10, 13);
    copy->PerformDemonTrick();
    EXPECT_EQ(copy->ability, -5);
    EXPECT_EQ(copy->hp, 250);
    EXPECT_EQ(Messages(), "");
}

TEST_F(DemonTricks, VirveOpensThreePortalsWaitingForATurnOutOfViewBeforeTheLastTwo) {
    Monster* virve = Meet(kVirve, kSecondTrick);
    floorArray[6].At(70, 5).glyph = kDownStairsGlyph;
    Monster* blocker = PlaceMonster(70, 5, 6);
    const auto portal = [virve] {
        MovePlayerTo(10, 10);
        virve->PerformDemonTrick();
        return player.x == 70 && player.y == 5;
    };

    // The first trick comes at once, even when a monster on the staircase spoils it.
    EXPECT_FALSE(portal());
    EXPECT_EQ(virve->ability, -4);
    EXPECT_EQ(Messages(), "");
    PlaceMonster(*blocker, 71, blocker->y);
    floorArray[6].At(70, 5).monsterPresent = 0;
    EXPECT_FALSE(portal());  // waiting for a turn out of view

    Hide(*virve);
    virve->TakeMonsterTurn();
    EXPECT_EQ(virve->ability, -3);
    EXPECT_TRUE(portal());
    EXPECT_EQ(Messages(),
              "The demon draws a glowing one-way portal in the air, sucks you through it and shoots after you!");
    EXPECT_EQ(floorArray[6].At(10, 10).monsterPresent, 0);
    EXPECT_EQ(floorArray[6].At(70, 5).monsterPresent, 1);
    EXPECT_FALSE(portal());

    Hide(*virve);
    virve->TakeMonsterTurn();
    EXPECT_EQ(virve->ability, -1);
    Hide(*virve);
    EXPECT_FALSE(portal());  // the last one only while he is in view
    floorArray[6].At(virve->x, virve->y).visibleNow = 1;
    EXPECT_TRUE(portal());
    EXPECT_EQ(virve->ability, 0);

    Hide(*virve);
    virve->TakeMonsterTurn();
    EXPECT_EQ(virve->ability, 0);
    EXPECT_FALSE(portal());
}

TEST_F(DemonTricks, VirveScreamsForMinionsOnEveryFreeFloorSquareInView) {
    WolvesOnly();
    Monster* virve = Meet(kVirve, kFirstTrick);
    for (Tile& tile : floorArray[6].tiles) tile.visibleNow = 0;
    for (int32_t x = 20; x <= 26; ++x) floorArray[6].At(x, 3).visibleNow = 1;
    floorArray[6].At(10, 10).visibleNow = 1;  // the player's own square
    AddSage(23, 3, 6);
    PlaceMonster(24, 3, 6);
    floorArray[6].At(25, 3).glyph = kFoundTrapGlyph;
    virve->PerformDemonTrick();
    EXPECT_EQ(Messages(), "The demon opens its huge maw and screams to summons its minions!");
    EXPECT_EQ(MonstersOn(6, "wolf").size(), 4u);
    for (const int32_t x : {20, 21, 22, 26}) {
        const Monster* minion = FindMonsterAt(x, 3, 6);
        ASSERT_NE(minion, nullptr) << x;
        EXPECT_STREQ(minion->name, "wolf");
    }
    EXPECT_EQ(FindMonsterAt(10, 10, 6), nullptr);
}

TEST_F(DemonTricks, IkuazzStompsBelowHalfHealthAndOnceMoreOnlyAfterHealingFully) {
    Monster* ikuazz = Meet(kIkuazz, kFirstTrick, 6, 13);
    Floor& floor = floorArray[13];
    for (const XY wall : {XY{1, 15}, XY{12, 13}, XY{13, 13}, XY{6, 17}}) floor.At(wall.x, wall.y).glyph = kWallGlyph;
    floor.At(6, 7).glyph = kIceBlockGlyph;
    Monster* near = PlaceMonster(19, 10, 13);
    Monster* far = PlaceMonster(30, 10, 13);
    Monster* elsewhere = PlaceMonster(19, 10, 12);

    ikuazz->hp = 120;  // exactly half
    ikuazz->PerformDemonTrick();
    EXPECT_EQ(ikuazz->ability, 0);
    ikuazz->hp = 119;
    ikuazz->PerformDemonTrick();
    EXPECT_EQ(ikuazz->ability, -1);
    EXPECT_EQ(player.hp, 21);
    EXPECT_EQ(Messages(),
              "The demon stomps the ground in fury, shaking and crumbling everything in the vicinity, including you.");
    EXPECT_EQ(floor.At(1, 15).glyph, kFloorGlyph);
    EXPECT_EQ(floor.At(12, 13).glyph, kFloorGlyph);
    EXPECT_EQ(floor.At(6, 17).glyph, kFloorGlyph);
    EXPECT_EQ(floor.At(6, 7).glyph, kFloorGlyph);
    EXPECT_EQ(floor.At(13, 13).glyph, kWallGlyph);  // seven columns away
    EXPECT_EQ(floor.At(0, 13).glyph, kWallGlyph);   // the border stands
    EXPECT_EQ(floor.At(6, 18).glyph, kWallGlyph);
    EXPECT_EQ(near->awake, 1);
    EXPECT_EQ(near->hunting, 1);
    EXPECT_EQ(far->awake, 1);
    EXPECT_EQ(far->hunting, 0);
    EXPECT_EQ(elsewhere->awake, 0);
    EXPECT_EQ(ikuazz->awake, 1);

    ikuazz->hp = 239;
    ikuazz->PerformDemonTrick();
    EXPECT_EQ(ikuazz->ability, -1);
    ikuazz->hp = 240;
    ikuazz->PerformDemonTrick();  // re-armed, but no stomp on this call
    EXPECT_EQ(ikuazz->ability, 0);
    EXPECT_EQ(player.hp, 21);
    ikuazz->hp = 100;
    ikuazz->PerformDemonTrick();
    EXPECT_EQ(player.hp, 14);
}

TEST_F(DemonTricks, IkuazzWhistlesUpASuperiorBodyguardAtTheUpStaircase) {
    WolvesOnly();
    Monster* ikuazz = Meet(kIkuazz, kSecondTrick);
    Floor& floor = floorArray[13];
    floor.At(60, 5).glyph = kUpStairsGlyph;
    ikuazz->hp = 100;
    ikuazz->PerformDemonTrick();
    EXPECT_EQ(Messages(), "The demon looks panicked. It takes a bone whistle and calls for his upstairs bodyguard!");
    const Monster* guard = FindMonsterAt(60, 5, 13);
    ASSERT_NE(guard, nullptr);
    EXPECT_STREQ(guard->name, "superior wolf");

    // With the staircase taken, the last free square around it in neighbour order.
    FreeAllMonsters();
    for (Tile& tile : floor.tiles) tile.monsterPresent = 0;
    ikuazz = Meet(kIkuazz, kSecondTrick);
    DrawMap(13, {".##", "#P#", "##."}, 59, 4);
    floor.At(60, 5).glyph = kUpStairsGlyph;
    ikuazz->hp = 100;
    ikuazz->PerformDemonTrick();
    ASSERT_NE(FindMonsterAt(61, 6, 13), nullptr);
    EXPECT_EQ(FindMonsterAt(59, 4, 13), nullptr);

    // Without any room he keeps the whistle for his next shot.
    ikuazz->hp = 240;
    ikuazz->PerformDemonTrick();
    ikuazz->hp = 100;
    floor.At(59, 4).glyph = kWallGlyph;
    floorArray[13].At(61, 6).glyph = kWallGlyph;
    const int32_t before = MonsterCount(13);
    ikuazz->PerformDemonTrick();
    EXPECT_EQ(ikuazz->ability, 0);
    EXPECT_EQ(MonsterCount(13), before);
}

TEST_F(DemonTricks, OmuerpTeleportsBelowThreeQuartersThenHalfThenAtRandomBelowAFifth) {
    Monster* omuerp = Meet(kOmuerp, kFirstTrick);
    const auto teleports = [omuerp](int32_t hp) {
        const XY was{omuerp->x, omuerp->y};
        omuerp->hp = hp;
        omuerp->PerformDemonTrick();
        return omuerp->x != was.x || omuerp->y != was.y;
    };
    EXPECT_FALSE(teleports(300));
    EXPECT_TRUE(teleports(299));
    EXPECT_EQ(omuerp->ability, -1);
    const Tile& arrived = floorArray[20].At(omuerp->x, omuerp->y);
    EXPECT_EQ(arrived.glyph, kFloorGlyph);
    EXPECT_EQ(arrived.monsterPresent, 1);
    EXPECT_EQ(floorArray[20].At(40, 10).monsterPresent, 0);
    EXPECT_EQ(Messages(), "The demon teleports elsewhere.");
    EXPECT_FALSE(teleports(200));
    EXPECT_TRUE(teleports(199));
    EXPECT_EQ(omuerp->ability, -2);

    // Below a fifth, one chance in four each time; nothing is drawn at a fifth or above.
    const RandomMother untouched = rng;
    EXPECT_FALSE(teleports(80));
    EXPECT_EQ(rng.x[0], untouched.x[0]);
    rng.RandomInit(FindSeed([](RandomMother& g) { return g.Random(4) != 0; }));
    EXPECT_FALSE(teleports(79));
    rng.RandomInit(FindSeed([](RandomMother& g) { return g.Random(4) == 0; }));
    EXPECT_TRUE(teleports(79));
    EXPECT_EQ(omuerp->ability, -3);

    EXPECT_FALSE(teleports(400));  // full health re-arms him
    EXPECT_EQ(omuerp->ability, 0);
}

TEST_F(DemonTricks, OmuerpsGustPushesThePlayerAwayUntilSomethingStopsIt) {
    struct Case {
        const char* what;
        int32_t playerY;     // Omuerp at (20, 10), the player at (22, playerY)
        int32_t obstacleX;   // something in the way at (obstacleX, playerY + obstacleX - 22) or none (0)
        char obstacle;       // a glyph, or 'M' for a monster
        int32_t endX;
        int32_t damage;
    };
    const Case cases[] = {
        {"a wall right behind", 10, 23, '#', 22, 10}, {"a wall two behind", 10, 24, '#', 23, 7},
        {"ice three behind", 10, 25, '\'', 24, 5},    {"a deep smith four behind", 10, 26, '@', 25, 2},
        {"a monster three behind", 10, 25, 'M', 24, 5}, {"nothing", 10, 0, '.', 26, 0},
        {"diagonally, nothing", 12, 0, '.', 26, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetGameState();
        Monster* omuerp = Meet(kOmuerp, kSecondTrick, 20, 10);
        MovePlayerTo(22, c.playerY);
        const int32_t dy = c.playerY > 10 ? 1 : 0;
        if (c.obstacleX != 0) {
            const int32_t y = c.playerY + (c.obstacleX - 22) * dy;
            if (c.obstacle == 'M') {
                PlaceMonster(c.obstacleX, y, 20);
            } else {
                floorArray[20].At(c.obstacleX, y).glyph = c.obstacle;
            }
        }
        omuerp->hp = 299;
        omuerp->PerformDemonTrick();
        EXPECT_EQ(player.x, c.endX);
        EXPECT_EQ(player.y, c.playerY + (c.endX - 22) * dy);
        EXPECT_EQ(player.hp, 28 - c.damage);
        EXPECT_EQ(floorArray[20].At(player.x, player.y).monsterPresent, 1);
        if (player.x != 22) {
            EXPECT_EQ(floorArray[20].At(22, c.playerY).monsterPresent, 0);
        }
        const std::string said = Messages();
        EXPECT_EQ(said.find("keep your balance") != std::string::npos, c.damage == 0) << said;
    }
}

TEST_F(DemonTricks, NonehesTricksWhenFirstSeenAndFromThenOnWheneverOutOfView) {
    Monster* nonehes = Meet(kNonehes, kFirstTrick);
    const auto pulls = [nonehes](bool inView) {
        messageLog = MessageLog();
        MovePlayerTo(10, 10);
        floorArray[27].At(nonehes->x, nonehes->y).visibleNow = inView ? 1 : 0;
        nonehes->PerformDemonTrick();
        return player.x != 10;
    };
    EXPECT_FALSE(pulls(false));
    EXPECT_EQ(nonehes->ability, 0);
    EXPECT_TRUE(pulls(true));
    EXPECT_EQ(nonehes->ability, -1);
    EXPECT_FALSE(pulls(true));
    // Each pull walls the place in with ice: open it up again.
    OpenArea(floorArray[27], 1, 1, 78, 17);
    EXPECT_TRUE(pulls(false));
    EXPECT_EQ(nonehes->ability, -1);

    // His turn begins with the trick (and goes on with a shot the player survives).
    OpenArea(floorArray[27], 1, 1, 78, 17);
    messageLog = MessageLog();
    MovePlayerTo(10, 10);
    player.hp = player.maxHp = 1000;
    floorArray[27].At(nonehes->x, nonehes->y).visibleNow = 0;
    nonehes->TakeMonsterTurn();
    EXPECT_TRUE(IsAdjacentToPlayer(nonehes->x, nonehes->y));
}

TEST_F(DemonTricks, NonehesPullsThePlayerBesideHimAndIceFallsAroundBoth) {
    Monster* nonehes = Meet(kNonehes, kFirstTrick);
    floorArray[27].At(39, 10).glyph = kWallGlyph;  // the west side is walled: the east one it is
    floorArray[27].At(42, 9).gold = 5;
    floorArray[27].At(40, 11).items.push_back(ItemData{});
    PlaceMonster(41, 9, 27);
    const uint32_t seed = FindSeed([](RandomMother& g) { return g.Random(4) == 3; });
    rng.RandomInit(seed);
    nonehes->PerformDemonTrick();
    EXPECT_EQ(Messages(),
              "The demon teleports you next to him, shoots at the roof and grins menacingly. You feel dizzy after the "
              "sudden teleport.");
    EXPECT_EQ(player.x, 41);
    EXPECT_EQ(player.y, 10);
    EXPECT_EQ(player.dizziness, 7);
    // Columns 38 to 43, rows 8 to 12: the player P, Nonehes and the rat on their floor.
    EXPECT_EQ(MapAround(27, 38, 8, 6, 5), "\n......"
                                          "\n.''..."
                                          "\n.#.P'."
                                          "\n.'.''."
                                          "\n......");
    EXPECT_EQ(floorArray[27].At(10, 10).monsterPresent, 0);
    EXPECT_EQ(floorArray[27].At(41, 10).monsterPresent, 1);

    // Walled in on all four sides, he cannot pull.
    MovePlayerTo(10, 10);
    for (const XY side : {XY{39, 10}, XY{41, 10}, XY{40, 9}, XY{40, 11}}) {
        floorArray[27].At(side.x, side.y).glyph = kWallGlyph;
    }
    Hide(*nonehes);
    nonehes->PerformDemonTrick();
    EXPECT_EQ(player.x, 10);
}

TEST_F(DemonTricks, NonehesChargeHitsHarderTheCloserHeWas) {
    struct Case {
        int32_t distance;
        int32_t damage;
        const char* said;
    };
    const Case cases[] = {
        {1, 18, "You don't have time to react and thus take a heavy hit."},
        {2, 15, "You don't have time to react and thus take a heavy hit."},
        {3, 12, "Thanks to the distance, you manage to dodge the full hit of the charge."},
        {5, 6, "Thanks to the distance, you manage to dodge the full hit of the charge."},
        {6, 3, "You have enough time to dodge almost the whole charge."},
        {7, 0, "You have enough time to dodge almost the whole charge."},
        {12, 0, "You have enough time to dodge almost the whole charge."},  // and no healing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.distance);
        ResetGameState();
        Monster* nonehes = Meet(kNonehes, kSecondTrick, 10 + c.distance, 10);
        nonehes->PerformDemonTrick();
        EXPECT_TRUE(IsAdjacentToPlayer(nonehes->x, nonehes->y));
        EXPECT_EQ(floorArray[27].At(nonehes->x, nonehes->y).monsterPresent, 1);
        EXPECT_EQ(player.hp, 28 - c.damage);
        EXPECT_GE(player.immobility, 10);
        EXPECT_LE(player.immobility, 19);
        EXPECT_EQ(Messages(),
                  "The demon charges at you by jumping high and landing next to you with a thundering crash that "
                  "makes you sink in the snow! " +
                      std::string(c.said));
    }
}

TEST_F(DemonTricks, NonehesCannotChargeWhereNoSquareBesideThePlayerIsInView) {
    Monster* nonehes = Meet(kNonehes, kSecondTrick, 20, 10);
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) floorArray[27].At(10 + dx, 10 + dy).visibleNow = 0;
    }
    nonehes->PerformDemonTrick();
    EXPECT_EQ(nonehes->ability, -1);
    EXPECT_EQ(nonehes->x, 20);
    EXPECT_EQ(player.immobility, 0);
    EXPECT_EQ(Messages(), "");
}

TEST_F(DemonTricks, UramesielSplitsInFourAtFiveHundredAndAgainAtTwoHundredFifty) {
    Monster* uramesiel = Meet(kUramesiel, kFirstTrick);
    Monster aimedAt;
    player.target = &aimedAt;
    uramesiel->hp = 501;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(uramesiel->ability, 0);

    uramesiel->hp = 430;
    uramesiel->bleedTurns = 3;
    uramesiel->bleedDamage = 4;
    uramesiel->stunTurns = 2;
    uramesiel->regenerationCount = 7;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(uramesiel->ability, -1);
    EXPECT_EQ(uramesiel->hp, 500);
    EXPECT_EQ(uramesiel->bleedTurns + uramesiel->bleedDamage + uramesiel->stunTurns + uramesiel->regenerationCount, 0);
    EXPECT_EQ(player.target, nullptr);
    EXPECT_EQ(Messages(), "The demon splits in four and teleports!");
    std::vector<const Monster*> all = MonstersOn(34, "Uramesiel");
    ASSERT_EQ(all.size(), 4u);
    for (const Monster* copy : all) {
        if (copy == uramesiel) continue;
        EXPECT_EQ(copy->experience, 0);
        EXPECT_EQ(copy->hp, 250);
        EXPECT_EQ(copy->maxHp, 400);
        EXPECT_EQ(floorArray[34].At(copy->x, copy->y).visibleNow, 1);
    }

    uramesiel->hp = 251;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(uramesiel->ability, -1);
    uramesiel->hp = 90;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(uramesiel->ability, -2);
    EXPECT_EQ(uramesiel->hp, 250);
    all = MonstersOn(34, "Uramesiel");
    ASSERT_EQ(all.size(), 7u);
    EXPECT_EQ(all.back()->maxHp, 160);
    uramesiel->hp = 10;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(uramesiel->ability, -2);
    uramesiel->hp = 800;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(uramesiel->ability, 0);
}

TEST_F(DemonTricks, UramesielWithoutRoomToSplitHealsInstead) {
    struct Case {
        const char* what;
        int32_t freeSquares;  // in view, besides his own square and the player's
        bool ownSquareInView;
        int32_t copies;
        int32_t hp;
        const char* said;
    };
    const Case cases[] = {
        {"no room at all", 0, true, 0, 799,
         "The demon is about to split in four, but there's no room! Uramesiel absorbs the parts back into itself and "
         "looks perfectly healthy again!"},
        {"room for two", 2, true, 2, 600,
         "The demon teleports and tries to split in four, but there's no room! Uramesiel absorbs some of the parts "
         "back into itself and looks healthier!"},
        {"his move takes the last square", 2, false, 1, 700,
         "The demon teleports and tries to split in four, but there's no room! Uramesiel absorbs some of the parts "
         "back into itself and looks healthier!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetGameState();
        Monster* uramesiel = Meet(kUramesiel, kFirstTrick);
        for (Tile& tile : floorArray[34].tiles) tile.visibleNow = 0;
        floorArray[34].At(10, 10).visibleNow = 1;
        floorArray[34].At(40, 10).visibleNow = c.ownSquareInView ? 1 : 0;
        for (int32_t k = 0; k < c.freeSquares; ++k) floorArray[34].At(20 + k, 5).visibleNow = 1;
        uramesiel->hp = 400;
        uramesiel->PerformDemonTrick();
        EXPECT_EQ(uramesiel->ability, -1);
        EXPECT_EQ(uramesiel->hp, c.hp);
        EXPECT_EQ(MonstersOn(34, "Uramesiel").size(), 1u + static_cast<std::size_t>(c.copies));
        EXPECT_EQ(Messages(), c.said);
    }
}

TEST_F(DemonTricks, UramesielTeleportsBesideThePlayerAmidMirrorImages) {
    Monster* uramesiel = Meet(kUramesiel, kSecondTrick);
    uramesiel->hp = 500;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(Messages(), "The demon teleports and creates mirror images to swarm you!");
    EXPECT_TRUE(IsAdjacentToPlayer(uramesiel->x, uramesiel->y));
    const std::vector<const Monster*> all = MonstersOn(34, "Uramesiel");
    ASSERT_EQ(all.size(), 8u);  // the player's eight neighbours, one of them his
    for (const Monster* image : all) {
        EXPECT_TRUE(IsAdjacentToPlayer(image->x, image->y));
        if (image != uramesiel) {
            EXPECT_EQ(image->maxHp, 200);
        }
    }

    // Two candidate squares: one for him, one for a single image.
    ResetGameState();
    uramesiel = Meet(kUramesiel, kSecondTrick);
    DrawMap(34, {"#####", "#####", "##P.#", "###.#", "#####"}, 8, 8);
    uramesiel->hp = 500;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(Messages(), "The demon teleports and tries to confuse you by creating a mirror image!");
    EXPECT_EQ(MonstersOn(34, "Uramesiel").size(), 2u);
    EXPECT_TRUE(IsMonsterAt(11, 10, 34));
    EXPECT_TRUE(IsMonsterAt(11, 11, 34));

    // One candidate is not enough: nothing moves, though the trick is spent.
    ResetGameState();
    uramesiel = Meet(kUramesiel, kSecondTrick);
    DrawMap(34, {"#####", "#####", "##P.#", "#####", "#####"}, 8, 8);
    uramesiel->hp = 500;
    uramesiel->PerformDemonTrick();
    EXPECT_EQ(uramesiel->ability, -1);
    EXPECT_EQ(uramesiel->x, 40);
    EXPECT_EQ(Messages(), "");
}

}  // namespace
