// The use-skill screen: the rows and their costs, moving through pages,
// marking the quick skill, and using a skill; the quick-skill keys.
#include <algorithm>
#include <string>
#include <vector>

#include "floors/floor_feelings.h"
#include "skills/skill_use_fixture.h"

namespace {

using skilluse::Learn;
using skilluse::PositionOf;

constexpr int32_t kMarkColumn = 10;
constexpr int32_t kNameColumn = 28;


// Learns the first `count` skills of the table.
void LearnFirst(int32_t count) {
    for (int32_t position = 0; position < count; ++position) skillTable[position].learned = 1;
}

using SkillRows = SkillScreenTest;

TEST_F(SkillRows, CostsMarksAndColoursKeepTheirColumns) {
    struct Case {
        const char* name;
        int32_t effect;
        int32_t level;
        int32_t sp;
        bool quick;
        const char* cost;
        ColourCode nameColour;
    };
    const Case cases[] = {
        {"one digit, affordable", kSkillDash, 1, 50, true, "8", kLightGreen},
        {"two digits", kSkillAccurateStrike, 1, 50, false, "10", kLightGreen},
        {"too dear", kSkillAccurateStrike, 1, 9, false, "10", kLightRed},
        {"boost with no points", kSkillWarriorsStrength, 4, 0, false, "1", kLightRed},
        {"boost below its price", kSkillWarriorsStrength, 4, 5, false, "5", kLightGreen},
        {"boost above its full price", kSkillWarriorsStrength, 4, 10, false, "8", kLightGreen},
        {"wild rage stays at 1", kSkillWildRage, 10, 50, false, "1", kLightGreen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int32_t position = PositionOf(c.effect);
        player.level = c.level;
        player.sp = c.sp;
        player.quickSkill = c.quick ? position : -1;
        player.DrawSkillRow(false, 4, position);
        const std::string cost = c.cost;
        EXPECT_EQ(TextAt(4, 0, static_cast<int>(cost.size()) + 1), cost + " ");
        EXPECT_EQ(CharAt(4, kMarkColumn), c.quick ? '*' : ' ');
        EXPECT_EQ(TextAt(4, kNameColumn, static_cast<int>(std::string(skillTable[position].name).size())),
                  skillTable[position].name);
        EXPECT_EQ(ColourAt(4, kNameColumn), c.nameColour);
    }
    const int32_t passive = PositionOf(kSkillEnhancedSpeed);
    player.quickSkill = passive;  // a passive skill shows neither cost nor mark
    player.DrawSkillRow(true, 5, passive);
    EXPECT_EQ(TextAt(5, 0, kNameColumn), std::string(kNameColumn, ' '));
    EXPECT_EQ(TextAt(5, kNameColumn, 23), "Passive: Enhanced speed");
    EXPECT_EQ(ColourAt(5, kNameColumn), kLightBlue + kOnWhite);
}

using UseSkillScreen = SkillScreenTest;

TEST_F(UseSkillScreen, UpFromTheFirstEntryGoesToTheLastOrStays) {
    LearnFirst(21);
    Type("8");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.UseSkill(); }));
    EXPECT_EQ(TextAt(4, kNameColumn, 10), std::string(skillTable[20].name).substr(0, 10));
    EXPECT_TRUE(Highlighted(4));
    EXPECT_EQ(Row(5), std::string(80, ' '));

    ResetGameState();
    InitSkillTable();
    LearnFirst(1);
    Type("8");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.UseSkill(); }));
    EXPECT_TRUE(Highlighted(4));
}

TEST_F(UseSkillScreen, DownFromTheLastOfTwentyWrapsToTheFirst) {
    LearnFirst(20);
    Type("8");  // to the last entry, row 19 of page 0
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.UseSkill(); }));
    EXPECT_TRUE(Highlighted(23));
    Type("82");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.UseSkill(); }));
    EXPECT_TRUE(Highlighted(4));
    EXPECT_FALSE(Highlighted(23));
}

TEST_F(UseSkillScreen, PageKeysTurnOnlyToPagesThatHoldSkills) {
    LearnFirst(21);
    Type("+");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.UseSkill(); }));
    EXPECT_TRUE(Highlighted(4));
    EXPECT_EQ(TextAt(4, kNameColumn, 10), std::string(skillTable[20].name).substr(0, 10));
    Type("+-+");  // no page 3: the second '+' does nothing
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.UseSkill(); }));
    EXPECT_EQ(TextAt(4, kNameColumn, 10), std::string(skillTable[20].name).substr(0, 10));
}

TEST_F(UseSkillScreen, SMarksTheQuickSkillButNeverAPassiveOne) {
    const int32_t dash = Learn(kSkillDash);
    const int32_t passive = Learn(kSkillEnhancedSpeed);
    const int32_t first = std::min(dash, passive);
    Type(dash == first ? "s" : "2s");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.UseSkill(); }));
    EXPECT_EQ(player.quickSkill, dash);
    EXPECT_EQ(CharAt(dash == first ? 4 : 5, kMarkColumn), '*');
    Type(passive == first ? "sz" : "2sz");
    EXPECT_EQ(player.UseSkill(), 0);
    EXPECT_EQ(player.quickSkill, dash);
}

TEST_F(UseSkillScreen, DUsesTheSkillUnlessItIsUnderWayOrTooDear) {
    Learn(kSkillCriticalStrike);
    Type("d");
    EXPECT_EQ(player.UseSkill(), 0);  // a preparation takes no turn
    EXPECT_EQ(player.preparedSkill, kSkillCriticalStrike);
    EXPECT_EQ(player.sp, 40);
    EXPECT_NE(Messages().find("Your eyes itch as you start looking for a weak spot."), std::string::npos);

    Type("dz");  // already prepared: ignored without a word
    EXPECT_EQ(player.UseSkill(), 0);
    EXPECT_EQ(player.sp, 40);
    player.preparedSkill = 0;
    player.sp = 9;
    Type("\nz");
    EXPECT_EQ(player.UseSkill(), 0);
    EXPECT_EQ(player.sp, 9);

    Learn(kSkillDash);
    player.sp = 50;
    player.immobility = 2;
    Type("2dz");  // no dash while immobilised
    EXPECT_EQ(player.UseSkill(), 0);
    EXPECT_EQ(player.sp, 50);
}

TEST_F(UseSkillScreen, RefusalsComeInTheirOrder) {
    floorArray[0].feeling = kFeelingStupid;
    player.dizziness = 3;
    EXPECT_EQ(player.UseSkill(), 0);
    EXPECT_EQ(TextAt(19, 0, 52), "You feel too stupid to use any skills on this floor!");
    EXPECT_EQ(ColourAt(19, 0), kLightCyan);
    EXPECT_EQ(Messages(), "");

    floorArray[0].feeling = kFeelingNone;
    EXPECT_EQ(player.UseSkill(), 0);
    EXPECT_EQ(Messages(), "You are too confused to use your skills.");
    player.dizziness = 0;
    EXPECT_EQ(player.UseSkill(), 0);
    EXPECT_NE(Messages().find("You haven't learned any skills yet."), std::string::npos);
}

using QuickSkill = SkillScreenTest;

TEST_F(QuickSkill, RefusalsGoOntoRow19AndCostNothing) {
    struct Case {
        const char* text;
        int32_t feeling;
        bool quickSet;
        int32_t dizziness;
        int32_t sp;
        int32_t prepared;
        int32_t immobility;
    };
    const Case cases[] = {
        {"You feel too stupid to use any skills on this floor!", kFeelingStupid, false, 0, 50, 0, 0},
        {"You haven't defined a quick skill. You can do that in the skill menu.", kFeelingNone, false, 2, 50, 0, 0},
        {"You are too confused to use your skills.", kFeelingNone, true, 2, 0, 0, 0},
        {"Not enough special points.", kFeelingNone, true, 0, 7, kSkillDash, 0},
        {"You have already prepared that.", kFeelingNone, true, 0, 8, kSkillDash, 3},
        {"You can't dash while you're immobilized.", kFeelingNone, true, 0, 8, 0, 3},
    };
    const int32_t dash = Learn(kSkillDash);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        floorArray[0].feeling = c.feeling;
        player.quickSkill = c.quickSet ? dash : -1;
        player.dizziness = c.dizziness;
        player.sp = c.sp;
        player.preparedSkill = c.prepared;
        player.immobility = c.immobility;
        EXPECT_EQ(player.UseQuickSkill(), 0);
        const std::string text = c.text;
        EXPECT_EQ(TextAt(19, 0, static_cast<int>(text.size())), text);
        EXPECT_EQ(player.sp, c.sp);
        EXPECT_EQ(player.x, 10);
    }
    EXPECT_EQ(Messages(), "");
}

TEST_F(QuickSkill, UsesTheSkillFromTheMap) {
    player.quickSkill = Learn(kSkillDash);
    Type("6");
    EXPECT_EQ(player.UseQuickSkill(), 1);
    EXPECT_EQ(player.x, 12);
    EXPECT_EQ(player.sp, 42);
}

TEST_F(QuickSkill, CyclingStartsFromTheFirstWhenNoneIsSetAndWraps) {
    const std::vector<int32_t> learned = {Learn(kSkillDash), Learn(kSkillYell), Learn(kSkillTaunt)};
    Learn(kSkillEnhancedSpeed);  // passive skills are not cycled through
    std::vector<int32_t> order = learned;
    std::sort(order.begin(), order.end());
    player.quickSkill = -1;
    player.CycleQuickSkill();
    EXPECT_EQ(player.quickSkill, order[0]);
    EXPECT_NE(Messages().find(std::string("Changed quick skill to: ") + skillTable[order[0]].name),
              std::string::npos);
    player.CycleQuickSkill();
    EXPECT_EQ(player.quickSkill, order[1]);
    player.quickSkill = order[2];
    player.CycleQuickSkill();
    EXPECT_EQ(player.quickSkill, order[0]);
    player.quickSkill = PositionOf(kSkillEnhancedSpeed);  // not among them: the first again
    player.CycleQuickSkill();
    EXPECT_EQ(player.quickSkill, order[0]);
}

}  // namespace
