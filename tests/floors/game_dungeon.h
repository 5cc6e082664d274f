#pragma once
// A whole dungeon generated as a new game makes it, from the game's own data
// files in the play folder, and a compact text summary of it.
#include <filesystem>
#include <sstream>
#include <string>

#include "floors/dungeon_generation.h"
#include "floors/floor_fixtures.h"
#include "world/item_kind.h"
#include "world/monster_kind.h"

// The game's data files, read once from the play folder.
struct GameData {
    MonsterKindTable monsterKinds;
    ItemKindTable itemKinds;
    int32_t arrowKind = -1;
    bool available = false;
};

inline const GameData& LoadGameData() {
    static const GameData data = [] {
        GameData read;
        const std::string folder = HOLLOWMERE_PLAY_DIR;
        read.available = read.monsterKinds.ReadMonsterKinds(folder + "/monsters.hmd") == DataFileResult::kRead &&
                         read.itemKinds.ReadItemKinds(folder + "/items.hmd") == DataFileResult::kRead &&
                         std::filesystem::exists(folder + "/floors.hmd");
        read.itemKinds.MapItemColours();
        for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
            if (std::string(read.itemKinds[kind].name) == "arrow") read.arrowKind = kind;
        }
        return read;
    }();
    return data;
}

// A new game's dungeon for this seed; startMode 1 is the shortcut start on floor 7.
inline void GenerateGameDungeon(uint32_t seed, int32_t startMode = 0) {
    const GameData& data = LoadGameData();
    ResetGameState(seed);
    monsterKinds = data.monsterKinds;
    itemKinds = data.itemKinds;
    arrowKindIndex = data.arrowKind;
    player.startMode = startMode;
    player.currentFloor = startMode == 1 ? 7 : 0;
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(HOLLOWMERE_PLAY_DIR);
    GenerateDungeon();
    std::filesystem::current_path(here);
}

// Where the tiles of one glyph lie on a floor, as " x,y" pairs in storage order.
inline std::string GlyphPositions(const Floor& floor, char glyph) {
    std::string positions;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (floor.At(x, y).glyph == glyph) positions += " " + std::to_string(x) + "," + std::to_string(y);
        }
    }
    return positions;
}

// Per floor: layout, feeling, scheme and a terrain hash; stairs and landmarks
// where they lie; how many of each scattered feature; traps, buried items and
// stains; the monsters in list order; the items and the gold.
inline std::string SummariseDungeon() {
    std::ostringstream out;
    for (int32_t f = 0; f < kFloorCount; ++f) {
        const Floor& floor = floorArray[f];
        uint32_t terrain = 2166136261u;
        int32_t traps = 0;
        int32_t buried = 0;
        int32_t stained = 0;
        for (const Tile& tile : floor.tiles) {
            terrain = (terrain ^ static_cast<uint8_t>(tile.glyph)) * 16777619u;
            terrain = (terrain ^ tile.colour) * 16777619u;
            traps += tile.trapKind != 0 ? 1 : 0;
            buried += tile.featureState == -100 ? 1 : 0;
            stained += tile.glyph == '.' && (tile.colour == 4 || tile.colour == 12) ? 1 : 0;
        }
        out << "floor " << f << ": layout " << floor.layoutType << ", feeling " << floor.feeling << ", scheme "
            << floor.At(0, 0).colour << ", terrain " << std::hex << terrain << std::dec << "\n";
        out << "  stairs <" << GlyphPositions(floor, '<') << " >" << GlyphPositions(floor, '>') << "; altars"
            << GlyphPositions(floor, '_') << "; smiths" << GlyphPositions(floor, '@') << "; sages";
        for (const cSage& sage : sages) {
            if (sage.floor == f) out << " " << sage.x << "," << sage.y << "/" << sage.priceLevel;
        }
        out << "\n  features";
        for (char glyph : std::string("0:~+?-|;`,'")) out << " " << glyph << CountGlyph(floor, glyph);
        out << "; traps " << traps << ", buried " << buried << ", stained " << stained << "\n";
        out << "  monsters";
        for (const Monster* m = monsterListHead; m != nullptr; m = m->next) {
            if (m->floor == f) out << " " << m->glyph << m->level << "@" << m->x << "," << m->y;
        }
        out << "\n  items";
        int32_t gold = 0;
        for (int32_t x = 0; x < kFloorWidth; ++x) {
            for (int32_t y = 0; y < kFloorHeight; ++y) {
                const Tile& tile = floor.At(x, y);
                gold += tile.gold;
                for (const ItemData& item : tile.items) {
                    out << " " << item.kind << "x" << item.quantity << "@" << x << "," << y;
                }
            }
        }
        out << "; gold " << gold << "\n";
    }
    return out.str();
}
