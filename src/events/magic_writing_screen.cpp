// What a magic writing lets the character sense: the floor's traps, monsters or
// items alone on an empty screen, until the space bar brings the map back.
#include "events/feature_tile.h"
#include "events/magic_writing.h"
#include "events/traps.h"
#include "floors/field_of_view.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/game_hooks.h"
#include "world/monster.h"

namespace {

constexpr ColourCode kSensedColour = kLightRed;
constexpr ColourCode kSensedGoldColour = kYellow;

// Tells what is sensed, shows it drawn by `draw` on a cleared screen, and returns to the map.
void ShowSensed(const char* message, void (*draw)(Floor&)) {
    PrintWords(message);
    messageLog.FlushMessages(false);
    WaitForSpaceKey();
    ClearScreen();
    Floor& floor = FeatureFloor();
    draw(floor);
    DrawText("Press space.", 33, 23, kCyan);
    WaitForSpaceKey();
    ClearScreen();
    floor.RedrawSeenTiles();
    ComputeFieldOfView(&floor, player.x, player.y, player.sightRadius);
    RedrawScreen();
}

void DrawTraps(Floor& floor) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (floor.At(x, y).trapKind > 0) DrawChar(kFoundTrapGlyph, x, y, kSensedColour);
        }
    }
}

void DrawSensedMonsters(Floor&) {
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor != player.currentFloor || monster->alive == 0) continue;
        if (!Floor::OnMap(monster->x, monster->y)) continue;
        DrawChar(monster->glyph, monster->x, monster->y, monster->colour);
    }
}

void DrawItems(Floor& floor) {
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floor.At(x, y);
            if (!tile.items.empty()) {
                DrawChar(static_cast<char>(tile.FirstItemGlyph()), x, y, kSensedColour);
            } else if (tile.gold > 0) {
                DrawChar(kGoldGlyph, x, y, kSensedGoldColour);
            }
        }
    }
}

}  // namespace

// The sensed traps become known, so the map shows them afterwards.
void SenseTraps() {
    for (Tile& tile : FeatureFloor().tiles) {
        // A trap buried under an ice block stays buried: the block is not turned into a trap.
        if (tile.trapKind > 0 && (tile.glyph == kFloorGlyph || tile.glyph == kFoundTrapGlyph)) RevealTrap(tile);
    }
    ShowSensed("You sense the presence of traps! Press space. ", DrawTraps);
}

void SenseMonsters() { ShowSensed("You sense the presence of monsters! Press space. ", DrawSensedMonsters); }

void SenseItems() { ShowSensed("You sense the presence of items! Press space. ", DrawItems); }
