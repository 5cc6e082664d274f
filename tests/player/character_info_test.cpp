// The three character pages.
#include <cstring>
#include <string>

#include "player/condition_fixture.h"
#include "world/sage.h"

namespace {

using namespace conditions;

constexpr int32_t kBow = 20;
constexpr int32_t kChest = 21;

class CharacterPages : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        PrepareConditions();
        std::strcpy(player.name, "Tester");
        player.race = kRaceDwarven;
        player.training = kTrainingWarrior;
        player.strength = 15;
        player.vitality = 13;
        player.dexterity = 8;
        player.agility = 9;
        player.stamina = 9;
        player.maxHp = player.hp = 23;
        player.maxSp = player.sp = 10;
        player.RecomputePlayerStats();
    }

    // Runs the pages after the given number of page turns and stops at the next wait.
    bool ShowPage(int32_t turns) {
        Type(std::string(static_cast<std::size_t>(turns), 'x'));
        return RunUntilItWaitsForAKey([] { player.ShowCharacterInfo(); });
    }
};

TEST_F(CharacterPages, TheStatisticsPage) {
    player.profTwoHanded = 3;
    player.gold = 12;
    player.turns = 345;
    player.kills = 6;
    player.experience = 21;  // of 42
    EXPECT_TRUE(ShowPage(0));
    EXPECT_EQ(TextAt(0, 28, 22), "Character Info: Tester");
    EXPECT_EQ(ColourAt(0, 28), 3);
    EXPECT_EQ(TextAt(24, 24, 30), "Press a key to go to next page");
    EXPECT_EQ(TextAt(2, 2, 13), "Strength:  15");
    EXPECT_EQ(ColourAt(2, 2), 3);
    EXPECT_EQ(ColourAt(2, 13), 11);
    EXPECT_EQ(TextAt(6, 2, 12), "Stamina:   9");
    EXPECT_EQ(TextAt(2, 42, 21), "Hit points:     23/23");
    EXPECT_EQ(ColourAt(2, 42), 1);
    EXPECT_EQ(ColourAt(2, 58), 9);
    EXPECT_EQ(TextAt(3, 58, 5), "10/10");
    EXPECT_EQ(TextAt(5, 42, 33), "Average HP regen: 2 HP / 33 turns");
    EXPECT_EQ(TextAt(6, 42, 33), "Average SP regen: 1 SP / 33 turns");
    EXPECT_EQ(TextAt(9, 2, 21), "One-handed weapons: 0");
    EXPECT_EQ(TextAt(11, 2, 21), "Two-handed weapons: 3");
    EXPECT_EQ(TextAt(14, 2, 21), "Throwing weapons:   0");
    EXPECT_EQ(TextAt(9, 42, 19), "Melee damage:  1-12");
    EXPECT_EQ(ColourAt(9, 57), 9);
    EXPECT_EQ(TextAt(10, 42, 16), "Thrown damage: -");
    EXPECT_EQ(TextAt(11, 42, 16), "Armor:         3");  // natural armour only
    EXPECT_EQ(TextAt(12, 42, 16), "Clothing:      0");
    EXPECT_EQ(TextAt(13, 42, 21), "Warmth now:    Normal");
    EXPECT_EQ(ColourAt(13, 57), 6);
    int32_t change = 0;
    const std::string trend = MessageLog::StripColourCodes(player.ComputeTemperatureTrend(change));
    EXPECT_EQ(TextAt(14, 57, static_cast<int>(trend.size())), trend);
    EXPECT_EQ(TextAt(17, 2, 17), "Depth:          1");
    EXPECT_EQ(TextAt(18, 2, 18), "Gold:           12");
    EXPECT_EQ(TextAt(19, 2, 19), "Turns:          345");
    EXPECT_EQ(TextAt(20, 2, 17), "Slain monsters: 6");
    EXPECT_EQ(TextAt(21, 2, 20), "Prepared skill: None");
    EXPECT_EQ(TextAt(22, 2, 20), "Active buff:    None");
    EXPECT_EQ(TextAt(17, 42, 18), "Race:        Dwarf");
    EXPECT_EQ(TextAt(18, 42, 20), "Training:    Warrior");
    EXPECT_EQ(TextAt(19, 42, 14), "Level:       1");
    EXPECT_EQ(TextAt(20, 42, 16), "Experience:  50%");
    EXPECT_EQ(TextAt(21, 42, 15), "Burden:      0%");
    EXPECT_EQ(ColourAt(21, 55), 9);
}

TEST_F(CharacterPages, TheTemperatureWords) {
    struct Case {
        int32_t temperature;
        const char* word;
        ColourCode colour;
    };
    const Case cases[] = {{-5, "Freezing", 3}, {0, "Freezing", 3},  {1, "Cold", 11},     {2000, "Cold", 11},
                          {2001, "Cool", 15},  {4001, "Normal", 6}, {6001, "Warm", 14},  {8001, "Hot", 12},
                          {10000, "Hot", 12},  {10001, "Boiling", 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.temperature);
        player.bodyTemperature = c.temperature;
        EXPECT_TRUE(ShowPage(0));
        EXPECT_EQ(TextAt(13, 57, 9), std::string(c.word) + std::string(9 - std::strlen(c.word), ' '));
        EXPECT_EQ(ColourAt(13, 57), c.colour);
    }
}

TEST_F(CharacterPages, RegenerationAsThePageReckonsIt) {
    struct Case {
        const char* name;
        int32_t feeling;
        int32_t weaponPrefix;
        int32_t ring;
        int32_t amulet;
        int32_t boon;
        const char* hp;
        const char* sp;
    };
    // Base amounts 3 (HP) and 1 (SP): halves are of the undoubled amount.
    player.vitality = 15;
    player.RecomputePlayerStats();
    const Case cases[] = {
        {"peaceful floor", 7, -1, 0, 0, 0, "6 HP / 33 turns", "2 SP / 33 turns"},
        {"regenerating weapon", 0, 15, 0, 0, 0, "4 HP / 33 turns", "1 SP / 33 turns"},
        {"degenerating weapon", 0, 16, 0, 0, 0, "2 HP / 33 turns", "1 SP / 33 turns"},
        {"ring of regeneration", 0, -1, 27, 0, 0, "4 HP / 33 turns", "1 SP / 33 turns"},
        {"amulet of degeneration", 0, -1, 0, 34, 0, "2 HP / 33 turns", "1 SP / 33 turns"},
        {"rage that speeds SP", 0, -1, 0, 0, kBoonSpRegeneration, "3 HP / 33 turns", "1 SP / 3 turns"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player.inventory.clear();
        for (int32_t& slot : player.equipSlots) slot = -1;
        floorArray[0].feeling = c.feeling;
        if (c.weaponPrefix >= 0) Wear(kSlotMainWeapon, kWeaponKind, c.weaponPrefix);
        if (c.ring != 0) WearAccessory(kSlotLeftRing, c.ring);
        if (c.amulet != 0) WearAccessory(kSlotAmulet, c.amulet);
        player.berserkBoon = c.boon;
        EXPECT_TRUE(ShowPage(0));
        EXPECT_EQ(TextAt(5, 60, 15), c.hp);
        EXPECT_EQ(TextAt(6, 60, static_cast<int>(std::strlen(c.sp))), c.sp);
    }
}

TEST_F(CharacterPages, ArmourIsCappedByLevelAndStoneSkinAddsItsTurns) {
    DefineKind(kChest, kItemArmour, 17, "chest");
    Wear(kSlotChest, kChest);  // 17 + natural armour 3 = 20
    EXPECT_TRUE(ShowPage(0));
    EXPECT_EQ(TextAt(11, 57, 3), "17 ");  // cap 16 at level 1
    player.level = 10;
    player.RecomputePlayerStats();  // natural armour 3 + 7
    EXPECT_TRUE(ShowPage(0));
    EXPECT_EQ(TextAt(11, 57, 3), "27 ");  // 27 is the cap at level 10
    player.stoneSkinTurns = 4;
    EXPECT_TRUE(ShowPage(0));
    EXPECT_EQ(TextAt(11, 57, 3), "31 ");
}

TEST_F(CharacterPages, ABowShowsRangedDamageAndAFeverGreensTheRanges) {
    DefineKind(kBow, kItemWeapon, 2, "bow");
    itemKinds[kBow].subtype = 2;
    itemKinds[kBow].secondValue = 5;
    Wear(kSlotMainWeapon, kBow);
    player.fever = 3;
    EXPECT_TRUE(ShowPage(0));
    EXPECT_EQ(TextAt(9, 42, 14), "Ranged damage:");
    EXPECT_EQ(ColourAt(9, 57), 2);
    EXPECT_EQ(ColourAt(10, 57), 2);
}

TEST_F(CharacterPages, TheSkillsInUse) {
    InitSkillTable();
    struct Case {
        int32_t prepared;
        int32_t active;
        const char* preparedText;
        const char* activeText;
    };
    const Case cases[] = {
        {42, 28, "Warrior's rending st...", "Wild rage"},
        {3, 31, "Critical strike", "Inhuman reflexes"},
        {99, 99, "", ""},  // an effect no skill has leaves the value blank
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preparedText);
        player.preparedSkill = c.prepared;
        player.activeSkill = c.active;
        EXPECT_TRUE(ShowPage(0));
        const std::string prepared = std::string(c.preparedText) + std::string(24 - std::strlen(c.preparedText), ' ');
        EXPECT_EQ(TextAt(21, 18, 24), prepared);
        EXPECT_EQ(TextAt(22, 18, 18), std::string(c.activeText) + std::string(18 - std::strlen(c.activeText), ' '));
    }
}

TEST_F(CharacterPages, TheTraitsAndEffectsPage) {
    player.traits[kTraitHpRegeneration] = 2;  // e: row 7
    player.traits[kTraitExtraSkillPoint] = 5;  // m: row 15
    player.piety = 110;
    EXPECT_TRUE(ShowPage(1));
    EXPECT_EQ(TextAt(0, 28, 22), "Character Info: Tester");
    EXPECT_EQ(TextAt(24, 24, 30), "Press a key to go to next page");
    EXPECT_EQ(TextAt(3, 42, 34), "Extra HP                     (0/5)");
    EXPECT_EQ(TextAt(7, 42, 34), "Extra HP regeneration        (2/5)");
    EXPECT_EQ(TextAt(15, 42, 34), "Extra skill point            (5/5)");
    EXPECT_EQ(ColourAt(7, 42), 1);
    EXPECT_EQ(ColourAt(7, 72), 9);
    // To-hit threshold 5 × 108 − 80 = 460, no bonus yet: 100 − 46.
    EXPECT_EQ(TextAt(3, 4, 20), "Chance to hit:   54%");
    EXPECT_EQ(TextAt(4, 4, 19), "Chance to crit:  2%");  // agility 9 / 4
    EXPECT_EQ(TextAt(5, 4, 19), "Chance to dodge: 4%");  // dodge 46
    EXPECT_EQ(TextAt(6, 4, 21), "Speed:           109%");
    EXPECT_EQ(TextAt(7, 4, 30), "Can pray:        No: Piety 50%");
    EXPECT_EQ(ColourAt(7, 21), 11);
    EXPECT_EQ(TextAt(10, 4, 19), "Ailments & effects:");
    EXPECT_EQ(TextAt(11, 7, 5), "None ");
    EXPECT_EQ(ColourAt(11, 7), 11);
}

TEST_F(CharacterPages, ChanceFiguresUnderTheirConditions) {
    player.clumsiness = 1;  // 460 + trunc(460 × 0.625) = 747
    player.slowness = 1;    // 10900 / 1.7 = 6411
    player.agility = 2;     // a crit chance of 0 shows as 1
    player.RecomputePlayerStats();
    player.toHitThreshold = 460;
    player.speed = 10900;
    EXPECT_TRUE(ShowPage(1));
    EXPECT_EQ(TextAt(3, 21, 4), "26% ");
    EXPECT_EQ(TextAt(4, 21, 3), "1% ");
    EXPECT_EQ(TextAt(6, 21, 4), "64% ");

    player.clumsiness = 0;
    player.slowness = 0;
    player.toHitThreshold = 800;  // clumsy: 1300, capped at 850
    player.clumsiness = 2;
    player.speed = 12000;
    player.stoneSkinTurns = 3;  // the gain is held to one action
    player.speedBoost = 6;      // then 6 / 15 more
    player.berserkBoon = kBoonDeadlier;
    EXPECT_TRUE(ShowPage(1));
    EXPECT_EQ(TextAt(3, 21, 4), "15% ");
    EXPECT_EQ(TextAt(4, 21, 4), "30% ");
    EXPECT_EQ(TextAt(6, 21, 4), "140%");
}

TEST_F(CharacterPages, PrayerNeedsPietyByTheDepth) {
    struct Case {
        int32_t floor, deepest;
        uint8_t finalDemon;
        int32_t piety;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 0, 220, "Yes: Piety 100%"},
        {13, 13, 0, 220, "No: Piety 33%"},   // divisor 3
        {3, 20, 0, 660, "Yes: Piety 100%"},  // far above the deepest floor: 21 / 7 = 3
        {3, 20, 1, 660, "No: Piety 50%"},    // after the final demon: 6
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        player.currentFloor = c.floor;
        player.deepestFloor = c.deepest;
        player.demonSlainFlags[4] = c.finalDemon;
        player.piety = c.piety;
        EXPECT_TRUE(ShowPage(1));
        EXPECT_EQ(TextAt(7, 21, static_cast<int>(std::strlen(c.text)) + 1), std::string(c.text) + " ");
    }
}

TEST_F(CharacterPages, TheAilmentListStopsAtTheLastRow) {
    player.insured = 1;
    player.poison = player.bleeding = player.fever = player.sickness = player.dizziness = 1;
    player.sleep = player.paralysis = player.clumsiness = player.frostbite = player.slowness = 1;
    player.immobility = player.horror = 1;
    player.berserkBoon = 1;
    player.strengthBoost = player.dexterityBoost = player.agilityBoost = player.speedBoost = 1;
    player.stoneSkinTurns = 1;
    player.burdened = 1;
    EXPECT_TRUE(ShowPage(1));
    const char* const shown[] = {"Life insurance", "Paralyzed", "Sleeping",    "Confused", "Sick",
                                 "Feverish",       "Bleeding",  "Poisoned",    "Immobilized", "Fearful",
                                 "Clumsy",         "Frostbitten", "Slowed"};
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(TextAt(11 + row, 7, static_cast<int>(std::strlen(shown[row]))), shown[row]) << row;
    }
    EXPECT_EQ(TextAt(24, 24, 30), "Press a key to go to next page");

    player.berserkBoon = 2;
    player.insured = player.poison = player.bleeding = player.fever = player.sickness = player.dizziness = 0;
    player.sleep = player.paralysis = player.clumsiness = player.frostbite = player.slowness = 0;
    player.immobility = player.horror = 0;
    EXPECT_TRUE(ShowPage(1));
    EXPECT_EQ(TextAt(11, 7, 10), "Berserking");
    EXPECT_EQ(TextAt(17, 7, 8), "Burdened");
}

TEST_F(CharacterPages, TheFloorMemoryPage) {
    EXPECT_TRUE(ShowPage(2));
    EXPECT_EQ(TextAt(0, 34, 12), "Floor Memory");
    EXPECT_EQ(TextAt(24, 30, 19), "Press a key to exit");
    EXPECT_EQ(TextAt(3, 4, 41), "You've met sages on the following floors:");
    EXPECT_EQ(TextAt(7, 4, 47), "You've met deep smiths on the following floors:");
    EXPECT_EQ(TextAt(11, 4, 44), "You've found altars on the following floors:");
    EXPECT_EQ(TextAt(4, 8, 9), "None met ");
    EXPECT_EQ(TextAt(8, 8, 9), "None met ");
    EXPECT_EQ(TextAt(12, 8, 11), "None found ");
    EXPECT_EQ(ColourAt(4, 8), 11);

    sages = {cSage{}, cSage{}, cSage{}};
    sages[0].floor = 4;
    sages[0].seen = 1;
    sages[1].floor = 9;
    sages[2].floor = 2;
    sages[2].seen = 1;
    player.deepestFloor = 12;
    auto smith = [](int32_t floor, int32_t x, int32_t y, char glyph, uint8_t remembered) {
        floorArray[floor].At(x, y).glyph = glyph;
        floorArray[floor].At(x, y).remembered = remembered;
    };
    smith(3, 5, 5, '@', 1);
    smith(3, 6, 5, '@', 1);   // two on one floor: listed twice
    smith(10, 5, 5, '@', 0);  // never seen
    smith(12, 5, 5, '@', 1);
    smith(13, 5, 5, '@', 1);  // deeper than ever reached
    smith(0, 40, 2, '_', 1);
    EXPECT_TRUE(ShowPage(2));
    EXPECT_EQ(TextAt(4, 8, 6), "5, 3  ");
    EXPECT_EQ(TextAt(8, 8, 10), "4, 4, 13  ");
    EXPECT_EQ(TextAt(12, 8, 3), "1  ");

    player.startMode = 1;  // the floors the shortcut skipped are never listed
    EXPECT_TRUE(ShowPage(2));
    EXPECT_EQ(TextAt(8, 8, 4), "13  ");
    EXPECT_EQ(TextAt(12, 8, 11), "None found ");
}

TEST_F(CharacterPages, TheMapComesBackOnlyForTheLiving) {
    EXPECT_FALSE(ShowPage(3));
    EXPECT_EQ(Row(22), std::string(80, '-'));  // the status panel is drawn again
    player.hp = 0;
    EXPECT_FALSE(ShowPage(3));
    EXPECT_EQ(Row(22), std::string(80, ' '));
    player.hp = 5;
    player.currentFloor = -1;
    EXPECT_FALSE(ShowPage(3));
    EXPECT_EQ(Row(22), std::string(80, ' '));
}

}  // namespace
