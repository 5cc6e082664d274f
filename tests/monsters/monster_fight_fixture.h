#pragma once
// A fight on an open floor: the character at (10, 10) of floor 0 (conditions::PrepareConditions),
// every tile in view, and a monster beside it. Seeds for the draws a case needs come from SeedFor.
#include <cstdint>
#include <cstring>
#include <functional>

#include "floors/floor_feelings.h"
#include "player/condition_fixture.h"
#include "shell/drawing.h"
#include "shell/random_mother.h"
#include "support/game_state.h"
#include "support/hand_made_world.h"

namespace fight {

// A monster named `name` at (x, y) of floor 0, its tile marked occupied.
inline Monster* PlaceMonster(int32_t x, int32_t y, const char* name = "rat", int32_t ability = kAbilityNone) {
    Monster* monster = AddMonster(x, y, 0);
    std::snprintf(monster->name, sizeof monster->name, "%s", name);
    monster->glyph = 'r';
    monster->colour = kBrown;
    monster->ability = ability;
    monster->speed = 1000;
    monster->actThreshold = 1000;
    monster->damageBound1 = 4;
    monster->damageBound2 = 4;
    floorArray[0].At(x, y).monsterPresent = 1;
    return monster;
}

// Wears the item as Wear does, with durability enough that no wear breaks it in a test.
inline int32_t WearSturdily(int32_t slot, int32_t kind, int32_t prefix = -1) {
    const int32_t index = Wear(slot, kind, prefix);
    player.inventory[static_cast<std::size_t>(index)].durability = 100;
    return index;
}

inline void SeeFloor() {
    for (Tile& tile : floorArray[0].tiles) tile.visibleNow = 1;
}

// Seeds the generator with the first seed whose draws `fits` accepts; fails the test when there is none.
inline void SeedFor(const std::function<bool(RandomMother&)>& fits) {
    const uint32_t seed = FindSeed(fits);
    ASSERT_NE(seed, 0u);
    rng.RandomInit(seed);
}

}  // namespace fight

// Screen tests of fights: flashes and -More- prompts show on the screen.
class FightScreenTest : public ConditionScreenTest {
protected:
    void SetUp() override {
        ConditionScreenTest::SetUp();
        fight::SeeFloor();
        floorArray[0].At(player.x, player.y).monsterPresent = 1;
    }
};
