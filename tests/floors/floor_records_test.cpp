#include "floors/floor_fixtures.h"
#include "toolkit/field_codec.h"

namespace {

using FloorRecords = FloorTest;

std::string Bytes(const Tile& tile) {
    FieldWriter writer;
    tile.WriteTile(writer);
    return std::string(writer.bytes.begin(), writer.bytes.end());
}

std::vector<uint8_t> Raw(const std::string& bytes) { return std::vector<uint8_t>(bytes.begin(), bytes.end()); }

// Reads the bytes as one tile record; true when the reader took them whole.
bool ReadsAsTile(const std::string& bytes, Tile& tile) {
    const std::vector<uint8_t> raw = Raw(bytes);
    FieldReader reader(raw);
    tile.ReadTile(reader);
    return !reader.Failed() && reader.Remaining() == 0;
}

int32_t I32At(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return static_cast<int32_t>(value);
}

Tile SampleTile() {
    Tile tile;
    tile.gold = -123456;
    tile.glyph = '>';
    tile.inViewMark = 1;
    tile.colour = 0xBEEF;
    tile.rememberedDrawn = 1;
    tile.wasInView = 0;
    tile.visibleNow = 1;
    tile.remembered = 1;
    tile.doorCandidate = 1;
    tile.monsterPresent = 1;
    tile.mark = 1;
    tile.trapKind = 17;
    tile.featureState = -100;
    tile.topGlyph = '!';
    tile.topColour = 0x0102;
    ItemData item;
    item.kind = FloorTest::kCloth;  // cloth keeps its wetness in the prefix field
    item.durability = 0x11223344;
    item.blessing = -1;
    item.quantity = 29;
    item.identified = 1;
    item.empty = 1;
    item.prefix = 700;
    tile.items.push_back(item);
    item.kind = FloorTest::kPotion;
    tile.items.push_back(item);
    return tile;
}

void ExpectSameTile(const Tile& a, const Tile& b) {
    EXPECT_EQ(Bytes(a), Bytes(b));
    ASSERT_EQ(a.items.size(), b.items.size());
}

TEST_F(FloorRecords, TileRecordHasItsFixedLayout) {
    const std::string bytes = Bytes(SampleTile());
    ASSERT_EQ(bytes.size(), 36u + 2 * 24u);
    EXPECT_EQ(I32At(bytes, 0), -123456);
    EXPECT_EQ(bytes[4], '>');
    EXPECT_EQ(bytes[5], 1);
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0xEF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[7]), 0xBE);
    EXPECT_EQ(std::string(bytes, 8, 4), std::string("\x01\x00\x01\x01", 4));
    EXPECT_EQ(I32At(bytes, 12), 1);  // the doorway flag and three zero bytes
    EXPECT_EQ(I32At(bytes, 16), 1);
    EXPECT_EQ(bytes[20], 0);  // the drawing's scratch mark is not kept
    EXPECT_EQ(I32At(bytes, 21), 17);
    EXPECT_EQ(I32At(bytes, 25), -100);
    EXPECT_EQ(bytes[29], '!');
    EXPECT_EQ(I32At(bytes, 30) & 0xFFFF, 0x0102);
    EXPECT_EQ(I32At(bytes, 32), 2);
    EXPECT_EQ(I32At(bytes, 36), FloorTest::kCloth);
    EXPECT_EQ(I32At(bytes, 40), 0x11223344);
    EXPECT_EQ(I32At(bytes, 44), -1);
    EXPECT_EQ(I32At(bytes, 48), 29);
    EXPECT_EQ(std::string(bytes, 52, 4), std::string("\x01\x01\x00\x00", 4));
    EXPECT_EQ(I32At(bytes, 56), 700);
    EXPECT_EQ(I32At(bytes, 60), FloorTest::kPotion);
}

TEST_F(FloorRecords, TileAndFloorRoundTrip) {
    Floor& floor = floorArray[4];
    floor.At(0, 0) = SampleTile();
    floor.At(79, 18) = SampleTile();
    floor.At(40, 9).glyph = '.';
    floor.openTileCount = 612;
    floor.feeling = 17;
    floor.layoutType = 3;
    floor.weather = 2;
    FieldWriter writer;
    floor.WriteFloor(writer);
    EXPECT_EQ(writer.bytes.size(), 1520u * 36u + 4u * 24u + 16u);

    Floor& copy = floorArray[5];
    FieldReader reader(writer.bytes);
    copy.ReadFloor(reader);
    ASSERT_FALSE(reader.Failed());
    EXPECT_EQ(reader.Remaining(), 0u);
    for (int i = 0; i < kFloorWidth * kFloorHeight; ++i) {
        Tile expected = floor.tiles[i];
        expected.mark = 0;  // reading clears the scratch mark
        ExpectSameTile(copy.tiles[i], expected);
    }
    EXPECT_EQ(copy.openTileCount, 612);
    EXPECT_EQ(copy.feeling, 17);
    EXPECT_EQ(copy.layoutType, 3);
    EXPECT_EQ(copy.weather, 2);
}

// Each case damages one field of a written tile record, which must be refused.
TEST_F(FloorRecords, DamagedTileRecordsAreRefused) {
    struct Damage {
        const char* what;
        size_t offset;
        int32_t value;
    };
    const Damage cases[] = {
        {"23 items", 32, 23},       {"a negative count", 32, -1}, {"kind 250", 36, 250},
        {"kind -1", 60, -1},        {"trap kind 19", 21, 19},     {"a huge count", 32, 0x7fffffff},
        {"a sword with prefix 700", 36, FloorTest::kSword},
    };
    for (const Damage& damage : cases) {
        std::string bytes = Bytes(SampleTile());
        for (int i = 0; i < 4; ++i) bytes[damage.offset + i] = static_cast<char>((damage.value >> (8 * i)) & 0xff);
        Tile tile;
        EXPECT_FALSE(ReadsAsTile(bytes, tile)) << damage.what;
    }
    Tile tile;
    EXPECT_TRUE(ReadsAsTile(Bytes(SampleTile()), tile));
}

TEST_F(FloorRecords, ShortRecordsAreRefused) {
    const std::string bytes = Bytes(SampleTile());
    for (size_t cut : {size_t{0}, size_t{20}, size_t{35}, size_t{36}, size_t{60}, bytes.size() - 1}) {
        Tile tile;
        EXPECT_FALSE(ReadsAsTile(bytes.substr(0, cut), tile)) << "cut at " << cut;
    }

    FieldWriter writer;
    floorArray[1].WriteFloor(writer);
    std::vector<uint8_t> floorBytes = writer.bytes;
    floorBytes.pop_back();
    FieldReader shortFloor(floorBytes);
    floorArray[2].ReadFloor(shortFloor);
    EXPECT_TRUE(shortFloor.Failed());

    floorBytes = writer.bytes;
    floorBytes[floorBytes.size() - 12] = 18;  // feeling 18 does not exist
    FieldReader badFeeling(floorBytes);
    floorArray[2].ReadFloor(badFeeling);
    EXPECT_TRUE(badFeeling.Failed());
}

}  // namespace
