#pragma once
// The summary of many games' lines: per training, the character level and the
// armour worn on arrival at the floors that mark the demons, how many passed the
// first demon, reached floor 13 and slew its demon, the median deepest floor, and
// what ended the games.
#include <istream>
#include <ostream>

void SummarizeCarefulGames(std::istream& lines, std::ostream& out);
