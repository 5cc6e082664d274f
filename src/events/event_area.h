#pragma once
// What the dungeon's events share: the colour a new ice block takes on the
// character's floor, the square the character overlooks, and the hints that
// name the key of a command.
#include <cstdint>

#include "player/worn_gear.h"
#include "world/floor.h"
#include "world/player.h"

// Ice blocks follow the floor's walls: light cyan among icy walls, white among
// stone or snowy ones; on an unknown scheme the tile keeps its colour.
inline void PaintIceBlock(const Floor& floor, Tile& tile) {
    const ColourCode walls = floor.At(0, 0).colour;
    if (walls == kIcyWalls) {
        tile.colour = kIcyGround;
    } else if (walls == kStoneWalls || walls == kSnowyWalls) {
        tile.colour = kSnowyGround;
    }
}

// True when a worn armour piece, the main weapon or the second weapon carries the prefix.
inline bool WieldsOrWears(int32_t prefix) {
    return player.WearsArmourProperty(prefix) || SlotHasPrefix(kSlotMainWeapon, prefix) ||
           SlotHasPrefix(kSlotSecondWeapon, prefix);
}

// Calls visit(x, y) for every map cell of the square of half-width `radius`
// around the character, column by column.
template <class Visit>
void ForEachCellAround(int32_t radius, const Visit& visit) {
    for (int32_t dx = -radius; dx <= radius; ++dx) {
        for (int32_t dy = -radius; dy <= radius; ++dy) {
            const int32_t x = player.x + dx;
            const int32_t y = player.y + dy;
            if (Floor::OnMap(x, y)) visit(x, y);
        }
    }
}

// "(Press 'u' to use.) " with the key of the use command, word by word.
void PrintUseHint();
// "(Press 'c' to chat.) " with the key of the chat command, word by word.
void PrintChatHint();
