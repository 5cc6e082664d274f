#pragma once
// One duel: the character as BuildCharacter left it against one kind (a pack
// kind with its companions, as the floors make them) on a small open floor, or
// against the floor's demon on the demon's own floor as the game builds it (its
// map, staircases and traps, and the sight the game gives), by the game's own
// attacks, monster turns and ailments, until one side is dead, the turns run out
// or the fight stalls (the foes' hit points reach no new low for a long while).
#include <cstdint>

#include "world/player.h"

// The opponent: a kind index, or kFloorDemon for the demon of the floor.
constexpr int32_t kFloorDemon = -1;

struct DuelResult {
    bool won = false;       // every monster that began the fight is dead
    int32_t hpLeft = 0;     // the character's hit points at the end (0 when it died)
    int32_t turns = 0;      // main-loop passes the fight took
};

// Fights once on floor `floor` (the floor's number decides what depends on it,
// such as the demon); `character` is the player record to fight with, and the
// seed gives the fight's draws. Against a kind, shooters (the archer) and ranged
// kinds start three squares apart, everything else side by side; the demon is
// met six squares before it on the way from the staircase up.
DuelResult RunDuel(const Player& character, bool shoots, int32_t floor, int32_t opponent, uint32_t seed);
