#pragma once
// The tile under the character, which every feature used in place works on.
#include "world/floor.h"
#include "world/player.h"

// Null when the character stands on no floor (the surface) or off the map.
inline Tile* FeatureTile() {
    const Player& p = player;
    if (!IsFloorNumber(p.currentFloor) || !Floor::OnMap(p.x, p.y)) return nullptr;
    return &floorArray[p.currentFloor].At(p.x, p.y);
}

// The floor the character is on; only valid where FeatureTile is not null.
inline Floor& FeatureFloor() { return floorArray[player.currentFloor]; }
