// Identification at a sage: what the list lets him identify, the prices and what is learned.
#include <curses.h>

#include <cstring>

#include "folk/folk_fixture.h"
#include "items/appearances.h"

namespace {

class Identification : public FolkTest {
protected:
    void SetUp() override {
        FolkTest::SetUp();
        potionAppearances[0].kind = kPotion;
        potionAppearances[0].name = "purple potion";
        wandAppearances[0].kind = kLightWand;
        wandAppearances[0].name = "oak wand";
        accessoryAppearances[0].kind = kAimRing;
        accessoryAppearances[0].name = "jade ring";
        SageBeside(100);
        player.gold = 500;
    }
};

TEST_F(Identification, PricesAndWhatIsLearned) {
    struct Case {
        int32_t kind;
        int32_t price;
        int32_t levelAfter;
        const char* told;
    };
    const Case cases[] = {
        {kPotion, 33, 111, "The sage tells you the true identity of purple potion: potion of healing."},
        {kLightWand, 75, 125, "The sage tells you the true identity of oak wand: wand of light."},
        {kAimRing, 75, 125, "The sage tells you the true identity of jade ring: ring of aim."},
    };
    for (const Case& c : cases) {
        sages.back().priceLevel = 100;
        player.gold = 500;
        player.inventory.clear();
        Own(c.kind, kUncursed, 0);
        Type("iiy");
        player.OpenSageMenu();
        EXPECT_EQ(player.gold, 500 - c.price) << c.told;
        EXPECT_EQ(Level(), c.levelAfter) << c.told;
        EXPECT_EQ(player.identifiedKinds[c.kind], 1) << c.told;
        EXPECT_EQ(player.inventory[0].identified, c.kind == kAimRing ? 1 : 0) << c.told;
        EXPECT_TRUE(Said(c.told)) << Messages();
    }
}

// A sentence longer than a line goes on at its words, with no page of blank
// lines asking for a key and nothing cut at the edge of the screen.
TEST_F(Identification, ALongAnswerWrapsAtItsWords) {
    wandAppearances[0].name = "yellow wand";
    std::strcpy(itemKinds[kLightWand].name, "wand of superior summoning");
    Own(kLightWand, kUncursed, 0);
    Type("iiy");
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { player.OpenSageMenu(); }));
    EXPECT_TRUE(Said("The sage tells you the true identity of yellow wand: wand of superior summoning.")) << Messages();
    messageLog.FlushMessages(false);
    EXPECT_EQ(Row(19), "The sage tells you the true identity of yellow wand:" + std::string(28, ' '));
    EXPECT_EQ(TextAt(20, 0, 28), "wand of superior summoning. ");
}

TEST_F(Identification, TheSagesListIgnoresWhatHeWillNotIdentify) {
    Own(kSword);
    Own(kFood);
    Own(kPotion, kUncursed, 0);
    player.identifiedKinds[kPotion] = 1;
    // Enter on the sword, the firemead and the known potion; 'I' is no key; then out.
    Type("\n2\n2\nIz");
    EXPECT_EQ(player.ChooseItemToIdentify(false), -1);
    // A wand charge may be spent on a known kind.
    Type("22i");
    EXPECT_EQ(player.ChooseItemToIdentify(true), 2);
}

TEST_F(Identification, LeavingTheWandsListAsksFirst) {
    Own(kPotion, kUncursed, 0);
    Type("\x1b");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseItemToIdentify(true); }));
    EXPECT_EQ(TextAt(24, 6, 67), "Exiting will waste the charge. Do you really want to do this? (y/n)");
    Type("n");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { player.ChooseItemToIdentify(true); }));
}

TEST_F(Identification, DecliningOrTooPoorChangesNothing) {
    Own(kPotion, kUncursed, 0);
    Type("iin");
    player.OpenSageMenu();
    EXPECT_TRUE(Said("\"Oh..\""));
    player.gold = 32;
    Type("iiy");
    player.OpenSageMenu();
    EXPECT_TRUE(Said("You don't have enough money."));
    EXPECT_EQ(player.gold, 32);
    EXPECT_EQ(player.identifiedKinds[kPotion], 0);
    // An empty inventory never opens the list, yet the visit takes the turn.
    player.inventory.clear();
    Type("i");
    EXPECT_TRUE(player.OpenSageMenu());
}

}  // namespace
