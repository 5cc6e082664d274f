#pragma once
// The 250 item kinds, loaded from the item data file at start-up.
#include <cstdint>
#include <string>

#include "toolkit/colour.h"
#include "toolkit/data_file.h"
#include "world/item_types.h"

constexpr int32_t kItemKindCount = 250;
// One kind record in "items.hmd"; the file is the version and 250 records.
constexpr int32_t kItemKindRecordSize = 103;
constexpr int32_t kItemFileSize = 4 + kItemKindCount * kItemKindRecordSize;
// The colour code of a kind that is not in use.
constexpr ColourCode kUnusedItemColour = kOnRed + kOnWhite;

class ItemKind {
public:
    ItemKind();

    uint8_t inUse = 0;
    int32_t colourIndex = 0;
    uint8_t special = 0;
    int32_t baseValue = 0;
    char name[64] = {};
    uint8_t glyph = 0;
    int32_t maxDurability = 0;  // wands: charges
    int32_t weight = 0;
    int32_t depthLevel = -1;
    int32_t type = -1;
    int32_t subtype = 0;  // weapons 0..2, armour 3..8, cloth 4..8, rings 9 and amulets 10
    int32_t power = 0;  // damage minimum, armour, warmth of cloth, effect or property id, material tier
    int32_t secondValue = 0;  // damage maximum, warmth of food, craft class of a material
    ColourCode colour = kUnusedItemColour;
};

class ItemKindTable {
public:
    ItemKind kinds[kItemKindCount];
    int32_t version = 0;

    ItemKind& operator[](int32_t index) { return kinds[index]; }
    const ItemKind& operator[](int32_t index) const { return kinds[index]; }

    // Reads "items.hmd" and returns true; a missing or wrong-version file ends the program.
    bool LoadItemKinds();
    // Reads the named file into the table without ending the program.
    DataFileResult ReadItemKinds(const std::string& fileName);
    // Gives every kind in use its colour code from its colour index.
    void MapItemColours();
};

extern ItemKindTable itemKinds;
// The kind named "arrow", which bows shoot; start-up finds it, -1 until then.
extern int32_t arrowKindIndex;

// One kind record, field by field in the file's order (the colour code is not in it).
void ReadItemKindRecord(FieldReader& reader, ItemKind& kind);
void WriteItemKindRecord(FieldWriter& writer, const ItemKind& kind);
