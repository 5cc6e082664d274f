#include <algorithm>
#include <cstring>

#include "toolkit/text_format.h"
#include "world/game_status.h"
#include "world/monster_kind.h"

MonsterKindTable monsterKinds;

namespace {

// The fields of a kind record in the file's order, for reading and for writing.
template <typename Stream, typename Kind>
void TransferMonsterKindRecord(Stream& stream, Kind& kind) {
    stream.Field(kind.meleeArmour);
    stream.Field(kind.rangedArmour);
    stream.Field(kind.colourIndex);
    stream.Field(kind.dodge);
    stream.Field(kind.experience);
    stream.Field(kind.hitPoints);
    stream.Field(kind.damageBound2);
    stream.Field(kind.damageBound1);
    stream.Field(kind.toHitThreshold);
    stream.Bytes(kind.name, sizeof kind.name);
    stream.Field(kind.glyph);
    stream.Field(kind.ranged);
    stream.Field(kind.living);
    stream.Field(kind.regenerationAmount);
    stream.Field(kind.regenerationPeriod);
    stream.Field(kind.ability);
    stream.Field(kind.speed);
    stream.Field(kind.actThreshold);
    stream.Field(kind.spare);
    stream.Field(kind.level);
}

}  // namespace

void ReadMonsterKindRecord(FieldReader& reader, MonsterKind& kind) { TransferMonsterKindRecord(reader, kind); }
void WriteMonsterKindRecord(FieldWriter& writer, const MonsterKind& kind) { TransferMonsterKindRecord(writer, kind); }

namespace {

// The file is data from outside: a kind in use never gets values that would
// stall or overflow the monster code (an act threshold of 0 would make a
// monster act for ever; a name without its terminating zero would run on).
constexpr int32_t kValueLimit = 1000000;
constexpr int64_t kExperienceLimit = 1000000000000LL;

void MakeKindSafe(MonsterKind& kind) {
    kind.name[sizeof kind.name - 1] = '\0';
    kind.level = std::clamp(kind.level, -1000, 1000);
    // A glyph that does not show (a control character would corrupt the map) leaves the kind unused.
    if (!IsVisibleCharacter(static_cast<unsigned char>(kind.glyph))) kind.hitPoints = 0;
    if (kind.hitPoints <= 0) {
        kind.hitPoints = 0;
        return;
    }
    auto limit = [](int32_t& value, int32_t low) { value = std::clamp(value, low, kValueLimit); };
    limit(kind.hitPoints, 1);
    limit(kind.damageBound1, 0);
    limit(kind.damageBound2, 0);
    limit(kind.dodge, 0);
    limit(kind.speed, 1);
    limit(kind.actThreshold, 1);
    limit(kind.regenerationPeriod, 0);
    limit(kind.regenerationAmount, 0);
    limit(kind.meleeArmour, 0);
    limit(kind.rangedArmour, 0);
    kind.toHitThreshold = std::clamp(kind.toHitThreshold, 0, 1000);
    kind.experience = std::clamp<int64_t>(kind.experience, 0, kExperienceLimit);
    if (kind.ability < 0 || kind.ability > kHighestMonsterAbility) kind.ability = 0;
    kind.ranged = kind.ranged != 0 ? 1 : 0;
    kind.living = kind.living != 0 ? 1 : 0;
}

}  // namespace

DataFileResult MonsterKindTable::ReadMonsterKinds(const std::string& fileName) {
    std::vector<uint8_t> bytes;
    if (!ReadFileStart(fileName, kMonsterFileSize, bytes)) return DataFileResult::kCannotOpen;
    FieldReader reader(bytes);
    reader.Read(version);
    if (version != gameVersion) return DataFileResult::kWrongVersion;
    for (MonsterKind& kind : kinds) {
        const size_t start = reader.Position();
        ReadMonsterKindRecord(reader, kind);
        // A kind cut off by the end of the file has no name or no speed: never spawn it.
        if (reader.Position() - start < static_cast<size_t>(kMonsterKindRecordSize)) kind.hitPoints = 0;
        MakeKindSafe(kind);
        kind.colour = ColourFromIndex(kind.colourIndex);
    }
    return DataFileResult::kRead;
}

void MonsterKindTable::LoadMonsterKinds() {
    switch (ReadMonsterKinds("monsters.hmd")) {
    case DataFileResult::kRead:
        return;
    case DataFileResult::kWrongVersion:
        ShowDataFileFailure({{20, 4, "The monster file's version isn't correct."}, {28, 5, "Press a key to exit."}});
    case DataFileResult::kCannotOpen:
        break;
    }
    ShowDataFileFailure({
        {22, 2, "You don't have the monsters.hmd file!"},
        {0, 4, "Windows:"},
        {1, 5, "If you're using the pre-configured shortcut for the first time now, you didn't"},
        {1, 6, "enter the working directory correctly to the shortcut. The first line in the"},
        {1, 7, "shortcut should point to the .exe, you did this correctly, but the second line"},
        {1, 8, "needs to point to the folder where the data files are: this folder. Go back"},
        {1, 9, "and make sure the first line is for example \"C:\\...\\HM\\Hollowmere.exe\""},
        {1, 10, "and the second is \"C:\\...\\HM\\ This should fix it.    "},
        {0, 12, "Linux/OS X/General:"},
        {1, 13, "If you're sure you have the file next to this executable file, make sure that"},
        {1, 14, "your working directory is set to the folder where the files are. Your computer"},
        {1, 15, "could be looking for the files from your home folder. Consult Google or try"},
        {1, 16, "running the executable from the terminal instead of double clicking the file."},
        {28, 18, "Press a key to exit."},
    });
}
