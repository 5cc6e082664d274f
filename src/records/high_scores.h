#pragma once
// The table of the nine best results, kept in "scores.hmd".
#include <cstdint>
#include <string>

constexpr int32_t kScoreEntryCount = 9;
constexpr size_t kScoreEntrySize = 116;

// One result; 116 bytes in the score file.
class ScoreEntry {
public:
    int32_t score = 0;
    int32_t level = 0;
    int32_t floor = 0;  // the floor number + 1 where the game ended; 0 on the surface
    char race[8] = " ";
    char training[8] = " ";
    char endText[70] = " ";  // the cause of death, or the ending
    char name[15] = " ";
    uint8_t used = 0;
};

// What became of one game's result: whether it made the table, and whether
// the table with it reached the score file.
struct ScoreOutcome {
    bool entered = false;
    bool saved = false;
};

class HighScoreTable {
public:
    // Best first: the used entries sorted by score from high to low, then the free ones.
    ScoreEntry entries[kScoreEntryCount];

    // Reads "scores.hmd": the table becomes every result of the file that
    // passes the checks, best first. A missing or unreadable file leaves the
    // table as it is.
    void LoadHighScores();
    // Writes "scores.hmd" whole or not at all; a failure loses only this update
    // and returns false.
    bool SaveHighScores();
    // Scores the player and inserts the result, with the end text; true when it
    // entered the table (a result ties below the results already there).
    bool RecordHighScore(const std::string& endText);
    // The end of a game: the score file, shared by every game played in its
    // folder, is read again under its lock, the player's result is inserted
    // and the table written back before the lock goes, so that games ending
    // at once all keep their results. A damaged file is first kept aside as
    // "scores.hmd.damaged" (the results that pass the checks stay in the
    // table); something that cannot be read at all is never written over.
    ScoreOutcome RecordAndSaveHighScore(const std::string& endText);
    // The "Hall of Fame" screen. With "-scores" as the first argument the program
    // ends after its key; otherwise the title screen is drawn again afterwards
    // while the character lives in the dungeon.
    void ShowHallOfFame();
    // Through the message log, waiting for a key: this game's result could not
    // be written to "scores.hmd", whose older results are kept.
    static void ReportScoresNotSaved();
};

extern HighScoreTable highScores;

// The final score of the player: kills / 100, level and deepest floor, the
// surface bonus, 5 for each of the first `demonFlags` demon-slain flags that is
// set, and the final demon's bonus.
int32_t ComputeFinalScore(int32_t demonFlags);
