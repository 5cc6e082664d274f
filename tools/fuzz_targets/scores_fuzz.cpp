// The score file: whatever it holds, the table the game keeps has texts that
// end inside their fields, takes a new result, and writes and reads back whole.
#include <cstring>

#include "fuzz_support.h"
#include "records/high_scores.h"

namespace {

template <size_t N>
bool Ends(const char (&text)[N]) {
    return std::memchr(text, '\0', N) != nullptr;
}

bool SameEntry(const ScoreEntry& a, const ScoreEntry& b) {
    return a.score == b.score && a.level == b.level && a.floor == b.floor && a.used == b.used &&
           std::memcmp(a.race, b.race, sizeof a.race) == 0 && std::memcmp(a.training, b.training, sizeof a.training) == 0 &&
           std::memcmp(a.endText, b.endText, sizeof a.endText) == 0 && std::memcmp(a.name, b.name, sizeof a.name) == 0;
}

void RequireSoundTable() {
    for (const ScoreEntry& entry : highScores.entries) {
        if (!Ends(entry.race) || !Ends(entry.training) || !Ends(entry.endText) || !Ends(entry.name)) {
            FuzzFinding("a score entry's text runs past its field");
        }
        if (entry.used > 1) FuzzFinding("a score entry's used flag is neither 0 nor 1");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshGame();
    const InScratchFolder scratch;
    highScores = HighScoreTable();
    WriteFuzzInput("scores.hmd", data, size);
    highScores.LoadHighScores();
    RequireSoundTable();
    highScores.RecordHighScore("was killed by a fuzzer");
    RequireSoundTable();
    const HighScoreTable kept = highScores;
    highScores.SaveHighScores();
    highScores = HighScoreTable();
    highScores.LoadHighScores();
    for (int32_t i = 0; i < kScoreEntryCount; ++i) {
        if (!SameEntry(kept.entries[i], highScores.entries[i])) FuzzFinding("the table reads back otherwise than it was written");
    }
    return 0;
}
