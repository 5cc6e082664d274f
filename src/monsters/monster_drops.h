#pragma once
// What a slain monster leaves on its tile: items of about its level, or gold.

class Monster;

// Drops nothing for a monster of level 0; deeper floors drop more often.
void DropMonsterLoot(const Monster& monster);
