#pragma once
// What the character sees of the monsters: those of its floor in its view, as the map shows them.
#include <vector>

class Monster;

// The living monsters of the character's floor that stand in its view.
std::vector<const Monster*> SeenMonsters();
