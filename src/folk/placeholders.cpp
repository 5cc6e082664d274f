// placeholder: talking, praying and the Goddess until they are built.
#include "monsters/unique_demon_names.h"
#include "player/player.h"

// placeholder: nobody answers.
int32_t Player::TalkToNpc() { return 0; }
// placeholder: no prayer is made.
int32_t Player::Pray() { return 0; }
// placeholder
void Player::ReportPietyLink(int32_t) {}
// placeholder: the tier rule itself, so that what depends on it works until the altar comes.
int32_t Player::PrayerTier() {
    if (demonSlainFlags[kFinalDemon] != 0) return 6;
    if (deepestFloor - currentFloor < 8) return (currentFloor + 1) / 7 + 1;
    return (deepestFloor + 1) / 7;
}
// placeholder: the altar offers nothing to choose.
int32_t Player::ChooseSacrifice() { return -1; }
// placeholder
void Player::MakeSacrifice(int32_t) {}
