// The learning screen: its pages, the highlight, the sorts and learning.
#include <curses.h>

#include <set>
#include <string>

#include "player/condition_fixture.h"
#include "skills/learning_screen.h"

namespace {

using namespace conditions;

class LearningScreen : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        InitSkillTable();
    }

    static bool Run(bool browseOnly, int32_t* result = nullptr) {
        return RunUntilItWaitsForAKey([browseOnly, result] {
            const int32_t learned = player.LearnSkill(browseOnly);
            if (result != nullptr) *result = learned;
        });
    }
    // The name column of a list row.
    std::string NameAt(int row) const {
        const std::string text = TextAt(row, 8, 32);
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
    bool Highlighted(int row) const { return ColourAt(row, 8) >= 128; }

    static bool InDefaultOrder() {
        for (int32_t i = 0; i < kSkillCount; ++i) {
            if (skillTable[i].orderIndex != i) return false;
        }
        return true;
    }
};

TEST_F(LearningScreen, TheFirstPage) {
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(Row(0), "| 8 = up    page down = next page    z = exit  | sort by:   D = default order  |");
    EXPECT_EQ(Row(1), "| 2 = down  page up = previous page  l = learn | L = level  A = attainability  |");
    EXPECT_EQ(Row(2), std::string(80, '-'));
    EXPECT_EQ(ColourAt(0, 0), 3);
    EXPECT_EQ(TextAt(3, 0, 12), "Known   Name");
    EXPECT_EQ(TextAt(3, 33, 15), "Skill points: 1");
    EXPECT_EQ(ColourAt(3, 33), 11);
    EXPECT_EQ(ColourAt(3, 47), 15);
    EXPECT_EQ(TextAt(3, 67, 9), "Page: 1/3");
    EXPECT_EQ(NameAt(4), "Accurate strike");
    EXPECT_EQ(NameAt(23), "Stunning shot");
    EXPECT_TRUE(Highlighted(4));
    EXPECT_FALSE(Highlighted(5));
    EXPECT_EQ(ColourAt(5, 8), 12);  // requirements short: red
    EXPECT_EQ(ColourAt(4, 0), 11 + 128);
    for (int row = 4; row <= 24; ++row) EXPECT_EQ(CharAt(row, 40), '|') << row;
    // The window shows the highlighted skill, drawn last.
    EXPECT_EQ(TextAt(4, 41, 38), "Strength req: 14      Strength now: 12");
}

TEST_F(LearningScreen, NamesAreColouredByWhetherTheyCanBeLearned) {
    player.skillPoints = 0;
    player.level = 2;
    player.stamina = player.dexterity = player.agility = 12;
    skillTable[4].learned = 1;  // "Critical strike": green with its mark though out of reach
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(CharAt(8, 0), '*');
    EXPECT_EQ(ColourAt(8, 0), 11);
    EXPECT_EQ(ColourAt(8, 8), 10);
    EXPECT_EQ(ColourAt(5, 8), 12);  // "Accurate shot": an attribute short

    Type("+");
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(NameAt(7), "Dash");
    EXPECT_EQ(ColourAt(7, 8), 14);  // all met but no skill point
    EXPECT_EQ(NameAt(10), "Inhuman reflexes");
    player.agility = 16;
    Type("+");
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(ColourAt(10, 8), 13);  // only the level is short
}

TEST_F(LearningScreen, TheHighlightWrapsAroundTheList) {
    // Up from the first row: the last skill on the third page.
    Type("8");
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(TextAt(3, 67, 9), "Page: 3/3");
    EXPECT_EQ(NameAt(8), "Passive: Thrown weapon expertise");
    EXPECT_TRUE(Highlighted(8));
    EXPECT_EQ(NameAt(9), "");  // the third page holds five rows

    // Down from the last skill: the first row of the first page; page down on the third page does nothing.
    Type("8");
    Press(KEY_NPAGE);
    Type("+2");
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(TextAt(3, 67, 9), "Page: 1/3");
    EXPECT_TRUE(Highlighted(4));

    // Down past the page's last row turns the page; up from its first row turns it back to row 19.
    Type(std::string(20, '2'));
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(TextAt(3, 67, 9), "Page: 2/3");
    EXPECT_EQ(NameAt(4), "Vampiric strike");
    EXPECT_TRUE(Highlighted(4));
    Type(std::string(20, '2'));
    Press(KEY_UP);
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(TextAt(3, 67, 9), "Page: 1/3");
    EXPECT_TRUE(Highlighted(23));
    EXPECT_FALSE(Highlighted(4));

    // Page up goes to the previous page's first row, and does nothing on the first page.
    Type("++");
    Press(KEY_DOWN);
    Press(KEY_PPAGE);
    Type("-");
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(TextAt(3, 67, 9), "Page: 1/3");
    EXPECT_TRUE(Highlighted(4));
    EXPECT_FALSE(Highlighted(5));
}

TEST_F(LearningScreen, LearningSpendsAPointAndLeavesTheTableInOrder) {
    player.stamina = player.dexterity = player.agility = 12;
    // Sort by level, then find "Dash" (level 1) and learn it with Enter.
    Type("L");
    EXPECT_TRUE(Run(false));
    int dashRow = -1;
    for (int row = 4; row <= 23; ++row) {
        if (NameAt(row) == "Dash") dashRow = row;
    }
    ASSERT_GE(dashRow, 4) << Dump();
    ResetGameState();
    InitSkillTable();
    player.stamina = player.dexterity = player.agility = 12;
    Type("L" + std::string(static_cast<std::size_t>(dashRow - 4), '2') + "\n");
    int32_t result = -1;
    EXPECT_FALSE(Run(false, &result));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(player.skillPoints, 0);
    EXPECT_TRUE(InDefaultOrder());
    EXPECT_EQ(skillTable[23].learned, 1);  // Dash, by its own position
    EXPECT_EQ(Messages(), "You learn a new skill: Dash.");
}

TEST_F(LearningScreen, WhatCannotBeLearnedIsLeftAloneWithoutAWord) {
    skillTable[23].learned = 1;
    player.stamina = player.dexterity = player.agility = 12;
    // "Accurate strike" is out of reach; "Dash" (page 2, row 3) is already known.
    Type("l+222l");
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(player.skillPoints, 1);
    EXPECT_EQ(Messages(), "");
    EXPECT_EQ(TextAt(3, 67, 9), "Page: 2/3");
}

TEST_F(LearningScreen, BrowsingLearnsNothingAndLeavesTheScreenToTheCaller) {
    player.stamina = player.dexterity = player.agility = 12;
    struct Case {
        const char* name;
        bool browseOnly;
        int32_t hp;
        int32_t floor;
    };
    for (const Case& c : {Case{"from a level-up", true, 28, 0}, Case{"after death", false, 0, 0},
                          Case{"on the surface", false, 28, -1}}) {
        SCOPED_TRACE(c.name);
        ResetGameState();
        InitSkillTable();
        player.stamina = player.dexterity = player.agility = 12;
        player.hp = c.hp;
        player.currentFloor = c.floor;
        Type("+222l\nz");
        int32_t result = -1;
        EXPECT_FALSE(Run(c.browseOnly, &result));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(skillTable[23].learned, 0);
        EXPECT_EQ(player.skillPoints, 1);
        EXPECT_EQ(TextAt(3, 67, 9), "Page: 2/3");  // the list is still on the screen
    }
}

TEST_F(LearningScreen, LeavingRedrawsTheMapAndRestoresTheOrder) {
    for (int key : {int{'z'}, int{'Z'}, 27, int{'`'}}) {
        SCOPED_TRACE(key);
        ResetGameState();
        InitSkillTable();
        Type("A");
        Press(key);
        int32_t result = -1;
        EXPECT_FALSE(Run(false, &result));
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(InDefaultOrder());
        EXPECT_EQ(Row(22), std::string(80, '-'));  // the status panel of the game screen
    }
}

TEST_F(LearningScreen, SortingStartsAgainOnTheFirstRow) {
    player.stamina = player.dexterity = player.agility = 12;
    Type("22A");
    EXPECT_TRUE(Run(false));
    EXPECT_TRUE(Highlighted(4));
    // Nothing missing first, in the order the table had.
    EXPECT_EQ(NameAt(4), "Dash");
    EXPECT_EQ(NameAt(5), "Disarm traps");
    EXPECT_EQ(NameAt(6), "Listen");
    EXPECT_EQ(NameAt(7), "Destroy walls");  // 2 missing: stamina 14
    Type("AD");
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(NameAt(4), "Accurate strike");
}

TEST_F(LearningScreen, SortsAreStableAndKeepEveryRecord) {
    SortSkillList(kSortLevel);
    for (int32_t i = 1; i < kSkillCount; ++i) {
        const SkillDef& before = skillTable[i - 1];
        const SkillDef& after = skillTable[i];
        ASSERT_LE(before.requirements[kReqLevel], after.requirements[kReqLevel]);
        if (before.requirements[kReqLevel] == after.requirements[kReqLevel]) {
            EXPECT_LT(before.orderIndex, after.orderIndex);
        }
    }
    // A character far below every requirement: keys beyond the last bucket still keep their records.
    player.strength = player.vitality = player.stamina = player.dexterity = player.agility = -30;
    skillTable[3].inUse = 0;
    const int32_t idle = skillTable[3].orderIndex;
    SortSkillList(kSortAttainability);
    std::set<int32_t> kept;
    for (const SkillDef& skill : skillTable) kept.insert(skill.orderIndex);
    EXPECT_EQ(kept.size(), static_cast<std::size_t>(kSkillCount));
    EXPECT_EQ(skillTable[kSkillCount - 1].inUse, 0);  // records not in use go last
    SortSkillList(kSortDefault);
    EXPECT_EQ(skillTable[kSkillCount - 1].orderIndex, idle);  // last even in the default order
    skillTable[kSkillCount - 1].inUse = 1;
    SortSkillList(kSortDefault);
    EXPECT_TRUE(InDefaultOrder());
}

}  // namespace
