// The monster examination sheet on screen: a plain monster, a variant, a demon
// and a mirror image of the final demon.
#include <gtest/gtest.h>

#include <string>

#include "monsters/monster_fixture.h"
#include "support/screen_test.h"

namespace {

class ExaminationScreen : public ScreenTest {
protected:
    // Shows the sheet and leaves it on screen, waiting for its key.
    static void Examine(Monster& monster, const std::string& healthWord = "") {
        ASSERT_TRUE(RunUntilItWaitsForAKey([&] { monster.ShowMonsterExamination(healthWord); }));
    }

    void ExpectValue(int row, int column, const std::string& text) const {
        EXPECT_EQ(TextAt(row, column, static_cast<int>(text.size())), text) << Dump();
        EXPECT_EQ(ColourAt(row, column), kLightCyan) << row << "," << column;
        EXPECT_EQ(TextAt(row, column + static_cast<int>(text.size()), 1), " ") << Dump();
    }
};

TEST_F(ExaminationScreen, APlainMonstersSheet) {
    OpenArea(floorArray[0], 1, 1, 78, 17);
    PutPlayer(10, 10);
    Monster* rat = PlaceMonster(12, 10);
    rat->colour = kBrown;
    rat->level = 2;
    rat->hp = 14;
    rat->damageBound1 = 3;
    rat->damageBound2 = 1;
    rat->meleeArmour = 4;
    rat->rangedArmour = 2;
    rat->toHitThreshold = 475;
    rat->dodge = 125;
    rat->living = 1;
    rat->stunTurns = 2;
    Examine(*rat);

    EXPECT_EQ(TextAt(0, 30, 19), "Monster Examination");
    EXPECT_EQ(ColourAt(0, 30), kCyan);
    EXPECT_EQ(TextAt(24, 30, 19), "Press a key to exit");
    const std::pair<int, const char*> left[] = {{3, "Name:           "}, {4, "Exterior looks: "},
                                                {5, "Danger rating:  "}, {6, "Floor's danger: "},
                                                {8, "Health status:  "}, {9, "Maximum health: "},
                                                {10, "Damage range:   "}, {11, "Melee armor:    "},
                                                {12, "Ranged armor:   "}, {13, "Ailments:       "}};
    for (const auto& [row, label] : left) {
        EXPECT_EQ(TextAt(row, 2, 16), label);
        EXPECT_EQ(ColourAt(row, 2), kCyan) << label;
    }
    const std::pair<int, const char*> right[] = {{3, "Speed:           "}, {4, "Chance to hit:   "},
                                                 {5, "Chance to dodge: "}, {8, "Ranged weapon:   "},
                                                 {9, "Living being:    "}, {10, "Special notes:   "}};
    for (const auto& [row, label] : right) {
        EXPECT_EQ(TextAt(row, 42, 17), label);
        EXPECT_EQ(ColourAt(row, 42), kCyan) << label;
    }
    ExpectValue(3, 18, "rat");
    EXPECT_EQ(CharAt(4, 18), 'r');
    EXPECT_EQ(ColourAt(4, 18), kBrown);
    ExpectValue(5, 18, "2");
    ExpectValue(6, 18, "1");
    ExpectValue(8, 18, "barely injured");
    ExpectValue(9, 18, "20");
    ExpectValue(10, 18, "3-1");  // in the order the record holds them
    ExpectValue(11, 18, "4");
    ExpectValue(12, 18, "2");
    ExpectValue(13, 18, "Stunned");
    ExpectValue(3, 59, "100%");
    ExpectValue(4, 59, "53%");
    ExpectValue(5, 59, "12%");
    ExpectValue(8, 59, "No");
    ExpectValue(9, 59, "Yes");
    ExpectValue(10, 59, "None");
    ExpectValue(16, 10, "\"This rodent, although surprisingly aggressive, looks like");
    ExpectValue(17, 10, " the most ordinary being here.\"");
    EXPECT_EQ(Row(18), std::string(80, ' '));
}

TEST_F(ExaminationScreen, AVariantsLongNameIsCutAndItsMarkShows) {
    OpenArea(floorArray[3], 1, 1, 78, 17);
    PutPlayer(10, 10, 3);
    Monster* fox = PlaceMonster(12, 10, 3, "superior translucent dire fox");
    fox->glyph = 'C';
    fox->colour = kLightCyan + kOnRed;
    Examine(*fox);
    EXPECT_EQ(TextAt(3, 18, 24), "superior translucent... ");
    EXPECT_EQ(ColourAt(3, 38), kLightCyan);
    EXPECT_EQ(CharAt(4, 18), 'C');
    EXPECT_EQ(ColourAt(4, 18), kLightCyan + kOnRed);
    ExpectValue(6, 18, "5");
    ExpectValue(16, 10, "\"A large fox whose body is as clear as pond ice, so that you");
    ExpectValue(17, 10, " mostly see its teeth and the glint of its eyes. It slips in");
    ExpectValue(18, 10, " and out of sight like a draught under a door.\"");
}

TEST_F(ExaminationScreen, ADemonsSheetSpeaksOfItsTricks) {
    OpenArea(floorArray[6], 1, 1, 78, 17);
    PutPlayer(10, 10, 6);
    CreateUniqueDemon(12, 10, 6, kFloorsOwnDemon);
    Monster* virve = FindMonsterAt(12, 10, 6);
    Examine(*virve);
    ExpectValue(3, 18, "Vir've");
    EXPECT_EQ(CharAt(4, 18), '&');
    EXPECT_EQ(ColourAt(4, 18), kMagenta);
    ExpectValue(5, 18, "12");
    ExpectValue(6, 18, "10");
    ExpectValue(8, 18, "uninjured");
    ExpectValue(9, 18, "100");
    ExpectValue(10, 18, "11-13");
    ExpectValue(11, 18, "8");
    ExpectValue(3, 59, "100%");
    ExpectValue(4, 59, "80%");
    ExpectValue(5, 59, "3%");
    ExpectValue(8, 59, "Yes");
    ExpectValue(10, 59, "Demonic tricks");
    ExpectValue(16, 10, "\"A lieutenant of the invading demonic forces, this feminine");
    ExpectValue(20, 10, " for weakness.\"");
}

TEST_F(ExaminationScreen, AMirrorImageShowsTheFinalDemonWithItsOwnHealth) {
    OpenArea(floorArray[34], 1, 1, 78, 17);
    PutPlayer(10, 10, 34);
    CreateUniqueDemon(30, 5, 34, kFloorsOwnDemon);
    CreateUniqueDemon(12, 10, 34, 3);  // a mirror image of 125 of 200 hit points
    Examine(*FindMonsterAt(12, 10, 34));
    ExpectValue(8, 18, "injured");
    ExpectValue(9, 18, "800");
    ExpectValue(10, 18, "68-72");
    ExpectValue(5, 18, "51");
}

TEST_F(ExaminationScreen, AGivenHealthWordStandsAndAKeyBringsTheMapBack) {
    OpenArea(floorArray[0], 1, 1, 78, 17);
    PutPlayer(10, 10);
    Monster* rat = PlaceMonster(12, 10);
    Examine(*rat, "looks fine");
    ExpectValue(8, 18, "looks fine");

    Type("x");
    rat->ShowMonsterExamination("");
    EXPECT_EQ(CharAt(10, 10), '@') << Dump();
    EXPECT_EQ(CharAt(10, 12), 'r') << Dump();
    EXPECT_EQ(TextAt(0, 30, 19), std::string(19, ' '));
}

}  // namespace
