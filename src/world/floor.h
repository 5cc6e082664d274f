#pragma once
// A dungeon floor of 80 by 19 tiles, and the 35 floors of the game.
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/colour.h"
#include "toolkit/xy.h"
#include "world/direction.h"
#include "world/item_data.h"
#include "world/terrain.h"

class FieldReader;
class FieldWriter;

constexpr int32_t kFloorWidth = 80;
constexpr int32_t kFloorHeight = 19;
constexpr int32_t kFloorCount = 35;
constexpr int32_t kMaxTileItems = 22;

enum LayoutType : int32_t {
    kLayoutRooms = 1,
    kLayoutRoughlyDug = 2,
    kLayoutCavern = 3,
    kLayoutCorridorComplex = 4,
    kLayoutPrebuilt = 5,
};

enum FloorWeather : int32_t { kWeatherNone = 0, kWeatherSnowing = 1, kWeatherFreezingDrizzle = 2 };
constexpr int32_t kFloorsOwnMonsterCount = -1;
constexpr int32_t kPlaceUpStairs = 2;
constexpr int32_t kPlaceDownStairs = 3;
// The colour schemes of SetTileColours; a prebuilt floor draws one of the three.
enum ColourScheme : int32_t { kRandomScheme = -1, kStoneScheme = 0, kSnowyScheme = 1, kIcyScheme = 2 };
// The stains of a new floor; the weather paints its own, by its number.
constexpr int32_t kStainBlood = 0;

class Tile {
public:
    std::vector<ItemData> items;  // oldest first, at most kMaxTileItems
    int32_t gold = 0;
    char glyph = kWallGlyph;
    uint8_t inViewMark = 0;
    ColourCode colour = kBlack;
    uint8_t rememberedDrawn = 0;
    uint8_t wasInView = 0;
    uint8_t visibleNow = 0;
    uint8_t remembered = 0;
    uint8_t doorCandidate = 0;
    int32_t monsterPresent = 0;
    uint8_t mark = 0;
    int32_t trapKind = kNoTrap;
    int32_t featureState = 0;
    char topGlyph = kBlankGlyph;
    ColourCode topColour = kBlack;

    // Adds one item; kRollDurability, kRollBlessing and kRollPrefix ask for rolled values.
    void PutItemOnTile(int32_t kind, int32_t durability, int32_t blessing, uint8_t identified, uint8_t fresh,
                       int32_t prefix, uint8_t empty);
    // How the first (oldest) item looks on the map; only for a tile with items.
    char FirstItemGlyph() const;
    ColourCode FirstItemColour() const;
    // The top glyph and colour from what lies here now: the first item, gold, or the dimmed terrain.
    void RefreshTopItem();
    // A test seam: the tile's record in a save file, which the floor's record
    // writes and reads for each of its tiles; a short or damaged one fails the reader.
    void WriteTile(FieldWriter& writer) const;
    void ReadTile(FieldReader& reader);
};

class DigSpots;
class ScratchGrid;
struct PathSegment;
struct RoomPlan;

class Floor {
public:
    // Every tile a bare wall. Made in floor.cpp, not inline, so that the 35
    // floors are built when the program starts instead of being stored,
    // ready-made, in the program file (several megabytes of walls).
    Floor();

    // Tiles are stored column by column: (x, y) is element x*19+y.
    Tile tiles[kFloorWidth * kFloorHeight];
    int32_t openTileCount = 0;
    int32_t feeling = 0;
    int32_t layoutType = 0;
    int32_t weather = kWeatherNone;

    // ---- the tile model, sight and drawing ----
    // Makes this a new floor: every tile a bare wall, feeling and weather 0.
    void ResetToNewFloor();
    bool IsBlocked(int32_t x, int32_t y) const;
    void MarkSeen(int32_t x, int32_t y);
    void ClearTileMarks();
    // The glyph at (x, y); a place off the map reads as wall.
    char GlyphAt(int32_t x, int32_t y) const { return OnMap(x, y) ? At(x, y).glyph : kWallGlyph; }
    // How many tiles of the (2*radius+1)-square block around (x, y) hold the glyph; off-map cells never do.
    int32_t CountGlyphAround(int32_t x, int32_t y, int32_t radius, char glyph) const;
    // The floor's record in a save file; a short or damaged one fails the reader.
    void WriteFloor(FieldWriter& writer) const;
    void ReadFloor(FieldReader& reader);
    void DrawFloor();
    void RedrawSeenTiles();
    void ForgetOrRevealMap(bool forget);

    // ---- layout generators ----
    void GenerateLayout(int32_t floorNumber);
    // Mode kPlaceUpStairs or kPlaceDownStairs; false when the floor has no tile that fits.
    bool PlaceStairs(int32_t mode);
    void WallBorder();
    // Mode: a ColourScheme, or kRandomScheme.
    void SetTileColours(int32_t mode);
    // Rooms, which every layout shares.
    void CarveRoom(int32_t x, int32_t y, int32_t w, int32_t h, bool noChecker);
    // Makes this a new floor with one room of 3 to 5 tiles a side near its middle.
    void CarveFirstRoom(bool noChecker);
    // A wall with at least 3 open tiles around it; false when the floor has none.
    // The spots must have been built from this floor as it is now.
    bool PickWallBesideFloor(const DigSpots& spots, XY& spot) const;
    void CommitScratchPath(const ScratchGrid& scratch);
    // Room floors.
    void GenerateRoomFloor();
    // A path and its room are drawn first and marked on the scratch grid afterwards.
    void MarkScratchRoom(const RoomPlan& room, ScratchGrid& scratch, char letter) const;
    bool IsScratchPathValid(const ScratchGrid& scratch, int32_t startX, int32_t startY) const;
    void PlaceIceBlocks();
    // The roughly dug dungeon.
    void GenerateRoughDungeon(int32_t budget);
    bool IsAreaSolid(int32_t x, int32_t y, int32_t w, int32_t h) const;
    // The spots must have been built from this floor as it is now.
    bool IsGoodDigSpot(const DigSpots& spots, int32_t x, int32_t y);
    bool CanBranchCorridor(const DigSpots& spots, int32_t x, int32_t y, int32_t direction);
    bool TryDigCorridor(XY& position);
    XY DigCorridor(int32_t direction, int32_t length, int32_t x, int32_t y);
    bool AttachRoom(int32_t x, int32_t y, int32_t w, int32_t h);
    // The cavern and the corridor complex.
    void GenerateCavern();
    void GenerateCorridorComplex();
    // The spots must have been built from this floor as it is now.
    int32_t ExtendCorridorComplex(const DigSpots& spots, XY& position, ScratchGrid& scratch, int32_t step);
    XY MarkScratchLine(int32_t direction, int32_t length, int32_t x, int32_t y, ScratchGrid& scratch, char letter) const;
    bool IsComplexBalanced() const;

    // ---- features, population, prebuilt and fixed floors ----
    // Floor numbers are 0..34; a depth is the floor number + 1.
    bool PlaceAltar(int32_t floorNumber, bool forced);
    bool PlaceSage(int32_t floorNumber, bool forced);
    void PlaceDeepSmith(int32_t floorNumber);
    void PlaceIcyPools();
    void PlaceSnowmen();
    void PlaceCampfires();
    void PlaceMirrors();
    void PlaceMagicWritings();
    void PlaceVeilSpirits();
    void PlaceBags();
    void PlaceMasks();
    void PlaceLightBalls();
    void PlaceBloodStands();
    void PlaceHiddenTraps();
    void BuryItemsInSnow();
    void PlaceSlush();
    // Mode kStainBlood (generation), or the weather's kWeatherSnowing or kWeatherFreezingDrizzle.
    void StainFloorPatches(int32_t mode);
    void ChooseFeeling(int32_t depth);
    void ScatterItemsAndGold(int32_t depth);
    // kFloorsOwnMonsterCount asks for the floor's own number of monsters, each maybe a variant.
    void SpawnFloorMonsters(int32_t floorNumber, int32_t count);
    void LoadPrebuiltFloor(const std::string& path, int32_t mapNumber, int32_t floorNumber);
    void ParseFixedMapRow(const std::string& row, int32_t y, int32_t floorNumber);

    Tile& At(int32_t x, int32_t y) { return tiles[x * kFloorHeight + y]; }
    const Tile& At(int32_t x, int32_t y) const { return tiles[x * kFloorHeight + y]; }
    static bool OnMap(int32_t x, int32_t y) {
        return static_cast<uint32_t>(x) < static_cast<uint32_t>(kFloorWidth) &&
               static_cast<uint32_t>(y) < static_cast<uint32_t>(kFloorHeight);
    }
};

extern Floor floorArray[kFloorCount];

// True for the number of one of the floors, 0..34; the surface is -1.
inline bool IsFloorNumber(int32_t number) { return number >= 0 && number < kFloorCount; }
// The floor with that number, or null when it is none (the surface is -1).
inline Floor* FloorAt(int32_t number) { return IsFloorNumber(number) ? &floorArray[number] : nullptr; }

// Recomputes the top glyph and colour of every tile in view on the player's floor.
void RefreshTopItems();
// True when floor f has a remembered altar, deep smith or sage.
bool FloorHasKnownLandmark(int32_t f);
// A digging direction from any generator, a direction command: Random(4) gives
// north, south, east, west.
constexpr int32_t kDirectionDraws = 4;
inline int32_t DirectionOfDraw(int32_t drawn) {
    static constexpr int32_t kDirections[kDirectionDraws] = {kCommandNorth, kCommandSouth, kCommandEast, kCommandWest};
    return kDirections[drawn];
}
template <class Generator>
int32_t RandomDirection(Generator& generator) {
    return DirectionOfDraw(generator.Random(kDirectionDraws));
}
// The layout types of floor blocks 1 to 3, drawn once per process on the first GenerateLayout.
extern int32_t layoutShuffle[3];
extern uint8_t layoutShufflePending;
