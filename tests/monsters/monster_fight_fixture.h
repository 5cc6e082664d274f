#pragma once
// A fight on an open floor: the character at (10, 10) of floor 0 (conditions::PrepareConditions),
// every tile in view, and monsters made fighters beside it. Seeds for the draws a case needs come from SeedFor.
#include <cstdint>
#include <cstring>
#include <functional>

#include "floors/floor_feelings.h"
#include "monsters/monster_fixture.h"
#include "player/condition_fixture.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"
#include "toolkit/drawing.h"
#include "toolkit/random_mother.h"

namespace fight {

// A monster of 10 hit points and level 0 (it drops nothing) whose blows do 4, on
// (x, y) of floor 0: the record of PlaceMonster (monster_fixture.h) made a fighter.
inline Monster* PlaceFighter(int32_t x, int32_t y, const char* name = "rat", int32_t ability = kAbilityNone) {
    Monster* monster = PlaceMonster(x, y, 0, name);
    monster->hp = 10;
    monster->maxHp = 10;
    monster->level = 0;
    monster->ability = ability;
    monster->damageBound1 = 4;
    monster->damageBound2 = 4;
    return monster;
}

// Wears the item as Wear does, with durability enough that no wear breaks it in a test.
inline int32_t WearSturdily(int32_t slot, int32_t kind, int32_t prefix = -1) {
    const int32_t index = Wear(slot, kind, prefix);
    player.inventory[static_cast<std::size_t>(index)].durability = 100;
    return index;
}

// The shared seed finder (support/game_state.h), as the fight tests call it.
using ::SeedFor;

}  // namespace fight

// Screen tests of fights: flashes and -More- prompts show on the screen.
class FightScreenTest : public ConditionScreenTest {
protected:
    void SetUp() override {
        ConditionScreenTest::SetUp();
        SeeFloor(0);
        floorArray[0].At(player.x, player.y).monsterPresent = 1;
    }
};
