#include "monsters/monster_descriptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const std::string kFallback = "Hmm, one can't say anything about this being. Strange.";

std::string TextOf(const std::string& name) {
    FillMonsterDescriptions("rat");
    for (const MonsKuvaus& row : monsterDescriptions) {
        if (row.name == name) return row.description;
    }
    ADD_FAILURE() << "no row named " << name;
    return "";
}

TEST(MonsterDescriptions, EveryRowKeepsTheTableRules) {
    const char* const expectedNames[] = {
    "rat", "bat", "arctic chameleon", "winter ant", "spear-horn deer", "frost crab", "carrion vulture",
    "blood pixie", "mud monster", "unknown larva", "goblin duelist", "kobold archer", "twisted cat", "toxic snake",
    "war raven", "blink worm", "slush ooze", "thorny beetle", "gnome marksman", "yeti child", "tar sludge", "walrus",
    "giant ant", "jelly slime", "sabre-clawed wolverine", "cave kangaroo", "halfling slinger", "animated snowman",
    "glacial leech", "translucent dire fox", "horror spider", "three-armed skeleton", "cold-heart harpy",
    "snow piranha", "blue orc", "cryomancer", "polar crocodile", "unstable golem", "wolf", "lynx", "zombie",
    "dragonfly", "floating eye", "deep dwarf", "yeti", "enchanted icicle", "rust predator", "ettin",
    "centaur archer", "frostbite wisp", "orc slavemaster", "troll spearthrower", "polar bear", "snow leopard",
    "ghoul", "swarm of iceflies", "chupacabra", "snow serpent", "spike beast", "rothe", "ogre", "ice walker", "imp",
    "fiery fog", "black elf archer", "doppelganger", "sharpshooter", "floating wall", "hrimthurs", "liquid wight",
    "earth elemental", "hellhound", "ice ooze", "genie", "air elemental", "wintry treant", "clay golem",
    "rolling boulder", "strange tentacle", "fairy bowman", "shadow", "fluff dragon", "fire elemental", "snow diver",
    "pyromancer", "dust cloud", "recycler", "mummy", "animated sword", "demonic crossbowman", "ice elemental",
    "wyvern", "snow walker", "minotaur", "orb of destruction", "gargoyle", "razor-wing penguin", "black elf hunter",
    "iceman", "ghastly assassin", "demon", "manifestation of energy", "wraith", "ice statue", "illusion",
    "spike golem", "fiend", "chilling fog", "ghost", "mammoth", "pale siren", "degrader", "ice-water drake",
    "poltergeist", "balor", "mindflayer", "lich", "blood beast", "electric creature", "lost soul", "iron archon",
    "behemoth", "revenant", "fallen angel", "vampire", "flying skull", "red dragon", "gelid mutant", "efreet",
    "chimera", "wyrm", "massive tentacle", "abomination", "frozen sphinx", "titan", "frost devil", "Vir've",
    "Ikuazz", "Omuerp", "Nonehes", "Uramesiel",
    };
    const std::string hollowmereRows[] = {"carrion vulture", "goblin duelist", "walrus", "polar bear"};

    FillMonsterDescriptions("rat");
    ASSERT_EQ(monsterDescriptions.size(), std::size(expectedNames));
    for (size_t i = 0; i < monsterDescriptions.size(); ++i) {
        const MonsKuvaus& row = monsterDescriptions[i];
        const std::string& text = row.description;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.name, expectedNames[i]) << "row " << i;
        EXPECT_GE(text.size(), 75u);
        EXPECT_LE(text.size(), 270u);
        // Plain printable text: no colour markup, no line breaks, nothing the
        // examination screen's quote marks would clash with.
        for (char c : text) {
            EXPECT_TRUE(c >= 32 && c <= 126 && c != '@' && c != '"') << "character " << int(c);
        }
        // The examination screen wraps at a blank within every 60 characters.
        size_t run = 0, longestRun = 0;
        for (char c : text) {
            run = c == ' ' ? 0 : run + 1;
            longestRun = std::max(longestRun, run);
        }
        EXPECT_LT(longestRun, 60u);
        const bool namesTheDungeon = text.find("Hollowmere") != std::string::npos;
        const bool shouldName = std::find(std::begin(hollowmereRows), std::end(hollowmereRows), row.name) !=
                                std::end(hollowmereRows);
        EXPECT_EQ(namesTheDungeon, shouldName);
    }
}

TEST(MonsterDescriptions, GivenTextsStandWordForWord) {
    struct Row {
        const char* name;
        const char* description;
    };
    const Row given[] = {
        {"rat",
         "This rodent, although surprisingly aggressive, looks like the most ordinary being here."},
        {"demon",
         "Demon is a generic name for any hellish being in the middle of the demonic tiers, though the hellfire they possess is common to all of them."},
        {"Vir've",
         "A lieutenant of the invading demonic forces, this feminine demon looks like a teacher, trainer or perhaps an instructor of lesser troops. You certainly wouldn't like to get punished by her as she seems to have very sharp eyes for weakness."},
        {"Ikuazz",
         "A captain of the invading demonic forces, this quick demon seems to be responsible for preparing equipment and other resources for the troops that are going to assault the surface. His own set of equipment looks certainly polished."},
        {"Omuerp",
         "A major of the invading demonic forces, this demon is likely the leader of the garrison here, stationed against possible counter attacks. His skin looks hard as iron; you're not quite sure how well your weapons will penetrate it."},
        {"Nonehes",
         "A colonel of the invading demonic forces, this bureaucratic demon is probably in the upper management, dealing with the demonic red tape associated with the invasion. He seems masterful at dodging both offensive words and weapons."},
        {"Uramesiel",
         "The general of the invading demonic forces, this bastard is behind the whole invasion, comfortably drenched in the pale blood of virgins while others do the dirty work. He seems to be ever shifting, at times blurred and at others as if his whole body was mirror-twisted."},
    };
    for (const Row& row : given) EXPECT_EQ(FillMonsterDescriptions(row.name), row.description) << row.name;
}

TEST(MonsterDescriptions, VariantWordsAreTakenOffTheName) {
    const std::string wolf = TextOf("wolf");
    ASSERT_NE(wolf, kFallback);
    for (const char* name : {"superior wolf", "quick wolf", "fierce wolf", "tough wolf", "agile wolf",
                             "superior quick wolf", "quick agile wolf"}) {
        EXPECT_EQ(FillMonsterDescriptions(name), wolf) << name;
    }
    // The copies of the general carry his name and so his text.
    EXPECT_EQ(FillMonsterDescriptions("Uramesiel"), TextOf("Uramesiel"));
    EXPECT_EQ(FillMonsterDescriptions("superior floating wall"), TextOf("floating wall"));
}

TEST(MonsterDescriptions, UnknownNamesGetTheFallback) {
    for (const char* name : {
             "Wolf", "WOLF", "wolf ", " wolf", "", "hungry wolf", "Superior wolf", "giant wolf", "vir've",
             // A word that is not at the start still costs the name its first
             // characters: "wolf quick " loses "wolf q", not "quick ".
             "wolf quick ", "big tough wolf",
             // Each word is taken off once, in a fixed order, from the previous result.
             "quick quick wolf", "quick superior wolf", "agile fierce wolf",
         }) {
        EXPECT_EQ(FillMonsterDescriptions(name), kFallback) << '"' << name << '"';
    }
}

TEST(MonsterDescriptions, TableIsFilledOnceWhoeverAsksFirst) {
    for (const char* first : {"rat", "superior wolf", "no such thing"}) {
        monsterDescriptions.clear();
        const std::string once = FillMonsterDescriptions(first);
        ASSERT_EQ(monsterDescriptions.size(), 141u) << first;
        EXPECT_EQ(monsterDescriptions.front().name, "rat");
        EXPECT_EQ(FillMonsterDescriptions(first), once);
        FillMonsterDescriptions("yeti");
        EXPECT_EQ(monsterDescriptions.size(), 141u) << first;
    }
}

}  // namespace
