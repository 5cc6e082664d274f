// The list screens of equipment: the inventory 20 rows a page with a cursor,
// one key that takes the item under it, and a way out that may first ask
// whether the player really wants to waste what opened the screen.
#include "items/equipment_list_screen.h"

#include <string>

#include "items/item_list_cursor.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr int32_t kPromptRow = 24;

void RedrawRememberedTiles() {
    ClearScreen();
    if (Floor* floor = CurrentFloor(); floor != nullptr) floor->RedrawSeenTiles();
}

bool IsLeaveKey(int key) { return key == 'z' || key == 'Z' || key == kKeyEscape || key == '`'; }

// True when the player confirms leaving; the prompt is taken away otherwise.
bool ConfirmLeaving(const char* prompt) {
    DrawText(messageLog.blank, 0, kPromptRow, kBlack);
    DrawText(prompt, 6, kPromptRow, kLightCyan);
    for (;;) {
        const int key = ReadKey();
        if (key == 'y' || key == 'Y') return true;
        if (key == 'n' || key == 'N') {
            DrawText(messageLog.blank, 0, kPromptRow, kBlack);
            return false;
        }
    }
}

}  // namespace

int32_t ChooseFromEquipmentList(const EquipmentListRules& rules) {
    if (player.inventory.empty()) {
        if (rules.emptyMessage == nullptr) return -1;
        PrintWords(rules.emptyMessage);
        MoveCursorToPlayer();
        return -1;
    }
    ListCursor cursor;
    OpenItemList(cursor, rules.helpLine, rules.secondHelpLine);
    for (;;) {
        const int key = ReadKey();
        if (MoveListCursor(cursor, key)) {
            continue;
        } else if (key == rules.chooseKey || key == kKeyEnter) {
            const int32_t index = cursor.Index();
            const ItemData& item = player.inventory[static_cast<std::size_t>(index)];
            if (item.kind < 0 || item.kind >= kItemKindCount || !rules.accepts(item, itemKinds[item.kind])) continue;
            if (!rules.fullRedraw) {
                RedrawRememberedTiles();
                return index;
            }
            ClearScreen();
            if (RestoreMapView()) RedrawScreen();
            return index;
        } else if (IsLeaveKey(key)) {
            if (rules.leavePrompt != nullptr && !ConfirmLeaving(rules.leavePrompt)) continue;
            RedrawRememberedTiles();
            return -1;
        }
    }
}
