#pragma once
// For the command tests on small maps (drawn with DrawMap, support/hand_made_world.h):
// carrying out a command, the map as text for failure messages, the whole floor
// in view, and pictures turned a quarter.
#include <string>
#include <vector>

#include "support/hand_made_world.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/player.h"

// The player's floor as rows, for failure messages.
inline std::string MapAround(int32_t floor, int32_t x0, int32_t y0, int32_t w, int32_t h) {
    std::string text;
    for (int32_t y = y0; y < y0 + h; ++y) {
        text += '\n';
        for (int32_t x = x0; x < x0 + w; ++x) {
            text += (player.currentFloor == floor && x == player.x && y == player.y) ? 'P' : floorArray[floor].GlyphAt(x, y);
        }
    }
    return text;
}

// Every tile of the floor counts as in view now.
inline void SeeWholeFloor(int32_t floor) {
    for (Tile& tile : floorArray[floor].tiles) tile.visibleNow = 1;
}

// The picture turned a quarter to the right: what a run north meets is what a run east meets after it.
inline std::vector<std::string> TurnRight(const std::vector<std::string>& rows) {
    const std::size_t height = rows.size();
    const std::size_t width = rows.empty() ? 0 : rows[0].size();
    std::vector<std::string> turned(width, std::string(height, ' '));
    for (std::size_t j = 0; j < height; ++j) {
        for (std::size_t i = 0; i < width; ++i) turned[i][height - 1 - j] = rows[j][i];
    }
    return turned;
}

// Carries out a command as the turn loop would after reading its key.
inline int32_t RunCommand(int32_t command) {
    currentCommand = command;
    return player.ExecuteCommand();
}
