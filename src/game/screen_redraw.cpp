// The full redraws of the game screen.
#include "game/screen_redraw.h"
#include "player/map_view.h"
#include "shell/status_panel.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// The map, the monsters, the sages and the character, then a refresh.
void DrawPlayfield() {
    if (IsFloorNumber(player.currentFloor)) floorArray[player.currentFloor].DrawFloor();
    DrawMonsters();
    DrawSages();
    player.UpdateWarmthColour();
    DrawChar(player.glyph, player.x, player.y, player.glyphColour);
    RefreshScreen();
}

}  // namespace

void RedrawWholeScreen() {
    player.mapDrawnFlag = 1;
    if (IsBoundKey(player.runKey, kCommandRest)) {
        // A quick rest redraws only the panel, until something hostile shows up.
        if (!player.IsHostileMonsterInSight()) {
            DrawStatusPanel();
            return;
        }
        player.runKey = kNoRunKey;
    }
    DrawPlayfield();
    DrawStatusPanel();
    if (player.hp > 0) player.WarnLowHp();
    messageLog.FlushMessages(false);
    MoveCursorToPlayer();
}

void RedrawWholeScreenQuiet() {
    player.mapDrawnFlag = 1;
    DrawPlayfield();
    DrawStatusPanel();
    MoveCursorToPlayer();
}
