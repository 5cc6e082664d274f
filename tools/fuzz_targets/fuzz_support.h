#pragma once
// What every fuzz target shares: a scratch working directory for the files the
// loaders read by name, the real data files as a background the fuzzed one
// plays against, and the one way a target reports a broken rule.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Makes a fresh temporary scratch folder and loads the real kinds and keys
// from the ready-to-play folder, as start-up would. Every target's libFuzzer
// start (LLVMFuzzerInitialize, defined with it) calls it.
void PrepareFuzzing();
// Puts the game back to a fresh one, seeded alike every run: the real kinds,
// no monsters or sages, a new character, and the floors the run uses bare.
void FreshGame(std::initializer_list<int32_t> floorsUsed = {});
// Makes the floor one open room inside its border wall.
void OpenFloor(int32_t floorNumber);
// Puts the character on the tile, as arriving there would.
void PlaceCharacter(int32_t floorNumber, int32_t x, int32_t y);
// Writes the input under the name into the scratch folder; gives its path.
std::string WriteFuzzInput(const char* fileName, const uint8_t* data, size_t size);
// The scratch folder is the working directory while one of these lives, for
// the loaders that read a fixed name (libFuzzer's own paths are relative to where it started).
class InScratchFolder {
public:
    InScratchFolder();
    ~InScratchFolder();
    InScratchFolder(const InScratchFolder&) = delete;
    InScratchFolder& operator=(const InScratchFolder&) = delete;

private:
    std::string previous;
};
// A rule the loaded data breaks: printed, then the run stops as a crash would.
[[noreturn]] void FuzzFinding(const std::string& what);
// Every broken game invariant (game/game_invariants.h) is a finding.
void RequireSoundGame();
