// What the examination sheet says: the health word, the special note, the
// ailments, the speed, the floor's danger and the description's lines.
#include "monsters/monster_examination.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monsters/monster_fixture.h"
#include "support/game_state.h"
#include "world/monster_abilities.h"

namespace {

class MonsterExamination : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); }
};

TEST_F(MonsterExamination, TheHealthWordFollowsTheHitPointBands) {
    struct Case {
        int32_t hp;
        int32_t maxHp;
        int32_t living;
        const char* word;
    };
    const Case cases[] = {
        {10, 10, 1, "uninjured"},      {11, 10, 1, "uninjured"},   {9, 10, 1, "barely injured"},
        {6, 10, 1, "barely injured"},  {5, 10, 1, "injured"},      {4, 10, 1, "badly injured"},
        {3, 10, 1, "badly injured"},   {2, 10, 1, "almost dead"},  {-1, 10, 1, "almost dead"},
        {2, 10, 0, "almost destroyed"}, {1, 2, 1, "barely injured"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hp << " of " << c.maxHp << (c.living ? "" : ", not living"));
        Monster monster;
        monster.hp = c.hp;
        monster.maxHp = c.maxHp;
        monster.living = c.living;
        EXPECT_EQ(ExaminationHealthWord(monster), c.word);
    }
}

TEST_F(MonsterExamination, SpecialNotesNameTheAbilityOrTheDemonsTricks) {
    Monster monster;
    const std::pair<int32_t, const char*> notes[] = {
        {kAbilityNone, "None"},          {kAbilityConfusion, "Causes confusion"},
        {kAbilityThreeStrikes, "Three-strikes"}, {kAbilityStillDeciding, "Still deciding"},
        {kAbilitySoaksClothes, "Soaks clothes"}, {33, "Error"},
        {-5, "Error"},
    };
    for (const auto& [ability, note] : notes) {
        monster.ability = ability;
        EXPECT_EQ(SpecialNoteText(monster), note) << ability;
    }
    std::strcpy(monster.name, "Vir've");
    EXPECT_EQ(SpecialNoteText(monster), "Demonic tricks");
}

TEST_F(MonsterExamination, AilmentsAreListedInTheirOrder) {
    Monster monster;
    EXPECT_EQ(AilmentsText(monster), "None");
    monster.bleedTurns = 2;
    EXPECT_EQ(AilmentsText(monster), "Bleeding");
    monster.stunTurns = 1;
    EXPECT_EQ(AilmentsText(monster), "Stunned, Bleeding");
    monster.tauntTurns = 4;
    EXPECT_EQ(AilmentsText(monster), "Stunned, Taunted, Bleeding");
}

TEST_F(MonsterExamination, SpeedIsAPercentageWorkedOutInSinglePrecision) {
    Monster monster;
    monster.actThreshold = 1000;
    monster.speed = 2000;
    EXPECT_EQ(SpeedPercent(monster), 200);
    // 0.57 times 100 comes to 57 in single precision (in double it falls just short).
    monster.actThreshold = 100;
    monster.speed = 57;
    EXPECT_EQ(SpeedPercent(monster), 57);
    // A kind whose actions would cost nothing is no division by zero.
    monster.actThreshold = 0;
    EXPECT_EQ(SpeedPercent(monster), 5700);
}

TEST_F(MonsterExamination, TheFloorsDangerRisesTenEverySevenFloors) {
    EXPECT_EQ(FloorDanger(0), 1);
    EXPECT_EQ(FloorDanger(6), 10);
    EXPECT_EQ(FloorDanger(34), 50);
}

TEST_F(MonsterExamination, TheDescriptionIsQuotedAndCutAtBlanksWithinSixtyCharacters) {
    const std::vector<std::string> lines = DescriptionLines(
        "This rodent, although surprisingly aggressive, looks like the most ordinary being here.");
    EXPECT_EQ(lines, (std::vector<std::string>{"\"This rodent, although surprisingly aggressive, looks like",
                                               " the most ordinary being here.\""}));
    // A run of more than sixty characters without a blank is cut where the line is full.
    const std::string run(70, 'x');
    const std::vector<std::string> cut = DescriptionLines("Long " + run + " end.");
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut[0], "\"Long");
    EXPECT_EQ(cut[1], " " + std::string(59, 'x'));
    EXPECT_EQ(cut[2], std::string(11, 'x') + " end.\"");
}

TEST_F(MonsterExamination, AMirrorImageStandsForTheFinalDemonWhileItLives) {
    OpenArea(floorArray[34], 1, 1, 78, 17);
    CreateUniqueDemon(20, 5, 34, 3);
    Monster* image = FindMonsterAt(20, 5, 34);
    EXPECT_EQ(RealFinalDemon(*image), nullptr);
    CreateUniqueDemon(30, 5, 34, kFloorsOwnDemon);
    Monster* real = FindMonsterAt(30, 5, 34);
    EXPECT_EQ(RealFinalDemon(*image), real);
    EXPECT_EQ(RealFinalDemon(*real), nullptr);
    EXPECT_EQ(RealFinalDemon(*PlaceMonster(40, 5, 34)), nullptr);
}

}  // namespace
