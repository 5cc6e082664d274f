#pragma once
// The occupancy index behind IsMonsterAt and FindMonsterAt: every listed record
// is filed under its square, so a look-up reads the few records of one square
// instead of walking the list of all floors. The list code files and unfiles
// records as they join and leave it; PlaceMonster moves them.
#include <cstdint>

class Monster;

// A record joins the list: it is filed under its square.
void FileMonster(Monster& monster);
// A record leaves the list.
void UnfileMonster(Monster& monster);
// The list is emptied.
void ForgetAllFiledMonsters();

// The square's number in the index; -1 for a place off the dungeon's floors,
// which the index does not hold (look-ups there walk the list).
int32_t FiledSquareOf(int32_t x, int32_t y, int32_t floor);
// The first record filed under the square (the others follow by nextOnSquare,
// in no particular order); null when none.
Monster* FirstFiledAt(int32_t square);
