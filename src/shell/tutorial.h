#pragma once
// Four pages of advice for a new player, stepped through with the keys '1' to '4'.
#include <cstdint>
#include <string>
#include <vector>

// One body row of a tutorial page. Coded rows carry colour markup.
struct TutorialRow {
    int32_t row;
    bool coded;
    std::string text;
};

// The body rows of page 1 to 4 (mode 0 greets a first play, mode 1 a reader from the menu).
std::vector<TutorialRow> TutorialPage(int32_t page, uint8_t mode);

// Shows the four pages; mode 0 after a first play's dungeon generation, 1 from
// the title menu. The caller clears the screen first; the tutorial clears it at the end.
void ShowTutorial(uint8_t mode);
