#include <cstring>
#include <initializer_list>

#include "toolkit/text_format.h"
#include "world/game_status.h"
#include "world/item_kind.h"

ItemKindTable itemKinds;
int32_t arrowKindIndex = -1;

ItemKind::ItemKind() { std::strcpy(name, "Default"); }

namespace {

// The fields of a kind record in the file's order, for reading and for writing.
template <typename Stream, typename Kind>
void TransferItemKindRecord(Stream& stream, Kind& kind) {
    stream.Field(kind.colourIndex);
    stream.Field(kind.maxDurability);
    stream.Field(kind.power);
    stream.Field(kind.secondValue);
    stream.Bytes(kind.name, sizeof kind.name);
    stream.Field(kind.glyph);
    stream.Field(kind.baseValue);
    stream.Field(kind.depthLevel);
    stream.Field(kind.subtype);
    stream.Field(kind.type);
    stream.Field(kind.special);
    stream.Field(kind.inUse);
    stream.Field(kind.weight);
}

// The file is data from outside. Every field the game uses as an index or a
// count must keep its range, as the item code relies on it: weapon, armour,
// cloth and accessory subtypes pick equipment slots and appearance tables,
// effect and property ids pick effects, tiers and craft classes pick tables,
// and damage bounds are rolled between. The glyph must show on the map.
constexpr int32_t kHighestEffect = 26;    // potion and wand effects
constexpr int32_t kHighestProperty = 35;  // accessory properties
constexpr int32_t kMaterialTiers = 5;

bool Within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

bool KeepsItsRanges(const ItemKind& kind) {
    if (!IsVisibleCharacter(kind.glyph) || kind.maxDurability < 0 || kind.weight < 0) return false;
    switch (kind.type) {
        case kItemWeapon:
            return Within(kind.subtype, kSubtypeOneHanded, kSubtypeRanged) && Within(kind.power, 0, kind.secondValue);
        case kItemAmmunition:
            return Within(kind.power, 0, kind.secondValue);
        case kItemArmour:
            return Within(kind.subtype, kSubtypeShield, kSubtypeChest);
        case kItemCloth:
            return Within(kind.subtype, kSubtypeHelmet, kSubtypeChest);
        case kItemAccessory:
            return Within(kind.subtype, kSubtypeRing, kSubtypeAmulet) && Within(kind.power, 1, kHighestProperty);
        case kItemPotion:
        case kItemWand:
            return Within(kind.power, 1, kHighestEffect);
        case kItemMaterial:
            return Within(kind.power, 1, kMaterialTiers) && Within(kind.secondValue, kCraftArmour, kCraftArmourOrMelee);
        case kItemFood:
        case kItemValuable:
            return true;
        default:
            return false;  // no type the game knows
    }
}

}  // namespace

void ReadItemKindRecord(FieldReader& reader, ItemKind& kind) { TransferItemKindRecord(reader, kind); }
void WriteItemKindRecord(FieldWriter& writer, const ItemKind& kind) { TransferItemKindRecord(writer, kind); }

DataFileResult ItemKindTable::ReadItemKinds(const std::string& fileName) {
    std::vector<uint8_t> bytes;
    if (!ReadFileStart(fileName, kItemFileSize, bytes)) return DataFileResult::kCannotOpen;
    FieldReader reader(bytes);
    reader.Read(version);
    if (version != gameVersion) return DataFileResult::kWrongVersion;
    for (ItemKind& kind : kinds) {
        ReadItemKindRecord(reader, kind);
        // Names are copied and printed everywhere: never let one run past its field.
        kind.name[sizeof kind.name - 1] = '\0';
        // A kind out of range is left unused, also by the appearance tables, which go by type.
        if (kind.inUse != 0 && !KeepsItsRanges(kind)) {
            kind.inUse = 0;
            kind.type = -1;
        }
    }
    return DataFileResult::kRead;
}

void ItemKindTable::MapItemColours() {
    for (ItemKind& kind : kinds) {
        if (kind.inUse != 0) kind.colour = ColourFromIndex(kind.colourIndex);
    }
}

bool ItemKindTable::LoadItemKinds() {
    switch (ReadItemKinds("items.hmd")) {
    case DataFileResult::kRead:
        return true;
    case DataFileResult::kWrongVersion:
        ShowDataFileFailure({{22, 20, "Item file's version isn't correct."}, {28, 5, "Press a key to exit."}});
    case DataFileResult::kCannotOpen:
        break;
    }
    ShowDataFileFailure({{23, 20, "You don't have the items.hmd file!"}, {28, 5, "Press a key to exit."}});
}
