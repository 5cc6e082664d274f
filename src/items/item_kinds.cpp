#include <cstring>
#include <initializer_list>

#include "items/item_kind.h"
#include "shell/game.h"

ItemKindTable itemKinds;

ItemKind::ItemKind() { std::strcpy(name, "Default"); }

ColourCode ItemColourFromIndex(int32_t colourIndex) {
    static constexpr ColourCode kCodes[15] = {4, 1, 2, 8, 6, 5, 3, 12, 10, 9, 14, 13, 11, 15, 7};
    return colourIndex >= 0 && colourIndex < 15 ? kCodes[colourIndex] : 8;
}

void ReadItemKindRecord(FieldReader& reader, ItemKind& kind) {
    reader.Read(kind.colourIndex);
    reader.Read(kind.maxDurability);
    reader.Read(kind.power);
    reader.Read(kind.secondValue);
    reader.ReadBytes(kind.name, sizeof kind.name);
    reader.Read(kind.glyph);
    reader.Read(kind.baseValue);
    reader.Read(kind.depthLevel);
    reader.Read(kind.subtype);
    reader.Read(kind.type);
    reader.Read(kind.special);
    reader.Read(kind.inUse);
    reader.Read(kind.weight);
}

void WriteItemKindRecord(FieldWriter& writer, const ItemKind& kind) {
    writer.Write(kind.colourIndex);
    writer.Write(kind.maxDurability);
    writer.Write(kind.power);
    writer.Write(kind.secondValue);
    writer.WriteBytes(kind.name, sizeof kind.name);
    writer.Write(kind.glyph);
    writer.Write(kind.baseValue);
    writer.Write(kind.depthLevel);
    writer.Write(kind.subtype);
    writer.Write(kind.type);
    writer.Write(kind.special);
    writer.Write(kind.inUse);
    writer.Write(kind.weight);
}

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
        if (kind.inUse != 0) kind.colour = ItemColourFromIndex(kind.colourIndex);
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
