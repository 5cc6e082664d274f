#pragma once
// Ways over the part of the character's floor it has seen: the next step toward
// a square, a step away from monsters, and where to explore next.
#include <vector>

#include "toolkit/xy.h"

class ItemData;
class Monster;

// Notes the squares in view as seen; the ways go over seen squares only.
void RememberSeenSquares();
// Whether the character has seen the square of its floor (the map remembers it, or it did).
bool KnownSquare(int x, int y);
// The square next to the character on the shortest known way to (x, y), or the
// character's own square when there is none.
XY NextStepToward(int x, int y);
// The square beside the character farthest from the monsters (toward the up
// stairs when they are known), or its own square when no step helps.
XY StepAwayFrom(const std::vector<const Monster*>& monsters);
// For a berserk character, who may only step nearer (by rows plus columns) to a monster
// in view: `preferred` when it is such a step, else the free step beside it nearest the
// monsters, else its own square.
XY StepCloserToAny(const std::vector<const Monster*>& monsters, XY preferred);
// The nearest known square worth going to: one with an item the character
// wants, else one beside a square not yet seen; (-1, -1) when none is left.
XY ExplorationTarget(bool (*wanted)(const ItemData&));
// A known square of the glyph, (-1, -1) when none.
XY FindKnownGlyph(char glyph);
