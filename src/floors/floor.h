#pragma once
// A dungeon floor of 80 by 19 tiles, and the 35 floors of the game.
#include <cstdint>
#include <string>
#include <vector>

#include "items/item_data.h"
#include "shell/colour.h"

#include <iosfwd>

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

class Tile {
public:
    std::vector<ItemData> items;  // oldest first, at most kMaxTileItems
    int32_t gold = 0;
    char glyph = '#';
    uint8_t inViewMark = 0;
    ColourCode colour = 0;
    uint8_t rememberedDrawn = 0;
    uint8_t wasInView = 0;
    uint8_t visibleNow = 0;
    uint8_t remembered = 0;
    uint8_t doorCandidate = 0;
    int32_t monsterPresent = 0;
    uint8_t mark = 0;
    int32_t trapKind = 0;
    int32_t featureState = 0;
    char topGlyph = ' ';
    ColourCode topColour = 0;

    // Adds one item; durability -1, blessing -2 and prefix -2 ask for rolled values.
    void PutItemOnTile(int32_t kind, int32_t durability, int32_t blessing, uint8_t identified, uint8_t fresh,
                       int32_t prefix, uint8_t empty);
    void WriteTile(std::ostream& stream) const;
    bool ReadTile(std::istream& stream);
};

class Floor {
public:
    // Tiles are stored column by column: (x, y) is element x*19+y.
    Tile tiles[kFloorWidth * kFloorHeight];
    int32_t openTileCount = 0;
    int32_t feeling = 0;
    int32_t layoutType = 0;
    int32_t weather = kWeatherNone;

    // ---- the tile model, sight and drawing ----
    bool IsBlocked(int32_t x, int32_t y) const;
    void MarkSeen(int32_t x, int32_t y);
    void ClearTileMarks();
    void WriteFloor(std::ostream& stream) const;
    bool ReadFloor(std::istream& stream);
    void DrawFloor();
    void RedrawSeenTiles();
    void ForgetOrRevealMap(bool forget);

    // ---- layout generators ----
    void GenerateLayout(int32_t floorNumber);
    void PlaceStairs(int32_t mode);
    void WallBorder();
    void SetTileColours(int32_t mode);
    void GenerateRoomFloor();
    void GenerateRoughDungeon(int32_t corridorLength);
    void GenerateCavern();
    void GenerateCorridorComplex();

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
    // Mode 0 blood (generation), 1 snow, 2 freezing drizzle (weather).
    void StainFloorPatches(int32_t mode);
    void ChooseFeeling(int32_t depth);
    void ScatterItemsAndGold(int32_t depth);
    // count -1 asks for the floor's own number of monsters.
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

// Recomputes the top glyph and colour of every tile in view on the player's floor.
void RefreshTopItems();
// True when floor f has a remembered altar, deep smith or sage.
bool FloorHasKnownLandmark(int32_t f);
// A digging direction: 2 north, 3 south, 4 west, 5 east.
int32_t RandomDirection();
