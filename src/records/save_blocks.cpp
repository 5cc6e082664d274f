// The blocks of the save stream in their order, each with its writer and reader.
#include "records/save_blocks.h"

#include "items/appearances.h"
#include "shell/command_line.h"
#include "skills/skill_def.h"
#include "toolkit/field_codec.h"
#include "toolkit/random_mother.h"
#include "toolkit/run_length.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/game_status.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

constexpr size_t kSageRecordSize = 20;
// However many sages a game has, never more than one a tile.
constexpr int32_t kMostSages = kFloorCount * kFloorWidth * kFloorHeight;

void WriteVersion(FieldWriter& writer) { writer.Field(gameVersion); }
void ReadVersion(FieldReader& reader) {
    int32_t version = 0;
    reader.Field(version, gameVersion, gameVersion);
}

void WriteSages(FieldWriter& writer) {
    writer.List(sages, kMostSages, kSageRecordSize, [](FieldWriter& w, const cSage& sage) { sage.WriteSageRecord(w); });
}
void ReadSages(FieldReader& reader) {
    reader.List(sages, kMostSages, kSageRecordSize, [](FieldReader& r, cSage& sage) { sage.ReadSageRecord(r); });
}

void WritePotionAndWandLooks(FieldWriter& writer) {
    for (const AppearanceName& look : potionAppearances) look.WriteAppearance(writer);
    for (const AppearanceName& look : wandAppearances) look.WriteAppearance(writer);
}
void ReadPotionAndWandLooks(FieldReader& reader) {
    for (AppearanceName& look : potionAppearances) look.ReadAppearance(reader);
    for (AppearanceName& look : wandAppearances) look.ReadAppearance(reader);
}

void WriteAccessoryLooks(FieldWriter& writer) {
    for (const AccessoryAppearance& look : accessoryAppearances) look.WriteAccessoryAppearance(writer);
}
void ReadAccessoryLooks(FieldReader& reader) {
    for (AccessoryAppearance& look : accessoryAppearances) look.ReadAccessoryAppearance(reader);
}

void WriteLearnedSkills(FieldWriter& writer) {
    for (const SkillDef& skill : skillTable) skill.WriteSkillLearned(writer);
}
// The rest of the table is the game's own; only the learned flags come from the file.
void ReadLearnedSkills(FieldReader& reader) {
    InitSkillTable();
    for (SkillDef& skill : skillTable) skill.ReadSkillLearned(reader);
}

void WritePlayer(FieldWriter& writer) { player.WritePlayerRecord(writer); }
void ReadPlayer(FieldReader& reader) {
    player.ReadPlayerRecord(reader);
    // The name builds the save's and the post-mortem's file names.
    if (!reader.Failed()) reader.Check(IsSafeCharacterName(player.name));
}

void WriteFloors(FieldWriter& writer) {
    for (const Floor& floor : floorArray) floor.WriteFloor(writer);
}
void ReadFloors(FieldReader& reader) {
    for (Floor& floor : floorArray) floor.ReadFloor(reader);
}

// What the game derives from the loaded state rather than keeping in the file.
void RestoreDerivedState() {
    // A save written in the middle of a turn may hold monsters that had died
    // but were not yet purged: they leave the list, and their squares, at once.
    PurgeDeadMonsters();
    player.ApplyTrainingSkills(true);
    // The monsters see as far as the light of the floor lets them, as on arrival.
    monsterVisionRange = MonsterVisionRangeOn(floorArray[player.currentFloor].feeling);
}

// Everything a load may have touched goes back to how start-up left it; the
// random generator goes on where it was.
void ResetKeepingRandomState() {
    const RandomMother kept = rng;
    ResetGameAfterFailedLoad(0);
    rng = kept;
}

}  // namespace

const SaveBlock kSaveBlocks[8] = {
    {"version", WriteVersion, ReadVersion},
    {"sages", WriteSages, ReadSages},
    {"potion and wand appearances", WritePotionAndWandLooks, ReadPotionAndWandLooks},
    {"accessory appearances", WriteAccessoryLooks, ReadAccessoryLooks},
    {"learned skills", WriteLearnedSkills, ReadLearnedSkills},
    {"player", WritePlayer, ReadPlayer},
    {"floors", WriteFloors, ReadFloors},
    {"monsters", SaveMonsters, LoadMonsters},
};

std::vector<uint8_t> WriteSaveStream() {
    FieldWriter writer;
    // A new game's stream is about two megabytes; items and monsters add little.
    writer.bytes.reserve(size_t{5} << 19);
    for (const SaveBlock& block : kSaveBlocks) block.write(writer);
    return std::move(writer.bytes);
}

SaveStreamResult ReadSaveStream(const std::vector<uint8_t>& stream) {
    FieldReader head(stream);
    int32_t version = 0;
    head.Field(version);
    if (!head.Failed() && version != gameVersion) return SaveStreamResult::kWrongVersion;

    ResetKeepingRandomState();
    FieldReader reader(stream);
    for (const SaveBlock& block : kSaveBlocks) {
        block.read(reader);
        if (reader.Failed()) break;
    }
    // There is nothing after the monsters.
    if (reader.Failed() || reader.Remaining() != 0) {
        ResetKeepingRandomState();
        return SaveStreamResult::kDamaged;
    }
    RestoreDerivedState();
    return SaveStreamResult::kRead;
}

std::vector<uint8_t> WritePackedSave() { return RunLengthPack(WriteSaveStream()); }

SaveStreamResult ReadPackedSave(const std::vector<uint8_t>& packed) {
    std::vector<uint8_t> stream;
    if (packed.size() > kMostSaveBytes || !RunLengthUnpackAtMost(packed, kMostSaveBytes, stream)) {
        ResetKeepingRandomState();
        return SaveStreamResult::kDamaged;
    }
    return ReadSaveStream(stream);
}
