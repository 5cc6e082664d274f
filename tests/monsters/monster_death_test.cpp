// Monster deaths: the kill and its text, reincarnation, the demons' flags,
// experience, drops, piety, exploding corpses and the records' last moments.
#include <gtest/gtest.h>

#include "game/game.h"
#include "monsters/monster_fight_fixture.h"

namespace {

using namespace conditions;
using namespace fight;

class MonsterDeath : public ConditionTest {
protected:
    void SetUp() override {
        ConditionTest::SetUp();
        SeeFloor(0);
        floorArray[0].At(player.x, player.y).monsterPresent = 1;
    }
};

TEST_F(MonsterDeath, OneHitPointLivesNoneDiesAndTheRecordWaitsForThePurge) {
    Monster* rat = PlaceFighter(11, 10);
    rat->experience = 7;
    rat->hp = 1;
    EXPECT_FALSE(rat->KillMonster());
    EXPECT_EQ(player.kills, 0);

    rat->hp = 0;
    player.target = rat;
    EXPECT_TRUE(rat->KillMonster());
    EXPECT_EQ(Messages(), "You kill the rat!");
    EXPECT_EQ(player.kills, 1);
    EXPECT_EQ(player.target, nullptr);
    EXPECT_GE(player.experience, 7);
    EXPECT_EQ(floorArray[0].At(11, 10).monsterPresent, 0);
    // Marked, not freed: nothing finds it any more, it dies only once, and the purge frees it.
    EXPECT_EQ(rat->alive, 0);
    EXPECT_EQ(FindMonsterAt(11, 10, 0), nullptr);
    EXPECT_TRUE(rat->KillMonster());
    EXPECT_EQ(player.kills, 1);
    EXPECT_EQ(MonsterCount(), 1);
    PurgeDeadMonsters();
    EXPECT_EQ(MonsterCount(), 0);
}

TEST_F(MonsterDeath, TheKillTextFitsTheMonster) {
    struct Case {
        const char* name;
        int32_t living;
        int32_t bleedDamage;
        bool inView;
        const char* text;
    };
    const Case cases[] = {
        {"rat", 1, 0, true, "You kill the rat!"},
        {"zombie", 0, 0, true, "You destroy the zombie!"},
        {"Omuerp", 1, 0, true, "You kill Omuerp!"},
        {"rat", 1, -1, true, ""},  // its death by bleeding was told already
        {"rat", 1, 0, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messageLog = MessageLog();
        Monster* monster = PlaceFighter(20, 5, c.name);
        monster->living = c.living;
        monster->bleedDamage = c.bleedDamage;
        monster->experience = 3;
        monster->hp = -2;
        floorArray[0].At(20, 5).visibleNow = c.inView ? 1 : 0;
        const int64_t before = player.experience;
        EXPECT_TRUE(monster->KillMonster());
        // A unique demon's death goes on with its story; the kill text opens it.
        const std::string said = Messages();
        if (c.text[0] == '\0') EXPECT_EQ(said, "");
        else EXPECT_EQ(said.rfind(c.text, 0), 0u) << said;
        EXPECT_GT(player.experience, before);  // told or not, the kill counts
        PurgeDeadMonsters();
    }
}

TEST_F(MonsterDeath, AReincarnatingMonsterComesBackWholeAndPaysEachTime) {
    Monster* monster = PlaceFighter(11, 10, "lich", kAbilityReincarnates);
    monster->experience = 5;
    monster->maxHp = 40;
    for (int32_t life = 1; life <= 2; ++life) {
        messageLog = MessageLog();
        monster->hp = 0;
        SeedFor([](RandomMother& r) { return r.Random(5) == 0 && r.Random(100) > 0; });
        EXPECT_TRUE(monster->KillMonster());
        EXPECT_EQ(monster->alive, 1);
        EXPECT_EQ(monster->hp, 40);
        EXPECT_EQ(player.kills, life);
        EXPECT_EQ(player.experience, 5 * life);
        EXPECT_EQ(Messages(),
                  "You kill the lich! The monster's previously dead corpse starts to heal and reform! The monster "
                  "reincarnates.");
    }
    // Where everyone is stupid it stays dead, though the chance is drawn.
    floorArray[0].feeling = kFeelingStupid;
    monster->hp = 0;
    SeedFor([](RandomMother& r) { return r.Random(5) == 0; });
    EXPECT_TRUE(monster->KillMonster());
    EXPECT_EQ(monster->alive, 0);
}

// A unique demon's death tells its story over several message lines, each waiting for space.
class MonsterDeathOnScreen : public ConditionScreenTest {
protected:
    void SetUp() override {
        ConditionScreenTest::SetUp();
        SeeFloor(0);
        floorArray[0].At(player.x, player.y).monsterPresent = 1;
    }
};

TEST_F(MonsterDeathOnScreen, SlainDemonsSetTheirFlagsButTheFinalDemonsCopiesDoNot) {
    struct Case {
        const char* name;
        int64_t experience;
        int32_t floor;
        int32_t flag;  // -1: none
        bool lastFloorFlag;
    };
    const Case cases[] = {
        {"Vir've", 20, 6, 0, false},        {"Ikuazz", 160, 13, 1, false},  {"Omuerp", 1280, 20, 2, false},
        {"Nonehes", 20476, 27, 3, false},   {"Uramesiel", 0, 34, -1, false}, {"Uramesiel", 163828, 33, 4, false},
        {"Uramesiel", 163828, 34, 4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " on " + std::to_string(c.floor));
        for (uint8_t& flag : player.demonSlainFlags) flag = 0;
        player.currentFloor = c.floor;
        player.levelThreshold = INT64_MAX;  // no level-up in the way
        Monster* demon = AddMonster(5, 5, c.floor);
        std::snprintf(demon->name, sizeof demon->name, "%s", c.name);
        demon->experience = c.experience;
        demon->hp = 0;
        Type(std::string(12, ' '));
        EXPECT_TRUE(demon->KillMonster());
        for (int32_t k = 0; k < kUniqueDemonCount; ++k) EXPECT_EQ(player.demonSlainFlags[k], k == c.flag ? 1 : 0) << k;
        EXPECT_EQ(player.demonSlainFlags[5], c.lastFloorFlag ? 1 : 0);
        PurgeDeadMonsters();
    }
}

TEST_F(MonsterDeath, ExperienceSometimesDoublesAndPackCreaturesSometimesGiveNone) {
    struct Case {
        const char* name;
        int32_t floor;
        int32_t ability;
        std::function<bool(RandomMother&)> draws;
        int64_t gained;
    };
    // The bonus chance is 1 % on floors 0 to 6 and 35 % on floors 28 to 34.
    const Case cases[] = {
        {"bonus on floor 0", 0, kAbilityNone, [](RandomMother& r) { return r.Random(100) == 0; }, 20},
        {"none on floor 0", 0, kAbilityNone, [](RandomMother& r) { return r.Random(100) == 1; }, 10},
        {"bonus on floor 28", 28, kAbilityNone, [](RandomMother& r) { return r.Random(100) == 34; }, 20},
        {"none on floor 28", 28, kAbilityNone, [](RandomMother& r) { return r.Random(100) == 35; }, 10},
        {"pack, nothing", 0, kAbilityPack, [](RandomMother& r) { return r.Random(3) == 0; }, 0},
        {"pack, paid", 0, kAbilityPack, [](RandomMother& r) { return r.Random(3) == 1 && r.Random(100) == 50; }, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player.experience = 0;
        player.currentFloor = c.floor;
        Monster* monster = AddMonster(5, 5, c.floor);
        monster->ability = c.ability;
        monster->experience = 10;
        monster->hp = 0;
        SeedFor(c.draws);
        monster->KillMonster();
        EXPECT_EQ(player.experience, c.gained);
        PurgeDeadMonsters();
    }
}

TEST_F(MonsterDeath, DropsComeOnlyFromLevelledMonstersAndAFullTileTakesGold) {
    Monster* weakling = PlaceFighter(20, 5);
    weakling->hp = 0;
    SeedFor([](RandomMother& r) { return r.Random(100) > 0 && r.Random(11) == 0; });
    weakling->KillMonster();
    EXPECT_EQ(floorArray[0].At(20, 5).gold, 0);
    EXPECT_TRUE(floorArray[0].At(20, 5).items.empty());

    Tile& tile = floorArray[0].At(30, 5);
    for (int32_t k = 0; k < kMaxTileItems; ++k) tile.items.push_back(ItemData());
    Monster* monster = PlaceFighter(30, 5);
    monster->level = 5;
    monster->hp = 0;
    SeedFor([](RandomMother& r) { return r.Random(100) > 0 && r.Random(11) < 3; });
    monster->KillMonster();
    EXPECT_EQ(tile.items.size(), static_cast<std::size_t>(kMaxTileItems));
    EXPECT_GE(tile.gold, 6 + 15);  // 6 + Random(16) + 15 a pass
}

TEST_F(MonsterDeath, PietyRingRewardsEverySecondKillInBands) {
    WearAccessory(kSlotLeftRing, kPropertyPiety);
    struct Case {
        const char* name;
        int32_t floor, deepest, killsBefore, pietyBefore, pietyAfter;
        const char* text;
    };
    const Case cases[] = {
        // a gain of 1: the bands start at 220 and 440, the middle one is empty
        {"first band", 0, 0, 1, 219, 220, "You can almost feel Her touching your shoulder."},
        {"third band", 0, 0, 1, 439, 440, "You feel a firm godly touch on your shoulder."},
        {"an odd kill", 0, 0, 0, 219, 219, ""},
        // floor 7 gives 2: bands at 440, 660 and 880
        {"second band", 7, 7, 1, 659, 661, "You feel a light divine touch on your shoulder."},
        // 8 floors above the deepest reached: (20 + 1) / 7 = 3
        {"far above the deepest", 12, 20, 1, 100, 103, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messageLog = MessageLog();
        player.currentFloor = c.floor;
        player.deepestFloor = c.deepest;
        player.kills = c.killsBefore;
        player.piety = c.pietyBefore;
        Monster* monster = AddMonster(5, 5, c.floor);
        monster->hp = 0;
        floorArray[c.floor].At(5, 5).visibleNow = 0;  // no kill text in the way
        monster->KillMonster();
        EXPECT_EQ(player.piety, c.pietyAfter);
        EXPECT_EQ(Messages(), c.text);
        PurgeDeadMonsters();
    }
}

TEST_F(MonsterDeath, KillingTheGrasperFreesTheCharacterExceptWhereEveryoneIsStupid) {
    for (int32_t feeling : {kFeelingNone, kFeelingStupid}) {
        floorArray[0].feeling = feeling;
        player.immobility = 12;
        Monster* grasper = PlaceFighter(11, 10, "strange tentacle", kAbilityImmobilizes);
        grasper->hp = 0;
        grasper->KillMonster();
        EXPECT_EQ(player.immobility, feeling == kFeelingStupid ? 12 : 0);
        PurgeDeadMonsters();
    }
}

// An exploding corpse burns the character and the monsters around it; a
// burnt exploding monster explodes in turn.
TEST_F(MonsterDeath, CorpsesExplodeInAChainBesideTheCharacter) {
    player.level = 3;
    player.hp = 40;
    Monster* first = PlaceFighter(11, 10, "orb of destruction", kAbilityExplodes);
    Monster* second = PlaceFighter(12, 10, "orb of destruction", kAbilityExplodes);
    Monster* bystander = PlaceFighter(13, 11, "rat");
    second->hp = 6;  // two times the character's level
    bystander->hp = 20;
    first->hp = 0;
    EXPECT_TRUE(first->KillMonster());
    EXPECT_EQ(player.hp, 40 - 6);
    EXPECT_EQ(player.bodyTemperature, 6050);
    EXPECT_EQ(second->alive, 0);
    EXPECT_EQ(bystander->hp, 14);
    EXPECT_EQ(bystander->alive, 1);
    EXPECT_EQ(Messages(),
              "You kill the orb of destruction! The corpse explodes! You are hurt by the explosion. The explosion burns "
              "the orb of destruction. You kill the orb of destruction! The corpse explodes! The explosion burns the "
              "rat.");

    // Where everyone is stupid corpses stay quiet.
    messageLog = MessageLog();
    floorArray[0].feeling = kFeelingStupid;
    Monster* quiet = PlaceFighter(11, 9, "orb of destruction", kAbilityExplodes);
    quiet->hp = 0;
    quiet->KillMonster();
    EXPECT_EQ(Messages(), "You kill the orb of destruction!");
    EXPECT_EQ(player.hp, 34);
}

// A monster left on the stairs the character arrived by dies in the next
// monster phase; the character's square stays occupied.
TEST_F(MonsterDeath, AMonsterDyingOnTheCharactersSquareLeavesItOccupied) {
    Monster* squatter = PlaceFighter(player.x, player.y);
    squatter->hp = -1;
    Monster* next = PlaceFighter(12, 10);
    next->hp = 0;
    RunMonsterPhase();
    EXPECT_EQ(MonsterCount(), 0);
    EXPECT_EQ(player.kills, 2);
    EXPECT_EQ(floorArray[0].At(player.x, player.y).monsterPresent, 1);
    EXPECT_EQ(floorArray[0].At(12, 10).monsterPresent, 0);
}

}  // namespace
