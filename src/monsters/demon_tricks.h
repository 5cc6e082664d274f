#pragma once
// What the rest of the monster code needs of the demons' tricks.
#include <cstring>

#include "world/monster.h"

// True when the monster carries exactly the unique demon's name (copies of the
// final demon included).
inline bool IsDemonNamed(const Monster& monster, int32_t demon) {
    return std::strcmp(monster.name, kUniqueDemonNames[demon]) == 0;
}

// Vir've's trick waits for a turn he begins out of the player's view: that turn
// arms his next trick. Called at the start of his turns on the player's floor.
void NoteVirveOutOfView(Monster& virve);
