// The main loop's pass: the player's turn, the world, the monsters, the redraw.
#include "floors/field_of_view.h"
#include "floors/floor.h"
#include "monsters/monster.h"
#include "player/player.h"
#include "shell/drawing.h"
#include "shell/game.h"
#include "shell/key_reader.h"
#include "shell/message_log.h"
#include "shell/screen_redraw.h"

namespace {

void ComputePlayerView() {
    if (player.currentFloor < 0 || player.currentFloor >= kFloorCount) return;
    ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
}

// Reads keys until a command uses the action. The monsters it killed are freed
// once the command is over: nothing holds their records any more.
void TakeCommands() {
    for (;;) {
        while (ReadCommandKey() == 0) {
        }
        const int32_t used = player.ExecuteCommand();
        PurgeDeadMonsters();
        if (used != 0) return;
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
                messageLog.UpdateWorld();
                RedrawScreen();
            }
            const bool rageHoldsBack = player.berserkBoon == kBoonMaskWaiting && player.IsHostileMonsterInSight();
            if (!rageHoldsBack && player.sleep == 0 && player.paralysis == 0) TakeCommands();
            player.RegeneratePlayer();
            player.CountPlayerTurn();
        } while (player.AccumulateEnergy());
    }
    player.mapDrawnFlag = 1;
}

void RunMonsterPhase() {
    for (Monster* monster = monsterListHead; monster != nullptr;) {
        if (monster->floor == player.currentFloor) monster->TickMonster();
        monster = monster->next;
    }
    // The dying die one by one (an exploding corpse may kill more); records
    // already marked dead wait for the purge at the end.
    for (;;) {
        Monster* dying = nullptr;
        for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
            if (monster->alive != 0 && monster->floor == player.currentFloor && monster->hp < 1) {
                dying = monster;
                break;
            }
        }
        if (dying == nullptr) break;
        // A death that leaves the record alive below 1 hit point would be found again for ever.
        if (!dying->KillMonster() && dying->hp < 1) break;
    }
    PurgeDeadMonsters();
}

void RedrawEndOfTurn() {
    if (player.energy < player.actThreshold) {
        RedrawScreenQuiet();
    } else {
        RedrawScreen();
        player.acted = 0;
    }
}

void RunMainLoopPass() {
    RunPlayerTurn();
    ComputePlayerView();
    messageLog.UpdateWorld();
    RunMonsterPhase();
    RedrawEndOfTurn();
}
