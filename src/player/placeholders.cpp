// placeholder: the player's commands and conditions until they are built.
#include "player/player.h"
#include "shell/game.h"
#include "shell/key_bindings.h"
#include "shell/key_reader.h"
#include "shell/message_log.h"

// placeholder: only the commands that the shell itself answers.
int32_t Player::ExecuteCommand() {
    switch (currentCommand) {
        case kCommandRest:
            return 1;
        case kCommandQuit:
            QuitWithoutSaving();
            return 0;
        case kCommandHelp:
            ShowHelpScreen();
            return 0;
        case kCommandMessages:
            messageLog.ShowMessageBuffer();
            return 0;
        default:
            return 0;
    }
}
// placeholder
int32_t Player::Stagger() { return 0; }
// placeholder
bool Player::IsHostileMonsterInSight() { return false; }
// placeholder
void Player::CheckQuickMoveStop() {}
// placeholder
void CreateCharacter() {}
// placeholder: the death check only looks at the hit points until death is built.
void Player::CheckPlayerDeath(const std::string&, int32_t) {
    if (hp > 0) return;
}
