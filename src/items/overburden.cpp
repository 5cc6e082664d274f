// The burden check before every step: a load above what the character can
// carry keeps it where it stands.
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/player.h"

bool Player::IsOverburdened() {
    if (carryingCapacity >= carriedWeight) return false;
    PrintWords("You are overburdened! (Press space) ");
    messageLog.FlushMessages(false);
    WaitForSpaceKey();
    BlankMessageRows(19, 21);
    return true;
}
