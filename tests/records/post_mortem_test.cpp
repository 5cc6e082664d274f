// The post-mortem: its file name and the whole report of a death and of a
// victory, against texts written out in full.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "floors/floor_feelings.h"
#include "records/post_mortem.h"
#include "shell/command_line.h"
#include "skills/skill_def.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "support/working_directory.h"
#include "toolkit/message_log.h"
#include "toolkit/platform.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

enum FixtureKind : int32_t { kSword = 1, kPotion = 2, kWand = 3, kRing = 4, kShirt = 5, kBread = 6, kBow = 7 };

void MakeKind(int32_t index, const char* name, int32_t type, int32_t subtype, char glyph, int32_t power = 0,
              int32_t secondValue = 0) {
    ItemKind& kind = itemKinds[index];
    std::strcpy(kind.name, name);
    kind.inUse = 1;
    kind.type = type;
    kind.subtype = subtype;
    kind.glyph = static_cast<uint8_t>(glyph);
    kind.power = power;
    kind.secondValue = secondValue;
    kind.maxDurability = 30;
    kind.weight = 1;
}

ItemData Item(int32_t kind, int32_t durability, int32_t blessing, int32_t quantity = 1) {
    ItemData item;
    item.kind = kind;
    item.durability = durability;
    item.blessing = blessing;
    item.quantity = quantity;
    return item;
}

// The lines joined, each but the last ending in a line break.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) text += '\n';
        text += line;
        first = false;
    }
    return text;
}

// What both reports tell alike of the character of the fixture: the items, the
// skills, the last messages and the statistics.
std::vector<std::string> ItemsSkillsMessagesAndStats() {
    return {
        "-----Items-----",
        "blessed sabre (21) equipped",
        "cursed ring of ease prepared",
        "uncursed wet wool shirt (12) equipped",
        "",
        "3 potion of warmth (identified)",
        "wand of frost (4) (unidentified)",
        "2 bread ",
        "",
        "",
        "-----Skills-----",
        "Brutal strike",
        "Passive: Enhanced deadliness",
        "",
        "",
        "-----Message buffer-----",
        "A wolf bites you! ",
        "he last words. ",
        "",
        "",
        "-----Stats without the effects of ailments & tactics-----",
        "Strength: 14",
        "Vitality: 12",
        "Dexterity: 16",
        "Agility: 13",
        "Stamina: 11",
        "",
        "Max hp: 40 (48 without frostbite)",
        "Max sp: 18",
        "",
        "Onehanded weapons: 3",
        "Shield proficiency: 0",
        "Twohanded weapons: 0",
        "Two-weapon combat: 0",
        "Ranged weapons: 7",
        "Throwing weapons: 0",
        "",
        "Melee damage: 12-26",
        "Thrown damage: -",
        "Armor: 7",
        "Clothing: 39",
        "",
        "Chance to hit: 66%",
        "Chance to crit: 12%",
        "Chance to dodge: 10%",
        "Speed: 99%",
        "",
        "Extra HP: (0/5)",
        "Extra SP: (0/5)",
        "Extra dodge: (0/5)",
        "Extra speed: (0/5)",
        "Extra HP regeneration: (2/5)",
        "Extra SP regeneration: (0/5)",
        "Extra melee critical chance: (3/5)",
        "Extra ranged critical chance: (0/5)",
        "Extra melee to hit chance: (0/5)",
        "Extra ranged to hit chance: (0/5)",
        "Extra thrown weapon damage: (0/5)",
        "Extra carrying capacity: (0/5)",
        "Extra skill point: (1/5)",
    };
}

// A map row: the text and blanks up to the map's width.
std::string Padded(const std::string& row) { return row + std::string(80 - row.size(), ' '); }

class PostMortem : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        MakeKind(kSword, "sabre", kItemWeapon, kSubtypeOneHanded, '|', 3, 9);
        MakeKind(kPotion, "potion of warmth", kItemPotion, 0, '!', 1);
        MakeKind(kWand, "wand of frost", kItemWand, 0, '-', 1);
        MakeKind(kRing, "ring of ease", kItemAccessory, kSubtypeRing, '=', 1);
        MakeKind(kShirt, "wool shirt", kItemCloth, kSubtypeChest, '[', 40);
        MakeKind(kBread, "bread", kItemFood, 0, '%', 0, 0);
        MakeKind(kBow, "short bow", kItemWeapon, kSubtypeRanged, '}', 2, 6);
        InitSkillTable();

        Player& p = player;
        std::strcpy(p.name, "Ann");
        std::strcpy(p.pronoun, "She");
        p.race = kRaceElven;
        p.training = kTrainingArcher;
        p.level = 5;
        p.experience = 150;
        p.levelThreshold = 400;
        p.kills = 123;
        p.deepestFloor = 8;
        p.currentFloor = 3;
        p.x = 10;
        p.y = 5;
        p.gold = 77;
        p.turns = 4321;
        p.saveCount = 1;
        p.strength = 14;
        p.vitality = 12;
        p.dexterity = 16;
        p.agility = 13;
        p.stamina = 11;
        p.maxHp = 40;
        p.hp = 0;
        p.maxSp = 18;
        p.profOneHanded = 3;
        p.profRanged = 7;
        p.piety = 500;
        p.bodyTemperature = 1500;
        p.fightingStyle = kStyleDefensive;
        p.goldPaidToSages = 60;
        p.prayers = 1;
        p.deathsAverted = 2;
        p.traits[kTraitHpRegeneration] = 2;
        p.traits[kTraitExtraSkillPoint] = 1;
        p.traits[kTraitMeleeCritical] = 3;
        p.poison = 12;
        p.fever = 4;
        p.strengthBoost = 2;
        p.frostbite = 20;
        p.frostbiteMaxHpLoss = 8;
        p.frostbiteHpLoss = 3;
        p.inventory = {Item(kSword, 21, kBlessed), Item(kPotion, -1, kUncursed, 3), Item(kWand, 4, kUncursed),
                       Item(kRing, -1, kCursed), Item(kShirt, 12, kUncursed), Item(kBread, -1, kUncursed, 2)};
        p.inventory[4].prefix = 300;  // a wet shirt
        p.equipSlots[kSlotMainWeapon] = 0;
        p.equipSlots[kSlotClothShirt] = 4;
        p.equipSlots[kSlotMainHandSwap] = 3;
        p.identifiedKinds[kPotion] = 1;
        skillTable[2].learned = 1;
        skillTable[40].learned = 1;

        // Floor 3, where she fell: a room she had seen, a monster in view and one
        // out of it, an item, gold and a sage.
        Floor& floor = floorArray[3];
        floor.feeling = kFeelingCold;
        DrawMap(3, {"#######", "#.....#", "#..M..#", "#.....#", "#######"}, 8, 3);
        for (int32_t x = 8; x <= 14; ++x) {
            for (int32_t y = 3; y <= 7; ++y) floor.At(x, y).remembered = 1;
        }
        floor.At(11, 5).visibleNow = 1;
        monsterListHead->glyph = 'w';
        AddMonster(12, 4, 3)->glyph = 'q';  // remembered ground, but out of sight
        floor.At(9, 4).items.push_back(Item(kBread, -1, 0));
        floor.At(13, 6).gold = 5;
        AddSage(9, 6, 3);
        sages.back().seen = 1;
        // Landmarks below: an altar on floor 2, a smith on floor 6, and a sage
        // on floor 5 that was never seen, on a confusing floor.
        floorArray[2].At(30, 10) = Tile();
        floorArray[2].At(30, 10).glyph = '_';
        floorArray[2].At(30, 10).colour = kGrey;
        floorArray[2].At(30, 10).remembered = 1;
        floorArray[6].At(40, 2).glyph = '@';
        floorArray[6].At(40, 2).remembered = 1;
        floorArray[5].feeling = kFeelingConfusing;
        AddSage(20, 9, 5);
        floorArray[7].layoutType = kLayoutCavern;

        messageLog.history[0] = "@ehe last@c words. ";
        messageLog.history[1] = "";
        messageLog.history[2] = "A wolf bites you! ";
        messageLog.history[41] = "Too old to be told.";
    }

    ScopedWorkingDirectory directory;
};

TEST_F(PostMortem, TheFileNameCarriesTheCharacterAndTheTime) {
    std::tm time{};
    time.tm_mday = 9;
    time.tm_mon = 11;
    time.tm_year = 2026 - 1900;
    time.tm_hour = 8;
    time.tm_min = 5;
    EXPECT_EQ(PostMortemStamp(time), " (9.Dec.2026 0805)");
    time.tm_hour = 23;
    time.tm_min = 59;
    EXPECT_EQ(PostMortemStamp(time), " (9.Dec.2026 2359)");
    time.tm_hour = 10;
    time.tm_min = 7;
    EXPECT_EQ(PostMortemStamp(time), " (9.Dec.2026 1007)");

    std::string name;
    int32_t firstPlay = 5;
    PostMortemFileName(name, firstPlay);
    EXPECT_EQ(firstPlay, 0);
    EXPECT_EQ(name, "Mortems/Ann's post-mortem" + PostMortemStamp(PlatformLocalTime()) + ".txt");
    EXPECT_TRUE(std::filesystem::is_directory("Mortems"));
    PostMortemFileName(name, firstPlay);
    EXPECT_EQ(firstPlay, -1);

    programArgs = {"-name", "Bob"};
    PostMortemFileName(name, firstPlay);
    EXPECT_EQ(firstPlay, -1);
    EXPECT_EQ(name, "Data/Bob/Ann's post-mortem" + PostMortemStamp(PlatformLocalTime()) + ".txt");
}

// The report of a death: the map of the floor where she fell, the items worn
// and carried, the skills, the last messages, the statistics without the
// passing conditions, and the landmarks she found.
TEST_F(PostMortem, TheReportOfADeath) {
    const std::string expected = Lines({
        "Hollowmere version 1.06b post-mortem",
        "",
        "Ann started as an elven archer.",
        "She managed to reach level 5 and explore 9 floors of the Hollowmere before dying.",
        "After 4321 turns, 4 floors below the surface, she had 77 pieces of gold.",
        "She scored 14 points after saving the game once.",
        "She slew 123 monsters during the quest.",
        "0 of those were major demons.",
        "She was bitten to death by a wolf.",
        "",
        "",
        "-----Map-----",
        Padded(""),
        Padded(""),
        Padded(""),
        Padded("        #######"),
        Padded("        #%....#"),
        Padded("        #.@w..#"),
        Padded("        #@...$#"),
        Padded("        #######"),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        Padded(""),
        "",
        "",
    }) + "\n" + Lines(ItemsSkillsMessagesAndStats()) + "\n" + Lines({
        "",
        "",
        "-----Other info-----",
        "Below the normal dungeon was a cavern.",
        "She died on a cold floor.",
        "She was using the defensive fighting style.",
        "She had 37% of the required experience before the next level up.",
        "At the depth she died her piety toward the Goddess was at 227%.",
        "Her body temperature was cold.",
        "She was poisoned.",
        "She had a fever.",
        "She had a frostbite.",
        "Her strength was boosted.",
        "She found one altar and met 2 sages and one smith:",
        "    -The sages on floors 4",
        "    -The smith on floor 7",
        "    -The altar on floor 3",
        "She used 60 gold on sages and their services.",
        "She paid 0 gold to deep smiths for their help.",
        "She received divine help once.",
        "She was resurrected 2 times.",
        "Praying would have saved her life."
    });
    EXPECT_EQ(PostMortemText("She was bitten to death by a wolf.", false), expected);
    // What the report cleared on its way.
    EXPECT_EQ(player.fever, 0);
    EXPECT_EQ(player.strengthBoost, 0);
    EXPECT_EQ(player.fightingStyle, kStyleNormal);
    EXPECT_EQ(player.identifiedKinds[kWand], 1);
}

// The report of a victory, back on the surface after a shortcut start: no map,
// no floor feeling, the insurance and the Goddess's watch, and the landmarks
// from the floor the shortcut led to.
TEST_F(PostMortem, TheReportOfAVictory) {
    player.currentFloor = -1;
    player.startMode = 1;
    player.deepestFloor = 34;
    for (uint8_t& flag : player.demonSlainFlags) flag = 1;
    player.insured = 1;
    player.piety = 1320;
    player.deathsAverted = 1;
    player.prayers = 0;
    player.saveCount = 0;
    std::strcpy(player.pronoun, "Xe");
    floorArray[14].layoutType = kLayoutCorridorComplex;
    floorArray[21].layoutType = kLayoutRoughlyDug;
    floorArray[28].layoutType = kLayoutRooms;
    floorArray[9].At(3, 3).glyph = '_';
    floorArray[9].At(3, 3).colour = kGrey;
    floorArray[9].At(3, 3).remembered = 1;
    const std::string expected = Lines({
        "Hollowmere version 1.06b post-mortem",
        "",
        "Ann started as an elven archer.",
        "Xe managed to reach level 5 and explore 35 floors of the Hollowmere before the victory.",
        "After 4321 turns, one floor above the dungeon, xe had 77 pieces of gold.",
        "Xe scored 112 points after saving the game 0 times.",
        "Xe slew 124 monsters during the quest.",
        "5 of those were major demons.",
        "Xe saved the surface people and won!",
        "The first major demon was auto-killed, since xe skipped the first 7 floors of the depths!",
        "",
    }) + "\n" + Lines(ItemsSkillsMessagesAndStats()) + "\n" + Lines({
        "",
        "",
        "-----Other info-----",
        "Below the normal dungeon was a cavern,",
        "after that a corridor complex,",
        "after that a roughly digged dungeon and then a dungeon of rooms.",
        "Xe was using the defensive fighting style.",
        "Xe had 37% of the required experience before the next level up.",
        "After the quest xir piety toward the Goddess was at 100%.",
        "Xir body temperature was cold.",
        "Xe was poisoned.",
        "Xe had a fever.",
        "Xe had a frostbite.",
        "Xir strength was boosted.",
        "Xe found 2 altars and met 2 sages and one smith:",
        "    -The sages on floors 4",
        "    -The altars on floors 10",
        "Xe used 60 gold on sages and their services.",
        "Xe paid 0 gold to deep smiths for their help.",
        "Xe received divine help 0 times.",
        "Xe was resurrected once.",
        "Xir life was insured.",
        "The Goddess was watching over xem."
    });
    EXPECT_EQ(PostMortemText("Xe saved the surface people and won!", true), expected);
}

TEST_F(PostMortem, TheReportIsWrittenToItsFile) {
    const Player before = player;
    WritePostMortem("She froze.", false);
    // The final screens that follow still show her as she ended.
    EXPECT_EQ(player.fever, before.fever);
    EXPECT_EQ(player.strengthBoost, before.strengthBoost);
    EXPECT_EQ(player.fightingStyle, before.fightingStyle);
    EXPECT_EQ(player.identifiedKinds[kWand], before.identifiedKinds[kWand]);
    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator("Mortems")) written.push_back(entry.path().filename());
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].substr(0, 19), "Ann's post-mortem (");
    std::string text;
    ASSERT_TRUE(PlatformReadFile("Mortems/" + written[0], 1 << 16, text));
    EXPECT_EQ(text.substr(0, 38), "Hollowmere version 1.06b post-mortem\n\n");
    EXPECT_NE(text.find("\nShe froze.\n\n\n-----Map-----\n"), std::string::npos);
}

// Two games of one name that end in the same minute keep both reports: the
// second takes a number.
TEST_F(PostMortem, ASecondReportInTheSameMinuteTakesANumber) {
    std::string name;
    std::string stamp;
    // Tried again in the rare case that the minute turned between the reports.
    for (int32_t attempt = 0; attempt < 3; ++attempt) {
        std::filesystem::remove_all("Mortems");
        stamp = PostMortemStamp(PlatformLocalTime());
        WritePostMortem("She froze.", false);
        WritePostMortem("She burnt.", false);
        WritePostMortem("She fell.", false);
        if (PostMortemStamp(PlatformLocalTime()) == stamp) break;
    }
    const std::string stem = "Mortems/Ann's post-mortem" + stamp;
    struct Report {
        std::string file;
        const char* end;
    };
    for (const Report& report : {Report{stem + ".txt", "\nShe froze.\n"}, Report{stem + " (2).txt", "\nShe burnt.\n"},
                                 Report{stem + " (3).txt", "\nShe fell.\n"}}) {
        std::string text;
        ASSERT_TRUE(PlatformReadFile(report.file, 1 << 16, text)) << report.file;
        EXPECT_NE(text.find(report.end), std::string::npos) << report.file;
    }
}

}  // namespace
