// The acid bomb: thrown by one who knows it, bursting in the hand of one who does not.
#include <gtest/gtest.h>

#include <string>

#include "item_use/potion_effects.h"
#include "item_use/ranged_fixture.h"
#include "monsters/monster_fight_fixture.h"

namespace {

constexpr int32_t kBombKind = 50;

class AcidBombTest : public FightScreenTest {
protected:
    void SetUp() override {
        FightScreenTest::SetUp();
        conditions::DefineKind(kBombKind, kItemPotion, kPotionAcidBomb, "acid bomb");
        player.maxHp = 40;
        player.hp = 40;
        player.level = 1;
    }
    static void DrinkBomb(bool known) {
        player.identifiedKinds[kBombKind] = known ? 1 : 0;
        player.DrinkPotion(Carry(kBombKind));
    }
};

TEST_F(AcidBombTest, OpenedInTheHandItBurnsTheCharacterAndTheMonstersBeside) {
    Monster* beside = fight::PlaceFighter(11, 10);
    Monster* away = fight::PlaceFighter(13, 10);
    Type("     ");  // the -More- prompts of a long story
    DrinkBomb(false);
    EXPECT_EQ(player.hp, 40 - 20 - 3);
    EXPECT_EQ(beside->hp, 5);
    EXPECT_EQ(away->hp, 10);
    const std::string said = Messages();
    EXPECT_NE(said.find("You open the unknown bottle's top rather carelessly as always"), std::string::npos) << said;
    EXPECT_NE(said.find("The acid burns you. The acid burns the rat too!"), std::string::npos) << said;
    EXPECT_NE(said.find("Next time you'll know that this potion is actually a throwing weapon."), std::string::npos);
    EXPECT_EQ(player.identifiedKinds[kBombKind], 1);
}

// A monster's name of two words is one piece: burned after a first monster whose
// message leaves room on the line for "arctic" but not for "chameleon.".
TEST_F(AcidBombTest, AMonstersNameIsNeverPartedByTheLineBreak) {
    fight::PlaceFighter(13, 10, "enormous frost giant lord");
    fight::PlaceFighter(14, 10, "arctic chameleon")->hp = 100;
    Type("f");  // at the nearest monster: the first to burn
    DrinkBomb(true);
    EXPECT_NE(Messages().find("The acid burns the enormous frost giant lord. The acid burns the arctic chameleon."),
              std::string::npos)
        << Messages();
    EXPECT_FALSE(ranged::NameParted("arctic", "chameleon.")) << Messages();
}

TEST_F(AcidBombTest, HalfTheHitPointsOrLessKillsBeforeTheBurst) {
    Monster* beside = fight::PlaceFighter(11, 10);
    player.hp = 20;
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { DrinkBomb(false); }));
    EXPECT_NE(Messages().find("You open the bottle top rather carelessly as always"), std::string::npos) << Messages();
    EXPECT_EQ(player.hp, 0);
    EXPECT_EQ(beside->hp, 10);
}

TEST_F(AcidBombTest, AKnownBombIsThrownAtTheChosenMonster) {
    Monster* target = fight::PlaceFighter(14, 10);
    Monster* neighbour = fight::PlaceFighter(15, 11);
    neighbour->hp = neighbour->maxHp = 9;
    Monster* demon = fight::PlaceFighter(13, 9, "Uramesiel");
    demon->hp = demon->maxHp = 100;
    player.level = 3;
    Type("3f");  // from the nearest monster, the demon, one step down and right
    DrinkBomb(true);
    EXPECT_EQ(target->hp, 5);
    EXPECT_EQ(neighbour->hp, 5);  // half of 9, truncated, is taken
    EXPECT_EQ(demon->hp, 100 - 12);
    EXPECT_EQ(player.hp, 40);
    const std::string said = Messages();
    EXPECT_NE(said.find("This potion is actually a bomb."), std::string::npos);
    EXPECT_NE(said.find("The acid burns Uramesiel."), std::string::npos) << said;
    EXPECT_NE(said.find("The acid burns the rat."), std::string::npos) << said;
}

TEST_F(AcidBombTest, LeavingTheCursorWastesTheBomb) {
    fight::PlaceFighter(14, 10);
    Type("z");
    DrinkBomb(true);
    EXPECT_TRUE(player.inventory.empty());
    EXPECT_EQ(Row(21), std::string(80, ' '));
}

}  // namespace
