// The high-score table: scoring a finished game, inserting the result, and the
// score file of nine raw entries.
#include "records/high_scores.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/data_file.h"
#include "toolkit/platform.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"
#include "world/unique_demon_names.h"

HighScoreTable highScores;

namespace {

constexpr const char* kScoreFileName = "scores.hmd";
constexpr const char* kDamagedScoreFileName = "scores.hmd.damaged";
// Beside the score file; the file itself is replaced by every write, and a lock
// on it would go with it.
constexpr const char* kScoreLockName = "scores.hmd.lock";
constexpr size_t kScoreFileSize = kScoreEntryCount * kScoreEntrySize;
constexpr int32_t kDemonFlagCount = 6;
constexpr int32_t kSurfaceBonus = 10;
constexpr int32_t kDemonBonus = 5;

template <typename Stream, typename Entry>
void TransferScoreEntry(Stream& stream, Entry& entry) {
    stream.Field(entry.score);
    stream.Field(entry.level);
    stream.Field(entry.floor);
    stream.Text(entry.race, sizeof entry.race);
    stream.Text(entry.training, sizeof entry.training);
    stream.Text(entry.endText, sizeof entry.endText);
    stream.Text(entry.name, sizeof entry.name);
    stream.Field(entry.used, 0, 1);
    stream.Padding(2);
}

const char* RaceText(int32_t race) {
    switch (race) {
        case kRaceHuman: return "human";
        case kRaceElven: return "elven";
        case kRaceDwarven: return "dwarven";
        default: return " ";
    }
}

const char* TrainingText(int32_t training) {
    switch (training) {
        case kTrainingWarrior: return "warrior";
        case kTrainingArcher: return "archer";
        case kTrainingRanger: return "ranger";
        default: return " ";
    }
}

// Copies the text into the field, cut to leave room for its terminating zero.
template <size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

bool IsFood(const ItemData& item) {
    return item.kind >= 0 && item.kind < kItemKindCount && itemKinds[item.kind].type == kItemFood;
}

enum class ScoreFileState {
    kMissing,     // nothing has the name
    kSound,       // nine entries, every one of them sound
    kDamaged,     // a file that breaks the checks somewhere
    kUnreadable,  // something has the name that cannot be read as a file
};

// Reads the score file into the table, which holds the used entries that pass
// the checks, best first (a tie keeps the order of the file); a missing or
// unreadable file gives an empty table.
ScoreFileState ReadScoreFile(HighScoreTable& table) {
    table = HighScoreTable();
    std::vector<uint8_t> bytes;
    if (!ReadFileStart(kScoreFileName, kScoreFileSize + 1, bytes)) {
        return PlatformPathExists(kScoreFileName) ? ScoreFileState::kUnreadable : ScoreFileState::kMissing;
    }
    bool damaged = bytes.size() != kScoreFileSize;
    int32_t kept = 0;
    for (size_t start = 0; start + kScoreEntrySize <= bytes.size() && start < kScoreFileSize; start += kScoreEntrySize) {
        FieldReader reader(bytes.data() + start, kScoreEntrySize);
        ScoreEntry entry;
        TransferScoreEntry(reader, entry);
        if (reader.Failed()) {
            damaged = true;
            continue;
        }
        if (entry.used == 1) table.entries[kept++] = entry;
    }
    std::stable_sort(table.entries, table.entries + kept,
                     [](const ScoreEntry& a, const ScoreEntry& b) { return a.score > b.score; });
    return damaged ? ScoreFileState::kDamaged : ScoreFileState::kSound;
}

}  // namespace

int32_t ComputeFinalScore(int32_t demonFlags) {
    int32_t score = player.kills / 100 + player.level + player.deepestFloor;
    if (player.currentFloor == -1) {
        score += kSurfaceBonus;
        for (const ItemData& item : player.inventory) score += IsFood(item) ? 1 : 0;
    }
    for (int32_t flag = 0; flag < demonFlags; ++flag) score += player.demonSlainFlags[flag] == 1 ? kDemonBonus : 0;
    if (player.demonSlainFlags[kFinalDemon] == 1) score += 35 - player.currentFloor;
    return score;
}

void HighScoreTable::LoadHighScores() {
    HighScoreTable read;
    if (ReadScoreFile(read) != ScoreFileState::kUnreadable) *this = read;
}

bool HighScoreTable::SaveHighScores() {
    FieldWriter writer;
    for (const ScoreEntry& entry : entries) TransferScoreEntry(writer, entry);
    return PlatformWriteFileAtomically(kScoreFileName, writer.bytes.data(), writer.bytes.size());
}

ScoreOutcome HighScoreTable::RecordAndSaveHighScore(const std::string& endText) {
    const PlatformFileLock lock(kScoreLockName);
    HighScoreTable read;
    const ScoreFileState state = ReadScoreFile(read);
    if (state != ScoreFileState::kUnreadable) *this = read;
    ScoreOutcome outcome;
    outcome.entered = RecordHighScore(endText);
    if (state == ScoreFileState::kUnreadable) return outcome;
    if (state == ScoreFileState::kDamaged && !PlatformRenameFile(kScoreFileName, kDamagedScoreFileName)) return outcome;
    outcome.saved = SaveHighScores();
    return outcome;
}

bool HighScoreTable::RecordHighScore(const std::string& endText) {
    ScoreEntry entry;
    entry.score = ComputeFinalScore(kDemonFlagCount);
    entry.level = player.level;
    entry.floor = player.currentFloor + 1;
    CopyText(entry.name, std::string(player.name, strnlen(player.name, sizeof player.name)));
    const bool diedAfterFinalDemon = player.demonSlainFlags[kFinalDemon] == 1 && player.currentFloor >= 0;
    CopyText(entry.endText, diedAfterFinalDemon
                                ? FormatText("%s saved Vavori, but... %s", player.pronoun, endText.c_str())
                                : endText);
    CopyText(entry.race, RaceText(player.race));
    CopyText(entry.training, TrainingText(player.training));
    entry.used = 1;

    for (int32_t i = 0; i < kScoreEntryCount; ++i) {
        if (entries[i].used && entries[i].score < entry.score) {
            for (int32_t j = kScoreEntryCount - 1; j > i; --j) entries[j] = entries[j - 1];
            entries[i] = entry;
            return true;
        }
    }
    for (ScoreEntry& free : entries) {
        if (!free.used) {
            free = entry;
            return true;
        }
    }
    return false;
}
