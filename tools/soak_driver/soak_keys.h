#pragma once
// The keys the soak presses: every key the key-binding file binds, the keys the
// game's screens and prompts answer to, and the terminal's function keys, each
// as the bytes a terminal sends for it.
#include <cstdint>
#include <string>
#include <vector>

#include <random>

class SoakKeys {
public:
    // From the key-binding file's text and the terminal's own key sequences
    // (the caller reads those from the terminal description).
    SoakKeys(const std::string& keybindingText, const std::vector<std::string>& functionKeys);

    // The bytes of one random key.
    const std::string& Pick(std::mt19937& random) const;
    // The keys that end a game at once (quit, save) are pressed this rarely,
    // one key in kEndingKeyOdds, so that games last long enough to go deep.
    static constexpr int32_t kEndingKeyOdds = 1500;
    // False when the file bound nothing the soak could press.
    bool Usable() const { return !playKeys.empty(); }

private:
    std::vector<std::string> playKeys;    // commands and answers, weighted by repetition
    std::vector<std::string> endingKeys;  // quit and save
};
