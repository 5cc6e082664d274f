#pragma once
// The summary of many games' lines: per training, the character level at the
// floors that mark the demons, how many passed the first demon and reached
// floor 13, the median deepest floor, and what ended the games.
#include <istream>
#include <ostream>

void SummarizeCarefulGames(std::istream& lines, std::ostream& out);
