#pragma once
// What lies around the character: its floor, that floor's feeling, its tile.
#include <cstdint>

class Floor;
class Tile;

// Floor feelings that the character's conditions react to.
enum : int32_t {
    kFeelingWarm = 2,
    kFeelingCold = 3,
    kFeelingDark = 4,
    kFeelingBright = 5,
    kFeelingPeaceful = 7,
};

// The floor with that index, or null outside 0..34 (the surface is -1).
Floor* FloorAt(int32_t index);
// The feeling of the floor with that index; 0 where there is no floor.
int32_t FloorFeelingAt(int32_t index);
// The tile under the character, or null when it is on no floor or off the map.
Tile* PlayerTile();
// True when the character stands on a campfire that still burns.
bool OnBurningCampfire();
