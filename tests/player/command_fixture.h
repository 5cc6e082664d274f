#pragma once
// Small maps for the command tests: a picture of rows drawn onto a floor, with
// 'P' for the player's square and 'M' for a monster's (both plain floor), and
// every tile outside the picture a wall.
#include <string>
#include <vector>

#include "floors/floor.h"
#include "folk/sage.h"
#include "monsters/monster.h"
#include "player/player.h"
#include "shell/key_reader.h"
#include "shell/message_log.h"

// Draws the picture with its top-left character at (x0, y0) of the floor and
// puts the player on its 'P' (on that floor) and a monster on each 'M'.
inline void DrawMap(int32_t floor, const std::vector<std::string>& rows, int32_t x0 = 0, int32_t y0 = 0) {
    for (std::size_t j = 0; j < rows.size(); ++j) {
        for (std::size_t i = 0; i < rows[j].size(); ++i) {
            const int32_t x = x0 + static_cast<int32_t>(i);
            const int32_t y = y0 + static_cast<int32_t>(j);
            char glyph = rows[j][i];
            if (glyph == 'P') {
                player.currentFloor = floor;
                player.x = x;
                player.y = y;
                floorArray[floor].At(x, y).monsterPresent = 1;
                glyph = '.';
            } else if (glyph == 'M') {
                Monster* monster = new Monster();
                monster->x = x;
                monster->y = y;
                monster->floor = floor;
                monster->hp = monster->maxHp = 10;
                AppendMonsters(monster);
                floorArray[floor].At(x, y).monsterPresent = 1;
                glyph = '.';
            }
            floorArray[floor].At(x, y).glyph = glyph;
        }
    }
}

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

// Everything printed so far, oldest first, without colour codes, "-More-" and runs of blanks.
inline std::string Said() {
    std::string text;
    for (int k = kHistoryLines - 1; k >= 0; --k) text += MessageLog::StripColourCodes(messageLog.history[k]);
    for (const std::string& line : messageLog.line) text += MessageLog::StripColourCodes(line);
    for (std::size_t more = text.find("-More-"); more != std::string::npos; more = text.find("-More-")) {
        text.erase(more, 6);
    }
    std::string single;
    for (char c : text) {
        if (c == ' ' && !single.empty() && single.back() == ' ') continue;
        single += c;
    }
    return single;
}

inline void AddSage(int32_t x, int32_t y, int32_t floor) {
    cSage sage;
    sage.x = x;
    sage.y = y;
    sage.floor = floor;
    sages.push_back(sage);
}
