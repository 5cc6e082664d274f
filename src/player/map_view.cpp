#include "player/map_view.h"

#include "floors/field_of_view.h"
#include "toolkit/drawing.h"
#include "world/floor.h"
#include "world/player.h"

void MoveCursorToPlayer() { MoveCursor(player.x, player.y); }

bool RestoreMapView() {
    if (!IsFloorNumber(player.currentFloor)) return false;
    Floor& floor = floorArray[player.currentFloor];
    floor.RedrawSeenTiles();
    ComputeFieldOfView(&floor, player.x, player.y, player.sightRadius);
    return true;
}
