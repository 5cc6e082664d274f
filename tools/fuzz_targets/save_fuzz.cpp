// The save file: a save the game accepts gives a sound game, and saves again
// as it was read.
#include "fuzz_support.h"
#include "records/save_blocks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshGame();
    if (ReadPackedSave(std::vector<uint8_t>(data, data + size)) != SaveStreamResult::kRead) return 0;
    RequireSoundGame();
    const std::vector<uint8_t> stream = WriteSaveStream();
    if (ReadSaveStream(stream) != SaveStreamResult::kRead) FuzzFinding("a loaded game does not load again once saved");
    if (WriteSaveStream() != stream) FuzzFinding("a loaded game saves differently the second time");
    return 0;
}
