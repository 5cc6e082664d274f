#pragma once
// What lies around the character: its floor, that floor's feeling, its tile.
#include <cstdint>

#include "floors/floor_feelings.h"  // the feelings that FloorFeelingAt gives

class Floor;
class Tile;

// The feeling of the floor with that index; 0 where there is no floor.
int32_t FloorFeelingAt(int32_t index);
// The tile under the character, or null when it is on no floor or off the map.
Tile* PlayerTile();
// True when the character stands on a campfire that still burns.
bool OnBurningCampfire();
// The field of view from the character's square and sight radius; nothing while it is on no floor.
void UpdatePlayerView();
