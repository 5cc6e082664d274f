// The character's close combat: the to-hit and damage rolls, one attack turn
// with its strikes, prepared strikes and texts, and the double attacks.
#include <functional>
#include <string>

#include "items/item_prefixes.h"
#include "monsters/monster_fight_fixture.h"
#include "player/to_hit_result.h"
#include "world/command_keys.h"

namespace {

using namespace conditions;
using namespace fight;

constexpr int32_t kSword = 30;      // one-handed, 3-6
constexpr int32_t kGreatAxe = 31;   // two-handed, 4-9
constexpr int32_t kDagger = 32;     // one-handed, 1-2
constexpr int32_t kBow = 33;
constexpr int32_t kShield = 34;

// The draws of one bare-handed strike of a new character (strength 12: damage 1 + Random(9)):
// to-hit, damage, critical, the possessed-weapon chance.
std::function<bool(RandomMother&)> BareStrike(int32_t toHit, int32_t damage) {
    return [=](RandomMother& r) {
        return r.Random(1000) == toHit && r.Random(9) == damage && r.Random(100) >= 0 && r.Random(40) != 0;
    };
}

class Melee : public FightScreenTest {
protected:
    Monster* rat = nullptr;
    void SetUp() override {
        FightScreenTest::SetUp();
        DefineWeapon(kSword, kSubtypeOneHanded, 3, 6);
        DefineWeapon(kGreatAxe, kSubtypeTwoHanded, 4, 9);
        DefineWeapon(kDagger, kSubtypeOneHanded, 1, 2);
        DefineWeapon(kBow, kSubtypeRanged, 2, 8);
        DefineKind(kShield, kItemArmour, 3, "shield");
        itemKinds[kShield].subtype = kSubtypeShield;
        InitPrefixTable();
        rat = PlaceFighter(11, 10);
        rat->hp = rat->maxHp = 30;
    }
};

// A tie with the threshold is a hit; just below it the dodge band, below that a miss.
TEST_F(Melee, ToHitBoundariesWithAndWithoutClumsiness) {
    struct Case {
        const char* name;
        int32_t clumsiness;
        int32_t draw;
        int32_t result;
    };
    // Threshold 475 and a dodge of 50; clumsiness raises 475 to 771.
    const Case cases[] = {
        {"above", 0, 476, kToHitHit},          {"tie", 0, 475, kToHitHit},         {"top of dodge", 0, 474, kToHitDodged},
        {"bottom of dodge", 0, 425, kToHitDodged}, {"miss", 0, 424, kToHitMiss}, {"clumsy tie", 3, 771, kToHitHit},
        {"clumsy below", 3, 770, kToHitDodged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player.clumsiness = c.clumsiness;
        SeedFor([&c](RandomMother& r) { return r.Random(1000) == c.draw && r.Random(1000) > 0; });
        EXPECT_EQ(player.RollToHit(false, 50, false), c.result);
    }
    player.toHitThreshold = 600;
    SeedFor([](RandomMother& r) { return r.Random(1000) == 850; });
    EXPECT_EQ(player.RollToHit(false, 0, false), kToHitHit);  // 600 + 375 is capped at 850
}

TEST_F(Melee, ToHitBonusFromWeaponsProficienciesTraitsRingsAndRage) {
    player.dexterity = 10;
    player.profOneHanded = 2;
    player.profTwoWeapon = 3;
    player.profThrown = 4;
    player.traits[kTraitMeleeToHit] = 1;
    EXPECT_EQ(player.RollToHit(false, 0, true), 0);  // bare hands
    WearSturdily(kSlotMainWeapon, kSword, kPrefixAccurate);
    EXPECT_EQ(player.RollToHit(false, 0, true), 10 + 10 + 40);
    WearSturdily(kSlotSecondWeapon, kDagger, kPrefixInaccurate);
    EXPECT_EQ(player.RollToHit(false, 0, true), 5 * (3 + 2) - 40);  // only the second weapon's prefix counts
    EXPECT_EQ(player.RollToHit(true, 0, true), 0);                  // nothing to throw
    Wear(kSlotThrownWeapon, kDagger);
    WearAccessory(kSlotRightRing, kPropertyAccuracy);
    player.berserkBoon = kBoonAccurate;
    EXPECT_EQ(player.RollToHit(true, 0, true), 20 + 40 + 250);
}

TEST_F(Melee, BareHandsHitMissAndDodgeTexts) {
    rat->dodge = 100;
    SeedFor(BareStrike(600, 8));
    EXPECT_EQ(player.MeleeAttack(rat, false), 1);
    EXPECT_EQ(rat->hp, 21);
    SeedFor([](RandomMother& r) { return r.Random(1000) == 500; });
    player.MeleeAttack(rat, false);
    SeedFor([](RandomMother& r) { return r.Random(1000) == 100; });
    player.MeleeAttack(rat, false);
    EXPECT_EQ(Messages(),
              "Using your bare hands you hit the rat. The rat is barely injured. The rat dodges your attack. Using your "
              "bare hands you miss the rat.");
}

// A weak blow is told as a scratch; a demon goes without "the".
TEST_F(Melee, ScratchesAndDemons) {
    std::snprintf(rat->name, sizeof rat->name, "%s", "Vir've");
    rat->hp = rat->maxHp = 90;
    SeedFor(BareStrike(600, 7));  // 1 + 7 = 8 <= 90 / 9: a scratch
    player.MeleeAttack(rat, false);
    EXPECT_EQ(Messages(), "Using your bare hands you hit, but it merely scratches Vir've. Vir've is barely injured.");
}

// Bare hands never strike critically; a weapon's critical strike deals 1.8 times the damage.
TEST_F(Melee, CriticalStrikesNeedAWeapon) {
    player.agility = 0;  // a chance of 1
    SeedFor([](RandomMother& r) { return r.Random(1000) == 600 && r.Random(9) == 4 && r.Random(100) == 0; });
    player.MeleeAttack(rat, false);
    EXPECT_EQ(rat->hp, 25);

    WearSturdily(kSlotMainWeapon, kSword);
    rat->hp = 30;
    // Damage 4 .. 16 (span 12): draw 6 gives 10, critical 18.
    SeedFor([](RandomMother& r) { return r.Random(1000) == 600 && r.Random(12) == 6 && r.Random(100) == 0; });
    player.MeleeAttack(rat, false);
    EXPECT_EQ(rat->hp, 12);
    EXPECT_NE(Messages().find("You critically hit the rat."), std::string::npos) << Messages();
}

TEST_F(Melee, ArmourPiercingAndTheDamageFloor) {
    rat->meleeArmour = 6;
    WearSturdily(kSlotMainWeapon, kSword, kPrefixPiercing);
    SeedFor([](RandomMother& r) { return r.Random(1000) == 600 && r.Random(12) == 0 && r.Random(100) > 20; });
    player.MeleeAttack(rat, false);
    EXPECT_EQ(rat->hp, 30 - (4 - 3));
    player.inventory.clear();
    player.equipSlots[kSlotMainWeapon] = -1;
    rat->hp = 30;
    SeedFor(BareStrike(600, 0));
    player.MeleeAttack(rat, false);
    EXPECT_EQ(rat->hp, 29);  // 1 - 6 is still 1
}

// The striking weapon's prefix against the monster's nature.
TEST_F(Melee, WeaponPrefixesAgainstColdWarmLivingAndUnliving) {
    struct Case {
        const char* name;
        int32_t prefix;
        int32_t ability;
        int32_t living;
        int32_t extraDraw;  // the bane's 1 in 4 or the stun's 1 in 5; 0 for none
        int32_t damage;
        const char* words;
    };
    // A sword blow of 10 (4 + draw 6).
    const Case cases[] = {
        {"frosty, cold", kPrefixFrosty, kAbilityColdTouch, 1, 0, 5, "resists some of the damage dealt by your frosty"},
        {"frosty, warm", kPrefixFrosty, kAbilityWarmTouch, 1, 0, 15, "takes extra damage thanks to your frosty"},
        {"fiery, frostbiting", kPrefixFiery, kAbilityFrostbites, 1, 0, 15, "takes extra damage thanks to your fiery"},
        {"soulless bane", kPrefixSoullessBane, kAbilityNone, 0, 4, 20, "The soulless monster howls in pain"},
        {"blood bane", kPrefixBloodBane, kAbilityNone, 1, 4, 20, "sends shockwaves through its veins"},
        {"stunning", kPrefixStunning, kAbilityNone, 1, 5, 10, "Your mighty weapon stuns the monster."},
    };
    player.agility = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messageLog = MessageLog();
        player.inventory.clear();
        WearSturdily(kSlotMainWeapon, kSword, c.prefix);
        rat->hp = rat->maxHp = 30;
        rat->ability = c.ability;
        rat->living = c.living;
        rat->stunTurns = 0;
        SeedFor([&c](RandomMother& r) {
            return r.Random(1000) > 500 && r.Random(12) == 6 && r.Random(100) > 0 &&
                   (c.extraDraw == 0 || r.Random(c.extraDraw) == 0);
        });
        player.MeleeAttack(rat, false);
        EXPECT_EQ(rat->hp, 30 - c.damage);
        EXPECT_EQ(rat->stunTurns, c.prefix == kPrefixStunning ? 2 : 0);
        EXPECT_NE(Messages().find(c.words), std::string::npos) << Messages();
    }
}

// Two weapons strike twice, the second with its own damage; a kill by the first ends the attack.
TEST_F(Melee, TwoWeaponsStrikeTwiceUnlessTheFirstKills) {
    player.profTwoWeapon = 1;
    WearSturdily(kSlotMainWeapon, kSword);
    WearSturdily(kSlotSecondWeapon, kDagger);
    player.agility = 0;
    // Main: 4 .. 16 and 1 for the proficiency; second: 2 .. 12 and 1. Two-weapon
    // combat trains after the first strike's hit only.
    SeedFor([](RandomMother& r) {
        return r.Random(1000) > 500 && r.Random(56) > 0 && r.Random(12) == 0 && r.Random(100) > 0 && r.Random(40) > 0 &&
               r.Random(20) > 0 && r.Random(1000) > 500 && r.Random(10) == 0 && r.Random(100) > 0;
    });
    player.MeleeAttack(rat, false);
    EXPECT_EQ(rat->hp, 30 - 5 - 3);

    rat->hp = 3;
    SeedFor([](RandomMother& r) { return r.Random(1000) > 500 && r.Random(56) > 0; });
    EXPECT_EQ(player.MeleeAttack(rat, false), 1);
    EXPECT_EQ(rat->alive, 0);
    const std::string said = Messages();
    EXPECT_EQ(said.find("You kill the rat!"), said.size() - std::string("You kill the rat!").size()) << said;
}

// At full health a desperate strike does nothing before armour, so 1 after it.
TEST_F(Melee, DesperateStrikeAtFullHealthDealsOne) {
    player.preparedSkill = kSkillDesperateStrike;
    player.hp = player.maxHp;
    SeedFor([](RandomMother& r) { return r.Random(101) >= 0 && r.Random(1000) == 600 && r.Random(9) == 8; });
    player.MeleeAttack(rat, false);
    EXPECT_EQ(rat->hp, 29);
    EXPECT_EQ(player.preparedSkill, 0);
}

// A brutal strike whose first blow hits makes both blows of two weapons harder.
TEST_F(Melee, BrutalStrikeCarriesToTheSecondWeapon) {
    WearSturdily(kSlotMainWeapon, kSword);
    WearSturdily(kSlotSecondWeapon, kDagger);
    player.agility = 0;
    player.preparedSkill = kSkillBrutalStrike;
    // Proficiencies 0: no training draw. Main 4 → 6; second 2 + 1 = 3 → 4.
    SeedFor([](RandomMother& r) {
        return r.Random(1000) > 500 && r.Random(12) == 0 && r.Random(100) > 0 && r.Random(40) > 0 && r.Random(20) > 0 &&
               r.Random(1000) > 500 && r.Random(10) == 1 && r.Random(100) > 0;
    });
    player.MeleeAttack(rat, false);
    EXPECT_EQ(rat->hp, 30 - 6 - 4);
    EXPECT_EQ(player.preparedSkill, 0);
}

// The double strike hits twice, but never a monster the first blow killed.
TEST_F(Melee, DoubleAttacksStrikeAgainOnlyTheLiving) {
    player.preparedSkill = kSkillDoubleStrike;
    SeedFor([](RandomMother& r) {
        return r.Random(1000) > 500 && r.Random(9) == 0 && r.Random(100) >= 0 && r.Random(40) > 0 &&
               r.Random(1000) > 500 && r.Random(9) == 0;
    });
    EXPECT_EQ(player.AttackUnlessHorrified(kCommandEast), 1);
    EXPECT_EQ(rat->hp, 28);
    EXPECT_EQ(player.preparedSkill, 0);
    messageLog.FlushMessages(true);

    rat->hp = 1;
    player.berserkBoon = kBoonSwifter;
    const int32_t hitsBefore = static_cast<int32_t>(Messages().size());
    SeedFor(BareStrike(600, 0));
    player.AttackUnlessHorrified(kCommandEast);
    EXPECT_EQ(rat->alive, 0);
    const std::string after = Messages().substr(static_cast<std::size_t>(hitsBefore));
    EXPECT_EQ(after.find("hit the rat"), after.rfind("hit the rat")) << after;  // one blow only
    messageLog.FlushMessages(true);

    EXPECT_EQ(player.AttackUnlessHorrified(kCommandEast), 0);  // nothing stands there any more
    Monster* fearful = PlaceFighter(10, 11, "ghost", kAbilityFear);
    (void)fearful;
    player.horror = 2;
    EXPECT_EQ(player.AttackUnlessHorrified(kCommandSouth), -1);
}

// A draining weapon takes warmth or cold from the corpse: (1 + trunc(1.43 x floor)) / 2 x 5.
TEST_F(Melee, DrainingWeaponsWarmOrChillOnAKill) {
    OpenArea(floorArray[10], 1, 1, 78, 17);
    player.currentFloor = 10;
    for (int32_t prefix : {kPrefixHeatDraining, kPrefixColdDraining}) {
        player.inventory.clear();
        WearSturdily(kSlotMainWeapon, kGreatAxe, prefix);
        player.bodyTemperature = 6000;
        Monster* victim = AddMonster(11, 10, 10);
        victim->hp = 1;
        SeedFor([](RandomMother& r) { return r.Random(1000) > 500; });
        player.MeleeAttack(victim, false);
        EXPECT_EQ(player.bodyTemperature, prefix == kPrefixHeatDraining ? 6035 : 5965);  // (1 + 14) / 2 x 5
        EXPECT_NE(Messages().find(prefix == kPrefixHeatDraining ? "Your weapon drains warmth from the corpse."
                                                                : "Your weapon drains coldness from the corpse."),
                  std::string::npos);
        messageLog = MessageLog();
        PurgeDeadMonsters();
    }
}

// A kill's experience may raise the level in the middle of the fight.
TEST_F(Melee, ALevelUpInTheMiddleOfAFight) {
    player.level = 2;
    player.levelThreshold = 84;
    player.experience = 80;
    rat->hp = rat->maxHp = 1;
    rat->experience = 10;
    SeedFor([](RandomMother& r) { return r.Random(1000) == 600 && r.Random(9) == 0 && r.Random(100) >= 0 && r.Random(40) > 0 && r.Random(100) > 0; });
    Type(" 1 c ");
    EXPECT_FALSE(RunUntilItWaitsForAKey([this] { player.MeleeAttack(rat, false); }));
    EXPECT_EQ(player.level, 3);
    EXPECT_EQ(player.experience, 0);
    const std::string said = Messages();
    EXPECT_NE(said.find("Using your bare hands you hit the rat. You kill the rat! You feel more experienced! (Press Space)"),
              std::string::npos)
        << said;
}

}  // namespace
