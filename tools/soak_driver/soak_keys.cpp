#include "soak_keys.h"

#include <sstream>

#include "shell/key_bindings.h"

namespace {

void Add(std::vector<std::string>& pool, const std::string& key, int32_t copies) {
    for (int32_t i = 0; i < copies; ++i) pool.push_back(key);
}

}  // namespace

SoakKeys::SoakKeys(const std::string& keybindingText, const std::vector<std::string>& functionKeys) {
    std::istringstream in(keybindingText);
    const KeybindingFile file = ParseKeybindings(in);
    if (file.outcome != KeybindingFile::kReadable) return;
    for (int32_t command = 0; command < kCommandCount; ++command) {
        const signed char symbol = file.keys[static_cast<size_t>(command)];
        if (symbol == 0) continue;
        const std::string key(1, static_cast<char>(symbol));
        if (command == kCommandQuit || command == kCommandSave) {
            endingKeys.push_back(key);
        } else {
            // Steps explore, and the other commands open the screens: both often.
            const bool step = command >= kCommandNorth && command <= kCommandSouthEast;
            Add(playKeys, key, step ? 12 : 4);
        }
    }
    // What the screens and prompts answer to: letters pick list entries and
    // answer questions, digits choose, space and Enter go on, Escape leaves.
    // The ending keys keep their rarity here too.
    auto answer = [this](const std::string& key, int32_t copies) {
        for (const std::string& ending : endingKeys) {
            if (key == ending) return;
        }
        Add(playKeys, key, copies);
    };
    for (char c = 'a'; c <= 'z'; ++c) answer(std::string(1, c), 1);
    for (char c = 'A'; c <= 'Z'; ++c) answer(std::string(1, c), 1);
    for (char c = '0'; c <= '9'; ++c) answer(std::string(1, c), 1);
    for (const char* other : {"<", ">", "+", "-", "*", "/", ".", ",", "!", "'"}) answer(other, 1);
    // Leaving a screen often keeps the game moving rather than browsing.
    Add(playKeys, " ", 12);
    Add(playKeys, "\r", 6);
    Add(playKeys, "\x1b", 12);
    Add(playKeys, "\x7f", 1);
    for (const std::string& key : functionKeys) Add(playKeys, key, 1);
}

const std::string& SoakKeys::Pick(std::mt19937& random) const {
    if (!endingKeys.empty()) {
        if (random() % kEndingKeyOdds == 0) return endingKeys[random() % endingKeys.size()];
    }
    return playKeys[random() % playKeys.size()];
}
