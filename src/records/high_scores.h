#pragma once
// The table of the nine best results, kept in "scores.hmd".
#include <string>

class HighScoreTable {
public:
    // Reads "scores.hmd"; a missing file leaves the table as it is.
    void LoadHighScores();
    // Writes the table to "scores.hmd".
    void SaveHighScores();
    // Scores the player and enters the result with the end text; true when it entered the table.
    bool RecordHighScore(const std::string& endText);
    // The "Hall of Fame" screen. With "-scores" as the first argument the program
    // ends after its key; otherwise the title screen is drawn again afterwards.
    void ShowHallOfFame();
};

extern HighScoreTable highScores;
