#pragma once
// The eight directions on the map and the character's own square, in every way
// the game names them: the direction command that moves that way (numbered as
// world/command_keys.h numbers them, 2 north to 9 south-east, which is also how
// the generators and the monsters number their steps), the keypad digit that
// lies that way from the keypad's middle, the step on the map, and the glyph of
// a line drawn along it (a bolt, a penetrating strike).
#include <array>
#include <cstdint>

#include "toolkit/xy.h"
#include "world/command_keys.h"

struct Direction {
    int32_t command = kCommandNone;  // kCommandNorth .. kCommandSouthEast; kCommandRest for the own square
    char digit = 0;                  // '1' .. '9'
    XY step;                         // rows grow downwards
    char lineGlyph = ' ';            // '-' across, '|' up and down, '\' and '/' aslant
};

// The nine keypad digits in order, '1' to '9', as the keypad lays them out;
// '5', the character's own square, has no step and no line.
inline constexpr Direction kKeypadDirections[9] = {
    {kCommandSouthWest, '1', {-1, 1}, '/'},   {kCommandSouth, '2', {0, 1}, '|'}, {kCommandSouthEast, '3', {1, 1}, '\\'},
    {kCommandWest, '4', {-1, 0}, '-'},        {kCommandRest, '5', {0, 0}, ' '},  {kCommandEast, '6', {1, 0}, '-'},
    {kCommandNorthWest, '7', {-1, -1}, '\\'}, {kCommandNorth, '8', {0, -1}, '|'}, {kCommandNorthEast, '9', {1, -1}, '/'},
};

constexpr bool IsDirectionCommand(int32_t command) { return command >= kCommandNorth && command <= kCommandSouthEast; }

// The direction of a keypad digit; none (no command, no step, no digit) for any other key.
constexpr Direction DirectionOfDigit(int key) {
    if (key < '1' || key > '9') return Direction{};
    return kKeypadDirections[key - '1'];
}

// The eight directions by their commands, kCommandNorth first: the keypad's
// table read in the order of the commands, made once when the program is built.
inline constexpr std::array<Direction, 8> kCommandDirections = [] {
    std::array<Direction, 8> directions{};
    for (const Direction& direction : kKeypadDirections) {
        if (IsDirectionCommand(direction.command)) directions[direction.command - kCommandNorth] = direction;
    }
    return directions;
}();

// The direction of a direction command; none for any other number.
constexpr Direction DirectionOfCommand(int32_t command) {
    if (!IsDirectionCommand(command)) return Direction{};
    return kCommandDirections[command - kCommandNorth];
}

// The step of a direction command; no step for any other number.
constexpr XY DirectionStep(int32_t command) { return DirectionOfCommand(command).step; }
