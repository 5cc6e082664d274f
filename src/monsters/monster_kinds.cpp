#include <algorithm>
#include <cstring>

#include "monsters/monster_kind.h"
#include "shell/game.h"

MonsterKindTable monsterKinds;

ColourCode MonsterColourFromIndex(int32_t colourIndex) {
    static constexpr ColourCode kCodes[15] = {4, 1, 2, 8, 6, 5, 3, 12, 10, 9, 14, 13, 11, 15, 7};
    return colourIndex >= 0 && colourIndex < 15 ? kCodes[colourIndex] : 8;
}

void ReadMonsterKindRecord(FieldReader& reader, MonsterKind& kind) {
    reader.Read(kind.meleeArmour);
    reader.Read(kind.rangedArmour);
    reader.Read(kind.colourIndex);
    reader.Read(kind.dodge);
    reader.Read(kind.experience);
    reader.Read(kind.hitPoints);
    reader.Read(kind.damageBound2);
    reader.Read(kind.damageBound1);
    reader.Read(kind.toHitThreshold);
    reader.ReadBytes(kind.name, sizeof kind.name);
    reader.Read(kind.glyph);
    reader.Read(kind.ranged);
    reader.Read(kind.living);
    reader.Read(kind.regenerationAmount);
    reader.Read(kind.regenerationPeriod);
    reader.Read(kind.ability);
    reader.Read(kind.speed);
    reader.Read(kind.actThreshold);
    reader.Read(kind.spare);
    reader.Read(kind.level);
}

void WriteMonsterKindRecord(FieldWriter& writer, const MonsterKind& kind) {
    writer.Write(kind.meleeArmour);
    writer.Write(kind.rangedArmour);
    writer.Write(kind.colourIndex);
    writer.Write(kind.dodge);
    writer.Write(kind.experience);
    writer.Write(kind.hitPoints);
    writer.Write(kind.damageBound2);
    writer.Write(kind.damageBound1);
    writer.Write(kind.toHitThreshold);
    writer.WriteBytes(kind.name, sizeof kind.name);
    writer.Write(kind.glyph);
    writer.Write(kind.ranged);
    writer.Write(kind.living);
    writer.Write(kind.regenerationAmount);
    writer.Write(kind.regenerationPeriod);
    writer.Write(kind.ability);
    writer.Write(kind.speed);
    writer.Write(kind.actThreshold);
    writer.Write(kind.spare);
    writer.Write(kind.level);
}

namespace {

// The file is data from outside: a kind in use never gets values that would
// stall or overflow the monster code (an act threshold of 0 would make a
// monster act for ever; a name without its terminating zero would run on).
constexpr int32_t kValueLimit = 1000000;
constexpr int64_t kExperienceLimit = 1000000000000LL;

void MakeKindSafe(MonsterKind& kind) {
    kind.name[sizeof kind.name - 1] = '\0';
    kind.level = std::clamp(kind.level, -1000, 1000);
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
        kind.colour = MonsterColourFromIndex(kind.colourIndex);
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
