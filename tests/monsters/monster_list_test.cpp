#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/hand_made_world.h"
#include "support/screen_test.h"

namespace {

using MonsterList = ScreenTest;

// Appends a record standing on (x, y) of the floor, with its tile marked.
Monster* Place(int32_t x, int32_t y, int32_t floor, char glyph = 'r') {
    Monster* monster = AddMonster(x, y, floor);
    monster->glyph = glyph;
    floorArray[floor].At(x, y).monsterPresent = 1;
    return monster;
}

TEST_F(MonsterList, EmptyListFindsNothingAndPurgesNothing) {
    PurgeDeadMonsters();
    EXPECT_EQ(monsterListHead, nullptr);
    EXPECT_FALSE(IsMonsterAt(5, 5, 0));
    EXPECT_EQ(FindMonsterAt(5, 5, 0), nullptr);
}

TEST_F(MonsterList, LookupsMatchPositionAndFloorInListOrderAndCountTheDead) {
    Monster* first = Place(5, 5, 2);
    Monster* second = Place(5, 5, 2);
    Place(6, 5, 3);
    EXPECT_EQ(FindMonsterAt(5, 5, 2), first);
    first->alive = 0;

    // A dead record keeps its square until it is purged, but nothing acts on it any more.
    EXPECT_TRUE(IsMonsterAt(5, 5, 2));
    EXPECT_EQ(FindMonsterAt(5, 5, 2), second);
    EXPECT_FALSE(IsMonsterAt(5, 5, 3));
    EXPECT_FALSE(IsMonsterAt(6, 5, 2));
    EXPECT_TRUE(IsMonsterAt(6, 5, 3));

    second->alive = 0;
    EXPECT_TRUE(IsMonsterAt(5, 5, 2));
    EXPECT_EQ(FindMonsterAt(5, 5, 2), nullptr);
    PurgeDeadMonsters();
    EXPECT_FALSE(IsMonsterAt(5, 5, 2));
}

// The look-ups read an index of squares: it follows every move, across
// floors too, keeps the list's order where two share a square, still finds a
// record off the map, and agrees with the list throughout.
TEST_F(MonsterList, LookupsFollowPlacedMonsters) {
    Monster* a = Place(5, 5, 2);
    Monster* b = Place(7, 5, 2);
    PlaceMonster(*a, 6, 5);
    EXPECT_FALSE(IsMonsterAt(5, 5, 2));
    EXPECT_EQ(FindMonsterAt(6, 5, 2), a);
    PlaceMonster(*a, 6, 5, 3);
    EXPECT_FALSE(IsMonsterAt(6, 5, 2));
    EXPECT_EQ(FindMonsterAt(6, 5, 3), a);

    // b joins a later in the list, a joins b: the first listed is found either way.
    PlaceMonster(*b, 6, 5, 3);
    EXPECT_EQ(FindMonsterAt(6, 5, 3), a);
    PlaceMonster(*a, 7, 7);
    EXPECT_EQ(FindMonsterAt(6, 5, 3), b);
    PlaceMonster(*a, 6, 5);
    EXPECT_EQ(FindMonsterAt(6, 5, 3), a);
    EXPECT_EQ(MonsterIndexDisagreement(), "");

    // Not yet listed: placed freely, found once appended.
    Monster* c = new Monster();
    PlaceMonster(*c, 1, 1, 4);
    EXPECT_FALSE(IsMonsterAt(1, 1, 4));
    AppendMonsters(c);
    EXPECT_EQ(FindMonsterAt(1, 1, 4), c);

    PlaceMonster(*c, -1, 3);
    EXPECT_FALSE(IsMonsterAt(1, 1, 4));
    EXPECT_EQ(FindMonsterAt(-1, 3, 4), c);
    EXPECT_EQ(MonsterIndexDisagreement(), "");

    // A square written past PlaceMonster shows, and the next placing mends it.
    b->x = 9;
    EXPECT_NE(MonsterIndexDisagreement().find("is filed under square"), std::string::npos);
    PlaceMonster(*b, 10, 5);
    EXPECT_EQ(MonsterIndexDisagreement(), "");
    EXPECT_EQ(FindMonsterAt(10, 5, 3), b);
    EXPECT_EQ(FindMonsterAt(6, 5, 3), a);
}

// Appending goes on at the true tail after the last appended record was purged,
// after a run of linked records, and after the list was emptied.
TEST_F(MonsterList, AppendingAfterPurgesAndEmptyingKeepsTheOrder) {
    Monster* a = Place(1, 1, 0);
    Monster* b = Place(2, 1, 0);
    b->alive = 0;
    PurgeDeadMonsters();
    Monster* c = Place(3, 1, 0);
    Monster* run = new Monster();
    run->next = new Monster();
    AppendMonsters(run);
    Monster* d = Place(4, 1, 0);
    std::vector<Monster*> order;
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) order.push_back(m);
    EXPECT_EQ(order, (std::vector<Monster*>{a, c, run, run->next, d}));

    FreeAllMonsters();
    Monster* e = Place(5, 1, 0);
    EXPECT_EQ(monsterListHead, e);
    EXPECT_EQ(e->next, nullptr);
}

TEST_F(MonsterList, PurgeUnlinksEveryDeadRecordAndFreesTheirTiles) {
    Monster* a = Place(1, 1, 0);
    Monster* b = Place(2, 1, 0);
    Monster* c = Place(3, 1, 0);
    Monster* d = Place(4, 1, 0);
    a->alive = 0;
    c->alive = 0;
    d->alive = 0;
    player.target = c;

    PurgeDeadMonsters();

    EXPECT_EQ(monsterListHead, b);
    EXPECT_EQ(b->next, nullptr);
    EXPECT_EQ(floorArray[0].At(1, 1).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(2, 1).monsterPresent, 1);
    EXPECT_EQ(floorArray[0].At(3, 1).monsterPresent, 0);
    EXPECT_EQ(floorArray[0].At(4, 1).monsterPresent, 0);
    EXPECT_EQ(player.target, nullptr);  // never left pointing at a freed record

    b->alive = 0;
    PurgeDeadMonsters();
    EXPECT_EQ(monsterListHead, nullptr);
}

// A monster that came to the square of a dead one before the purge keeps it.
TEST_F(MonsterList, PurgeKeepsANewcomersTileOccupied) {
    Monster* dead = Place(6, 6, 0);
    dead->alive = 0;
    Place(6, 6, 0, 'k');
    PurgeDeadMonsters();
    EXPECT_EQ(floorArray[0].At(6, 6).monsterPresent, 1);
    ASSERT_NE(FindMonsterAt(6, 6, 0), nullptr);
    EXPECT_EQ(FindMonsterAt(6, 6, 0)->glyph, 'k');
}

TEST_F(MonsterList, PurgeKeepsThePlayersTileOccupied) {
    player.currentFloor = 4;
    player.x = 10;
    player.y = 7;
    Place(10, 7, 4)->alive = 0;  // died on the square the player arrived on
    Place(10, 7, 5)->alive = 0;  // same square, another floor

    PurgeDeadMonsters();

    EXPECT_EQ(floorArray[4].At(10, 7).monsterPresent, 1);
    EXPECT_EQ(floorArray[5].At(10, 7).monsterPresent, 0);
}

TEST_F(MonsterList, FreeAllEmptiesTheList) {
    for (int32_t x = 1; x < 6; ++x) Place(x, 1, 0);
    FreeAllMonsters();
    EXPECT_EQ(monsterListHead, nullptr);
    EXPECT_FALSE(IsMonsterAt(1, 1, 0));
}

TEST_F(MonsterList, OnlyMonstersSeenNowOnThePlayersFloorAreDrawn) {
    player.currentFloor = 1;
    Floor& map = floorArray[1];
    OpenArea(floorArray[1], 0, 0, 79, 18);
    for (Tile& tile : map.tiles) tile.visibleNow = 1;
    map.At(6, 2).glyph = '\'';
    map.At(7, 2).glyph = '#';
    map.At(8, 2).visibleNow = 0;
    map.At(9, 2).rememberedDrawn = 1;

    Place(5, 2, 1, 'a');   // drawn
    Place(0, 3, 1, 'b');   // column 0 is never a map square
    Place(4, 0, 1, 'c');   // nor row 0
    Place(6, 2, 1, 'd');   // inside an ice block
    Place(7, 2, 1, 'e');   // inside a wall
    Place(8, 2, 1, 'f');   // out of view
    Place(9, 2, 1, 'g');   // shown from memory
    Place(10, 2, 2, 'h');  // another floor

    DrawMonsters();

    EXPECT_EQ(CharAt(2, 5), 'a');
    EXPECT_EQ(CharAt(3, 0), ' ');
    EXPECT_EQ(CharAt(0, 4), ' ');
    for (int32_t x = 6; x <= 10; ++x) EXPECT_EQ(CharAt(2, x), ' ') << "column " << x;
}

TEST_F(MonsterList, PurgeRedrawsTheTerrainOfADeadMonsterInView) {
    player.currentFloor = 1;
    OpenArea(floorArray[1], 1, 1, 20, 5);
    floorArray[1].At(3, 3).visibleNow = 1;
    floorArray[1].At(4, 3).glyph = ',';
    Place(3, 3, 1, 'a');
    Place(4, 3, 1, 'b');  // out of view: its square is left as it is
    DrawMonsters();
    floorArray[1].At(4, 3).visibleNow = 1;
    DrawMonsters();
    floorArray[1].At(4, 3).visibleNow = 0;

    monsterListHead->alive = 0;
    monsterListHead->next->alive = 0;
    PurgeDeadMonsters();

    EXPECT_EQ(CharAt(3, 3), '.');
    EXPECT_EQ(CharAt(3, 4), 'b');
}

}  // namespace
