// The sentence on a monster's health after the character's blow.
#include <gtest/gtest.h>

#include <string>

#include "monsters/monster_fight_fixture.h"

namespace {

class HealthReport : public ConditionTest {};

std::string ReportFor(const char* name, int32_t hp, int32_t maxHp, int32_t living = 1) {
    messageLog = MessageLog();
    Monster monster;
    std::snprintf(monster.name, sizeof monster.name, "%s", name);
    monster.hp = hp;
    monster.maxHp = maxHp;
    monster.living = living;
    monster.ReportMonsterHealth();
    return Messages();
}

TEST_F(HealthReport, BandsOfTenHitPoints) {
    // With 10 the bands are at 6 (10 / 1.5 cut), 5 and 3.
    const char* expected[] = {
        "",                           // 0: its death speaks for itself
        "The rat is almost dead.",    // 1
        "The rat is almost dead.",    // 2
        "The rat is badly injured.",  // 3
        "The rat is badly injured.",  // 4
        "The rat is injured.",        // 5
        "The rat is barely injured.", // 6
        "The rat is barely injured.", // 7
        "The rat is barely injured.", // 8
        "The rat is barely injured.", // 9
        "",                           // 10: unhurt
        "",                           // 11: above its maximum
    };
    for (int32_t hp = 0; hp <= 11; ++hp) EXPECT_EQ(ReportFor("rat", hp, 10), expected[hp]) << hp;
    EXPECT_EQ(ReportFor("rat", -3, 10), "");
}

TEST_F(HealthReport, SmallPoolsDemonsAndTheNotLiving) {
    EXPECT_EQ(ReportFor("rat", 1, 2), "The rat is barely injured.");  // 2 / 1.5 cuts to 1
    EXPECT_EQ(ReportFor("Vir've", 50, 100), "Vir've is injured.");
    EXPECT_EQ(ReportFor("zombie", 1, 30, 0), "The zombie is almost destroyed.");
}

}  // namespace
