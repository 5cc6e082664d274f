#pragma once
// A small hand-made floor for the trap and feature tests: floor 0 open from
// (1, 1) to (78, 17) with stone walls around, the character at (10, 10) on it,
// and item kinds to carry and wear (condition_fixture.h). Seeds for the draws a
// case needs come from fight::SeedFor.
#include <gtest/gtest.h>

#include "monsters/monster_fight_fixture.h"
#include "player/condition_fixture.h"

namespace features {

constexpr int32_t kHere = 10;

// The floor the character stands on, in the colours of a scheme (its walls' colour).
inline void PrepareFeatureFloor(int32_t floor, ColourCode walls) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            Tile& tile = floorArray[floor].At(x, y);
            const bool border = x == 0 || y == 0 || x == kFloorWidth - 1 || y == kFloorHeight - 1;
            tile.glyph = border ? kWallGlyph : kFloorGlyph;
            tile.colour = border ? walls : (walls == kIcyWalls ? kIcyGround : kSnowyGround);
        }
    }
    player.currentFloor = floor;
    player.x = kHere;
    player.y = kHere;
    floorArray[floor].At(kHere, kHere).monsterPresent = 1;
}

inline Tile& Here() { return floorArray[player.currentFloor].At(player.x, player.y); }

// Puts a feature under the character.
inline void PlaceFeature(char glyph, int32_t state, ColourCode colour = kWhite) {
    Here().glyph = glyph;
    Here().featureState = state;
    Here().colour = colour;
}

// Walls all around the character's tile.
inline void WallIn() {
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) floorArray[player.currentFloor].At(kHere + dx, kHere + dy).glyph = kWallGlyph;
        }
    }
}

inline bool Says(const std::string& text) { return Messages().find(text) != std::string::npos; }

}  // namespace features

// The feature tests run on a screen: long texts stop at "-More-" until a key
// comes, and many effects wait for the space bar or show a screen of their own.
class FeatureScreenTest : public ConditionScreenTest {
protected:
    void SetUp() override {
        ConditionScreenTest::SetUp();
        features::PrepareFeatureFloor(0, kStoneWalls);
    }
    void AnswerPrompts() { Type(std::string(40, ' ')); }
};

// With spaces typed ahead for the prompts; a test that types its own keys types
// more spaces after them when the code goes on printing.
class FeatureTest : public FeatureScreenTest {
protected:
    void SetUp() override {
        FeatureScreenTest::SetUp();
        AnswerPrompts();
    }
};
