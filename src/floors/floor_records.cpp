// The tile and floor records of a save file, through the field codec. Reading
// trusts nothing: a record that is short or holds values the game can't use
// fails the reader, and the load that reads it is abandoned.
#include "floors/floor_feelings.h"
#include "records/item_record.h"
#include "toolkit/field_codec.h"
#include "world/floor.h"

namespace {

// A tile: 36 bytes, then its items.
template <typename Stream, typename TileRecord>
void TransferTile(Stream& stream, TileRecord& tile) {
    stream.Field(tile.gold);
    stream.Field(tile.glyph);
    stream.Field(tile.inViewMark);
    stream.Field(tile.colour);
    stream.Field(tile.rememberedDrawn);
    stream.Field(tile.wasInView);
    stream.Field(tile.visibleNow);
    stream.Field(tile.remembered);
    stream.Field(tile.doorCandidate);
    stream.Padding(3);
    stream.Field(tile.monsterPresent);
    // The drawing's scratch mark means nothing once the screen is gone: it is
    // written as 0 and cleared on reading, so a save depends on the game alone.
    if constexpr (Stream::kReading) {
        stream.Padding(1);
        tile.mark = 0;
    } else {
        stream.Field(uint8_t{0});
    }
    stream.Field(tile.trapKind, kNoTrap, kTrapKindCount);
    stream.Field(tile.featureState);
    stream.Field(tile.topGlyph);
    stream.Field(tile.topColour);
    stream.List(tile.items, kMaxTileItems, kItemRecordSize,
                [](auto& itemStream, auto& item) { TransferItemRecord(itemStream, item); });
}

// A floor: its tiles column by column, then four numbers.
template <typename Stream, typename FloorRecord>
void TransferFloor(Stream& stream, FloorRecord& floor) {
    for (auto& tile : floor.tiles) {
        if (stream.Failed()) return;
        TransferTile(stream, tile);
    }
    stream.Field(floor.openTileCount);
    stream.Field(floor.feeling, kFeelingNone, kFeelingStupid);
    stream.Field(floor.layoutType);
    stream.Field(floor.weather, kWeatherNone, kWeatherFreezingDrizzle);
}

}  // namespace

void Tile::WriteTile(FieldWriter& writer) const { TransferTile(writer, *this); }
void Tile::ReadTile(FieldReader& reader) { TransferTile(reader, *this); }
void Floor::WriteFloor(FieldWriter& writer) const { TransferFloor(writer, *this); }
void Floor::ReadFloor(FieldReader& reader) { TransferFloor(reader, *this); }
