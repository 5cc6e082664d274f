#pragma once
// The table of the nine best results, kept in "scores.hmd".

class HighScoreTable {
public:
    // Reads "scores.hmd"; a missing file leaves the table as it is.
    void LoadHighScores();
    // The "Hall of Fame" screen. With "-scores" as the first argument the program
    // ends after its key; otherwise the title screen is drawn again afterwards.
    void ShowHallOfFame();
};

extern HighScoreTable highScores;
