// The listening skill: over a blank screen the character hears roughly where
// the monsters of the floor are, most of them, give or take a tile.
#include "player/map_view.h"
#include "skills/skill_effects.h"
#include "toolkit/drawing.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/monster.h"
#include "world/player.h"

int32_t PerformListen(Player& p) {
    ClearScreen();
    DrawText("You listen intently. Press space to continue.", 17, 23, kLightCyan);
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (FindMonsterAt(x, y, p.currentFloor) == nullptr) continue;
            const int32_t heard = rng.Random(5);
            if (heard == 0) continue;
            const int32_t rowShift = rng.Random(3) - 1;
            const int32_t columnShift = rng.Random(3) - 1;
            // A monster in the border walls may be heard just off the map: nothing is drawn there.
            if (Floor::OnMap(x + columnShift, y + rowShift)) DrawChar('?', x + columnShift, y + rowShift, kLightGreen);
        }
    }
    WaitForSpaceKey();
    ClearScreen();
    if (RestoreMapView()) RedrawScreen();
    return 1;
}
