#include <cstring>
#include <initializer_list>

#include "items/item_kind.h"
#include "shell/game.h"

ItemKindTable itemKinds;

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
