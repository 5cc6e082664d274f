// placeholder: floor services until the dungeon is built.
#include "floors/dungeon_generation.h"

void GenerateDungeon() {}

#include "floors/floor_feelings.h"

// placeholder: arriving tells nothing yet.
void PrintFeelingMessage() {}
