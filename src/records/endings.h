#pragma once
// How a game ends when it is won, and the story told as each unique demon falls.
#include <cstdint>

// The story text of a unique demon's death: 1 Vir've, 2 Ikuazz, 3 Omuerp, 4 Nonehes,
// 5 Uramesiel. The caller has set the demon's slain flag already.
void AnnounceDemonSlain(int32_t demon);

// The ending after climbing out of the dungeon with the final demon slain; ends the program.
void VictoryEnding();
