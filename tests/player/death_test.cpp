// The death check: the cause with the character's pronouns, the three
// rescues, and the death with its screen and its end.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/game.h"
#include "monsters/monster_fight_fixture.h"
#include "player/cause_of_death.h"
#include "records/high_scores.h"
#include "shell/command_line.h"
#include "support/working_directory.h"
#include "toolkit/terminal.h"
#include "world/game_status.h"

namespace {

using namespace conditions;
using namespace fight;

TEST(CauseOfDeath, PronounsReplaceTheFirstOfEachPlaceholder) {
    struct Case {
        const char* pronoun;
        const char* cause;
        const char* text;
    };
    const Case cases[] = {
        {"She", "HE electrocuted HIMSELF with a lightning bolt.", "She electrocuted herself with a lightning bolt."},
        {"He", "A monster exploded on HIS face.", "A monster exploded on his face."},
        {"Xe", "A trap full of icy spikes shred HIM.", "A trap full of icy spikes shred xem."},
        {"It", "HE slipped on an icy floor and cracked HIS head.", "Xe slipped on an icy floor and cracked xir head."},
        {"He", "The cold took everything.", "The cold took everything."},
        {"She", "HE saw HE fall.", "She saw HE fall."},
    };
    for (const Case& c : cases) EXPECT_EQ(FillInPronouns(c.cause, c.pronoun), c.text) << c.cause;
}

// A rat whose every blow lands for 50 beside a character of 5 hit points out of 40, poisoned.
Monster* PrepareADeadlyBlow() {
    Monster* killer = PlaceFighter(11, 10, "rat");
    killer->toHitThreshold = 0;
    killer->damageBound1 = killer->damageBound2 = 50;
    killer->glyph = 'R';
    player.hp = 5;
    player.maxHp = 40;
    player.sp = 0;
    player.maxSp = 12;
    player.poison = 9;
    return killer;
}

class Death : public FightScreenTest {
protected:
    Monster* killer = nullptr;
    void SetUp() override {
        FightScreenTest::SetUp();
        killer = PrepareADeadlyBlow();
    }
    // A blow that lands, plainly.
    static void SeedForAPlainBlow() {
        SeedFor([](RandomMother& r) { return r.Random(1001) > 0 && r.Random(100) != 0 && r.Random(500) != 0 && r.Random(500) != 0; });
    }
};

TEST_F(Death, AliveIsAliveAndZeroIsDead) {
    player.hp = 1;
    player.CheckPlayerDeath("HE was killed by a rat.", 'r');  // nothing happens
    EXPECT_EQ(player.deathsAverted, 0);
    player.hp = 0;
    player.insured = 1;
    Type("  ");
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.CheckPlayerDeath("HE was killed by a rat.", 'r'); }));
    EXPECT_EQ(player.deathsAverted, 1);
}

// The prediction goes first and spares the amulet; the amulet goes before the insurance.
TEST_F(Death, RescuesComeInTheirOrderAndAreUsedUp) {
    struct Case {
        const char* name;
        int32_t predicted;
        bool amulet;
        bool insured;
        int32_t temperature;
        int32_t hp;
        int32_t temperatureAfter;
        bool amuletAfter;
        bool insuredAfter;
        const char* words;
        const char* keys;  // the prediction's long words fill the window once: a -More-
    };
    const Case cases[] = {
        {"prediction", 'r', true, true, 200, 40, 5000, true, true, "\"Your prediction was accurate.", "   "},
        {"amulet", '-', true, true, 200, 40, 5000, false, true, "The shattered amulet grants you another chance.", "  "},
        {"insurance, cold", '-', false, true, 200, 20, 500, false, false, "True to the deal, the Sage heals and cures you",
         "  "},
        {"insurance, hot", '-', false, true, 9800, 20, 9500, false, false, "True to the deal", "  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetGameState();
        PrepareConditions();
        SeeFloor(0);
        killer = PrepareADeadlyBlow();
        player.frostbite = 100;
        player.frostbiteMaxHpLoss = 8;
        player.maxHp = 32;
        player.predictedKiller = c.predicted;
        player.insured = c.insured ? 1 : 0;
        player.bodyTemperature = c.temperature;
        Wear(kSlotMainWeapon, kWeaponKind);
        if (c.amulet) WearAccessory(kSlotAmulet, kPropertyLifeSaving);
        WearSturdily(kSlotClothShirt, kClothKind);
        // The blow lands plainly; the shirt's wear roll comes before the rare blows.
        SeedFor([](RandomMother& r) {
            return r.Random(1001) > 0 && r.Random(100) != 0 && r.Random(17) >= 0 && r.Random(500) != 0 && r.Random(500) != 0;
        });
        Type(c.keys);
        EXPECT_FALSE(RunUntilItWaitsForAKey([this] { killer->MonsterMeleeAttack(); }));
        EXPECT_EQ(player.maxHp, 40);  // frostbite gave back what it took
        EXPECT_EQ(player.hp, c.hp);
        EXPECT_EQ(player.sp, 12);
        EXPECT_EQ(player.poison, 0);
        EXPECT_EQ(player.frostbite, 0);
        EXPECT_EQ(player.bodyTemperature, c.temperatureAfter);
        EXPECT_EQ(player.deathsAverted, 1);
        EXPECT_EQ(player.predictedKiller, '-');
        EXPECT_EQ(player.insured, c.insuredAfter ? 1 : 0);
        EXPECT_EQ(player.equipSlots[kSlotAmulet] >= 0, c.amuletAfter);
        // The shirt, carried after the amulet, keeps its slot through the renumbering.
        ASSERT_GE(player.equipSlots[kSlotClothShirt], 0);
        EXPECT_EQ(player.inventory[player.equipSlots[kSlotClothShirt]].kind, kClothKind);
        EXPECT_EQ(player.inventory[player.equipSlots[kSlotMainWeapon]].kind, kWeaponKind);
        EXPECT_EQ(player.inventory.size(), c.amuletAfter ? 3u : 2u);
        EXPECT_NE(Messages().find(c.words), std::string::npos) << Messages();
        EXPECT_EQ(Messages().find("You die... Press space."), Messages().find("You die"));
    }
}

// Without a rescue the death screen waits for space over the map.
TEST_F(Death, ADeathShowsTheDeathScreen) {
    SeedForAPlainBlow();
    EXPECT_TRUE(RunUntilItWaitsForAKey([this] { killer->MonsterMeleeAttack(); }));
    EXPECT_EQ(Row(19).substr(0, 52), "The rat hits you. You die... Press space.           ");
    EXPECT_EQ(CharAt(10, 11), 'R');  // the map is drawn with the killer on it
    EXPECT_EQ(gameInPlay, 0);         // nothing is saved from here on
}

// A score file that cannot be written is told once the death has been seen.
TEST_F(Death, AScoreFileThatCannotBeWrittenIsReported) {
    const ScopedWorkingDirectory directory;
    std::filesystem::create_directory("scores.hmd");  // a folder where the file goes: the write fails
    SeedForAPlainBlow();
    Type(" ");
    EXPECT_TRUE(RunUntilItWaitsForAKey([this] { killer->MonsterMeleeAttack(); }));
    EXPECT_NE(Messages().find("You die... Press space. The high score file couldn't be written, so this result is not "
                              "kept."),
              std::string::npos)
        << Messages();
    EXPECT_TRUE(std::filesystem::is_directory("scores.hmd"));
}

// A terminal closed at the first wait of the death ends the program there: the
// score and the post-mortem are written by then.
TEST_F(Death, ATerminalClosedAtTheDeathLosesNoRecord) {
    const ScopedWorkingDirectory directory;
    std::snprintf(player.name, sizeof player.name, "%s", "Tester");
    InstallToolkitHooks();
    SeedForAPlainBlow();
    EXPECT_EXIT(
        {
            pendingTerminationSignal = SIGHUP;
            killer->MonsterMeleeAttack();
        },
        ::testing::ExitedWithCode(1), "");
    highScores.LoadHighScores();
    EXPECT_STREQ(highScores.entries[0].name, "Tester");
    ASSERT_TRUE(std::filesystem::is_directory("Mortems"));
    int32_t reports = 0;
    for (const auto& entry : std::filesystem::directory_iterator("Mortems")) {
        reports += entry.path().filename().string().rfind("Tester's post-mortem (", 0) == 0;
    }
    EXPECT_EQ(reports, 1);
}

// After the final screens the game ends; in "-name" mode the save goes first.
TEST_F(Death, TheGameEndsAfterTheFinalScreensAndTheNamedSaveIsRemoved) {
    const ScopedWorkingDirectory directory;
    std::filesystem::create_directories("Data/Tester");
    std::ofstream("Data/Tester/Tester.hmd") << "save";
    programArgs = {"-name", "Tester"};
    std::snprintf(player.name, sizeof player.name, "%s", "Tester");
    SeedForAPlainBlow();
    // The death's space, a key for the hall of fame the score entered, then the inventory
    // (empty: it only says so), equipment and message screens close with z, and a key for
    // each of the character's pages.
    Type("  zz   ");
    EXPECT_EXIT(killer->MonsterMeleeAttack(), ::testing::ExitedWithCode(1), "");
    EXPECT_FALSE(std::filesystem::exists("Data/Tester/Tester.hmd"));
}

}  // namespace
