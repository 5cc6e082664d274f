// placeholder: talking, praying and the Goddess until they are built.
#include "player/player.h"

// placeholder: nobody answers.
int32_t Player::TalkToNpc() { return 0; }
// placeholder: no prayer is made.
int32_t Player::Pray() { return 0; }
// placeholder
void Player::ReportPietyLink(int32_t) {}
// placeholder: nothing is chosen.
int32_t Player::ChooseItemToIdentify(bool) { return -1; }
