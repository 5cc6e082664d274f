// What the description of an item says: the sentence of its prefix, property,
// potion or wand effect after "It ", word by word.
#include <string>

#include "items/item_fixtures.h"
#include "toolkit/message_log.h"

namespace {

using namespace items;

class ItemDescription : public ItemTest {
protected:
    // What DescribeItem prints for an item of the kind, with the kind's power set.
    static std::string Describe(int32_t kind, int32_t power, int32_t prefix = kNoPrefix) {
        messageLog = MessageLog();
        player.inventory.clear();
        itemKinds[kind].power = power;
        player.inventory.push_back(Item(kind, 1, prefix));
        player.DescribeItem(0);
        return Messages();
    }
};

TEST_F(ItemDescription, EachSortOfItemHasItsSentence) {
    const int32_t sword = KindNamed("crude copper sword");
    const int32_t helmet = KindNamed("leather helmet");
    const int32_t ring = FirstKindOfType(kItemAccessory);
    const int32_t potion = FirstKindOfType(kItemPotion);
    const int32_t wand = FirstKindOfType(kItemWand);
    struct Case {
        int32_t kind;
        int32_t power;
        int32_t prefix;
        const char* text;
    };
    const Case cases[] = {
        {helmet, 1, 0, "It provides better protection against ranged attacks."},
        {helmet, 1, 6, "It harms monsters that are in melee with you, but makes you fall ill when you equip it."},
        {sword, 2, 14, "It immediately destroys all iceblocks it sees."},
        {sword, 2, 23, "It occasionally summons a hostile monster."},
        {sword, 2, 24, "It ignores some of the target's armor."},
        {sword, 2, 31,
         "It deals more damage to monsters that have blood in their veins, and makes you bleed when you equip it."},
        {sword, 2, -1, "It"},
        {sword, 2, 32, "It"},
        {ring, 1, -1, "It makes you recover faster from confusion and fear."},
        {ring, 31, -1, "It prevents you, and occasionally anyone in your sight range, from using ranged weapons."},
        {ring, 35, -1, "It increases the speed at which your clothes dry."},
        {ring, 0, -1, "It"},
        {ring, 36, -1, "It"},
        {potion, 1, -1,
         "It can be thrown when it's identified, otherwise explodes, damaging you and everything surrounding you."},
        {potion, 11, -1, "It gives a temporary speed boost, which weakens every turn. Also cures slow."},
        {potion, 20, -1,
         "It increases your highest weapon skill further, or a random one if there are two highest skills."},
        {potion, 21, -1, "It"},
        {potion, 22, -1, "It allows you to repair an item."},
        {potion, 26, -1, "It increases your armor for a few turns, at the cost of speed and dodging."},
        {potion, 27, -1, "It"},
        {wand, 1, -1, "It shoots a bouncing and damaging bolt."},
        {wand, 2, -1,
         "It shoots a bolt, which damages hot creatures more and cold ones less. Also decreases your temperature if "
         "shot at you."},
        {wand, 15, -1,
         "It drains warmth from a monster or coldness if the monster is cold. Also steals warmth from you if shot at "
         "self."},
        {wand, 23, -1, "It can be used to lower a Sage's prices."},
        {wand, 26, -1,
         "It ignites all visible blood in the dungeon, damaging anyone that stands near. It doesn't ignite coursing "
         "blood."},
        {wand, 0, -1, "It"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Describe(c.kind, c.power, c.prefix), c.text) << itemKinds[c.kind].name << " " << c.power << " "
                                                               << c.prefix;
    }
}

TEST_F(ItemDescription, ClothesFoodAndTheRestSayNothingMore) {
    // The prefix field of a cloth holds its wetness, never a prefix.
    for (const char* name : {"linen shirt", "firemead", "arrow", "flintstone", "piece of amber", "lump of copper"}) {
        EXPECT_EQ(Describe(KindNamed(name), itemKinds[KindNamed(name)].power, 5), "It") << name;
    }
}

TEST_F(ItemDescription, TheSentenceBreaksBetweenWords) {
    // After a long lead-in the sentence wraps onto the next line at a blank, never inside a word.
    PrintWords(std::string(60, 'x') + " ");
    player.inventory.push_back(Item(KindNamed("crude copper sword"), 1, 31));
    player.DescribeItem(0);
    const std::string first = MessageLog::StripColourCodes(messageLog.line[0]);
    EXPECT_EQ(first.substr(0, first.find_last_not_of(' ') + 1), std::string(60, 'x') + " It deals more");
    EXPECT_EQ(MessageLog::StripColourCodes(messageLog.line[1]).rfind("damage to monsters", 0), 0u);
}

}  // namespace
