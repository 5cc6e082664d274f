// The monster section of a save file: a count, then every record of the one
// list in list order, 204 bytes each. The list link is not stored.
#include <new>

#include "toolkit/drawing.h"
#include "toolkit/field_codec.h"
#include "toolkit/program_end.h"
#include "world/floor.h"
#include "world/monster.h"

namespace {

constexpr size_t kMonsterRecordSize = 204;

template <typename Stream, typename Record>
void TransferMonsterRecord(Stream& stream, Record& monster) {
    stream.Field(monster.x, 0, kFloorWidth - 1);
    stream.Field(monster.y, 0, kFloorHeight - 1);
    stream.Field(monster.colour);
    stream.Field(monster.glyph);
    stream.Text(monster.name, sizeof monster.name);
    stream.Field(monster.alive);
    stream.Field(monster.level);
    stream.Field(monster.previousX);
    stream.Field(monster.previousY);
    stream.Field(monster.floor, 0, kFloorCount - 1);
    stream.Field(monster.experience);
    stream.Field(monster.hp);
    stream.Field(monster.maxHp);
    stream.Field(monster.damageBound1);
    stream.Field(monster.damageBound2);
    stream.Field(monster.dodge);
    stream.Field(monster.meleeArmour);
    stream.Field(monster.rangedArmour);
    stream.Field(monster.armourFloor);
    stream.Field(monster.speed);
    stream.Field(monster.actThreshold);
    stream.Field(monster.energy);
    stream.Field(monster.regenerationCount);
    stream.Field(monster.regenerationPeriod);
    stream.Field(monster.regenerationAmount);
    stream.Field(monster.toHitThreshold);
    stream.Field(monster.ability);
    stream.Field(monster.ranged);
    stream.Field(monster.living);
    stream.Field(monster.lastMove);
    stream.Field(monster.awake);
    stream.Field(monster.hunting);
    stream.Field(monster.stunTurns);
    stream.Field(monster.tauntTurns);
    stream.Field(monster.bleedDamage);
    stream.Field(monster.bleedTurns);
    stream.Field(monster.trickVariant);
}

}  // namespace

void Monster::WriteMonsterRecord(FieldWriter& writer) const { TransferMonsterRecord(writer, *this); }

void Monster::ReadMonsterRecord(FieldReader& reader) {
    TransferMonsterRecord(reader, *this);
    next = nullptr;
}

void SaveMonsters(FieldWriter& writer) {
    int32_t count = 0;
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) ++count;
    writer.Field(count);
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        monster->WriteMonsterRecord(writer);
    }
}

void LoadMonsters(FieldReader& reader) {
    int32_t count = 0;
    reader.Field(count);
    // A count the rest of the data cannot hold would only allocate records of nothing.
    if (reader.Failed() || count < 0 || static_cast<size_t>(count) > reader.Remaining() / kMonsterRecordSize) {
        reader.Fail();
        return;
    }
    Monster* first = nullptr;
    Monster* last = nullptr;
    for (int32_t i = 0; i < count && !reader.Failed(); ++i) {
        Monster* monster = new (std::nothrow) Monster();
        if (monster == nullptr) {
            DrawText("Couldn't reserve memory for monsters.", 19, 20, kRed);
            AppendMonsters(first);
            QuitGame();
        }
        monster->ReadMonsterRecord(reader);
        (last == nullptr ? first : last->next) = monster;
        last = monster;
    }
    // Linked in one go: appending one by one would walk the list each time.
    AppendMonsters(first);
}
