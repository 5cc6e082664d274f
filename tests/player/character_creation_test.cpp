// Character creation: the screens, the specific, random and shortcut paths,
// and the name prompt.
#include <fstream>
#include <string>

#include "player/condition_fixture.h"
#include "shell/command_line.h"
#include "support/working_directory.h"

namespace {

using namespace conditions;

class CharacterCreation : public ScreenTest {
protected:
    static bool Run() {
        return RunUntilItWaitsForAKey([] { CreateCharacter(); });
    }
    // Types keys and runs creation from the start until it waits for more.
    bool ShowAfter(const std::string& keys) {
        ResetGameState();
        Type(keys);
        return Run();
    }

    ScopedWorkingDirectory folder;
};

TEST_F(CharacterCreation, TheQuestionsComeInOrderWithTheirScreens) {
    struct Screen {
        const char* keys;
        int row;
        int column;
        const char* heading;
        int optionColumn;
        int firstOptionRow;
        std::vector<std::string> options;
        int helpRow;
        const char* help;  // the first heading of the help half, or ""
    };
    const Screen screens[] = {
        {"", 7, 22, "Are you a battle-hardened veteran?", 18, 9,
         {"(1) No, take me to the main entrance", "(2) Yes, let's kickstart this adventure"}, 0, ""},
        {"1", 5, 5, "Would you like to play a specific character or a randomly chosen one?", 31, 9,
         {"(1) Specific", "(2) Random"}, 0, ""},
        {"11", 5, 11, "Select your race", 14, 10, {"(1) Dwarf", "(2) Human", "(3) Elf"}, 2, "Dwarves:"},
        {"111", 5, 9, "Select your training", 13, 10, {"(1) Warrior", "(2) Ranger", "(3) Archer"}, 1, "Warriors:"},
        {"1111", 5, 21, "Select your starting weaponry", 20, 10,
         {"(1) Two-handed weapon", "(2) One-handed weapon + shield"}, 0, ""},
        {"1112", 5, 21, "Select your starting weaponry", 20, 10,
         {"(1) 2x One-handed weapon (dual wield)", "(2) One-handed weapon + bow"}, 0, ""},
        {"1113", 5, 21, "Select your starting weaponry", 20, 10,
         {"(1) Bow + extra arrows", "(2) Bow + one-handed weapon"}, 0, ""},
        {"11111", 5, 5, "to boost with extra training", 12, 10,
         {"(1) Strength", "(2) Vitality", "(3) Dexterity", "(4) Agility", "(5) Stamina"}, 2, "Strength increases:"},
        {"111111", 5, 29, "What is your name?", 0, 0, {}, 0, ""},
        {"111111Tester\n", 5, 29, "What is your gender?", 32, 10, {"(1) Male", "(2) Female", "(3) Non-binary"}, 0, ""},
    };
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.heading);
        EXPECT_TRUE(ShowAfter(screen.keys));
        const std::string heading = screen.heading;
        EXPECT_EQ(TextAt(screen.row, screen.column, static_cast<int>(heading.size())), heading) << Dump();
        EXPECT_EQ(ColourAt(screen.row, screen.column), 15);
        for (std::size_t i = 0; i < screen.options.size(); ++i) {
            const int row = screen.firstOptionRow + static_cast<int>(i);
            const std::string& option = screen.options[i];
            EXPECT_EQ(TextAt(row, screen.optionColumn, static_cast<int>(option.size())), option);
            EXPECT_EQ(ColourAt(row, screen.optionColumn), 11);
            EXPECT_EQ(ColourAt(row, screen.optionColumn + 1), 3);
            EXPECT_EQ(ColourAt(row, screen.optionColumn + 4), 11);
        }
        const std::string help = screen.help;
        if (!help.empty()) {
            EXPECT_EQ(TextAt(screen.helpRow, 42, static_cast<int>(help.size())), help);
            EXPECT_EQ(ColourAt(screen.helpRow, 42), 15);
            EXPECT_EQ(ColourAt(screen.helpRow + 1, 44), 3);
        }
    }
}

TEST_F(CharacterCreation, TheShortcutScreenExplainsItself) {
    EXPECT_TRUE(ShowAfter("9x"));  // keys that are not choices are ignored
    EXPECT_EQ(TextAt(5, 5, 69), "There is a known shortcut that leads deeper into the dungeon complex.");
    EXPECT_EQ(TextAt(6, 6, 67), "Only experienced and well-equipped fighters are allowed to risk it.");
    EXPECT_EQ(TextAt(15, 1, 73), "Using the shortcut skips the first 7 floors of the dungeon, including all");
    EXPECT_EQ(TextAt(20, 1, 56), "linen clothes, a little more food and character level 4)");
    EXPECT_EQ(ColourAt(20, 1), 3);
    EXPECT_EQ(TextAt(2, 42, 38), std::string(38, ' '));
}

// An elf archer with a bow and extra arrows who trains Dexterity.
TEST_F(CharacterCreation, ASpecificElfArcher) {
    player.ammoAutoPickup = 0;
    Type("113313Ann\n2");
    EXPECT_FALSE(Run()) << Dump();
    EXPECT_EQ(player.race, kRaceElven);
    EXPECT_EQ(player.training, kTrainingArcher);
    EXPECT_EQ(player.strength, 8);
    EXPECT_EQ(player.vitality, 9);
    EXPECT_EQ(player.dexterity, 15);
    EXPECT_EQ(player.agility, 9);
    EXPECT_EQ(player.stamina, 13);
    const int32_t proficiencies[] = {player.profOneHanded, player.profTwoHanded, player.profShield,
                                     player.profThrown,    player.profRanged,    player.profTwoWeapon};
    const int32_t expected[] = {2, 1, 1, 1, 4, 1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(proficiencies[i], expected[i]) << i;
    EXPECT_EQ(player.maxHp, 17);
    EXPECT_EQ(player.hp, 17);
    EXPECT_EQ(player.maxSp, 16);
    EXPECT_EQ(player.sp, 16);
    EXPECT_EQ(std::string(player.name), "Ann");
    EXPECT_EQ(std::string(player.pronoun), "She");
    EXPECT_EQ(player.glyphColour, 6);
    EXPECT_EQ(player.ammoAutoPickup, 1);
    EXPECT_EQ(player.startMode, 0);
    EXPECT_EQ(player.currentFloor, 0);
    EXPECT_EQ(player.level, 1);
    EXPECT_EQ(std::string(skillTable[0].name), "Accurate strike");  // the skill table is filled
    EXPECT_EQ(Row(5), std::string(80, ' '));                          // and the screen left clear
}

TEST_F(CharacterCreation, RacesTrainingsWeaponriesAndTheTrainedAttribute) {
    struct Case {
        const char* keys;
        int32_t strength, vitality, dexterity, agility, stamina;
        int32_t oneHanded, twoHanded, shield, thrown, ranged, twoWeapon;
        int32_t hp, sp;
        const char* pronoun;
    };
    const Case cases[] = {
        // dwarf warrior, two-handed, Strength (+2 for a dwarf), male
        {"111111X\n1", 15, 13, 8, 9, 9, 2, 3, 2, 1, 1, 1, 23, 10, "He"},
        // human warrior, weapon and shield, Strength (+1 for a human), non-binary
        {"112121X\n3", 13, 12, 9, 10, 10, 3, 2, 3, 1, 1, 1, 21, 12, "Xe"},
        // human ranger, dual wield, Stamina
        {"112215X\n1", 10, 11, 10, 11, 12, 2, 1, 1, 2, 2, 3, 20, 14, "He"},
        // dwarf ranger, weapon and bow, Vitality
        {"111222X\n2", 11, 14, 9, 10, 10, 3, 1, 1, 2, 3, 2, 24, 11, "She"},
        // elf archer, bow and weapon, Agility
        {"113324X\n1", 8, 9, 13, 11, 13, 3, 1, 1, 1, 4, 1, 17, 16, "He"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        EXPECT_FALSE(ShowAfter(c.keys));
        const int32_t attributes[] = {player.strength, player.vitality, player.dexterity, player.agility, player.stamina};
        const int32_t wanted[] = {c.strength, c.vitality, c.dexterity, c.agility, c.stamina};
        for (int i = 0; i < 5; ++i) EXPECT_EQ(attributes[i], wanted[i]) << "attribute " << i;
        const int32_t proficiencies[] = {player.profOneHanded, player.profTwoHanded, player.profShield,
                                         player.profThrown,    player.profRanged,    player.profTwoWeapon};
        const int32_t wantedProficiencies[] = {c.oneHanded, c.twoHanded, c.shield, c.thrown, c.ranged, c.twoWeapon};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(proficiencies[i], wantedProficiencies[i]) << "proficiency " << i;
        EXPECT_EQ(player.maxHp, c.hp);
        EXPECT_EQ(player.maxSp, c.sp);
        EXPECT_EQ(std::string(player.pronoun), c.pronoun);
    }
}

// The dice answer every question but the name, in the order the screens would come.
TEST_F(CharacterCreation, ARandomCharacterSeesOnlyTheNameScreenWithItsDescription) {
    static const char* const races[] = {"dwarf ", "human ", "elf "};
    static const char* const trainings[] = {"warrior ", "ranger ", "archer "};
    static const char* const weaponries[3][2] = {
        {"wielding a two-handed weapon, ", "wielding a one-handed weapon and a shield, "},
        {"dual wielding one-handed weapons, ", "wielding a one-handed weapon and a bow, "},
        {"wielding only a bow, ", "wielding a bow and a one-handed weapon, "}};
    static const char* const attributes[] = {"strength.", "vitality.", "dexterity.", "agility.", "stamina."};
    static const char* const pronouns[] = {"He", "She", "Xe"};
    for (uint32_t seed : {kTestSeed, 7u, 99u}) {
        SCOPED_TRACE(seed);
        ResetGameState();
        rng.RandomInit(seed);
        RandomMother dice = rng;
        const int32_t race = dice.Random(3);
        const int32_t training = dice.Random(3);
        const int32_t weaponry = dice.Random(2);
        const int32_t attribute = dice.Random(5);
        const int32_t gender = dice.Random(3);
        const std::string description = std::string("A ") + races[race] + trainings[training] +
                                        weaponries[training][weaponry] + "trained in " + attributes[attribute];
        Type("12");
        EXPECT_TRUE(Run());
        EXPECT_EQ(TextAt(5, 29, 18), "What is your name?");
        const int column = (80 - static_cast<int>(description.size())) / 2;
        EXPECT_EQ(TextAt(15, column, static_cast<int>(description.size())), description) << Dump();
        EXPECT_EQ(ColourAt(15, column), 3);
        EXPECT_EQ(CharAt(15, column - 1 < 0 ? 0 : column - 1), column == 0 ? 'A' : ' ');

        ResetGameState();
        rng.RandomInit(seed);
        Type("12Rand\n");
        EXPECT_FALSE(Run());
        EXPECT_EQ(std::string(player.pronoun), pronouns[gender]);
        EXPECT_EQ(std::string(player.name), "Rand");
    }
}

TEST_F(CharacterCreation, TheNameIsAskedUntilOneIsUsable) {
    // Enter alone, a name that names a folder, one with a slash, blanks only: all asked again without a word.
    EXPECT_TRUE(ShowAfter("111111\n..\na/b\n   \n"));
    EXPECT_EQ(TextAt(10, 32, 9), std::string(9, ' ')) << Dump();
    EXPECT_EQ(Row(15), std::string(80, ' '));
    EXPECT_EQ(TextAt(5, 29, 18), "What is your name?");

    EXPECT_FALSE(ShowAfter("111111Abcdefghijkl\n1"));
    EXPECT_EQ(std::string(player.name), "Abcdefghi");  // the read stops at 9

    // Blanks after the name are dropped; those inside it stay.
    EXPECT_FALSE(ShowAfter("111111Tilly of \n1"));
    EXPECT_EQ(std::string(player.name), "Tilly of");
}

TEST_F(CharacterCreation, ASavedCharactersNameIsRefused) {
    std::ofstream("Tester.hmd") << "save";
    EXPECT_TRUE(ShowAfter("12Tester\n"));
    EXPECT_EQ(TextAt(15, 20, 39), "You can't use a saved character's name.");
    EXPECT_EQ(TextAt(16, 19, 42), "Rename the save file or move it elsewhere.");
    EXPECT_EQ(ColourAt(15, 20), 4);
    EXPECT_EQ(ColourAt(16, 19), 4);

    // One key clears the input, the red lines and the description; the question stays.
    EXPECT_TRUE(ShowAfter("12Tester\nx"));
    for (int row : {10, 15, 16}) EXPECT_EQ(Row(row), std::string(80, ' ')) << row;
    EXPECT_EQ(TextAt(5, 29, 18), "What is your name?");

    EXPECT_FALSE(ShowAfter("12Tester\nxOther\n"));
    EXPECT_EQ(std::string(player.name), "Other");
    std::ifstream kept("Tester.hmd");
    std::string content;
    kept >> content;
    EXPECT_EQ(content, "save");
}

TEST_F(CharacterCreation, NameModeTakesTheArgumentWithoutAScreen) {
    std::ofstream("Hero.hmd") << "not looked at";
    ResetGameState();
    programArgs = {"-name", "Hero"};
    Type("1111111");
    EXPECT_FALSE(Run());
    EXPECT_EQ(std::string(player.name), "Hero");
    EXPECT_EQ(std::string(player.pronoun), "He");
}

TEST_F(CharacterCreation, TheShortcutStartsDeeperAfterThreeLevelUps) {
    // Shortcut, random, a name, then three level-ups: attribute, Space, trait, Space each.
    Type("22Vet\n" "1 a " "2 b " "3 c ");
    EXPECT_FALSE(Run()) << Dump();
    EXPECT_EQ(player.startMode, 1);
    EXPECT_EQ(player.gold, 350);
    EXPECT_EQ(player.currentFloor, 7);
    EXPECT_EQ(player.deepestFloor, 7);
    EXPECT_EQ(player.demonSlainFlags[0], 1);
    EXPECT_EQ(player.level, 4);
    EXPECT_EQ(player.experience, 0);
    EXPECT_EQ(player.levelThreshold, 336);
    EXPECT_EQ(player.skillPoints, 2);
    EXPECT_EQ(player.traits[kTraitExtraHp], 1);
    EXPECT_EQ(player.traits[kTraitExtraSp], 1);
    EXPECT_EQ(player.traits[kTraitExtraDodge], 1);
    // One more point in each proficiency than a main-entrance character of the same training.
    const int32_t sum = player.profOneHanded + player.profTwoHanded + player.profShield + player.profThrown +
                        player.profRanged + player.profTwoWeapon;
    EXPECT_EQ(sum, 10 + 1 + 6);
    EXPECT_EQ(Row(1), std::string(80, ' '));  // the screen is left clear
}

TEST_F(CharacterCreation, EachLevelUpOfTheShortcutShowsItsWholePage) {
    EXPECT_TRUE(ShowAfter("22Vet\n"));
    EXPECT_EQ(TextAt(1, 7, 28), "Select an attribute to train");
    EXPECT_EQ(TextAt(1, 43, 19), "Strength increases:");
    EXPECT_TRUE(ShowAfter("22Vet\n1 a 2"));
    EXPECT_EQ(TextAt(24, 28, 23), "Press space to continue");
    EXPECT_EQ(TextAt(21, 4, 30), "You have gained a skill point!");  // level 3
    EXPECT_TRUE(ShowAfter("22Vet\n1 a 2 b 3 c"));
    EXPECT_EQ(TextAt(24, 30, 19), "Press space to exit");
}

TEST_F(CharacterCreation, OnlyHelpPagesOneToThreeDrawAnything) {
    for (int32_t page : {0, 4, -1}) ShowCreationHelp(page);
    for (int row = 0; row < 25; ++row) EXPECT_EQ(Row(row), std::string(80, ' ')) << row;
    ShowCreationHelp(2);
    EXPECT_EQ(TextAt(23, 42, 34), " *1st skill: Archer's rending shot");
    EXPECT_EQ(TextAt(17, 42, 8), "Archers:");
    EXPECT_EQ(ColourAt(17, 42), 15);
}

}  // namespace
