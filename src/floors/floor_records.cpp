// The tile and floor records of a save file: little-endian, field by field,
// with no padding. Reading trusts nothing: a record that is short or holds
// values the game can't use is refused.
#include <istream>
#include <ostream>

#include "floors/floor.h"
#include "items/item_kind.h"
#include "items/item_prefixes.h"

namespace {

constexpr int32_t kTileRecordSize = 36;
constexpr int32_t kItemRecordSize = 24;
constexpr int32_t kFloorTrailerSize = 16;
constexpr int32_t kTrapKinds = 18;
constexpr int32_t kFeelings = 18;
constexpr int32_t kWeathers = 3;

void PutU8(unsigned char* at, uint8_t value) { at[0] = value; }
void PutU16(unsigned char* at, uint16_t value) {
    at[0] = static_cast<unsigned char>(value & 0xff);
    at[1] = static_cast<unsigned char>(value >> 8);
}
void PutI32(unsigned char* at, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xff);
}
uint16_t GetU16(const unsigned char* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }
int32_t GetI32(const unsigned char* at) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(at[i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

bool ReadExactly(std::istream& stream, unsigned char* buffer, int32_t size) {
    stream.read(reinterpret_cast<char*>(buffer), size);
    return stream.gcount() == size && !stream.fail();
}

void EncodeItem(const ItemData& item, unsigned char* at) {
    PutI32(at + 0, item.kind);
    PutI32(at + 4, item.durability);
    PutI32(at + 8, item.blessing);
    PutI32(at + 12, item.quantity);
    PutU8(at + 16, item.identified);
    PutU8(at + 17, item.empty);
    PutU8(at + 18, 0);
    PutU8(at + 19, 0);
    PutI32(at + 20, item.prefix);
}

// A kind the game knows (or -1, nothing), and a prefix that names an entry of the
// prefix table on weapons and armour (cloth keeps its wetness in that field).
bool DecodeItem(const unsigned char* at, ItemData& item) {
    item.kind = GetI32(at + 0);
    item.durability = GetI32(at + 4);
    item.blessing = GetI32(at + 8);
    item.quantity = GetI32(at + 12);
    item.identified = at[16];
    item.empty = at[17];
    item.prefix = GetI32(at + 20);
    if (item.kind < kNoItemKind || item.kind >= kItemKindCount) return false;
    if (item.kind >= 0) {
        const int32_t type = itemKinds[item.kind].type;
        if ((type == kItemArmour || type == kItemWeapon) &&
            (item.prefix < kNoPrefix || item.prefix >= kItemPrefixCount))
            return false;
    }
    return true;
}

}  // namespace

void Tile::WriteTile(std::ostream& stream) const {
    if (!stream) return;
    unsigned char record[kTileRecordSize] = {};
    PutI32(record + 0, gold);
    PutU8(record + 4, static_cast<uint8_t>(glyph));
    PutU8(record + 5, inViewMark);
    PutU16(record + 6, colour);
    PutU8(record + 8, rememberedDrawn);
    PutU8(record + 9, wasInView);
    PutU8(record + 10, visibleNow);
    PutU8(record + 11, remembered);
    PutU8(record + 12, doorCandidate);
    PutI32(record + 16, monsterPresent);
    PutU8(record + 20, mark);
    PutI32(record + 21, trapKind);
    PutI32(record + 25, featureState);
    PutU8(record + 29, static_cast<uint8_t>(topGlyph));
    PutU16(record + 30, topColour);
    PutI32(record + 32, static_cast<int32_t>(items.size()));
    stream.write(reinterpret_cast<const char*>(record), kTileRecordSize);
    for (const ItemData& item : items) {
        unsigned char itemRecord[kItemRecordSize];
        EncodeItem(item, itemRecord);
        stream.write(reinterpret_cast<const char*>(itemRecord), kItemRecordSize);
    }
}

bool Tile::ReadTile(std::istream& stream) {
    if (!stream) return false;
    unsigned char record[kTileRecordSize];
    if (!ReadExactly(stream, record, kTileRecordSize)) return false;
    const int32_t itemCount = GetI32(record + 32);
    if (itemCount < 0 || itemCount > kMaxTileItems) return false;
    const int32_t readTrap = GetI32(record + 21);
    if (readTrap < 0 || readTrap > kTrapKinds) return false;

    ItemData readItems[kMaxTileItems];
    for (int32_t i = 0; i < itemCount; ++i) {
        unsigned char itemRecord[kItemRecordSize];
        if (!ReadExactly(stream, itemRecord, kItemRecordSize)) return false;
        if (!DecodeItem(itemRecord, readItems[i])) return false;
    }

    gold = GetI32(record + 0);
    glyph = static_cast<char>(record[4]);
    inViewMark = record[5];
    colour = GetU16(record + 6);
    rememberedDrawn = record[8];
    wasInView = record[9];
    visibleNow = record[10];
    remembered = record[11];
    doorCandidate = record[12];
    monsterPresent = GetI32(record + 16);
    mark = record[20];
    trapKind = readTrap;
    featureState = GetI32(record + 25);
    topGlyph = static_cast<char>(record[29]);
    topColour = GetU16(record + 30);
    items.assign(readItems, readItems + itemCount);
    return true;
}

void Floor::WriteFloor(std::ostream& stream) const {
    if (!stream) return;
    for (const Tile& tile : tiles) tile.WriteTile(stream);
    unsigned char trailer[kFloorTrailerSize];
    PutI32(trailer + 0, openTileCount);
    PutI32(trailer + 4, feeling);
    PutI32(trailer + 8, layoutType);
    PutI32(trailer + 12, weather);
    stream.write(reinterpret_cast<const char*>(trailer), kFloorTrailerSize);
}

bool Floor::ReadFloor(std::istream& stream) {
    if (!stream) return false;
    for (Tile& tile : tiles) {
        if (!tile.ReadTile(stream)) return false;
        tile.mark = 0;
    }
    unsigned char trailer[kFloorTrailerSize];
    if (!ReadExactly(stream, trailer, kFloorTrailerSize)) return false;
    const int32_t readFeeling = GetI32(trailer + 4);
    const int32_t readWeather = GetI32(trailer + 12);
    if (readFeeling < 0 || readFeeling >= kFeelings || readWeather < 0 || readWeather >= kWeathers) return false;
    openTileCount = GetI32(trailer + 0);
    feeling = readFeeling;
    layoutType = GetI32(trailer + 8);
    weather = readWeather;
    return true;
}
