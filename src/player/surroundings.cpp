#include "player/surroundings.h"

#include "floors/field_of_view.h"
#include "world/floor.h"
#include "world/player.h"

int32_t FloorFeelingAt(int32_t index) {
    const Floor* floor = FloorAt(index);
    return floor ? floor->feeling : 0;
}

Tile* PlayerTile() {
    Floor* floor = FloorAt(player.currentFloor);
    if (!floor || !Floor::OnMap(player.x, player.y)) return nullptr;
    return &floor->At(player.x, player.y);
}

bool OnBurningCampfire() {
    const Tile* tile = PlayerTile();
    return tile && tile->glyph == kCampfireGlyph && tile->featureState > 0;
}

void UpdatePlayerView() {
    if (Floor* floor = FloorAt(player.currentFloor)) ComputeFieldOfView(floor, player.x, player.y, player.sightRadius);
}
