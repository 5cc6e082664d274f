#pragma once
// The save stream: the game's saved state as one run of raw fields, built and
// read in memory. Its blocks, in file order, are listed once in save_blocks.cpp.
#include <cstddef>
#include <cstdint>
#include <vector>

class FieldReader;
class FieldWriter;

// One block of the stream: its name, and how it is written from the game's
// state and read back into it.
struct SaveBlock {
    const char* name;
    void (*write)(FieldWriter& writer);
    void (*read)(FieldReader& reader);
};

// The blocks in file order: version, sages, potion and wand appearances,
// accessory appearances, learned skills, player, floors, monsters.
extern const SaveBlock kSaveBlocks[8];

// The whole game as the unpacked stream of a save file.
std::vector<uint8_t> WriteSaveStream();

enum class SaveStreamResult { kRead, kWrongVersion, kDamaged };

// Reads an unpacked save stream into the game. The state is reset first and,
// should the stream be damaged in any way (short, too long, a value out of its
// range), reset again: never a half-loaded game. A stream of another version
// changes nothing. The random generator keeps its state throughout.
SaveStreamResult ReadSaveStream(const std::vector<uint8_t>& stream);

// The save file's bytes: the save stream, run-length packed.
std::vector<uint8_t> WritePackedSave();
// Unpacks a save file's bytes and reads them as ReadSaveStream does. Bytes that
// do not unpack, or would unpack to more than any game holds, are damaged.
SaveStreamResult ReadPackedSave(const std::vector<uint8_t>& packed);

// Far above any real game (a full one packs to a few hundred kilobytes, and
// unpacks to a few megabytes), and low enough that a damaged file cannot make
// the game ask for more memory than that.
constexpr size_t kMostSaveBytes = size_t{64} << 20;
