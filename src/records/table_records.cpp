// The records of the game's tables in a save file: the sages, the unidentified
// looks of potions, wands, rings and amulets, and the learned flags of the skills.
#include "items/appearances.h"
#include "skills/skill_def.h"
#include "toolkit/field_codec.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/sage.h"

namespace {

constexpr size_t kAppearanceNameWidth = 80;

// 20 bytes: position, floor, price level, the seen flag and three bytes of nothing.
template <typename Stream, typename Sage>
void TransferSageRecord(Stream& stream, Sage& sage) {
    stream.Field(sage.x, 0, kFloorWidth - 1);
    stream.Field(sage.y, 0, kFloorHeight - 1);
    stream.Field(sage.floor, 0, kFloorCount - 1);
    stream.Field(sage.priceLevel);
    stream.Field(sage.seen);
    stream.Padding(3);
}

// 87 bytes: the kind, the taken flag, the colour and the name.
template <typename Stream, typename Look>
void TransferAppearance(Stream& stream, Look& look) {
    stream.Field(look.kind, kNoItemKind, kItemKindCount - 1);
    stream.Field(look.taken);
    stream.Field(look.colour);
    stream.Text(look.name, kAppearanceNameWidth);
}

// 88 bytes: as above with the ring flag before the name.
template <typename Stream, typename Look>
void TransferAccessoryAppearance(Stream& stream, Look& look) {
    stream.Field(look.kind, kNoItemKind, kItemKindCount - 1);
    stream.Field(look.taken);
    stream.Field(look.colour);
    stream.Field(look.ringFlag);
    stream.Text(look.name, kAppearanceNameWidth);
}

}  // namespace

void cSage::WriteSageRecord(FieldWriter& writer) const { TransferSageRecord(writer, *this); }
void cSage::ReadSageRecord(FieldReader& reader) { TransferSageRecord(reader, *this); }

void AppearanceName::WriteAppearance(FieldWriter& writer) const { TransferAppearance(writer, *this); }
void AppearanceName::ReadAppearance(FieldReader& reader) { TransferAppearance(reader, *this); }

void AccessoryAppearance::WriteAccessoryAppearance(FieldWriter& writer) const {
    TransferAccessoryAppearance(writer, *this);
}
void AccessoryAppearance::ReadAccessoryAppearance(FieldReader& reader) { TransferAccessoryAppearance(reader, *this); }

void SkillDef::WriteSkillLearned(FieldWriter& writer) const { writer.Field(learned); }
void SkillDef::ReadSkillLearned(FieldReader& reader) { reader.Field(learned, 0, 1); }
