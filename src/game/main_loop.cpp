// The main loop's pass: the player's turn, the world, the monsters, the redraw.
#include "events/world_events.h"
#include "floors/field_of_view.h"
#include "game/command_reader.h"
#include "game/game.h"
#include "game/screen_redraw.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

void ComputePlayerView() {
    if (!IsFloorNumber(player.currentFloor)) return;
    ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
}

// Reads keys until a command uses the action.
void TakeCommands() {
    for (;;) {
        while (ReadCommandKey() == 0) {
        }
        if (player.ExecuteCommand() != 0) return;
    }
}

}  // namespace

void RunPlayerTurn() {
    if (player.dizziness > 0 && player.immobility > 0) player.dizziness = 0;
    if (player.AccumulateEnergy()) {
        int32_t actions = 0;
        do {
            player.acted = 1;
            RefreshTopItems();
            player.RecomputePlayerStats();
            if (++actions >= 2) {
                ComputePlayerView();
                UpdateWorld();
                RedrawWholeScreen();
            }
            const bool rageHoldsBack = player.berserkBoon == kBoonMaskWaiting && player.IsHostileMonsterInSight();
            if (!rageHoldsBack && player.sleep == 0 && player.paralysis == 0) TakeCommands();
            // What the command killed leaves the list before anything looks for it again.
            PurgeDeadMonsters();
            player.RegeneratePlayer();
            player.CountPlayerTurn();
        } while (player.AccumulateEnergy());
    }
    player.mapDrawnFlag = 1;
}

void RunMonsterPhase() {
    // Nothing frees a record during the phase: one that dies is only marked, so the
    // walk may go on past it, and records appended on the way are visited too.
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor == player.currentFloor && monster->alive != 0) monster->TickMonster();
    }
    // The death pass, until a pass kills nobody (a death may set off others).
    for (bool killed = true; killed;) {
        killed = false;
        for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
            if (monster->floor != player.currentFloor || monster->alive == 0 || monster->hp >= 1) continue;
            if (monster->KillMonster()) killed = true;
        }
    }
    PurgeDeadMonsters();
    // A monster that died under the player (crushed on the arrival stairs) leaves the player's tile taken.
    if (IsFloorNumber(player.currentFloor) && Floor::OnMap(player.x, player.y)) {
        floorArray[player.currentFloor].At(player.x, player.y).monsterPresent = 1;
    }
}

void RedrawEndOfTurn() {
    if (player.energy < player.actThreshold) {
        RedrawWholeScreenQuiet();
    } else {
        RedrawWholeScreen();
        player.acted = 0;
    }
}

void RunMainLoopPass() {
    RunPlayerTurn();
    ComputePlayerView();
    UpdateWorld();
    RunMonsterPhase();
    RedrawEndOfTurn();
}
