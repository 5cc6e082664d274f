#include "shell/status_panel.h"

#include "support/screen_test.h"
#include "toolkit/drawing.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

class StatusPanel : public ScreenTest {
protected:
    // Row 24 from the end of the fixed fields: the condition labels.
    std::string Labels() { return Row(24).substr(29); }
};

TEST_F(StatusPanel, AFreshCharacterShowsItsValuesAndNoLabels) {
    DrawStatusPanel();
    EXPECT_EQ(Row(22), std::string(80, '-'));
    EXPECT_EQ(ColourAt(22, 0), 1);
    EXPECT_EQ(Row(23), "HP: 28/28 SP: 10/10 Style: Norm Str: 12 Vit: 11 Dex: 9 Agi: 9 Sta: 9" + std::string(12, ' '));
    EXPECT_EQ(ColourAt(23, 0), 9);   // "HP:" bright blue
    EXPECT_EQ(ColourAt(23, 4), 12);  // hit points bright red
    EXPECT_EQ(ColourAt(23, 14), 10); // special points bright green
    EXPECT_EQ(ColourAt(23, 27), 11); // style cyan
    EXPECT_EQ(Row(24), "$: 0 Xp: 0% CL: 1 DL: 1 T: 0" + std::string(52, ' '));
    EXPECT_EQ(ColourAt(24, 10), 9);  // the percent sign is blue
}

TEST_F(StatusPanel, BoostedAttributesShowTheirSumInMagenta) {
    player.strengthBoost = 3;
    player.agilityBoost = -2;
    player.fightingStyle = 3;
    DrawStatusPanel();
    const std::string row = Row(23);
    EXPECT_EQ(row.substr(20, 48), "Style: Def Str: 15 Vit: 11 Dex: 9 Agi: 7 Sta: 9 ");
    EXPECT_EQ(ColourAt(23, static_cast<int>(row.find("15"))), 5);
    EXPECT_EQ(ColourAt(23, static_cast<int>(row.find("7 Sta"))), 5);
    EXPECT_EQ(ColourAt(23, static_cast<int>(row.find("9 Agi"))), 11);  // an unboosted one stays cyan
}

TEST_F(StatusPanel, ExperienceIsAPercentageCutTowardZero) {
    struct Case {
        int64_t experience;
        int64_t threshold;
        const char* shown;
    };
    const Case cases[] = {{21, 42, "Xp: 50%"}, {41, 42, "Xp: 97%"}, {0, 0, "Xp: 0%"}};
    for (const Case& c : cases) {
        player.experience = c.experience;
        player.levelThreshold = c.threshold;
        DrawStatusPanel();
        EXPECT_EQ(TextAt(24, 5, static_cast<int>(std::string(c.shown).size())), c.shown);
    }
    player.currentFloor = -1;  // on the surface after the win
    DrawStatusPanel();
    EXPECT_EQ(TextAt(24, 18, 5), "DL: 0");
}

TEST_F(StatusPanel, ABowInHandAddsTheArrowCountBeforeTheGold) {
    itemKinds[3].subtype = 2;
    arrowKindIndex = 4;
    player.inventory = {ItemData{}, ItemData{}};
    player.inventory[0].kind = 3;
    player.inventory[1].kind = 4;
    player.inventory[1].quantity = 25;
    player.equipSlots[kSlotMainWeapon] = 0;
    player.paralysis = 1;
    DrawStatusPanel();
    EXPECT_EQ(Row(24).substr(0, 41), "Arw: 25 $: 0 Xp: 0% CL: 1 DL: 1 T: 0 Par ");
    EXPECT_EQ(ColourAt(24, 0), 2);
    EXPECT_EQ(ColourAt(24, 37), 1);
}

TEST_F(StatusPanel, LabelsThatDoNotFitAreSkippedAndShorterOnesStillShow) {
    player.turns = 100;  // the fixed fields end at column 31
    player.paralysis = player.sleep = player.dizziness = player.sickness = player.fever = player.bleeding = 1;
    player.poison = player.immobility = player.horror = player.clumsiness = player.slowness = 1;
    player.stoneSkinTurns = 5;
    player.burdened = 1;
    DrawStatusPanel();
    // Eleven labels reach column 75; "Armr+ " and "Burd " would pass column 79, "Hot " fits.
    EXPECT_EQ(Row(24).substr(31), "Par Sle Con Sic Fev Ble Poi Imm Fea Clu Slo Hot  ");
    EXPECT_EQ(ColourAt(24, 31), 1);
    EXPECT_EQ(ColourAt(24, 35), 9);
    EXPECT_EQ(ColourAt(24, 75), 12);

    // Labels no longer shown are wiped, however far the old ones reached.
    player.paralysis = player.sleep = player.dizziness = player.sickness = player.fever = player.bleeding = 0;
    player.poison = player.immobility = player.horror = player.clumsiness = player.slowness = 0;
    player.stoneSkinTurns = 0;
    player.burdened = 0;
    DrawStatusPanel();
    EXPECT_EQ(Row(24).substr(31), std::string(49, ' '));
}

TEST_F(StatusPanel, RageAndTemperatureWords) {
    struct Case {
        int32_t berserkBoon;
        int32_t temperature;
        int32_t fever;
        const char* labels;
        ColourCode colour;
    };
    const Case cases[] = {
        {1, 6000, 0, "Mask ", 4},     {5, 6000, 0, "Ber ", 4},       {0, 0, 0, "Freezing ", 3},
        {0, 2000, 0, "Cold ", 11},    {0, 4000, 0, "Cool ", 15},     {0, 8000, 0, "Warm ", 14},
        {0, 10000, 0, "Hot ", 12},    {0, 10001, 0, "Boiling ", 4},  {0, 3000, 2, "Fev Hot ", 3},
    };
    for (const Case& c : cases) {
        player.berserkBoon = c.berserkBoon;
        player.bodyTemperature = c.temperature;
        player.fever = c.fever;
        DrawStatusPanel();
        const std::string expected(c.labels);
        EXPECT_EQ(Labels().substr(0, expected.size() + 1), expected + " ") << c.temperature;
        EXPECT_EQ(ColourAt(24, 29), c.colour) << c.temperature;
    }
}

TEST_F(StatusPanel, TheSeparatorIsDrawnOnlyAfterAScreenClear) {
    DrawStatusPanel();
    DrawText("x", 5, 22, 7);
    DrawStatusPanel();
    EXPECT_EQ(CharAt(22, 5), 'x');
    ClearScreen();
    DrawStatusPanel();
    EXPECT_EQ(CharAt(22, 5), '-');
}

}  // namespace
