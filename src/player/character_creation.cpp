// Character creation: the new-game questions, answered by the player or, for
// a random character, by the dice, and the starting state they give.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "shell/command_line.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/platform.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/player.h"

namespace {

// A choice screen: headings in bright white, options in bright cyan, their
// digits inside the brackets in cyan.
struct ChoiceScreen {
    std::vector<std::pair<int32_t, int32_t>> headingAt;  // (column, row) of each heading
    std::vector<const char*> headings;
    int32_t optionColumn;
    int32_t firstOptionRow;
    std::vector<const char*> options;
    int32_t helpPage;  // 0 for none
};

void DrawChoiceScreen(const ChoiceScreen& screen) {
    ClearScreen();
    for (std::size_t i = 0; i < screen.headings.size(); ++i) {
        DrawText(screen.headings[i], screen.headingAt[i].first, screen.headingAt[i].second, kWhite);
    }
    const int32_t count = static_cast<int32_t>(screen.options.size());
    for (int32_t i = 0; i < count; ++i) {
        DrawText(screen.options[i], screen.optionColumn, screen.firstOptionRow + i, kLightCyan);
    }
    for (int32_t i = 0; i < count; ++i) {
        DrawChar(static_cast<char>('1' + i), screen.optionColumn + 1, screen.firstOptionRow + i, kCyan);
    }
    ShowCreationHelp(screen.helpPage);
}

// Waits for one of the digits 1..count; returns 0..count-1.
int32_t ReadChoice(int32_t count) {
    for (;;) {
        const int key = ReadKey();
        if (key >= '1' && key < '1' + count) return key - '1';
    }
}

// The player's answer on the drawn screen, or the dice's for a random character.
int32_t Choose(const ChoiceScreen& screen, bool random) {
    const int32_t count = static_cast<int32_t>(screen.options.size());
    if (random) return rng.Random(count);
    DrawChoiceScreen(screen);
    return ReadChoice(count);
}

struct RaceChoice {
    int32_t race;
    int32_t strength, vitality, dexterity, agility, stamina;
    int32_t hpTerm, spTerm;
    const char* word;
};
constexpr RaceChoice kRaces[] = {
    {kRaceDwarven, 9, 10, 7, 8, 8, 3, 1, "dwarf "},
    {kRaceHuman, 8, 9, 8, 9, 9, 2, 2, "human "},
    {kRaceElven, 7, 8, 9, 8, 10, 1, 3, "elf "},
};

struct TrainingChoice {
    int32_t training;
    int32_t strength, vitality, dexterity, agility, stamina;
    int32_t oneHanded, twoHanded, shield, thrown, ranged, twoWeapon;
    const char* word;
};
constexpr TrainingChoice kTrainings[] = {
    {kTrainingWarrior, 4, 3, 1, 1, 1, 2, 2, 2, 1, 1, 1, "warrior "},
    {kTrainingRanger, 2, 2, 2, 2, 2, 2, 1, 1, 2, 2, 2, "ranger "},
    {kTrainingArcher, 1, 1, 4, 1, 3, 2, 1, 1, 1, 3, 1, "archer "},
};

struct WeaponryChoice {
    const char* option;
    int32_t kit;
    int32_t oneHanded, twoHanded, shield, ranged, twoWeapon;
    const char* phrase;
};
// Two per training, in the order of kTrainings.
constexpr WeaponryChoice kWeaponries[3][2] = {
    {{"( ) Two-handed weapon", 1, 0, 1, 0, 0, 0, "wielding a two-handed weapon, "},
     {"( ) One-handed weapon + shield", 2, 1, 0, 1, 0, 0, "wielding a one-handed weapon and a shield, "}},
    {{"( ) 2x One-handed weapon (dual wield)", 3, 0, 0, 0, 0, 1, "dual wielding one-handed weapons, "},
     {"( ) One-handed weapon + bow", 4, 1, 0, 0, 1, 0, "wielding a one-handed weapon and a bow, "}},
    {{"( ) Bow + extra arrows", 5, 0, 0, 0, 1, 0, "wielding only a bow, "},
     {"( ) Bow + one-handed weapon", 6, 1, 0, 0, 1, 0, "wielding a bow and a one-handed weapon, "}},
};

constexpr const char* kAttributePhrases[] = {
    "trained in strength.", "trained in vitality.", "trained in dexterity.", "trained in agility.", "trained in stamina.",
};
constexpr const char* kPronouns[] = {"He", "She", "Xe"};

void AskShortcut() {
    DrawChoiceScreen({{{5, 5}, {6, 6}, {22, 7}},
                      {"There is a known shortcut that leads deeper into the dungeon complex.",
                       "Only experienced and well-equipped fighters are allowed to risk it.",
                       "Are you a battle-hardened veteran?"},
                      18,
                      9,
                      {"( ) No, take me to the main entrance", "( ) Yes, let's kickstart this adventure"},
                      0});
    static const char* const kExplanation[] = {
        "Using the shortcut skips the first 7 floors of the dungeon, including all",
        "the helpful treasures that lie there. Newbies should pick the main entrance,",
        "the shortcut is for experienced players who think they can survive with worse",
        "starting equipment and without the useful magical items when the big monsters",
        "come running to get them. (You start with bronze grade weapons, leather armor,",
        "linen clothes, a little more food and character level 4)",
    };
    for (int32_t row = 0; row < 6; ++row) DrawText(kExplanation[row], 1, 15 + row, kCyan);
    if (ReadChoice(2) == 0) {
        player.startMode = 0;
        return;
    }
    player.startMode = 1;
    player.gold = 350;
    player.demonSlainFlags[0] = 1;  // the demon of floor 6 guards the way down
    player.currentFloor = 7;
    player.deepestFloor = 7;
}

bool AskRandomCharacter() {
    return Choose({{{5, 5}},
                   {"Would you like to play a specific character or a randomly chosen one?"},
                   31,
                   9,
                   {"( ) Specific", "( ) Random"},
                   0},
                  false) == 1;
}

const RaceChoice& ApplyRace(bool random, std::string& description) {
    const RaceChoice& race =
        kRaces[Choose({{{11, 5}}, {"Select your race"}, 14, 10, {"( ) Dwarf", "( ) Human", "( ) Elf"}, 1}, random)];
    player.strength = race.strength;
    player.vitality = race.vitality;
    player.dexterity = race.dexterity;
    player.agility = race.agility;
    player.stamina = race.stamina;
    player.race = race.race;
    description += race.word;
    return race;
}

int32_t ApplyTraining(bool random, std::string& description) {
    const int32_t choice =
        Choose({{{9, 5}}, {"Select your training"}, 13, 10, {"( ) Warrior", "( ) Ranger", "( ) Archer"}, 2}, random);
    const TrainingChoice& training = kTrainings[choice];
    description += training.word;
    player.training = training.training;
    player.strength += training.strength;
    player.vitality += training.vitality;
    player.dexterity += training.dexterity;
    player.agility += training.agility;
    player.stamina += training.stamina;
    player.profOneHanded = training.oneHanded;
    player.profTwoHanded = training.twoHanded;
    player.profShield = training.shield;
    player.profThrown = training.thrown;
    player.profRanged = training.ranged;
    player.profTwoWeapon = training.twoWeapon;
    if (training.training == kTrainingArcher) player.ammoAutoPickup = 1;
    return choice;
}

void ApplyWeaponry(bool random, int32_t trainingChoice, std::string& description) {
    const WeaponryChoice* options = kWeaponries[trainingChoice];
    const WeaponryChoice& weaponry =
        options[Choose({{{21, 5}}, {"Select your starting weaponry"}, 20, 10, {options[0].option, options[1].option}, 0},
                       random)];
    description += weaponry.phrase;
    player.GiveStartingKit(weaponry.kit);
    player.profOneHanded += weaponry.oneHanded;
    player.profTwoHanded += weaponry.twoHanded;
    player.profShield += weaponry.shield;
    player.profRanged += weaponry.ranged;
    player.profTwoWeapon += weaponry.twoWeapon;
    if (player.startMode == 1) {
        for (int32_t* proficiency : {&player.profOneHanded, &player.profTwoHanded, &player.profShield,
                                     &player.profThrown, &player.profRanged, &player.profTwoWeapon}) {
            ++*proficiency;
        }
    }
}

void ApplyTrainedAttribute(bool random, const RaceChoice& race, std::string& description) {
    const int32_t choice = Choose({{{10, 4}, {5, 5}},
                                   {"Select an attribute", "to boost with extra training"},
                                   12,
                                   10,
                                   {"( ) Strength", "( ) Vitality", "( ) Dexterity", "( ) Agility", "( ) Stamina"},
                                   3},
                                  random);
    description += kAttributePhrases[choice];
    int32_t* attributes[] = {&player.strength, &player.vitality, &player.dexterity, &player.agility, &player.stamina};
    *attributes[choice] += player.race == kRaceHuman ? 1 : 2;
    player.maxHp = player.hp = player.vitality + 7 + race.hpTerm;
    player.maxSp = player.sp = player.stamina + race.spTerm;
    player.RecomputePlayerStats();
    player.glyphColour = kBrown;
}

void SetName(const std::string& name) {
    std::memset(player.name, 0, sizeof player.name);
    std::strncpy(player.name, name.c_str(), sizeof player.name - 1);
}

void AskName(const std::string& description, bool random) {
    if (IsNameMode()) {
        SetName(NamedCharacter());
        return;
    }
    ClearScreen();
    DrawText("What is your name?", 29, 5, kWhite);
    if (random) DrawText(description, (80 - static_cast<int32_t>(description.size())) / 2, 15, kCyan);
    for (;;) {
        std::string name;
        while (name.empty()) {
            name = ReadLine(32, 10, 9, kLightCyan);
            // Blanks typed after the name would stand in the hall of fame and in file names.
            name.erase(name.find_last_not_of(' ') + 1);
            // A name must be usable in file names; one that is not is asked again, as an empty one is.
            if (!name.empty() && !IsSafeCharacterName(name)) {
                DrawText(std::string(9, ' '), 32, 10, kBlack);
                name.clear();
            }
        }
        if (!PlatformCanRead(name + ".hmd")) {
            SetName(name);
            return;
        }
        DrawText("You can't use a saved character's name.", 20, 15, kRed);
        DrawText("Rename the save file or move it elsewhere.", 19, 16, kRed);
        ReadKey();
        for (int32_t row : {10, 15, 16}) DrawText(std::string(80, ' '), 0, row, kBlack);
    }
}

void AskGender(bool random) {
    const int32_t choice = Choose(
        {{{29, 5}}, {"What is your gender?"}, 32, 10, {"( ) Male", "( ) Female", "( ) Non-binary"}, 0}, random);
    std::memset(player.pronoun, 0, sizeof player.pronoun);
    std::strncpy(player.pronoun, kPronouns[choice], sizeof player.pronoun - 1);
}

}  // namespace

void CreateCharacter() {
    InitSkillTable();
    ClearScreen();
    AskShortcut();
    const bool random = AskRandomCharacter();
    // Every race, the elf's too, follows "A ".
    std::string description = "A ";
    const RaceChoice& race = ApplyRace(random, description);
    const int32_t training = ApplyTraining(random, description);
    ApplyWeaponry(random, training, description);
    ApplyTrainedAttribute(random, race, description);
    AskName(description, random);
    AskGender(random);
    if (player.startMode == 1) {
        for (int32_t levelUp = 0; levelUp < 3; ++levelUp) {
            player.experience = player.levelThreshold;
            player.LevelUp(true, false);
        }
    }
    ClearScreen();
}

void ShowCreationHelp(int32_t page) {
    struct Line {
        int32_t row;
        const char* text;
    };
    static const std::vector<Line> kPages[] = {
        {{2, "Dwarves:"},
         {3, " *Strong and tough"},
         {4, " *Lots of hit points"},
         {5, " *Less special points"},
         {6, " *Ideal warriors"},
         {9, "Humans:"},
         {10, " *Jacks of all trades"},
         {11, " *Average number of hit points"},
         {12, " *Average number of special points"},
         {13, " *Good with all trainings"},
         {16, "Elves:"},
         {17, " *Weaker, rely on special skills"},
         {18, " *Less hit points, more accuracy"},
         {19, " *Lots of special points"},
         {20, " *Ideal archers"}},
        {{1, "Warriors:"},
         {2, " *The easiest training to start with"},
         {3, " *Melee weapon proficiency"},
         {4, " *Straightforward seek and destroy"},
         {5, " *Rely on high HP and damage"},
         {6, " *Less SP for special strikes"},
         {7, " *1st skill: Warrior's rending strike"},
         {9, "Rangers:"},
         {10, " *Challenging training early on"},
         {11, " *Melee and ranged proficiency"},
         {12, " *Commonly dual wielders or hybrids"},
         {13, " *Thrown weapons used as support"},
         {14, " *Unspecialized, but flexible arsenal"},
         {15, " *1st skill: Ranger's rending throw"},
         {17, "Archers:"},
         {18, " *The hardest training at first"},
         {19, " *Ranged & thrown weapon proficiency"},
         {20, " *Try to kill monsters from afar"},
         {21, " *Use a lot of special skills to kill"},
         {22, " *Weak at melee combat, need arrows"},
         {23, " *1st skill: Archer's rending shot"}},
        {{2, "Strength increases:"},
         {3, " *Melee damage"},
         {4, " *Carry capacity"},
         {6, "Vitality increases:"},
         {7, " *Hit point gain per level"},
         {8, " *HP regeneration"},
         {10, "Dexterity increases:"},
         {11, " *Ranged damage"},
         {12, " *Chance to hit"},
         {14, "Agility increases:"},
         {15, " *Chance to dodge"},
         {16, " *Natural armor"},
         {17, " *Critical strike chance"},
         {18, " *Speed"},
         {20, "Stamina increases:"},
         {21, " *Special point gain per level"},
         {22, " *SP regeneration"}},
    };
    if (page < 1 || page > 3) return;
    for (const Line& line : kPages[page - 1]) {
        // Headings stand flush; the points under them start with a blank.
        DrawText(line.text, 42, line.row, line.text[0] == ' ' ? kCyan : kWhite);
    }
}
