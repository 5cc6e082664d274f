// placeholder: floor services until the dungeon is built.
#include "floors/dungeon_generation.h"

void GenerateDungeon() {}
