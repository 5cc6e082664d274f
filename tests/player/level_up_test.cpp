// Level-ups: the page, the attribute choice, the bonus attribute, the trait
// step and the level's hit points and special points.
#include <string>

#include "player/condition_fixture.h"
#include "toolkit/random_mother.h"

namespace {

using namespace conditions;

class LevelUpTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        player.experience = player.levelThreshold;
    }

    // The Random(5) draws of a bonus attribute, seen ahead of the game's generator.
    static int32_t NextBonus() {
        RandomMother probe = rng;
        return probe.Random(5);
    }
    // The generator with the first bonus draw as wanted; the seed is found by trying.
    static void SeedForBonus(int32_t bonus) {
        const uint32_t seed = FindSeed([bonus](RandomMother& probe) { return probe.Random(5) == bonus; });
        ASSERT_NE(seed, 0u);
        rng.RandomInit(seed);
    }
};

// The keys of one whole level-up: attribute, Space, trait, Space.
std::string Keys(char attribute, char trait) { return std::string(1, attribute) + " " + trait + " "; }

TEST_F(LevelUpTest, GainsFollowTheFormulaOnOddLevels) {
    struct Case {
        const char* name;
        int32_t race;
        int32_t level;  // before
        int32_t vitality, stamina, maxHp, maxSp;
        char attribute, trait;
        int32_t hpAfter, spAfter, skillPoints;
    };
    // New levels 3, 5 and 7 draw no bonus attribute.
    const Case cases[] = {
        // vitality 11 after '2' → trunc(11 / 1.428) = 7; (2 - 2) / 2 = 0
        {"human, vitality", kRaceHuman, 2, 10, 9, 30, 20, '2', 'c', 30 + 0 + 2 + 7, 20 + 2 + 6, 2},
        // (4 - 2) / 2 = 1 from stamina, and 4 from trait b
        {"elf, stamina and SP trait", kRaceElven, 4, 10, 13, 40, 30, '5', 'b', 40 + 1 + 7, 30 + 1 + 4 + 3 + 9, 1},
        // (6 - 2) / 2 = 2; maximum HP above 100 and 133: -4
        {"dwarf, large pool", kRaceDwarven, 6, 14, 9, 150, 20, '2', 'm', 150 + 2 + 3 + 10 - 4, 20 + 1 + 6, 2},
        // a gain never falls below 1: 0 + 1 + 3 - 8
        {"elf past every step", kRaceElven, 2, 5, 5, 201, 201, '1', 'g', 202, 202, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetGameState();
        player.race = c.race;
        player.level = c.level;
        player.vitality = c.vitality;
        player.stamina = c.stamina;
        player.maxHp = c.maxHp;
        player.maxSp = c.maxSp;
        player.hp = 1;
        player.sp = 1;
        player.experience = player.levelThreshold;
        Type(Keys(c.attribute, c.trait));
        EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); })) << Dump();
        EXPECT_EQ(player.level, c.level + 1);
        EXPECT_EQ(player.maxHp, c.hpAfter);
        EXPECT_EQ(player.hp, c.hpAfter);
        EXPECT_EQ(player.maxSp, c.spAfter);
        EXPECT_EQ(player.sp, c.spAfter);
        EXPECT_EQ(player.skillPoints, c.skillPoints);
    }
}

// A human at level 3 with Vitality 10 and Stamina 9 who trains Vitality and
// takes trait a, with Strength as the bonus: 13 more hit points and 8 more
// special points (0 + 2 + trunc(9 / 1.428)).
TEST_F(LevelUpTest, TheHumanOfLevelThree) {
    player.level = 3;
    player.levelThreshold = 168;
    player.experience = 168;
    player.strength = player.vitality = player.dexterity = player.agility = 10;
    player.stamina = 9;
    player.maxHp = 40;
    player.maxSp = 20;
    SeedForBonus(2);
    Type(Keys('2', 'a'));
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); })) << Dump();
    EXPECT_EQ(player.level, 4);
    EXPECT_EQ(player.vitality, 11);
    EXPECT_EQ(player.strength, 11);
    EXPECT_EQ(player.maxHp, 53);
    EXPECT_EQ(player.maxSp, 28);
    EXPECT_EQ(player.traits[kTraitExtraHp], 1);
    EXPECT_EQ(player.experience, 0);
    EXPECT_EQ(player.levelThreshold, 336);
}

TEST_F(LevelUpTest, ABonusOfVitalityOrStaminaAddsItsOwnShare) {
    for (int32_t bonus : {1, 3}) {
        SCOPED_TRACE(bonus);
        ResetGameState();
        player.level = 5;  // to 6: (6 - 2) / 2 = 2 more
        player.experience = player.levelThreshold;
        player.strength = player.vitality = player.dexterity = player.agility = player.stamina = 10;
        SeedForBonus(bonus);
        Type(Keys('1', 'c'));
        EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); })) << Dump();
        // 11 / 1.428 = 7.7 for the raised attribute, 10 / 1.428 = 7.003 for the other
        EXPECT_EQ(player.maxHp, 28 + 2 + 7 + (bonus == 1 ? 2 : 0));
        EXPECT_EQ(player.maxSp, 10 + 2 + 7 + (bonus == 3 ? 2 : 0));
        EXPECT_EQ(player.vitality, bonus == 1 ? 11 : 10);
        EXPECT_EQ(player.stamina, bonus == 3 ? 11 : 10);
    }
}

TEST_F(LevelUpTest, OneCallGivesOneLevelAndBelowTheThresholdNothing) {
    player.experience = player.levelThreshold - 1;
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(false, false); }));
    EXPECT_EQ(player.level, 1);
    EXPECT_EQ(Row(0), std::string(80, ' '));

    player.experience = 3 * player.levelThreshold;
    Type(Keys('1', 'a'));
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); })) << Dump();
    EXPECT_EQ(player.level, 2);
    EXPECT_EQ(player.experience, 0);
    EXPECT_EQ(player.levelThreshold, 84);
}

// The prompt is one piece: a line break between its words would leave the
// game waiting for the space bar under a line that does not say so.
TEST_F(LevelUpTest, ThePressSpacePromptStaysWholeOnOneRow) {
    for (int32_t filler = 40; filler < 79; ++filler) {
        ResetGameState();
        player.experience = player.levelThreshold;
        messageLog.PrintMessage(std::string(static_cast<size_t>(filler), 'x') + " ");
        EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(false, false); }));
        bool whole = false;
        for (int32_t row = 19; row <= 21; ++row) whole = whole || Row(row).find("(Press Space)") != std::string::npos;
        EXPECT_TRUE(whole) << "after " << filler << " columns" << Dump();
    }
}

TEST_F(LevelUpTest, ThePageBeforeTheChoice) {
    player.level = 2;
    player.strength = 14;
    player.agility = 7;
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    // The frame.
    EXPECT_EQ(TextAt(10, 0, 41), std::string(40, '-') + "|");
    EXPECT_EQ(Row(20), std::string(40, '-') + "|" + std::string(39, '-'));
    EXPECT_EQ(Row(23), Row(20));
    EXPECT_EQ(CharAt(0, 40), '|');
    EXPECT_EQ(ColourAt(0, 40), 3);
    // The attribute block.
    EXPECT_EQ(TextAt(1, 7, 28), "Select an attribute to train");
    EXPECT_EQ(ColourAt(1, 7), 15);
    EXPECT_EQ(TextAt(3, 3, 32), "(1) Strength       [Current: 14]");
    EXPECT_EQ(TextAt(6, 3, 32), "(4) Agility        [Current: 7 ]");
    EXPECT_EQ(ColourAt(3, 3), 3);
    EXPECT_EQ(ColourAt(3, 4), 11);
    EXPECT_EQ(ColourAt(3, 32), 11);
    EXPECT_EQ(TextAt(9, 1, 38), "(to check skill requirements, press s)");
    EXPECT_EQ(ColourAt(9, 1), 15);
    EXPECT_EQ(ColourAt(9, 37), 11);
    // The help of the right half.
    EXPECT_EQ(TextAt(1, 43, 19), "Strength increases:");
    EXPECT_EQ(TextAt(12, 43, 15), " *Natural armor");
    EXPECT_EQ(ColourAt(12, 45), 3);
    EXPECT_EQ(TextAt(17, 43, 17), " *SP regeneration");
    // Level 3 brings a skill point.
    EXPECT_EQ(TextAt(21, 4, 30), "You have gained a skill point!");
    EXPECT_EQ(TextAt(22, 2, 34), "They are required to learn skills.");
}

TEST_F(LevelUpTest, SkillPointsComeEveryThirdLevel) {
    for (int32_t from = 1; from <= 9; ++from) {
        SCOPED_TRACE(from);
        ResetGameState();
        player.level = from;
        player.experience = player.levelThreshold;
        const bool point = (from + 1) % 3 == 0;
        Type("1");
        EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
        EXPECT_EQ(TextAt(21, 4, 30) == "You have gained a skill point!", point);
        EXPECT_EQ(player.skillPoints, point ? 2 : 1);
    }
}

TEST_F(LevelUpTest, TheBonusWheelStopsOnTheDrawnAttributeOnEvenLevels) {
    const char* const names[] = {"Dexterity", "Vitality ", "Strength ", "Stamina  ", "Agility  "};
    const int32_t bonus = NextBonus();
    Type("3");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(TextAt(16, 10, 19), std::string("->   ") + names[bonus] + "   <-") << Dump();
    EXPECT_EQ(ColourAt(16, 10), 10);
    EXPECT_EQ(ColourAt(16, 15), 3);
    EXPECT_EQ(TextAt(12, 5, 32), "The bonus attribute is this time");
    EXPECT_EQ(TextAt(24, 28, 23), "Press space to continue");
    EXPECT_EQ(ColourAt(4 + 2, 4), 11);   // an untouched digit
    EXPECT_EQ(ColourAt(5, 4), 10);       // the chosen one, green
    EXPECT_EQ(ColourAt(1, 7), 8);        // answered
    EXPECT_EQ(ColourAt(9, 1), 8);
    EXPECT_EQ(player.dexterity, bonus == 0 ? 11 : 10);

    ResetGameState();
    player.level = 2;
    player.experience = player.levelThreshold;
    const RandomMother before = rng;
    Type("3");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(TextAt(12, 5, 29), "No bonus attribute this time.");
    EXPECT_EQ(ColourAt(12, 5), 8);
    EXPECT_EQ(rng.x[0], before.x[0]);  // nothing drawn on an odd level
}

// An attribute 4 above another is kept only when Random(2) says 1; 3 above
// every other it is kept at once.
TEST_F(LevelUpTest, ABonusFarAboveAnotherAttributeIsOftenDrawnAgain) {
    player.strength = player.vitality = player.dexterity = player.agility = player.stamina = 10;
    player.strength = 14;  // bonus index 2
    const uint32_t redraw = FindSeed([](RandomMother& probe) {
        const int32_t first = probe.Random(5);
        const int32_t keep = probe.Random(2);
        const int32_t second = probe.Random(5);
        return first == 2 && keep == 0 && second == 4;
    });
    rng.RandomInit(redraw);
    Type("1 ");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(player.strength, 15);  // the chosen key only
    EXPECT_EQ(player.agility, 11);   // the second draw stood

    ResetGameState();
    player.experience = player.levelThreshold;
    player.strength = player.vitality = player.dexterity = player.agility = player.stamina = 10;
    player.strength = 12;  // 13 after the key: 3 above the others
    SeedForBonus(2);
    RandomMother expected = rng;
    expected.Random(5);
    Type("1 ");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(player.strength, 14);
    EXPECT_EQ(rng.x[0], expected.x[0]);  // one draw, no second chance asked
}

TEST_F(LevelUpTest, NewlyLearnableSkillsAreNamedWithTheLearnKey) {
    InitSkillTable();
    // "Dash" needs stamina, dexterity and agility 12 and level 1.
    player.stamina = player.dexterity = 12;
    player.agility = 11;
    player.level = 2;  // odd: no bonus that could change the count
    player.experience = player.levelThreshold;
    Type("4 ");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(TextAt(21, 46, 27), "You can learn new skill(s)!");
    EXPECT_EQ(TextAt(22, 42, 37), "Use the learn menu afterward [key: L]");

    ResetGameState();
    InitSkillTable();
    player.level = 2;
    player.experience = player.levelThreshold;
    Type("4 ");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(TextAt(21, 46, 27), std::string(27, ' '));
}

TEST_F(LevelUpTest, TheTraitStepFollowsTheSpace) {
    player.level = 2;
    player.traits[kTraitHpRegeneration] = 2;
    Type("1 ");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(TextAt(1, 43, 33), "Select a trait to improve further");
    EXPECT_EQ(TextAt(7, 42, 37), "e) Extra HP regeneration        (2/5)");
    EXPECT_EQ(TextAt(2, 41, 39), std::string(39, ' '));   // the help rows the menu leaves free
    EXPECT_EQ(TextAt(16, 41, 39), std::string(39, ' '));
    EXPECT_EQ(TextAt(17, 41, 39), std::string(39, ' '));
    EXPECT_EQ(Row(24), std::string(80, ' '));
    EXPECT_EQ(ColourAt(12, 5), 8);  // "No bonus attribute this time." stays grey

    ResetGameState();
    player.level = 2;
    player.experience = player.levelThreshold;
    Type("1 e");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(TextAt(24, 30, 19), "Press space to exit");
    EXPECT_EQ(ColourAt(7, 42), 10);
}

TEST_F(LevelUpTest, TheSkillListComesBeforeAnyChoiceAndThePageStartsAgain) {
    InitSkillTable();
    player.level = 2;
    player.strength = 10;
    // The message and its Space, then 's', the list left with 'z', and the page again.
    Type(" sz");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.LevelUp(false, false); }));
    EXPECT_EQ(TextAt(1, 7, 28), "Select an attribute to train") << Dump();
    EXPECT_EQ(ColourAt(1, 7), 15);
    EXPECT_EQ(player.strength, 10);
    EXPECT_EQ(player.level, 2);
    EXPECT_EQ(Messages(), "You feel more experienced! (Press Space)");

    ResetGameState();
    InitSkillTable();
    player.level = 2;
    player.experience = player.levelThreshold;
    Type(" sz" + Keys('1', 'a'));
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(false, false); }));
    EXPECT_EQ(player.level, 3);
    EXPECT_EQ(player.strength, 13);
    EXPECT_EQ(Messages(), "You feel more experienced! (Press Space)");  // once only
    EXPECT_EQ(Row(22), std::string(80, '-')) << Dump();  // back on the map: the status panel's separator
}

TEST_F(LevelUpTest, AQuietLevelUpLeavesItsPageForTheCaller) {
    Type(Keys('1', 'a'));
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(TextAt(1, 43, 33), "Select a trait to improve further");
    EXPECT_EQ(Messages(), "");
}

TEST_F(LevelUpTest, LevelTwoWithVitalityGainsNothingFromTheLevelTerm) {
    player.vitality = 10;
    player.maxHp = 20;
    player.race = kRaceHuman;
    // Level 2 is even: keep the bonus off vitality.
    SeedForBonus(2);
    Type(Keys('2', 'c'));
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); }));
    EXPECT_EQ(player.maxHp, 20 + 0 + 2 + 7);  // (1 - 2) / 2 is 0
}

TEST_F(LevelUpTest, AFullTraitMenuCanStillBeLeft) {
    for (int32_t& trait : player.traits) trait = 5;
    player.level = 2;
    Type("1  ");
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.LevelUp(true, false); })) << Dump();
    EXPECT_EQ(player.level, 3);
    for (int32_t trait : player.traits) EXPECT_EQ(trait, 5);
}

}  // namespace
