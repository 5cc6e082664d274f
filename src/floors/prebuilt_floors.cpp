// Building a floor from a map of the floors file: the legend's terrain, the
// treasure, features, traps and monsters it marks, then colours and stains.
#include "floors/prebuilt_floors.h"

#include <algorithm>
#include <sstream>

#include "floors/floor_population.h"
#include "floors/prebuilt_map_legend.h"
#include "toolkit/data_file.h"
#include "toolkit/random_mother.h"
#include "toolkit/run_length.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/sage.h"

namespace {

// How much of a line skipping to a map passes over at once.
constexpr std::streamsize kLongestLine = 10000;

// What an 'a' cell's roll of Random(8) gives: a category and the extra depth.
struct TreasureRoll {
    int32_t category;
    float extraDepth;
};
constexpr TreasureRoll kTreasureRolls[7] = {
    {kItemPotion, 3}, {kItemWand, 3}, {kItemAccessory, 3}, {kItemMaterial, 4},
    {kItemCloth, 3},  {kItemWeapon, 3}, {kItemArmour, 3},
};

// Which of the once-per-floor landmarks of 'A' cells may still be placed.
struct Allowances {
    bool sage;
    bool smith;
    bool altar;
};

class PrebuiltBuilder {
public:
    PrebuiltBuilder(Floor& floor, int32_t floorNumber, Allowances allowed)
        : floor(floor), floorNumber(floorNumber), depth(1.43f * static_cast<float>(floorNumber)),
          wholeDepth(static_cast<int32_t>(depth)), allowed(allowed) {}

    void ApplyCell(int32_t x, int32_t y, char cell);
    int32_t budget = kMonsterBudget;

private:
    void AddGold(Tile& tile, int32_t base, int32_t perDepth) {
        // Random(n) of no depth would be a roll of nothing: it adds 0.
        const int32_t spread = wholeDepth > 0 ? rng.Random(wholeDepth) : 0;
        tile.gold += spread + base + perDepth * wholeDepth;
    }
    // An item of the category, or gold of (base, perDepth) when the data has none.
    void PutItemOrGold(Tile& tile, int32_t category, float level, int32_t base, int32_t perDepth) {
        const int32_t kind = RandomItemKind(level, category);
        if (kind == kNoItemKind) {
            AddGold(tile, base, perDepth);
        } else {
            tile.PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix,
                               kNotEmpty);
        }
    }
    void SpecialSpot(int32_t x, int32_t y, Tile& tile);

    Floor& floor;
    int32_t floorNumber;
    float depth;
    int32_t wholeDepth;
    Allowances allowed;
};

void PrebuiltBuilder::SpecialSpot(int32_t x, int32_t y, Tile& tile) {
    for (;;) {
        const int32_t roll = rng.Random(34);
        if (roll < 4) {
            PutItemOrGold(tile, kItemWeapon, depth + 7, 40, 5);
        } else if (roll < 8) {
            PutItemOrGold(tile, kItemArmour, depth + 7, 40, 5);
        } else if (roll < 12) {
            AddGold(tile, 40, 5);
        } else if (roll < 16) {
            if (!allowed.sage) continue;
            cSage sage;
            sage.x = x;
            sage.y = y;
            sage.floor = floorNumber;
            sage.priceLevel = 85 * ((floorNumber + 1) / 7 + 1);
            sage.seen = 0;
            sages.push_back(sage);
            tile.monsterPresent = 1;
            allowed.sage = false;
        } else if (roll < 20) {
            if (!allowed.smith) continue;
            tile.glyph = kDeepSmithGlyph;
            tile.colour = kDeepSmithColour;
            allowed.smith = false;
        } else if (roll < 24) {
            if (!allowed.altar) continue;
            tile.glyph = kAltarGlyph;
            tile.colour = kAltarColour;
            allowed.altar = false;
        } else if (roll < 26) {
            PutItemOrGold(tile, kItemCloth, depth + 7, 40, 5);
        } else if (roll < 28) {
            PutItemOrGold(tile, kItemMaterial, depth + 9, 40, 5);
        } else if (roll == 28) {
            PutItemOrGold(tile, kItemWand, depth + 6, 40, 5);
        } else if (roll == 29) {
            PutItemOrGold(tile, kItemAccessory, depth + 6, 40, 5);
        } else if (roll == 30) {
            PutItemOrGold(tile, kItemPotion, depth + 6, 40, 5);
        } else {
            tile.glyph = kLightBallGlyph;
            tile.colour = kLightMagenta;
        }
        return;
    }
}

void PrebuiltBuilder::ApplyCell(int32_t x, int32_t y, char cell) {
    Tile& tile = floor.At(x, y);
    switch (cell) {
    case kMapSlush:
        tile.glyph = kSlushGlyph;
        tile.colour = kMagenta;
        break;
    case kMapTreasure: {
        tile.glyph = kFloorGlyph;
        const int32_t roll = rng.Random(8);
        if (roll == 7) {
            AddGold(tile, 20, 4);
        } else {
            PutItemOrGold(tile, kTreasureRolls[roll].category, depth + kTreasureRolls[roll].extraDepth, 20, 4);
        }
        break;
    }
    case kMapSpecialSpot:
        tile.glyph = kFloorGlyph;
        SpecialSpot(x, y, tile);
        break;
    case kMapHiddenTrap:
        tile.glyph = kFloorGlyph;
        while (tile.trapKind == kNoTrap || tile.trapKind == kTrapTeleport || tile.trapKind == kTrapFallThrough) {
            const int32_t kind = rng.Random(kTrapKindCount);
            tile.trapKind = kind + 1;
        }
        break;
    case kMapMonster:
        tile.glyph = kFloorGlyph;
        SpawnMonster(x, y, floorNumber, true, kVariantNever, kComputedLevel);
        budget -= 1;
        break;
    case kMapStrongMonster:
        tile.glyph = kFloorGlyph;
        SpawnMonster(x, y, floorNumber, true, kVariantAlways, kComputedLevel);
        budget -= kStrongMonsterCost;
        break;
    default:
        tile.glyph = cell;
        break;
    }
}

// Skips to the line after the mapNumber-th separator: the first character of
// each line other than white space is looked at, the rest of its line passed over.
void SkipToMap(std::istream& maps, int32_t mapNumber) {
    int32_t separators = 0;
    while (separators < mapNumber) {
        char first = 0;
        if (!(maps >> first)) return;  // too few maps: what follows reads as wall
        if (first == kMapSeparator) ++separators;
        maps.ignore(kLongestLine, '\n');
    }
}

// The cells of a map as a floor is built from them: the 19 lines after the
// map's separator, each cut or filled to 80 cells, and the border and every
// cell a line does not reach made wall, so that no odd map lets anyone walk off the floor.
std::vector<std::string> MapCells(const std::string& mapsText, int32_t mapNumber) {
    std::istringstream maps(mapsText);
    SkipToMap(maps, mapNumber);
    std::vector<std::string> rows;
    std::string line;
    for (int32_t y = 0; y < kFloorHeight; ++y) {
        if (!std::getline(maps, line)) line.clear();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string row(kFloorWidth, kWallGlyph);
        for (int32_t x = 1; x < kFloorWidth - 1 && y > 0 && y < kFloorHeight - 1; ++x) {
            if (static_cast<size_t>(x) < line.size()) row[static_cast<size_t>(x)] = line[static_cast<size_t>(x)];
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

bool HoldsEveryMap(const std::string& mapsText) {
    for (int32_t map = 0; map < kPrebuiltMapCount; ++map) {
        bool up = false;
        bool down = false;
        for (const std::string& row : MapCells(mapsText, map)) {
            up = up || row.find(kUpStairsGlyph) != std::string::npos;
            down = down || row.find(kDownStairsGlyph) != std::string::npos;
        }
        if (!up || !down) return false;
    }
    return true;
}

namespace {
// Far more than fifty maps of text could ever take, packed or not.
constexpr size_t kLargestFloorsFile = 1u << 20;
}  // namespace

bool UnpackPrebuiltMapBytes(const std::vector<uint8_t>& packed, std::string& text) {
    std::vector<uint8_t> raw;
    const bool unpacked = RunLengthUnpackAtMost(packed, kLargestFloorsFile, raw);
    text.assign(raw.begin(), raw.end());
    // A damaged file must not build walled-in floors without stairs.
    return unpacked && HoldsEveryMap(text);
}

void UnpackPrebuiltMaps(std::string& text) {
    std::vector<uint8_t> packed;
    if (!ReadFileStart("floors.hmd", kLargestFloorsFile, packed) || !UnpackPrebuiltMapBytes(packed, text)) {
        ShowDataFileFailure({{20, 20, "Couldn't open decompressed floors file!"}, {28, 5, "Press a key to exit."}});
    }
}

void ChoosePrebuiltMaps(std::vector<int32_t>& maps) {
    // Draws five until they are distinct; the draws of more than a few rounds
    // are all but impossible, so a bound only guards against a broken generator.
    for (int32_t round = 0; round < 100000; ++round) {
        maps.clear();
        for (int32_t i = 0; i < kPrebuiltFloorCount; ++i) maps.push_back(rng.Random(kPrebuiltMapCount));
        std::vector<int32_t> sorted = maps;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) return;
    }
    maps.clear();
    for (int32_t i = 0; i < kPrebuiltFloorCount; ++i) maps.push_back(i);
}

void Floor::LoadPrebuiltFloor(const std::string& mapsText, int32_t mapNumber, int32_t floorNumber) {
    const int32_t scheme = rng.Random(3);
    At(0, 0).colour = scheme == kStoneScheme ? kStoneWalls : scheme == kSnowyScheme ? kSnowyWalls : kIcyWalls;

    // A sage, a deep smith and an altar come only when the last of their kind lies far enough above.
    int32_t lastSageFloor = -1;
    for (const cSage& sage : sages) lastSageFloor = std::max(lastSageFloor, sage.floor);
    int32_t lastAltarFloor = -1;
    int32_t lastSmithFloor = -1;
    for (int32_t f = 0; f < std::min(floorNumber, kFloorCount); ++f) {
        for (Tile& tile : floorArray[f].tiles) {
            if (tile.glyph == kAltarGlyph) lastAltarFloor = f;
            if (tile.glyph == kDeepSmithGlyph) lastSmithFloor = f;
            // Falling through the floor above would land inside the map's walls: an ice dart instead.
            if (f == floorNumber - 1 && tile.trapKind == kTrapFallThrough) tile.trapKind = kTrapIceDart;
        }
    }
    const Allowances allowed{floorNumber - lastSageFloor >= 6, floorNumber - lastSmithFloor >= 8,
                             floorNumber - lastAltarFloor >= 8};

    PrebuiltBuilder builder(*this, floorNumber, allowed);
    const std::vector<std::string> cells = MapCells(mapsText, mapNumber);
    for (int32_t y = 0; y < kFloorHeight; ++y) {
        for (int32_t x = 0; x < kFloorWidth; ++x) builder.ApplyCell(x, y, cells[static_cast<size_t>(y)][static_cast<size_t>(x)]);
    }

    if (builder.budget > 0) {
        SpawnFloorMonsters(floorNumber, builder.budget);
    } else if (builder.budget >= -1) {
        const int32_t extra = rng.Random(4);
        SpawnFloorMonsters(floorNumber, extra + 1);
    }
    layoutType = kLayoutPrebuilt;
    SetTileColours(scheme);
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor == floorNumber) monster->MatchMonsterToFloorColour();
    }
    StainFloorPatches(kStainBlood);
}
