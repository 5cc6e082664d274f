// Monsters' blows and shots at the character: the rolls, armour, the texts in
// their order, and the extras a blow may bring.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "items/item_prefixes.h"
#include "monsters/monster_attack_steps.h"
#include "monsters/monster_fight_fixture.h"
#include "player/to_hit_result.h"
#include "skills/skill_def.h"

namespace {

using namespace conditions;
using namespace fight;

// Draws of a plain blow that lands: the to-hit roll, no critical, no rare blow.
bool PlainHit(RandomMother& r) { return r.Random(1001) > 0 && r.Random(100) != 0 && r.Random(500) != 0 && r.Random(500) != 0; }
bool CriticalHit(RandomMother& r) { return r.Random(1001) > 0 && r.Random(100) == 0 && r.Random(500) != 0 && r.Random(500) != 0; }

class MonsterAttack : public FightScreenTest {
protected:
    Monster* monster = nullptr;
    void SetUp() override {
        FightScreenTest::SetUp();
        monster = PlaceFighter(11, 10, "goblin duelist");
        monster->toHitThreshold = 0;  // every roll above 0 hits
        player.hp = player.maxHp = 200;
    }
};

// The to-hit roll: above the threshold plus the dodge it hits, from the threshold
// up it is dodged, below it misses; a draw equal to the sum is drawn again.
TEST_F(MonsterAttack, ToHitBandsMeetAtTheirBoundaries) {
    monster->toHitThreshold = 400;
    player.dodge = 100;
    struct Case {
        int32_t draw;
        int32_t result;
    };
    for (const Case& c : {Case{501, kToHitHit}, Case{499, kToHitDodged}, Case{400, kToHitDodged}, Case{399, kToHitMiss}}) {
        SeedFor([&c](RandomMother& r) { return r.Random(1001) == c.draw; });
        EXPECT_EQ(monster->RollMonsterToHit(), c.result) << c.draw;
    }
    SeedFor([](RandomMother& r) { return r.Random(1001) == 500 && r.Random(1001) == 0; });
    EXPECT_EQ(monster->RollMonsterToHit(), kToHitMiss);  // the tie was drawn again

    // Inhuman reflexes meet the first attack: 3 in 20 still hit, the rest are dodged.
    player.activeSkill = kSkillInhumanReflexes;
    SeedFor([](RandomMother& r) { return r.Random(20) == 3; });
    EXPECT_EQ(monster->RollMonsterToHit(), kToHitDodged);
    EXPECT_EQ(player.activeSkill, 0);
    EXPECT_EQ(CharAt(10, 10), '*');
}

TEST_F(MonsterAttack, DamageTakesEitherBoundOrderAndTheFloorsMood) {
    monster->damageBound1 = 9;
    monster->damageBound2 = 5;
    SeedFor([](RandomMother& r) { return r.Random(5) == 4; });
    EXPECT_EQ(monster->RollMonsterDamage(), 9);
    floorArray[0].feeling = kFeelingProvocative;
    SeedFor([](RandomMother& r) { return r.Random(5) == 4; });
    EXPECT_EQ(monster->RollMonsterDamage(), 11);
    floorArray[0].feeling = kFeelingCalm;
    SeedFor([](RandomMother& r) { return r.Random(5) == 4; });
    EXPECT_EQ(monster->RollMonsterDamage(), 7);
}

// Armour above the cap of the character's level counts a third; stone skin counts in full.
TEST_F(MonsterAttack, ArmourIsCappedByLevelAndNeverStopsAHit) {
    monster->damageBound1 = monster->damageBound2 = 100;
    struct Case {
        int32_t level;
        int32_t armour;
        int32_t stoneSkin;
        int32_t taken;
    };
    const Case cases[] = {
        {1, 46, 0, 100 - (16 + 10)}, {2, 42, 0, 100 - (12 + 10)}, {5, 45, 0, 100 - (15 + 10)},
        {10, 57, 0, 100 - (27 + 10)}, {20, 83, 0, 100 - (53 + 10)}, {1, 10, 5, 100 - 15},
        {1, 300, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        player.level = c.level;
        player.naturalArmour = c.armour;
        player.stoneSkinTurns = c.stoneSkin;
        player.hp = 200;
        SeedFor(PlainHit);
        EXPECT_EQ(monster->MonsterMeleeAttack(), 1);
        EXPECT_EQ(player.hp, 200 - c.taken);
        messageLog.FlushMessages(true);
    }
}

std::string Padded(const std::string& text) { return text + std::string(80 - text.size(), ' '); }

// A fight's texts up to a critical blow that no longer fits the message window.
void FightUntilTheWindowIsFull() {
    ResetGameState();
    PrepareConditions();
    SeeFloor(0);
    player.hp = 200;
    Monster* duelist = PlaceFighter(11, 10, "goblin duelist");
    duelist->damageBound1 = duelist->damageBound2 = 6;
    Monster* archer = PlaceFighter(14, 10, "kobold archer");
    archer->toHitThreshold = 1000;  // it never hits
    archer->MonsterRangedAttack();
    player.dodge = 2000;  // every roll falls in the dodge band
    duelist->MonsterMeleeAttack();
    player.dodge = 0;
    SeedFor(PlainHit);
    duelist->MonsterMeleeAttack();
    player.naturalArmour = 12;
    SeedFor(PlainHit);
    duelist->MonsterMeleeAttack();
    player.naturalArmour = 0;
    archer->MonsterRangedAttack();
    archer->MonsterRangedAttack();
    SeedFor(CriticalHit);
}

// The texts of a fight in their order, and the -More- of a full message window.
TEST_F(MonsterAttack, TheTextsOfAFightComeInOrderWithMore) {
    FightUntilTheWindowIsFull();
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { FindMonsterAt(11, 10, 0)->MonsterMeleeAttack(); }));
    EXPECT_EQ(Row(19), Padded("The kobold archer misses you. You dodge the goblin duelist's attack. The"));
    EXPECT_EQ(Row(20), Padded("goblin duelist hits you. The goblin duelist hits, but it merely scratches you."));
    EXPECT_EQ(Row(21), Padded("The kobold archer misses you. The kobold archer misses you. The goblin -More-"));

    FightUntilTheWindowIsFull();
    Type(" ");
    EXPECT_FALSE(RunUntilItWaitsForAKey([] { FindMonsterAt(11, 10, 0)->MonsterMeleeAttack(); }));
    messageLog.FlushMessages(true);
    EXPECT_EQ(Row(19), Padded("duelist critically hits you."));
    EXPECT_EQ(player.hp, 200 - 6 - 1 - 9);
}

TEST_F(MonsterAttack, ACounterAttackHitsWhateverTheRollAndSpendsTheTechnique) {
    monster->ability = kAbilityCounterAttacks;
    monster->toHitThreshold = 1000;  // would always miss
    player.preparedSkill = kSkillBrutalStrike;
    SeedFor([](RandomMother& r) { return r.Random(1001) >= 0 && r.Random(100) != 0 && r.Random(500) != 0 && r.Random(500) != 0; });
    EXPECT_EQ(monster->MonsterMeleeAttack(), 1);
    EXPECT_EQ(player.preparedSkill, 0);
    EXPECT_EQ(Messages(),
              "The goblin duelist notices that you're preparing a technique and uses the opportunity to counter-attack "
              "more accurately. You lose your focus on the technique. The goblin duelist hits you.");

    // Without a technique, or where everyone is stupid, the roll decides.
    messageLog = MessageLog();
    EXPECT_EQ(monster->MonsterMeleeAttack(), 0);
    floorArray[0].feeling = kFeelingStupid;
    player.preparedSkill = kSkillBrutalStrike;
    EXPECT_EQ(monster->MonsterMeleeAttack(), 0);
    EXPECT_EQ(player.preparedSkill, kSkillBrutalStrike);
    EXPECT_EQ(Messages(), "The goblin duelist misses you. The goblin duelist misses you.");
}

// A charge is 1 in 4 critical and happens once.
TEST_F(MonsterAttack, AChargeIsOnceAndOftenCritical) {
    monster->ability = kAbilityCharges;
    monster->damageBound1 = monster->damageBound2 = 10;
    SeedFor([](RandomMother& r) { return r.Random(1001) > 0 && r.Random(4) == 0 && r.Random(500) != 0 && r.Random(500) != 0; });
    monster->MonsterMeleeAttack();
    EXPECT_EQ(player.hp, 200 - 15);
    EXPECT_EQ(monster->ability, kAbilityNone);
    EXPECT_EQ(Messages(), "The goblin duelist charges at you! The goblin duelist critically hits you.");
    SeedFor(PlainHit);
    monster->MonsterMeleeAttack();
    EXPECT_EQ(player.hp, 200 - 25);
}

// Critical blows deal 1.5 times the damage; a guarding amulet lowers it, an exposing ring raises it.
TEST_F(MonsterAttack, CriticalFactorsFollowTheAccessories) {
    monster->damageBound1 = monster->damageBound2 = 10;
    struct Case {
        const char* name;
        const char* attacker;
        int32_t amulet;
        int32_t ring;
        int32_t taken;
    };
    const Case cases[] = {
        {"plain", "goblin duelist", 0, 0, 15},
        {"guarding amulet", "goblin duelist", kPropertyGuardedCriticals, kPropertyExposedCriticals, 12},
        {"guarding amulet against the final demon", "Uramesiel", kPropertyGuardedCriticals, 0, 14},
        {"exposing ring", "goblin duelist", 0, kPropertyExposedCriticals, 18},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player.inventory.clear();
        for (int32_t& slot : player.equipSlots) slot = -1;
        if (c.amulet != 0) WearAccessory(kSlotAmulet, c.amulet);
        if (c.ring != 0) WearAccessory(kSlotRightRing, c.ring);
        std::snprintf(monster->name, sizeof monster->name, "%s", c.attacker);
        player.hp = 200;
        SeedFor(CriticalHit);
        monster->MonsterMeleeAttack();
        EXPECT_EQ(player.hp, 200 - c.taken);
    }
}

TEST_F(MonsterAttack, ASummonerCallsAMinionToTheFirstFreeSquareInsteadOfStriking) {
    MonsterKind minion;
    std::snprintf(minion.name, sizeof minion.name, "%s", "imp");
    minion.glyph = 'i';
    minion.level = 1;
    minion.hitPoints = 5;
    minion.speed = minion.actThreshold = 1000;
    for (MonsterKind& kind : monsterKinds.kinds) kind = minion;
    monster->ability = kAbilitySummonsHelp;
    monster->level = 7;
    AddMonster(10, 9, 0);  // the first square in scan order is taken
    SeedFor([](RandomMother& r) { return r.Random(15) == 0; });
    EXPECT_EQ(monster->MonsterMeleeAttack(), 0);
    EXPECT_EQ(Messages(), "The goblin duelist summons a minion!");
    EXPECT_EQ(player.hp, 200);
    const Monster* summoned = FindMonsterAt(10, 11, 0);
    ASSERT_NE(summoned, nullptr);
    EXPECT_STREQ(summoned->name, "imp");
}

TEST_F(MonsterAttack, AShotFlashesAndGivesTheCharactersGlyphBackUnlessItActed) {
    Monster* archer = PlaceFighter(14, 10, "kobold archer");
    archer->toHitThreshold = 1000;
    player.acted = 0;
    archer->MonsterRangedAttack();
    EXPECT_EQ(CharAt(10, 10), '@');
    player.acted = 1;
    archer->MonsterRangedAttack();
    EXPECT_EQ(CharAt(10, 10), '/');
    EXPECT_EQ(ColourAt(10, 10), kBrown);
}

// The final demon shoots critically one time in four; its copies, of experience 0, as often as anyone.
TEST_F(MonsterAttack, TheFinalDemonsShotsAreOftenCriticalButNotItsCopies) {
    auto quarterCritical = [](RandomMother& r) { return r.Random(1001) > 0 && r.Random(4) == 0 && r.Random(500) != 0; };
    Monster* demon = PlaceFighter(14, 10, "Uramesiel");
    demon->toHitThreshold = 0;
    demon->damageBound1 = demon->damageBound2 = 10;
    demon->experience = 163828;
    demon->maxHp = 800;
    demon->hp = 600;  // above the marks of its tricks, which would draw first
    SeedFor(quarterCritical);
    demon->MonsterRangedAttack();
    EXPECT_EQ(Messages(), "Uramesiel critically shoots you.");
    demon->experience = 0;
    messageLog = MessageLog();
    SeedFor([](RandomMother& r) { return r.Random(1001) > 0 && r.Random(100) == 3 && r.Random(500) != 0; });
    demon->MonsterRangedAttack();
    EXPECT_EQ(Messages(), "Uramesiel shoots you.");
}

// The cause names the monster with "a", or "an" before a capital vowel only, and a demon bare.
TEST_F(MonsterAttack, TheCauseOfDeathNamesTheMonster) {
    struct Case {
        const char* name;
        const char* cause;
    };
    const Case cases[] = {
        {"rat", "HE was killed by a rat."},
        {"agile ettin", "HE was killed by a agile ettin."},
        {"Ettin", "HE was killed by an Ettin."},
        {"Ikuazz", "HE was killed by Ikuazz."},
    };
    for (const Case& c : cases) {
        std::snprintf(monster->name, sizeof monster->name, "%s", c.name);
        EXPECT_EQ(MonsterDeathCause(*monster), c.cause);
    }
}

// Where everyone is stupid a blow is only a blow: no decay, no soaking, nothing from its ability.
TEST_F(MonsterAttack, ExtrasOfABlowAndTheirStupidFloor) {
    WearSturdily(kSlotChest, kClothKind, kPrefixSpiky);
    InitPrefixTable();
    monster->ability = kAbilityDeterioratesItems;
    // The to-hit roll, no critical, the chest's wear roll, the decay and its three wear rolls, no rare blow, the spikes.
    SeedFor([](RandomMother& r) {
        return r.Random(1001) > 0 && r.Random(100) != 0 && r.Random(21) >= 0 && r.Random(4) == 0 && r.Random(21) >= 0 &&
               r.Random(21) >= 0 && r.Random(21) >= 0 && r.Random(500) != 0 && r.Random(500) != 0 && r.Random(8) == 0;
    });
    monster->MonsterMeleeAttack();
    EXPECT_EQ(Messages(),
              "The goblin duelist hits you. The monster tries to degrade your equipment! The monster wounds itself "
              "from your spiky armor.");
    EXPECT_EQ(monster->bleedTurns, 5);
    EXPECT_EQ(monster->bleedDamage, player.level);

    messageLog = MessageLog();
    monster->bleedTurns = 0;
    floorArray[0].feeling = kFeelingStupid;
    SeedFor([](RandomMother& r) { return r.Random(1001) > 0 && r.Random(100) != 0 && r.Random(21) >= 0 && r.Random(4) == 0; });
    monster->MonsterMeleeAttack();
    EXPECT_EQ(Messages().find("degrade"), std::string::npos);
}

}  // namespace
