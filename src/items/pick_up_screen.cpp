// The pick-up command: the only item of the tile at once, or a list of the
// tile's items to mark one by one or take all together.
#include "items/item_rows.h"
#include "items/pick_up.h"
#include "player/map_view.h"
#include "player/surroundings.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr int32_t kFirstListRow = 3;
constexpr int32_t kMostListed = 22;

void DrawListHead() {
    DrawText("|  8 = up   2 = down    e = Take everything   Space = Select item   z = ready  |", 0, 0, kCyan);
    DrawText(std::string(80, '-'), 0, 1, kCyan);
    DrawText("Quantity   Durability   Picking   Name", 0, 2, kCyan);
}

// The remembered map of the floor again, without the rest of the screen.
void RedrawRememberedMap() {
    if (Floor* floor = FloorAt(player.currentFloor)) floor->RedrawSeenTiles();
}

// The list of two or more items; 1 when something was taken.
int32_t RunPickUpList(Player& p, Tile& tile) {
    ClearScreen();
    PickMarks marks{};
    DrawListHead();
    int32_t listed = 0;
    for (std::size_t i = 0; i < tile.items.size(); ++i) {
        p.DrawPickupRow(false, kFirstListRow + listed, listed, false);
        ++listed;
    }
    p.DrawPickupRow(true, kFirstListRow, 0, false);
    int32_t position = 1;  // of the cursor, from 1
    auto drawCursorRow = [&](bool highlight) {
        p.DrawPickupRow(highlight, kFirstListRow + position - 1, position - 1, marks[position - 1] != 0);
    };
    auto moveCursor = [&](int32_t step) {
        drawCursorRow(false);
        position += step;
        drawCursorRow(true);
    };
    for (;;) {
        switch (ReadKey()) {
            case '2':
            case kKeyDown:
                if (position < kMostListed && position < listed) moveCursor(1);
                break;
            case '8':
            case kKeyUp:
                if (position > 1) moveCursor(-1);
                break;
            case kKeySpace:
                marks[position - 1] = marks[position - 1] != 0 ? 0 : 1;
                drawCursorRow(true);
                break;
            case 'e':
            case kKeyEnter:
                PickUpEverything(tile);
                ClearScreen();
                RedrawRememberedMap();
                return 1;
            case 'z':
            case 'Z':
            case kKeyEscape:
            case '`':
                // Escape takes the marked items as 'z' does; with none, the list just closes.
                if (!PickUpMarked(tile, marks, listed)) {
                    ClearScreen();
                    RestoreMapView();
                    RedrawScreen();
                    return 0;
                }
                ClearScreen();
                RedrawRememberedMap();
                return 1;
            default: break;
        }
    }
}

}  // namespace

int32_t Player::PickUpScreen() {
    Tile* tile = PlayerTile();
    if (tile == nullptr || (tile->items.empty() && tile->gold == 0)) return 0;
    // Gold is taken by stepping on it; a tile that still has some gives nothing
    // here, though the turn passes.
    if (tile->gold != 0) return 1;
    if (tile->items.size() == 1) {
        PickUpTheOnlyItem(*tile);
        return 1;
    }
    return RunPickUpList(*this, *tile);
}

void Player::DrawPickupRow(bool highlight, int32_t row, int32_t index, bool marked) {
    const Tile* tile = PlayerTile();
    if (tile == nullptr || index < 0 || index >= static_cast<int32_t>(tile->items.size())) return;
    const std::string text = PickupRowText(tile->items[static_cast<std::size_t>(index)], marked);
    DrawCodedText(text.c_str(), 0, row, highlight ? kOnGreen : kOnBlack);
}
