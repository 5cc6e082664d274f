#pragma once
// Small hand-made worlds for tests: floors painted to a picture, monsters and
// sages put on them, what the character carries and wears, and what the
// message log has said. Start from ResetGameState() (game_state.h).
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/item_data.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

// Every tile of the rectangle from (x0, y0) to (x1, y1), both corners included,
// gets the glyph; the tiles around it are left as they are.
inline void OpenArea(Floor& floor, int32_t x0, int32_t y0, int32_t x1, int32_t y1, char glyph = '.') {
    for (int32_t x = x0; x <= x1; ++x) {
        for (int32_t y = y0; y <= y1; ++y) floor.At(x, y).glyph = glyph;
    }
}

// A living monster record of 10 hit points, not yet awake, on (x, y) of the floor,
// at the tail of the monster list. Its tile is not marked occupied.
inline Monster* AddMonster(int32_t x, int32_t y, int32_t floor) {
    Monster* monster = new Monster();
    monster->x = x;
    monster->y = y;
    monster->floor = floor;
    monster->hp = 10;
    monster->maxHp = 10;
    monster->living = 1;
    AppendMonsters(monster);
    return monster;
}

// Draws a picture of rows with its top-left character at (x0, y0) of the floor:
// 'P' puts the player there (on that floor) and 'M' a monster, both on plain
// floor with the tile marked occupied; every other character is a glyph.
inline void DrawMap(int32_t floor, const std::vector<std::string>& rows, int32_t x0 = 0, int32_t y0 = 0) {
    for (std::size_t j = 0; j < rows.size(); ++j) {
        for (std::size_t i = 0; i < rows[j].size(); ++i) {
            const int32_t x = x0 + static_cast<int32_t>(i);
            const int32_t y = y0 + static_cast<int32_t>(j);
            Tile& tile = floorArray[floor].At(x, y);
            char glyph = rows[j][i];
            if (glyph == 'P') {
                player.currentFloor = floor;
                player.x = x;
                player.y = y;
                tile.monsterPresent = 1;
                glyph = '.';
            } else if (glyph == 'M') {
                AddMonster(x, y, floor);
                tile.monsterPresent = 1;
                glyph = '.';
            }
            tile.glyph = glyph;
        }
    }
}

// How many records the monster list holds, on the one floor or, without one, on all.
inline int32_t MonsterCount(int32_t floor = -1) {
    int32_t count = 0;
    for (const Monster* m = monsterListHead; m != nullptr; m = m->next) count += floor < 0 || m->floor == floor ? 1 : 0;
    return count;
}

inline void AddSage(int32_t x, int32_t y, int32_t floor) {
    cSage sage;
    sage.x = x;
    sage.y = y;
    sage.floor = floor;
    sages.push_back(sage);
}

// Adds an identified item to the inventory and returns its index.
inline int32_t Carry(int32_t kind, int32_t prefix = -1, int32_t blessing = 0) {
    ItemData item;
    item.kind = kind;
    item.prefix = prefix;
    item.blessing = blessing;
    item.identified = 1;
    player.inventory.push_back(item);
    return static_cast<int32_t>(player.inventory.size()) - 1;
}

// Carries the item and puts it in the equipment slot; returns its inventory index.
inline int32_t Wear(int32_t slot, int32_t kind, int32_t prefix = -1, int32_t blessing = 0) {
    const int32_t index = Carry(kind, prefix, blessing);
    player.equipSlots[slot] = index;
    return index;
}

// Everything printed so far, oldest first: colour markup and "-More-" taken out,
// each line's padding folded into one blank between lines.
inline std::string Messages() {
    std::string all;
    auto add = [&all](const std::string& line) {
        std::string plain = MessageLog::StripColourCodes(line);
        for (std::size_t more = plain.find("-More-"); more != std::string::npos; more = plain.find("-More-")) {
            plain.erase(more, 6);
        }
        const std::size_t end = plain.find_last_not_of(' ');
        if (end == std::string::npos) return;
        if (!all.empty()) all += ' ';
        all += plain.substr(0, end + 1);
    };
    for (int32_t i = kHistoryLines - 1; i >= 0; --i) add(messageLog.history[i]);
    for (const std::string& line : messageLog.line) add(line);
    return all;
}
