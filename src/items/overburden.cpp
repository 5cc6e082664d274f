// The burden check before every step: a load above what the character can
// carry keeps it where it stands.
#include "player/commands.h"
#include "player/player.h"
#include "shell/message_log.h"
#include "shell/terminal.h"

bool Player::IsOverburdened() {
    if (carryingCapacity >= carriedWeight) return false;
    PrintWords("You are overburdened! (Press space) ");
    messageLog.FlushMessages(false);
    WaitForSpaceKey();
    BlankMessageRows(19, 21);
    return true;
}
