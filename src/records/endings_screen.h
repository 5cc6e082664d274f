#pragma once
// The ending screens of a won game.
#include <cstdint>
#include <string>
#include <vector>

// One row of an ending's story on the screen.
struct EndingLine {
    int32_t row;
    std::string text;
};

// The story of the best ending (the final demon died on the deepest floor) or
// the second best one, row by row as it is drawn: a line wider than the screen
// hands its last words on to the next row, so that no word is cut.
std::vector<EndingLine> EndingLines(bool best);
// "The End", the story of the best or the second best ending, and how to leave.
void DrawEndingScreen(bool best);
